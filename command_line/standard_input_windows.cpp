#include "standard_input.h"

#include <windows.h>

namespace {

// What the user typed into the console, as the console holds it.
QString Console_Line(HANDLE console)
{
    QString line;
    wchar_t unit = 0;
    DWORD read = 0;
    while (ReadConsoleW(console, &unit, 1, &read, nullptr) && read == 1 && unit != L'\n')
        line += QChar(unit);
    return First_Line(line);
}

// The bytes of the first line, and of the second byte of a UTF-16 line end.
QByteArray Bytes_Of_First_Line(HANDLE input)
{
    QByteArray bytes;
    char byte = 0;
    DWORD read = 0;
    while (ReadFile(input, &byte, 1, &read, nullptr) && read == 1) {
        bytes += byte;
        const bool utf16 = bytes.startsWith("\xFF\xFE");
        if (byte == '\n' && !utf16)
            break;
        if (utf16 && bytes.size() % 2 == 0 && bytes.endsWith(QByteArray("\n\0", 2)))
            break;
    }
    return bytes;
}

} // namespace

Read_Key Key_From_Standard_Input(Key_Direction direction)
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(input, &mode))
        return Console_Line(input);
    // Without a console, there is no console's code page to read in.
    const UINT console = GetConsoleCP();
    return Read_Piped_Key(Bytes_Of_First_Line(input), direction,
        console ? std::optional(System_Code_Page(console)) : std::nullopt,
        System_Code_Page(GetACP()));
}
