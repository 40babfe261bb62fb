#include "ansi_code.h"

#include <array>

namespace {

// Windows-1252 0x80 to 0x9F; zero marks the codes it leaves undefined.
constexpr std::array<char16_t, 32> Codes_80_To_9F = {
    u'\u20AC',
    0,
    u'\u201A',
    u'\u0192',
    u'\u201E',
    u'\u2026',
    u'\u2020',
    u'\u2021',
    u'\u02C6',
    u'\u2030',
    u'\u0160',
    u'\u2039',
    u'\u0152',
    0,
    u'\u017D',
    0,
    0,
    u'\u2018',
    u'\u2019',
    u'\u201C',
    u'\u201D',
    u'\u2022',
    u'\u2013',
    u'\u2014',
    u'\u02DC',
    u'\u2122',
    u'\u0161',
    u'\u203A',
    u'\u0153',
    0,
    u'\u017E',
    u'\u0178',
};

} // namespace

std::optional<std::uint8_t> Ansi_Code(char16_t character)
{
    const bool latin1_identity = character < 0x80 || (character >= 0xA0 && character <= 0xFF);
    if (latin1_identity)
        return static_cast<std::uint8_t>(character);
    for (std::size_t offset = 0; offset < Codes_80_To_9F.size(); ++offset) {
        if (Codes_80_To_9F[offset] != 0 && Codes_80_To_9F[offset] == character)
            return static_cast<std::uint8_t>(0x80 + offset);
    }
    return std::nullopt;
}
