#!/usr/bin/env bash
# Writes a fontconfig configuration that knows only the fonts of the packages the set-up
# installs (scripts/font-packages.sh), with the system's matching rules, and prints its
# path. The tests run with FONTCONFIG_FILE set to it, so a font that happens to be on a
# developer's machine cannot hide a dependency on it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/font-packages.sh
. "$here/font-packages.sh"
out=${1:?usage: test-fonts.sh OUTPUT_DIR}
mkdir -p "$out/cache"
conf="$out/fonts.conf"
{
  echo '<?xml version="1.0"?>'
  echo '<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">'
  echo '<fontconfig>'
  # A package and the font packages it depends on (fonts-dejavu holds none itself).
  for p in "${font_packages[@]}"; do
    echo "$p"
    dpkg-query -W -f='${Depends}\n' "$p" | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' | grep '^fonts-' || true
  done | sort -u | while read -r p; do
    dpkg -L "$p" 2>/dev/null | grep -E '\.(ttf|otf|ttc)$' || true
  done | xargs -r -n1 dirname | sort -u | sed 's|.*|  <dir>&</dir>|'
  echo "  <cachedir>$out/cache</cachedir>"
  # Aliases and substitution rules, but no further font folders.
  echo '  <include ignore_missing="yes">/etc/fonts/conf.d</include>'
  echo '</fontconfig>'
} >"$conf.tmp"
mv "$conf.tmp" "$conf"
echo "$conf"
