#include "terminal_conversion.h"

#include "key_conversion.h"

#include <algorithm>
#include <type_traits>
#include <vector>

namespace {

constexpr std::u16string_view Separators = u" :";

std::vector<std::u16string_view> Hex_Groups(std::u16string_view text)
{
    std::vector<std::u16string_view> groups;
    for (std::size_t start = text.find_first_not_of(Separators); start != text.npos;) {
        const auto end = std::min(text.find_first_of(Separators, start), text.size());
        groups.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(Separators, end);
    }
    // One run of a whole key's digits is read as its pairs.
    if (groups.size() == 1 && (groups[0].size() == 10 || groups[0].size() == 26)) {
        const auto run = groups[0];
        groups.clear();
        for (std::size_t i = 0; i < run.size(); i += 2)
            groups.push_back(run.substr(i, 2));
    }
    return groups;
}

Terminal_Conversion To_Hex(std::u16string_view key)
{
    const auto outcome = Ascii_To_Hex_Key(key, Ascii_Key_Rule::Five_Or_Thirteen);
    if (const auto* rejection = std::get_if<Key_Rejection>(&outcome))
        return Refused_Key{rejection->Message};
    std::u16string text;
    for (const auto& byte_text : std::get<Hex_Key>(outcome).Byte_Texts)
        text += (text.empty() ? u"" : u" ") + byte_text;
    return Converted_Key{text};
}

Terminal_Conversion To_Ascii(std::u16string_view hex)
{
    const auto groups = Hex_Groups(hex);
    if (groups.size() > Box_Count)
        return Refused_Key{u"A hex WEP key has at most 13 boxes."};
    Box_Texts boxes;
    std::copy(groups.begin(), groups.end(), boxes.begin());
    return std::visit(
        [](const auto& outcome) -> Terminal_Conversion {
            if constexpr (std::is_same_v<std::decay_t<decltype(outcome)>, std::u16string>)
                return Converted_Key{outcome};
            else
                return Refused_Key{outcome.Message};
        },
        Hex_To_Ascii_Key(boxes));
}

} // namespace

bool Holds_No_Key(Key_Direction direction, std::u16string_view key)
{
    return direction == Key_Direction::To_Hex ? key.empty() : Hex_Groups(key).empty();
}

Terminal_Conversion Convert_Key_Text(Key_Direction direction, std::u16string_view key)
{
    return direction == Key_Direction::To_Hex ? To_Hex(key) : To_Ascii(key);
}
