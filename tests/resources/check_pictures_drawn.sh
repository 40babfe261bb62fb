#!/usr/bin/env bash
# The pictures and icons in the repository are what the generator draws.
# resources/drawing_record.txt says what drew them: the generator's sources
# and the release's rasterising packages. The files must be the recorded
# ones and the generator unchanged since; then the generator draws them
# afresh, and the same bytes must come out. Only where the rasterising
# packages are not the recorded ones may the bytes differ: text comes out a
# pixel apart from one release to the next, and that is no change of ours.
#   check_pictures_drawn.sh <draw_pictures> <source folder>
set -euo pipefail
generator=$1
cd "$2"
source tools/draw_pictures/provenance.sh
record=resources/drawing_record.txt
drawn=$(mktemp -d)
trap 'rm -rf "$drawn"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
redraw="draw them with tools/draw_pictures/draw.sh and commit them with the record"

diff <(grep '^output ' "$record") <(drawn_files resources) ||
    fail "the files in resources/ are not the ones recorded as drawn: $redraw"
diff <(grep '^input ' "$record") <(drawing_inputs) ||
    fail "the generator has changed since the pictures were drawn: $redraw"

"$generator" "$drawn" >/dev/null
for folder in pictures icons installer; do
    diff -q -r "$drawn/$folder" "resources/$folder" || true
done >"$drawn/differences"
if [ ! -s "$drawn/differences" ]; then
    echo "drawn afresh: the same, byte for byte"
    exit 0
fi
if diff <(grep '^system ' "$record") <(drawing_system) >/dev/null; then
    cat "$drawn/differences"
    fail "drawn afresh with the recorded generator and packages, yet otherwise"
fi
echo "Drawn with:"
grep '^system ' "$record"
echo "Here:"
drawing_system
echo "The generator and its pictures are as recorded; the $(wc -l <"$drawn/differences") files" \
    "that come out otherwise here differ through another release's rasteriser."
