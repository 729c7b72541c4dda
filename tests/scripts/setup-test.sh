#!/usr/bin/env bash
# Runs scripts/setup.sh against stand-ins for dpkg-query, apt-get, sudo and id that it finds
# first on PATH, so that nothing is installed.
#   setup-test.sh <setup.sh> <case>
# Each apt-get stand-in fails with apt's own lock messages as many times as it is told, then
# succeeds; every call is logged.
set -uo pipefail
setup="$1"
case_name="$2"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
stubs="$work/bin"
mkdir -p "$stubs"
failures=0

fail() {
  echo "FAIL [$case_name]: $*" >&2
  failures=$((failures + 1))
}

# Every package is installed except those in STUB_MISSING.
cat >"$stubs/dpkg-query" <<'EOF'
#!/usr/bin/env bash
package="${!#}"
for m in $STUB_MISSING; do
  [ "$m" = "$package" ] && { echo -n "unknown ok not-installed"; exit 0; }
done
echo -n "install ok installed"
EOF

# STUB_UPDATE_LOCKED / STUB_INSTALL_LOCKED: how many calls fail on the lock before one succeeds
# ("forever" for all of them); STUB_INSTALL_ERROR: a failure that has nothing to do with locks.
cat >"$stubs/apt-get" <<'EOF'
#!/usr/bin/env bash
echo "apt-get $*" >>"$STUB_LOG"
command=""
for a in "$@"; do
  case "$a" in update|install) command="$a"; break ;; esac
done
counter="$STUB_STATE/$command"
count=$(( $(cat "$counter" 2>/dev/null || echo 0) + 1 ))
echo "$count" >"$counter"
if [ "$command" = update ]; then locked="${STUB_UPDATE_LOCKED:-0}"; else locked="${STUB_INSTALL_LOCKED:-0}"; fi
if [ "$locked" = forever ] || [ "$count" -le "$locked" ]; then
  if [ "$command" = update ]; then
    echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 4242 (apt-get)" >&2
    echo "E: Unable to lock directory /var/lib/apt/lists/" >&2
  else
    echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (apt-get)" >&2
    echo "E: Unable to acquire the dpkg frontend lock (/var/lib/dpkg/lock-frontend), is another process using it?" >&2
  fi
  exit 100
fi
if [ "$command" = install ] && [ -n "${STUB_INSTALL_ERROR:-}" ]; then
  echo "E: $STUB_INSTALL_ERROR" >&2
  exit 100
fi
echo "stub apt-get $command: done"
echo "W: stub apt-get $command: a warning on stderr" >&2
EOF

cat >"$stubs/sudo" <<'EOF'
#!/usr/bin/env bash
echo "sudo $*" >>"$STUB_LOG"
exec "$@"
EOF

cat >"$stubs/id" <<'EOF'
#!/usr/bin/env bash
[ "${1:-}" = "-u" ] && { echo "$STUB_UID"; exit 0; }
exec /usr/bin/id "$@"
EOF
chmod +x "$stubs"/*

export STUB_LOG="$work/calls.log" STUB_STATE="$work/state" STUB_UID=0 STUB_MISSING=""
export PELMOR_SETUP_LOCK_WAIT=30 PELMOR_SETUP_LOCK_RETRY=1
mkdir -p "$STUB_STATE"
: >"$STUB_LOG"

# Runs setup.sh; its output is in $work/out, its status in $status, its time in $took (s).
run_setup() {
  local started=$SECONDS
  PATH="$stubs:$PATH" timeout 120 bash "$setup" >"$work/out" 2>&1
  status=$?
  took=$((SECONDS - started))
}

calls() { grep -c "^apt-get .*$1" "$STUB_LOG"; }

expect_output() {
  grep -qF -- "$1" "$work/out" || fail "the output does not say \"$1\""
}

case "$case_name" in
nothing-missing)
  run_setup
  [ "$status" -eq 0 ] || fail "exit status $status"
  [ ! -s "$STUB_LOG" ] || fail "apt-get or sudo was called: $(cat "$STUB_LOG")"
  ;;

waits-for-the-lock)
  # One package missing; another apt-get holds the lists lock for two tries and the dpkg lock
  # for three more.
  STUB_MISSING="xdotool" STUB_UPDATE_LOCKED=2 STUB_INSTALL_LOCKED=3 run_setup
  [ "$status" -eq 0 ] || fail "exit status $status"
  [ "$(calls update)" -eq 3 ] || fail "apt-get update ran $(calls update) times, not 3"
  [ "$(calls install)" -eq 4 ] || fail "apt-get install ran $(calls install) times, not 4"
  grep -q "^apt-get .*install -y --no-install-recommends xdotool$" "$STUB_LOG" \
    || fail "not just the missing package was installed: $(grep install "$STUB_LOG")"
  grep -q "^sudo" "$STUB_LOG" && fail "sudo was used by root"
  expect_output "another program is using the package manager; waiting for it"
  # apt's own output is shown: its lock errors, its progress and its warnings.
  expect_output "E: Could not get lock /var/lib/apt/lists/lock"
  expect_output "E: Could not get lock /var/lib/dpkg/lock-frontend"
  expect_output "stub apt-get install: done"
  expect_output "W: stub apt-get install: a warning on stderr"
  ;;

sudo-when-not-root)
  STUB_UID=1000 STUB_MISSING="cmake xvfb" STUB_INSTALL_LOCKED=1 run_setup
  [ "$status" -eq 0 ] || fail "exit status $status"
  [ "$(grep -c "^sudo .*apt-get" "$STUB_LOG")" -eq 3 ] || fail "apt-get did not run through sudo each time: $(cat "$STUB_LOG")"
  grep -q "^apt-get .*install -y --no-install-recommends cmake xvfb$" "$STUB_LOG" \
    || fail "the missing packages were not installed: $(cat "$STUB_LOG")"
  ;;

gives-up-on-a-lock-never-freed)
  STUB_MISSING="xdotool" STUB_INSTALL_LOCKED=forever PELMOR_SETUP_LOCK_WAIT=3 run_setup
  [ "$status" -ne 0 ] || fail "setup reported success"
  [ "$took" -ge 3 ] || fail "gave up after $took s, before the limit of 3 s"
  # Tried again once a second for three seconds, not without a pause.
  [ "$(calls install)" -ge 2 ] || fail "apt-get install was not tried again"
  [ "$(calls install)" -le 5 ] || fail "apt-get install was tried $(calls install) times in 3 s, once a second"
  expect_output "another program still holds the package manager's lock after 3 seconds; nothing was installed."
  ;;

other-failures-stop-at-once)
  STUB_MISSING="xdotool" STUB_INSTALL_ERROR="Unable to locate package xdotool" run_setup
  [ "$status" -eq 100 ] || fail "exit status $status, not apt-get's 100"
  [ "$(calls install)" -eq 1 ] || fail "apt-get install ran $(calls install) times, not once"
  expect_output "E: Unable to locate package xdotool"
  grep -q "waiting" "$work/out" && fail "it waited for a failure that is not a lock"
  ;;

*)
  echo "unknown case $case_name" >&2
  exit 2
  ;;
esac

if [ "$failures" -gt 0 ]; then
  echo "--- setup.sh's output:" >&2
  cat "$work/out" >&2
  exit 1
fi
echo "ok [$case_name]"
