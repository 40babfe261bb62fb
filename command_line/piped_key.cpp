#include "piped_key.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

namespace {

std::optional<QString> Decoded(const QByteArray& bytes, QStringConverter::Encoding encoding)
{
    // Qt's decoder takes an odd byte at the end of UTF-16 without an error.
    if (encoding == QStringConverter::Utf16LE && bytes.size() % 2 != 0)
        return std::nullopt;
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError() || !text.isValidUtf16())
        return std::nullopt;
    return text;
}

bool Taken(const QString& key, Key_Direction direction)
{
    return std::holds_alternative<Converted_Key>(Convert_Key_Text(direction, key.toStdU16String()));
}

Read_Key Marked(const QByteArray& bytes, QStringConverter::Encoding encoding, const char* name)
{
    if (const auto text = Decoded(bytes, encoding))
        return First_Line(*text);
    return Unreadable_Key{
        QStringLiteral("the key is not %1 after its byte-order mark.").arg(QLatin1String(name))};
}

struct Reading {
    QString Where; // "UTF-8", "code page 850 (the console's)"
    std::optional<QString> Key;
};

std::vector<Reading> Readings(
    const QByteArray& bytes, const std::optional<Code_Page>& console, const Code_Page& ansi)
{
    const auto where = [](const Code_Page& page, const char* whose) {
        return QStringLiteral("code page %1 (the %2)").arg(page.Number).arg(QLatin1String(whose));
    };
    const auto first_line = [](const std::optional<QString>& text) {
        return text ? std::optional(First_Line(*text)) : std::nullopt;
    };
    std::vector<Reading> readings{{"UTF-8", first_line(Decoded(bytes, QStringConverter::Utf8))}};
    if (console)
        readings.push_back({where(*console, "console's"), first_line(console->Read(bytes))});
    if (!console || ansi.Number != console->Number)
        readings.push_back({where(ansi, "ANSI one"), first_line(ansi.Read(bytes))});
    return readings;
}

// "a, in b and in c", of two or more
QString Listed_With_In(const QStringList& items)
{
    return items.mid(0, items.size() - 1).join(QStringLiteral(", in ")) + QStringLiteral(" and in ")
        + items.last();
}

} // namespace

QString First_Line(const QString& text)
{
    QString line = text.section(u'\n', 0, 0);
    if (line.endsWith(u'\r'))
        line.chop(1);
    return line;
}

Read_Key Read_Piped_Key(const QByteArray& bytes, Key_Direction direction,
    const std::optional<Code_Page>& console, const Code_Page& ansi)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Marked(bytes.mid(3), QStringConverter::Utf8, "UTF-8");
    if (bytes.startsWith("\xFF\xFE"))
        return Marked(bytes.mid(2), QStringConverter::Utf16LE, "UTF-16");
    if (std::all_of(bytes.begin(), bytes.end(),
            [](char byte) { return static_cast<unsigned char>(byte) < 0x80; }))
        return First_Line(QString::fromLatin1(bytes));

    const auto readings = Readings(bytes, console, ansi);
    QStringList keys;
    QStringList where_taken;
    for (const auto& reading : readings) {
        if (reading.Key && Taken(*reading.Key, direction)) {
            where_taken += reading.Where;
            if (!keys.contains(*reading.Key))
                keys += *reading.Key;
        }
    }
    if (keys.size() == 1)
        return keys.first();
    const QString different_keys
        = QStringLiteral("the key reads as different keys in %1: give it as an argument, type it "
                         "when asked, or save it as UTF-8 or UTF-16 with a byte-order mark.");
    if (keys.size() > 1)
        return Unreadable_Key{different_keys.arg(Listed_With_In(where_taken))};

    // No candidate: the conversion says what is wrong with the likeliest reading.
    const auto readable = std::find_if(
        readings.begin(), readings.end(), [](const Reading& reading) { return reading.Key; });
    if (readable != readings.end())
        return *readable->Key;
    QStringList where;
    for (const auto& reading : readings)
        where += reading.Where;
    return Unreadable_Key{
        QStringLiteral("the key is neither %1.").arg(where.join(QStringLiteral(" nor in ")))};
}
