#include "fuzz_input.h"
#include "key_conversion.h"

#include <variant>

// An accepted key has one upper-case byte text per character that spells the
// character's code, and comes back whole through the way back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto rule = data[0] % 2 ? Ascii_Key_Rule::Five_Only : Ascii_Key_Rule::Five_Or_Thirteen;
    const std::u16string key = Box_Text(data + 1, size - 1);
    const auto outcome = Ascii_To_Hex_Key(key, rule);

    const bool length_accepted
        = key.size() == 5 || (key.size() == 13 && rule == Ascii_Key_Rule::Five_Or_Thirteen);
    const auto* hex_key = std::get_if<Hex_Key>(&outcome);
    if (!hex_key) {
        const auto& rejection = std::get<Key_Rejection>(outcome);
        Require(rejection.Title == u"Invalid Key", "a rejection has its title");
        bool all_ansi = true;
        for (char16_t character : key)
            all_ansi = all_ansi && Ansi_Code(character).has_value();
        Require(!length_accepted || !all_ansi,
            "a key of an accepted length in the code page is accepted");
        return 0;
    }

    Require(length_accepted, "only 5 or 13 characters are accepted");
    Require(hex_key->Key_Size == (key.size() == 5 ? 64 : 128), "the key size follows the length");
    Require(hex_key->Byte_Texts.size() == key.size(), "one byte text per character");
    Box_Texts boxes;
    bool comes_back = true;
    for (std::size_t i = 0; i < key.size(); ++i) {
        const std::u16string& text = hex_key->Byte_Texts[i];
        Require(!text.empty() && text.size() <= 2, "a byte text has one or two digits");
        unsigned value = 0;
        for (char16_t digit : text) {
            const bool decimal = digit >= u'0' && digit <= u'9';
            Require(
                decimal || (digit >= u'A' && digit <= u'F'), "digits are 0-9 and upper-case A-F");
            value = value * 16 + (decimal ? digit - u'0' : digit - u'A' + 10);
        }
        Require(value == *Ansi_Code(key[i]), "the byte text spells the character's code");
        boxes[i] = text;
        comes_back = comes_back && Is_Printable(key[i]);
    }
    if (comes_back) {
        const auto back = Hex_To_Ascii_Key(boxes);
        Require(
            std::holds_alternative<std::u16string>(back) && std::get<std::u16string>(back) == key,
            "a printable key round-trips");
    }
    return 0;
}
