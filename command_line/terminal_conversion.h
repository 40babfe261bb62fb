#pragma once

// A key converted in the terminal, by the same rules and with the same
// messages as the entry windows. Plain C++ over the conversion library.

#include <string>
#include <string_view>
#include <variant>

enum class Key_Direction { To_Hex, To_Ascii };

struct Converted_Key {
    std::u16string Text; // hex pairs separated by single spaces, or the ASCII key
};

struct Refused_Key {
    std::u16string Message;
};

using Terminal_Conversion = std::variant<Converted_Key, Refused_Key>;

// Whether the text holds no key at all: nothing, or for hex only separators.
bool Holds_No_Key(Key_Direction direction, std::u16string_view key);

// Hex may come as the boxes show it (pairs separated by spaces), separated by
// colons, or as one run of 10 or 26 digits. An ASCII key is taken as it is.
Terminal_Conversion Convert_Key_Text(Key_Direction direction, std::u16string_view key);
