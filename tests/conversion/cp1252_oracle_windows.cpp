#include "cp1252_oracle.h"

#include <windows.h>

std::optional<std::uint8_t> System_Cp1252_Code(char16_t unit)
{
    const wchar_t in = unit;
    char out[4] = {};
    BOOL used_default = FALSE;
    const int written = WideCharToMultiByte(
        1252, WC_NO_BEST_FIT_CHARS, &in, 1, out, sizeof out, nullptr, &used_default);
    if (written != 1 || used_default)
        return std::nullopt;
    return static_cast<std::uint8_t>(out[0]);
}
