#pragma once

// What the program was asked to do from its command line, read before any
// window or display is needed.

#include "terminal_conversion.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

struct Print_Text { // --help, --version
    QString Text;
};

struct Usage_Error {
    QString Problem;
};

struct Convert_Key {
    Key_Direction Direction;
    std::optional<QString> Key; // none: read one line of standard input
};

using Command = std::variant<Print_Text, Usage_Error, Convert_Key>;

inline constexpr int Refused_Key_Status = 1;
inline constexpr int Usage_Error_Status = 2;

// The arguments include the program's own name, first.
Command Parse_Command_Line(const QStringList& arguments);

// Carries the command out in the terminal; returns the exit status.
int Run_Command(const Command& command);
