#pragma once

#include <cstdint>
#include <optional>

// The code of a character in Windows-1252, or nothing where that code page
// has no such character (including the five codes it leaves undefined).
std::optional<std::uint8_t> Ansi_Code(char16_t character);
