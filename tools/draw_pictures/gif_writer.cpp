#include "gif_writer.h"

#include <QImage>

#include <map>
#include <vector>

namespace {

void Put_Word(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first, as GIF wants.
class Bit_Packer {
public:
    void Put(int code, int width)
    {
        buffer_ |= std::uint32_t(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes_.append(char(buffer_ & 0xFF));
            buffer_ >>= 8;
            bits_ -= 8;
        }
    }
    QByteArray Finish()
    {
        if (bits_ > 0)
            bytes_.append(char(buffer_ & 0xFF));
        return bytes_;
    }

private:
    QByteArray bytes_;
    std::uint32_t buffer_ = 0;
    int bits_ = 0;
};

QByteArray Lzw_Compress(const std::vector<int>& pixels, int minimum_code_size)
{
    const int clear_code = 1 << minimum_code_size;
    const int end_code = clear_code + 1;
    Bit_Packer packer;
    std::map<std::pair<int, int>, int> table;
    int next_code = end_code + 1;
    int width = minimum_code_size + 1;

    packer.Put(clear_code, width);
    int prefix = pixels.front();
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        const int pixel = pixels[i];
        const auto known = table.find({prefix, pixel});
        if (known != table.end()) {
            prefix = known->second;
            continue;
        }
        packer.Put(prefix, width);
        if (next_code < 4096) {
            table[{prefix, pixel}] = next_code++;
            if (next_code > (1 << width) && width < 12)
                ++width;
        } else {
            packer.Put(clear_code, width);
            table.clear();
            next_code = end_code + 1;
            width = minimum_code_size + 1;
        }
        prefix = pixel;
    }
    packer.Put(prefix, width);
    packer.Put(end_code, width);
    return packer.Finish();
}

// The colours of the image in the order of their first pixel, and each
// pixel's index among them.
std::pair<QList<QRgb>, std::vector<int>> Index_Colours(const QImage& image)
{
    std::pair<QList<QRgb>, std::vector<int>> indexed;
    auto& [colours, pixels] = indexed;
    std::map<QRgb, int> index_of;
    pixels.reserve(std::size_t(image.width()) * std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y) | 0xFF000000;
            const auto [known, added] = index_of.try_emplace(colour, int(colours.size()));
            if (added)
                colours << colour;
            pixels.push_back(known->second);
        }
    }
    return indexed;
}

} // namespace

QByteArray Encode_Gif(const QImage& image, Gif_Version version)
{
    auto [colours, pixels] = Index_Colours(image);
    if (colours.size() > 256)
        return {};
    int table_bits = 1;
    while ((1 << table_bits) < colours.size())
        ++table_bits;
    // The table's length is a power of two; the spare entries repeat a
    // colour of the picture, so that it names no colour that was not drawn.
    colours.resize(1 << table_bits, colours.back());

    QByteArray out(version == Gif_Version::Gif87a ? "GIF87a" : "GIF89a");
    Put_Word(out, image.width());
    Put_Word(out, image.height());
    out.append(char(0x80 | ((table_bits - 1) << 4) | (table_bits - 1))); // global table
    out.append(char(0)); // background index
    out.append(char(0)); // square pixels
    for (const QRgb colour : colours) {
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }

    out.append(',');
    Put_Word(out, 0);
    Put_Word(out, 0);
    Put_Word(out, image.width());
    Put_Word(out, image.height());
    out.append(char(0)); // no local table, not interlaced

    const int minimum_code_size = std::max(2, table_bits);
    out.append(char(minimum_code_size));
    const QByteArray data = Lzw_Compress(pixels, minimum_code_size);
    for (qsizetype offset = 0; offset < data.size(); offset += 255) {
        const QByteArray block = data.mid(offset, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    out.append(';');
    return out;
}
