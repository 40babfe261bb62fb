#include "key_conversion.h"
#include "number_text.h"

#include <optional>

namespace {

std::optional<unsigned> Hex_Digit_Value(char16_t digit)
{
    if (digit >= u'0' && digit <= u'9')
        return digit - u'0';
    if (digit >= u'A' && digit <= u'F')
        return digit - u'A' + 10;
    if (digit >= u'a' && digit <= u'f')
        return digit - u'a' + 10;
    return std::nullopt;
}

// The printable ASCII character that a two-character box stands for, if any.
std::optional<char16_t> Printable_Character(const std::u16string& box_text)
{
    const auto high = Hex_Digit_Value(box_text[0]);
    const auto low = Hex_Digit_Value(box_text[1]);
    if (!high || !low)
        return std::nullopt;
    const unsigned value = *high * 16 + *low;
    if (value < 0x20 || value > 0x7E)
        return std::nullopt;
    return static_cast<char16_t>(value);
}

std::u16string Box_Number(int box_index)
{
    return Decimal_Text(static_cast<unsigned>(box_index + 1));
}

} // namespace

Hex_Conversion Hex_To_Ascii_Key(const Box_Texts& box_texts)
{
    std::u16string key_text;
    for (int i = 0; i < Box_Count; ++i) {
        const std::u16string& box_text = box_texts[i];
        if (box_text.empty())
            continue;
        if (box_text.size() != 2)
            return Box_Rejection{i, u"Entry (" + Box_Number(i) + u") must be 0 or 2 characters."};
        const auto character = Printable_Character(box_text);
        if (!character)
            return Box_Rejection{i, u"Box (" + Box_Number(i) + u") must be in HEX range (20->7E)"};
        key_text.push_back(*character);
    }

    const std::size_t used_boxes = key_text.size();
    if (used_boxes == 0 || used_boxes == 5 || used_boxes == 13)
        return key_text;
    return Count_Rejection{key_text,
        u"Hex WEP Entry is only using " + Decimal_Text(static_cast<unsigned>(used_boxes))
            + u" boxes.  Needs to use 5 or 13 boxes."};
}
