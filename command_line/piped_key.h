#pragma once

// How a key that comes through a pipe or from a file is read on Windows,
// where the bytes carry no word of their encoding: cmd.exe writes its echo in
// the console's code page, PowerShell 7 and most editors write UTF-8, Windows
// PowerShell 5.1 pipes ASCII and writes its files in UTF-16, and Windows
// programs and scripts save their text files in the ANSI code page.
//
// - A byte-order mark decides: UTF-8, or UTF-16 little-endian.
// - Bytes of ASCII alone read the same in every one of these.
// - Other bytes are read as UTF-8, in the console's code page (where there is
//   a console) and in the ANSI code page; the readings that make a key which
//   the conversion takes are the candidates. One candidate, or several of the same text, is the
//   key. Different candidates are refused rather than one of them guessed; with none, the key is
//   refused for what is wrong with it.
//
// Only the first line counts, without its line end.

#include "terminal_conversion.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <variant>

struct Code_Page {
    unsigned Number; // as Windows numbers it: 437, 850, 1252, 65001
    // The text of the bytes there; none where a byte stands for no character.
    std::function<std::optional<QString>(const QByteArray& bytes)> Read;
};

// Windows' own reading of a code page (the tests bring glibc's elsewhere).
Code_Page System_Code_Page(unsigned number);

struct Unreadable_Key {
    QString Problem;
};

using Read_Key = std::variant<QString, Unreadable_Key>;

// The first line of a text, without its line end (LF or CR LF).
QString First_Line(const QString& text);

Read_Key Read_Piped_Key(const QByteArray& bytes, Key_Direction direction,
    const std::optional<Code_Page>& console, const Code_Page& ansi);
