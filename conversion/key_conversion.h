#pragma once

// The two directions in which a WEP key is carried between the older cards
// (hex byte boxes) and the newer products (ASCII characters). Texts are UTF-16
// code units, the characters as a text box holds them. Nothing here throws or
// keeps state.

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ansi_code.h"

// ASCII key in, hex byte texts out.

enum class Ascii_Key_Rule {
    Five_Or_Thirteen, // 64-bit or 128-bit keys
    Five_Only, // 64-bit keys only
};

struct Hex_Key {
    int Key_Size = 0; // 64 or 128
    std::vector<std::u16string> Byte_Texts; // one per character, 5 or 13
};

struct Key_Rejection {
    std::u16string Message;
    std::u16string Title;
};

using Ascii_Conversion = std::variant<Hex_Key, Key_Rejection>;

Ascii_Conversion Ascii_To_Hex_Key(std::u16string_view key_text, Ascii_Key_Rule rule);

// Hex byte texts in, ASCII key out.

inline constexpr int Box_Count = 13;
using Box_Texts = std::array<std::u16string, Box_Count>;

struct Box_Rejection {
    int Box_Index = 0; // 0 to 12; the message counts from 1
    std::u16string Message;
};

struct Count_Rejection {
    std::u16string Key_Text; // the characters of all used boxes
    std::u16string Message;
};

using Hex_Conversion = std::variant<std::u16string, Box_Rejection, Count_Rejection>;

Hex_Conversion Hex_To_Ascii_Key(const Box_Texts& box_texts);
