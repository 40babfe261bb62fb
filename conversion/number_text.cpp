#include "number_text.h"

#include <algorithm>

namespace {

std::u16string Digits(unsigned value, unsigned base)
{
    constexpr char16_t digit_characters[] = u"0123456789ABCDEF";
    std::u16string text;
    do {
        text.push_back(digit_characters[value % base]);
        value /= base;
    } while (value != 0);
    std::reverse(text.begin(), text.end());
    return text;
}

} // namespace

std::u16string Decimal_Text(unsigned value)
{
    return Digits(value, 10);
}

std::u16string Upper_Hex_Text(unsigned value)
{
    return Digits(value, 16);
}
