#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// Fuzz bytes read as the characters of a text box (UTF-16 code units): a byte
// below FE is that character; FE and the next two bytes give any code unit.
inline std::u16string Box_Text(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] != 0xFE)
            text.push_back(char16_t(data[i]));
        else if (i + 2 < size)
            text.push_back(char16_t(data[i + 1] | data[i + 2] << 8)), i += 2;
    }
    return text;
}

// Stops the run where an invariant breaks; libFuzzer keeps the input.
inline void Require(bool holds, const char* invariant)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

inline bool Is_Printable(char16_t character)
{
    return character >= 0x20 && character <= 0x7E;
}
