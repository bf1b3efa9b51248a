#!/usr/bin/env bash
# Screenshots of every reference page as a 1024 x 768 screen shows it: the top of each
# chapter and, for a page taller than the screen, a view scrolled to its end; and three
# printed catalogue pages. Usage: tools/document_page_shots.sh BIN_DIR OUT_DIR
set -euo pipefail
bin=$1
out=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp -r "$bin"/EN "$bin"/QORAPUR "$bin"/QDTgraph "$bin"/QORApara.qdt "$bin"/QORAInsu.qdt "$home"/
mkdir -p "$out"
view=718  # the page's part of a 768-pixel screen under the tabs and above the bar
shot() {  # document chapter name [language]
  local page="$home/page.png"
  printf '[QORA2000]\nLanguage=%s\n' "${4:-1}" > "$home/QORA2000.ini"
  "$bin/qora2000-cli" page "$1" "$2" --home "$home" --png "$page" --screen 1024x768
  local h
  h=$(identify -format '%h' "$page")
  convert "$page" -crop "1004x${view}+0+0" +repage -colors 256 "PNG8:$out/$3.png"
  if [ "$h" -gt "$view" ]; then
    convert "$page" -crop "1004x${view}+0+$((h - view))" +repage -colors 256 \
      "PNG8:$out/$3_end.png"
  fi
}
for c in $(seq 1 10); do shot catalogue "$c" "catalogue_$(printf %02d "$c")"; done
for c in 1 2 5; do shot catalogue "$c" "catalogue_$(printf %02d "$c")_qorapur" 6; done
for c in $(seq 1 10); do shot appendix "$c" "appendix_$(printf %02d "$c")"; done
for c in $(seq 1 18); do shot conversion "$c" "conversion_$(printf %02d "$c")"; done
for c in 1 4 8; do
  printf '[QORA2000]\nLanguage=1\n' > "$home/QORA2000.ini"
  "$bin/qora2000-cli" page catalogue "$c" --home "$home" --pdf "$home/p.pdf"
  pdftoppm -png -r 60 -singlefile "$home/p.pdf" "$home/p"
  convert "$home/p.png" -colors 256 "PNG8:$out/printed_catalogue_$(printf %02d "$c").png"
done
