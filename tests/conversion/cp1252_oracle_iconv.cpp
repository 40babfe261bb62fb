#include "cp1252_oracle.h"

#include <iconv.h>

#include <memory>

std::optional<std::uint8_t> System_Cp1252_Code(char16_t unit)
{
    static const std::unique_ptr<void, int (*)(iconv_t)> to_cp1252(
        iconv_open("CP1252", "UTF-16LE"), iconv_close);
    if (to_cp1252.get() == iconv_t(-1))
        return std::nullopt;
    char in[2] = {char(unit & 0xFF), char(unit >> 8)};
    unsigned char out[4] = {};
    char* in_pointer = in;
    char* out_pointer = reinterpret_cast<char*>(out);
    std::size_t in_left = sizeof in;
    std::size_t out_left = sizeof out;
    iconv(to_cp1252.get(), nullptr, nullptr, nullptr, nullptr);
    const bool converted
        = iconv(to_cp1252.get(), &in_pointer, &in_left, &out_pointer, &out_left) != std::size_t(-1)
        && out_left == sizeof out - 1;
    return converted ? std::optional<std::uint8_t>(out[0]) : std::nullopt;
}
