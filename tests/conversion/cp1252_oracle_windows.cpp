#include "cp1252_oracle.h"

#include <windows.h>

namespace {

// Windows carries the five bytes that CP1252 leaves undefined through as the
// C1 controls of the same number; the code page, glibc and Ansi_Code have no
// character there.
bool Undefined_In_Cp1252(std::uint8_t code)
{
    return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
}

} // namespace

std::optional<std::uint8_t> System_Cp1252_Code(char16_t unit)
{
    const wchar_t in = unit;
    char out[4] = {};
    BOOL used_default = FALSE;
    const int written = WideCharToMultiByte(
        1252, WC_NO_BEST_FIT_CHARS, &in, 1, out, sizeof out, nullptr, &used_default);
    const auto code = static_cast<std::uint8_t>(out[0]);
    if (written != 1 || used_default || Undefined_In_Cp1252(code))
        return std::nullopt;
    return code;
}
