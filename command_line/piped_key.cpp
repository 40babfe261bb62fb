#include "piped_key.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

std::optional<QString> Decoded(const QByteArray& bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    return decoder.hasError() ? std::nullopt : std::optional(text);
}

bool Taken(const QString& key, Key_Direction direction)
{
    return std::holds_alternative<Converted_Key>(Convert_Key_Text(direction, key.toStdU16String()));
}

} // namespace

QString First_Line(const QString& text)
{
    QString line = text.section(u'\n', 0, 0);
    if (line.endsWith(u'\r'))
        line.chop(1);
    return line;
}

Read_Key Read_Piped_Key(const QByteArray& bytes, Key_Direction direction, const Code_Page& console)
{
    const auto marked = [&bytes](QStringConverter::Encoding encoding, const char* name) {
        const QString problem = QStringLiteral("the key is not %1 after its byte-order mark.");
        const auto text = Decoded(bytes, encoding);
        return text ? Read_Key(First_Line(*text))
                    : Unreadable_Key{problem.arg(QLatin1String(name))};
    };
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return marked(QStringConverter::Utf8, "UTF-8");
    if (bytes.startsWith("\xFF\xFE"))
        return marked(QStringConverter::Utf16LE, "UTF-16");
    if (std::all_of(bytes.begin(), bytes.end(),
            [](char byte) { return static_cast<unsigned char>(byte) < 0x80; }))
        return First_Line(QString::fromLatin1(bytes));

    const auto as_utf8 = Decoded(bytes, QStringConverter::Utf8);
    const auto in_code_page = console.Read(bytes);
    const QString code_page = QStringLiteral("code page %1").arg(console.Number);
    if (!as_utf8 && !in_code_page)
        return Unreadable_Key{
            QStringLiteral("the key is neither UTF-8 nor in %1, the console's.").arg(code_page)};
    if (!as_utf8 || !in_code_page)
        return First_Line(as_utf8 ? *as_utf8 : *in_code_page);

    const QString utf8_key = First_Line(*as_utf8);
    const QString code_page_key = First_Line(*in_code_page);
    const bool utf8_taken = Taken(utf8_key, direction);
    const bool code_page_taken = Taken(code_page_key, direction);
    const QString two_keys = QStringLiteral(
        "the key reads as one key in UTF-8 and as another in %1, the console's: give it as an "
        "argument, or from a file in UTF-8 with a byte-order mark.");
    if (utf8_taken && code_page_taken)
        return Unreadable_Key{two_keys.arg(code_page)};
    return code_page_taken ? code_page_key : utf8_key;
}
