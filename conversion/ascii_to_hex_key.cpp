#include "key_conversion.h"
#include "number_text.h"

namespace {

constexpr char16_t Invalid_Key_Title[] = u"Invalid Key";

Key_Rejection Length_Rejection(Ascii_Key_Rule rule)
{
    if (rule == Ascii_Key_Rule::Five_Only)
        return {u"Ascii WEP string must be 5 characters long!, please re-enter", Invalid_Key_Title};
    return {
        u"Ascii WEP string must be 5 or 13 characters long!, please re-enter", Invalid_Key_Title};
}

// A character outside Windows-1252 has no byte of its own: converting it anyway
// would present a wrong key as a right one.
Key_Rejection Not_Ansi_Rejection(std::size_t position)
{
    return {u"Ascii WEP string character (" + Decimal_Text(static_cast<unsigned>(position))
            + u") is not an ANSI character, please re-enter",
        Invalid_Key_Title};
}

} // namespace

Ascii_Conversion Ascii_To_Hex_Key(std::u16string_view key_text, Ascii_Key_Rule rule)
{
    Hex_Key key;
    if (key_text.size() == 5)
        key.Key_Size = 64;
    else if (rule == Ascii_Key_Rule::Five_Or_Thirteen && key_text.size() == 13)
        key.Key_Size = 128;
    else
        return Length_Rejection(rule);

    for (std::size_t i = 0; i < key_text.size(); ++i) {
        const auto code = Ansi_Code(key_text[i]);
        if (!code)
            return Not_Ansi_Rejection(i + 1);
        key.Byte_Texts.push_back(Upper_Hex_Text(*code));
    }
    return key;
}
