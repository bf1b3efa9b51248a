#!/usr/bin/env bash
# Screenshots of the translated editions at 1024 x 768: per edition the menu with an item's
# description, a chart screen, a form, the parameters dialog, a catalogue page and a
# printed graph page. Run on an X server (the script starts its own with xvfb-run).
# Usage: tools/edition_shots.sh BIN_DIR OUT_DIR [EDITION...]   (default: EU CN JP THAI)
set -euo pipefail
bin=$(cd "$1" && pwd)
out=$2
shift 2
if [ $# -gt 0 ]; then editions=("$@"); else editions=(EU CN JP THAI); fi
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
png8() { convert "$1" -colors 256 "PNG8:$2"; }
for ed in "${editions[@]}"; do
  case $ed in EN) n=1 ;; EU) n=2 ;; CN) n=3 ;; JP) n=4 ;; THAI) n=5 ;; QORAPUR) n=6 ;;
    *) echo "unknown edition $ed" >&2; exit 2 ;; esac
  home=$work/$ed
  mkdir -p "$home" "$work/shots_$ed"
  cp -r "$bin"/EN "$bin/$ed" "$bin"/QDTgraph "$bin"/QORApara.qdt "$bin"/QORAInsu.qdt \
    "$bin"/QORAcost.qdt "$home"/
  printf '[QORA2000]\nLanguage=%s\n' "$n" > "$home/QORA2000.ini"
  shots=$work/shots_$ed
  xvfb-run -a -s "-screen 0 1024x768x24" "$bin/qora_shell_screenshots" "$home" 1024x768 "$shots"
  xvfb-run -a -s "-screen 0 1024x768x24" "$bin/qora_form_screenshots" "$home" 1024x768 "$shots"
  lower=$(echo "$ed" | tr '[:upper:]' '[:lower:]')
  png8 "$shots/menu_item1.png" "$out/${lower}_menu.png"
  png8 "$shots/chilled_with_dialog.png" "$out/${lower}_chart.png"
  png8 "$shots/form_duct_1024x768.png" "$out/${lower}_form.png"
  png8 "$shots/params_factors.png" "$out/${lower}_parameters.png"
  "$bin/qora2000-cli" page catalogue 4 --home "$home" --edition "$ed" --png "$work/page.png" \
    --screen 1024x768
  convert "$work/page.png" -crop 1004x718+0+0 +repage -colors 256 "PNG8:$out/${lower}_catalogue.png"
  "$bin/qora2000-cli" chart chilled.tsurf --home "$home" --edition "$ed" --pdf "$work/p.pdf" \
    > /dev/null
  pdftoppm -png -r 70 -singlefile "$work/p.pdf" "$work/p"
  png8 "$work/p.png" "$out/${lower}_printed.png"
done
