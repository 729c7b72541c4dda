#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the editor need.
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
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
