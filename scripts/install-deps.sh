#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need; only what is
# missing, so a second run is quick. Runs apt-get as root, or through sudo.
set -euo pipefail
packages=(
  build-essential cmake ninja-build clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins libgl-dev
  libsimpleini-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick poppler-utils
  fonts-liberation2 fonts-dejavu fonts-tlwg-garuda fonts-wqy-zenhei
  fonts-ipafont-gothic fonts-ipafont-mincho
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
