#include "piped_key.h"

#include <windows.h>

Code_Page System_Code_Page(unsigned number)
{
    return {number, [number](const QByteArray& bytes) -> std::optional<QString> {
                const auto convert = [&](wchar_t* text, int length) {
                    return MultiByteToWideChar(number, MB_ERR_INVALID_CHARS, bytes.constData(),
                        int(bytes.size()), text, length);
                };
                const int length = convert(nullptr, 0);
                if (length == 0 && !bytes.isEmpty())
                    return std::nullopt;
                QString text(length, Qt::Uninitialized);
                convert(reinterpret_cast<wchar_t*>(text.data()), length);
                return text;
            }};
}
