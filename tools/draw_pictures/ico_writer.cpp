#include "ico_writer.h"

#include <QImage>

namespace {

void Put_Word(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void Put_Double_Word(QByteArray& out, int value)
{
    Put_Word(out, value & 0xFFFF);
    Put_Word(out, (value >> 16) & 0xFFFF);
}

} // namespace

QByteArray Encode_16_Colour_Icon(const QImage& image, const QList<QRgb>& palette)
{
    const int size = image.width();
    const int xor_bytes = size * size / 2;
    const int and_bytes = size * size / 8; // rows of 4 bytes, already 32-bit aligned
    const int image_bytes = 40 + 16 * 4 + xor_bytes + and_bytes;
    Q_ASSERT(image.height() == size && size % 32 == 0 && size < 256 && palette.size() == 16);
    QByteArray out;
    Put_Word(out, 0); // reserved
    Put_Word(out, 1); // icon
    Put_Word(out, 1); // one image

    out.append(char(size));
    out.append(char(size));
    out.append(char(16)); // colours
    out.append(char(0));
    Put_Word(out, 1); // planes
    Put_Word(out, 4); // bits per pixel
    Put_Double_Word(out, image_bytes);
    Put_Double_Word(out, 6 + 16);

    Put_Double_Word(out, 40);
    Put_Double_Word(out, size);
    Put_Double_Word(out, size * 2); // colour rows and mask rows
    Put_Word(out, 1);
    Put_Word(out, 4);
    Put_Double_Word(out, 0); // uncompressed
    Put_Double_Word(out, xor_bytes + and_bytes);
    for (int unused = 0; unused < 4; ++unused)
        Put_Double_Word(out, 0);
    for (const QRgb colour : palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append(char(0));
    }

    for (int y = size - 1; y >= 0; --y) { // bottom row first
        for (int x = 0; x < size; x += 2) {
            const auto index = [&](int column) {
                const int found = palette.indexOf(image.pixel(column, y) | 0xFF000000);
                Q_ASSERT(found >= 0);
                return found;
            };
            out.append(char(index(x) << 4 | index(x + 1)));
        }
    }
    out.append(QByteArray(and_bytes, 0)); // every pixel opaque
    return out;
}
