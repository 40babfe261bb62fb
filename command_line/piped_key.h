#pragma once

// How a key that comes through a pipe or from a file is read on Windows,
// where the bytes carry no word of their encoding: cmd.exe writes its echo in
// the console's code page, PowerShell 7 and most editors write UTF-8, Windows
// PowerShell 5.1 pipes ASCII and writes its files in UTF-16.
//
// - A byte-order mark decides: UTF-8, or UTF-16 little-endian.
// - Bytes of ASCII alone read the same in every one of these.
// - Other bytes are read as UTF-8 and in the console's code page; the reading
//   that makes a key which the conversion takes is the key. Where both do and
//   differ, or where neither reading is possible, the key is refused rather
//   than another key converted.
//
// Only the first line counts, without its line end.

#include "terminal_conversion.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <variant>

struct Code_Page {
    unsigned Number; // as Windows numbers it: 437, 850, 1252
    // The text of the bytes there; none where a byte stands for no character.
    std::function<std::optional<QString>(const QByteArray& bytes)> Read;
};

struct Unreadable_Key {
    QString Problem;
};

using Read_Key = std::variant<QString, Unreadable_Key>;

// The first line of a text, without its line end (LF or CR LF).
QString First_Line(const QString& text);

Read_Key Read_Piped_Key(const QByteArray& bytes, Key_Direction direction, const Code_Page& console);
