#pragma once

#include <cstdint>
#include <optional>

// The system's own Windows-1252 conversion of one UTF-16 code unit, or nothing
// where the system has no byte for it: an oracle independent of Ansi_Code.
std::optional<std::uint8_t> System_Cp1252_Code(char16_t unit);
