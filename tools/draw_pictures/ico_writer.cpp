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

constexpr int Size = 32;
constexpr int Xor_Bytes = Size * Size / 2;
constexpr int And_Bytes = Size * Size / 8; // rows of 4 bytes, already 32-bit aligned
constexpr int Image_Bytes = 40 + 16 * 4 + Xor_Bytes + And_Bytes;

} // namespace

QByteArray Encode_16_Colour_Icon(const QImage& image, const QList<QRgb>& palette)
{
    Q_ASSERT(image.width() == Size && image.height() == Size && palette.size() == 16);
    QByteArray out;
    Put_Word(out, 0); // reserved
    Put_Word(out, 1); // icon
    Put_Word(out, 1); // one image

    out.append(char(Size));
    out.append(char(Size));
    out.append(char(16)); // colours
    out.append(char(0));
    Put_Word(out, 1); // planes
    Put_Word(out, 4); // bits per pixel
    Put_Double_Word(out, Image_Bytes);
    Put_Double_Word(out, 6 + 16);

    Put_Double_Word(out, 40);
    Put_Double_Word(out, Size);
    Put_Double_Word(out, Size * 2); // colour rows and mask rows
    Put_Word(out, 1);
    Put_Word(out, 4);
    Put_Double_Word(out, 0); // uncompressed
    Put_Double_Word(out, Xor_Bytes + And_Bytes);
    for (int unused = 0; unused < 4; ++unused)
        Put_Double_Word(out, 0);
    for (const QRgb colour : palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append(char(0));
    }

    for (int y = Size - 1; y >= 0; --y) { // bottom row first
        for (int x = 0; x < Size; x += 2) {
            const auto index = [&](int column) {
                const int found = palette.indexOf(image.pixel(column, y) | 0xFF000000);
                Q_ASSERT(found >= 0);
                return found;
            };
            out.append(char(index(x) << 4 | index(x + 1)));
        }
    }
    out.append(QByteArray(And_Bytes, 0)); // every pixel opaque
    return out;
}
