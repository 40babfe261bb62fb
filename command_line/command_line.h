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

// A refused key, an answer that could not be written, a program that could
// not be started.
inline constexpr int Failure_Status = 1;
inline constexpr int Usage_Error_Status = 2;

// The command that the arguments give the terminal, or none when they ask for
// the windows: no option at all, or only Qt's own options of every program
// with windows (-platform, -style and the like). The arguments include the
// program's own name, first.
std::optional<Command> Parse_Command_Line(const QStringList& arguments);

// Carries the command out in the terminal; returns the exit status. An
// answer or message that could not be written is reported, as far as
// standard error takes it, with Failure_Status.
int Run_Command(const Command& command);

// Reports on standard error that a program could not be started, with the
// reason the system gives; returns the exit status.
int Report_Not_Started(const QString& program, const QString& reason);
