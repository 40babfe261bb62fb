#include "fuzz_input.h"
#include "key_conversion.h"

#include <variant>

namespace {

// 13 box texts from the input, split at a byte FF.
Box_Texts Boxes(const std::uint8_t* data, std::size_t size)
{
    Box_Texts boxes;
    std::size_t box = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size && box < boxes.size(); ++i) {
        if (i == size || data[i] == 0xFF) {
            boxes[box++] = Box_Text(data + start, i - start);
            start = i + 1;
        }
    }
    return boxes;
}

bool Valid_Box(const std::u16string& text)
{
    auto digit = [](char16_t c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    };
    if (text.size() != 2 || !digit(text[0]) || !digit(text[1]))
        return false;
    const unsigned value = std::stoul(std::string{char(text[0]), char(text[1])}, nullptr, 16);
    return value >= 0x20 && value <= 0x7E;
}

} // namespace

// Accepted keys are printable and 0, 5 or 13 long; a count rejection holds the
// characters of every used box; a box rejection names the first bad box.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Box_Texts boxes = Boxes(data, size);
    std::size_t used = 0;
    for (const auto& box : boxes)
        used += !box.empty();
    const auto outcome = Hex_To_Ascii_Key(boxes);

    if (const auto* rejection = std::get_if<Box_Rejection>(&outcome)) {
        Require(rejection->Box_Index >= 0 && rejection->Box_Index < 13, "the box index is a box");
        Require(!Valid_Box(boxes[rejection->Box_Index]) && !boxes[rejection->Box_Index].empty(),
            "the named box is used and bad");
        for (int i = 0; i < rejection->Box_Index; ++i)
            Require(boxes[i].empty() || Valid_Box(boxes[i]), "every earlier box is good");
        return 0;
    }
    for (const auto& box : boxes)
        Require(box.empty() || Valid_Box(box), "every used box is good when no box is rejected");

    const std::u16string& key = std::holds_alternative<std::u16string>(outcome)
        ? std::get<std::u16string>(outcome)
        : std::get<Count_Rejection>(outcome).Key_Text;
    Require(key.size() == used, "one character per used box");
    for (char16_t character : key)
        Require(Is_Printable(character), "the key is printable");
    const bool accepted = std::holds_alternative<std::u16string>(outcome);
    Require(accepted == (used == 0 || used == 5 || used == 13),
        "0, 5 or 13 used boxes, and only those, are accepted");
    return 0;
}
