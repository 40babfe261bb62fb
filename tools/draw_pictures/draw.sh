#!/usr/bin/env bash
# Draws the pictures and icons into resources/ and records what drew them in
# resources/drawing_record.txt. Run it after changing a drawing, and commit
# both.
#   tools/draw_pictures/draw.sh <draw_pictures program>
set -euo pipefail
generator=$(realpath "$1")
cd "$(dirname "$0")/../.."
source tools/draw_pictures/provenance.sh

QT_QPA_PLATFORM=offscreen "$generator" resources
{
    echo "# What drew the pictures and icons here: tools/draw_pictures/draw.sh writes this."
    drawing_inputs
    drawing_system
    drawn_files resources
} >resources/drawing_record.txt
