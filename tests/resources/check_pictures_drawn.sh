#!/usr/bin/env bash
# The pictures and icons in the repository are exactly what the generator
# draws: it draws them afresh into a temporary folder, and nothing may differ.
#   check_pictures_drawn.sh <draw_pictures> <resources folder>
set -euo pipefail
drawn=$(mktemp -d)
trap 'rm -rf "$drawn"' EXIT
"$1" "$drawn" >/dev/null
diff -r "$drawn/pictures" "$2/pictures"
diff -r "$drawn/icons" "$2/icons"
diff -r "$drawn/installer" "$2/installer"
