#include "piped_key.h"

#include <iconv.h>

#include <memory>

// glibc's tables of the Windows code pages, as iconv names them.
Code_Page System_Code_Page(unsigned number)
{
    return {number, [number](const QByteArray& bytes) -> std::optional<QString> {
                const QByteArray name
                    = number == 65001 ? "UTF-8" : "CP" + QByteArray::number(number);
                const std::unique_ptr<void, int (*)(iconv_t)> reader(
                    iconv_open("UTF-16LE", name.constData()), iconv_close);
                QByteArray in = bytes;
                QByteArray out(bytes.size() * 4, '\0');
                char* in_pointer = in.data();
                char* out_pointer = out.data();
                std::size_t in_left = in.size();
                std::size_t out_left = out.size();
                if (iconv(reader.get(), &in_pointer, &in_left, &out_pointer, &out_left)
                    == std::size_t(-1))
                    return std::nullopt;
                return QString::fromUtf16(reinterpret_cast<const char16_t*>(out.constData()),
                    (out.size() - qsizetype(out_left)) / 2);
            }};
}
