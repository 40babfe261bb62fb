#pragma once

#include <string>

// Numbers written the way the key messages and hex boxes show them: no leading
// zeros, no sign, no prefix.
std::u16string Decimal_Text(unsigned value);
std::u16string Upper_Hex_Text(unsigned value);
