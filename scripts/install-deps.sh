#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need; only what is
# missing, so a second run is quick. Runs apt-get as root, or through sudo.
set -euo pipefail
here=$(dirname "$0")
# shellcheck source=scripts/font-packages.sh
. "$here/font-packages.sh"
packages=(
  build-essential cmake ninja-build clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins libgl-dev
  libsimpleini-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick poppler-utils locales
  "${font_packages[@]}"
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
# The tests run under a decimal-comma locale too (scripts/test.sh).
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "Generating the de_DE.UTF-8 locale"
  "${as_root[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi
