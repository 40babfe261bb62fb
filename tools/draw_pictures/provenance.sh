# Sourced, from the top of the repository: what the pictures and icons in
# resources/ are drawn from and with, a line each, for the record that
# tools/draw_pictures/draw.sh keeps beside them and the pictures_are_drawn
# test reads.
#   input   a source of the generator: it decides what is drawn
#   system  a package that rasterises it: Qt, FreeType, HarfBuzz, libjpeg
#           and the font come with the release and draw text a little
#           differently from one release to the next
#   output  a file drawn

export LC_ALL=C # files listed in one order, whatever the caller's locale

drawing_inputs() {
    sha256sum tools/draw_pictures/*.cpp tools/draw_pictures/*.h widgets/classic_look.* |
        sed 's/^/input /'
}

drawing_system() {
    dpkg-query -W -f '${db:Status-Abbrev} ${Package} ${Version}\n' 'libqt6gui6*' libfreetype6 \
        libharfbuzz0b libjpeg62-turbo fonts-dejavu-core 2>/dev/null | sed -n 's/^ii  */system /p'
}

drawn_files() { # folder
    (cd "$1" && sha256sum pictures/* icons/* installer/*) | sed 's/^/output /'
}
