#include "piped_key.h"

#include <QtGlobal>

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <memory>

// glibc's tables of the Windows code pages, as iconv names them, for the
// rows that Windows reads itself under Wine. A table that glibc lacks would
// read as bytes outside the code page: it ends the test instead.
Code_Page System_Code_Page(unsigned number)
{
    const QByteArray name = number == 65001 ? "UTF-8" : "CP" + QByteArray::number(number);
    const std::shared_ptr<void> reader(iconv_open("UTF-16LE", name.constData()), iconv_close);
    if (reader.get() == iconv_t(-1))
        qFatal("glibc's iconv has no %s: %s", name.constData(), std::strerror(errno));
    return {number, [reader](const QByteArray& bytes) -> std::optional<QString> {
                QByteArray in = bytes;
                QByteArray out(bytes.size() * 4, '\0');
                char* in_pointer = in.data();
                char* out_pointer = out.data();
                std::size_t in_left = in.size();
                std::size_t out_left = out.size();
                iconv(reader.get(), nullptr, nullptr, nullptr, nullptr);
                if (iconv(reader.get(), &in_pointer, &in_left, &out_pointer, &out_left)
                    == std::size_t(-1))
                    return std::nullopt;
                return QString::fromUtf16(reinterpret_cast<const char16_t*>(out.constData()),
                    (out.size() - qsizetype(out_left)) / 2);
            }};
}
