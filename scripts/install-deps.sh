#!/usr/bin/env bash
# Installs every Debian package the project builds, runs and tests with, and
# any further packages named as arguments (scripts/fuzz.sh names its compiler).
# Non-interactive and idempotent: packages already present are left as they are.
set -euo pipefail

packages=(
  # build tools
  build-essential cmake ninja-build pkg-config
  # tests, and the check of the code style
  googletest libgtest-dev libgmock-dev poppler-utils clang-format
  # class library: widgets, printing, designer plugin interface
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools libqt6designer6
  # Qt's own texts in Japanese: print dialog, edit-box menus, standard buttons
  qt6-translations-l10n
  # JPEG decoding
  libjpeg-dev
  # reading Jet files: library and command-line tools
  mdbtools mdbtools-dev libmdb3
  # Japanese fonts standing in for the desktop's Gothic faces
  fonts-ipafont-gothic fonts-ipafont-mincho fontconfig
  # opening documents and addresses with the desktop's default application
  xdg-utils
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
