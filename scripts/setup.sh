#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the editor need.
#
# Another apt-get, or the system's automatic updates, may be holding the package manager's locks
# (a fresh machine often runs one at first boot). Then it waits for them and tries again, every
# PELMOR_SETUP_LOCK_RETRY seconds (10) for at most PELMOR_SETUP_LOCK_WAIT seconds (900) in all.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  libqscintilla2-qt6-dev adwaita-icon-theme
  qt6-webengine-dev qt6-webengine-dev-tools
  qt6-translations-l10n qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  libqt6svg6 desktop-file-utils shared-mime-info
  poppler-utils xvfb xauth xdotool x11-utils
  clang-14 libclang-rt-14-dev
)
lock_wait="${PELMOR_SETUP_LOCK_WAIT:-900}"
lock_retry="${PELMOR_SETUP_LOCK_RETRY:-10}"
for value in "$lock_wait" "$lock_retry"; do
  if ! [[ "$value" =~ ^[0-9]+$ ]]; then
    echo "scripts/setup.sh: PELMOR_SETUP_LOCK_WAIT and PELMOR_SETUP_LOCK_RETRY are whole numbers of seconds, not \"$value\"" >&2
    exit 2
  fi
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
deadline=$((SECONDS + lock_wait))
apt_errors="$(mktemp)"
trap 'rm -f "$apt_errors"' EXIT

# Runs apt-get with these arguments; while it fails only because another program holds one of
# apt's or dpkg's locks, waits and runs it again, up to the deadline. apt's output goes to the
# user as it comes; its errors are also kept to be read. Messages in English (LC_ALL=C), so that
# a lock failure is recognised in every language; DEBIAN_FRONTEND is set past sudo, which would
# drop it.
apt_get() {
  local status remaining
  while :; do
    remaining=$((deadline - SECONDS))
    [ "$remaining" -ge 0 ] || remaining=0
    set +e
    # apt waits for the dpkg locks itself for the time that is left; the lists lock of an update
    # it does not wait for.
    { $SUDO env LC_ALL=C DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout="$remaining" "$@" \
        2>&1 1>&3 3>&- | tee "$apt_errors" >&2 3>&-; } 3>&1
    status=${PIPESTATUS[0]}
    set -e
    [ "$status" -ne 0 ] || return 0
    if ! grep -Eq "Could not get lock|Unable to lock|Unable to acquire the dpkg frontend lock" "$apt_errors"; then
      echo "scripts/setup.sh: apt-get $1 failed (exit status $status); see its messages above" >&2
      exit "$status"
    fi
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "scripts/setup.sh: another program still holds the package manager's lock after $lock_wait seconds;" \
        "nothing was installed. Let it finish (or end it), then run this again." >&2
      exit 1
    fi
    remaining=$((deadline - SECONDS))
    echo "scripts/setup.sh: another program is using the package manager; waiting for it" \
      "(trying again in $((lock_retry < remaining ? lock_retry : remaining)) s, giving up $remaining s from now)" >&2
    sleep $((lock_retry < remaining ? lock_retry : remaining))
  done
}

apt_get update
apt_get install -y --no-install-recommends "${missing[@]}"
