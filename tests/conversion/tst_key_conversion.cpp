#include "cp1252_oracle.h"
#include "key_conversion.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QString Q(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

Box_Texts Boxes(const QStringList& texts)
{
    Box_Texts boxes;
    for (qsizetype i = 0; i < texts.size(); ++i)
        boxes.at(static_cast<std::size_t>(i)) = texts[i].toStdU16String();
    return boxes;
}

// Byte texts written the way the boxes show them.
QStringList Byte_Texts(const Hex_Key& key)
{
    QStringList texts;
    for (const auto& text : key.Byte_Texts)
        texts << Q(text);
    return texts;
}

QStringList Hex_Pairs(const QString& spaced)
{
    return spaced.split(' ', Qt::SkipEmptyParts);
}

const QString Five_Or_Thirteen_Message
    = "Ascii WEP string must be 5 or 13 characters long!, please re-enter";
const QString Five_Only_Message = "Ascii WEP string must be 5 characters long!, please re-enter";

QString Not_Ansi_Message(int position)
{
    return QString("Ascii WEP string character (%1) is not an ANSI character, please re-enter")
        .arg(position);
}

} // namespace

class tst_key_conversion : public QObject {
    Q_OBJECT

private slots:
    void ascii_to_hex_accepts_data();
    void ascii_to_hex_accepts();
    void ascii_to_hex_rejects_data();
    void ascii_to_hex_rejects();
    void hex_to_ascii_data();
    void hex_to_ascii();
    void ansi_code_agrees_with_the_system();
    void round_trip_from_ascii();
    void round_trip_from_hex();
};

void tst_key_conversion::ascii_to_hex_accepts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("key_size");
    QTest::addColumn<QStringList>("byte_texts");

    const int either = int(Ascii_Key_Rule::Five_Or_Thirteen);
    const int five = int(Ascii_Key_Rule::Five_Only);
    QTest::newRow("published 64-bit key") << "12345" << either << 64 << Hex_Pairs("31 32 33 34 35");
    QTest::newRow("published 128-bit key")
        << "ascii test$$$" << either << 128 << Hex_Pairs("61 73 63 69 69 20 74 65 73 74 24 24 24");
    QTest::newRow("five characters under the 5-only rule")
        << "aJz~0" << five << 64 << Hex_Pairs("61 4A 7A 7E 30");
    QTest::newRow("five spaces") << "     " << either << 64 << Hex_Pairs("20 20 20 20 20");
    QTest::newRow("trailing space counts") << "abcd " << five << 64 << Hex_Pairs("61 62 63 64 20");
    QTest::newRow("letters above 9 are upper case")
        << "JjKkZ" << either << 64 << Hex_Pairs("4A 6A 4B 6B 5A");
    QTest::newRow("code below 16 has no leading zero")
        << QString("a\tb") + QChar(0) + "c" << either << 64 << Hex_Pairs("61 9 62 0 63");
    QTest::newRow("code page 1252 letters")
        << QString::fromUtf8("éÿ€Ÿ ") << either << 64 << Hex_Pairs("E9 FF 80 9F 20");
    QTest::newRow("order kept over 13 characters")
        << "ABCDEFGHIJKLM" << either << 128 << Hex_Pairs("41 42 43 44 45 46 47 48 49 4A 4B 4C 4D");
}

void tst_key_conversion::ascii_to_hex_accepts()
{
    QFETCH(QString, key);
    QFETCH(int, rule);
    QFETCH(int, key_size);
    QFETCH(QStringList, byte_texts);

    const auto outcome = Ascii_To_Hex_Key(key.toStdU16String(), Ascii_Key_Rule(rule));
    const auto* hex_key = std::get_if<Hex_Key>(&outcome);
    if (!hex_key)
        QFAIL(qPrintable(Q(std::get<Key_Rejection>(outcome).Message)));
    QCOMPARE(hex_key->Key_Size, key_size);
    QCOMPARE(Byte_Texts(*hex_key), byte_texts);
}

void tst_key_conversion::ascii_to_hex_rejects_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("rule");
    QTest::addColumn<QString>("message");

    const int either = int(Ascii_Key_Rule::Five_Or_Thirteen);
    const int five = int(Ascii_Key_Rule::Five_Only);
    QTest::newRow("empty") << "" << either << Five_Or_Thirteen_Message;
    QTest::newRow("empty, 5 only") << "" << five << Five_Only_Message;
    QTest::newRow("4 characters") << "abcd" << either << Five_Or_Thirteen_Message;
    QTest::newRow("6 characters") << "abcdef" << either << Five_Or_Thirteen_Message;
    QTest::newRow("12 characters") << "abcdefghijkl" << either << Five_Or_Thirteen_Message;
    QTest::newRow("14 characters") << "abcdefghijklmn" << either << Five_Or_Thirteen_Message;
    QTest::newRow("13 characters, 5 only") << "abcdefghijklm" << five << Five_Only_Message;
    QTest::newRow("4 characters, 5 only") << "abcd" << five << Five_Only_Message;
    QTest::newRow("length is tested before characters")
        << QString::fromUtf8("ąą") << either << Five_Or_Thirteen_Message;
    QTest::newRow("letter outside the code page")
        << QString::fromUtf8("abąde") << either << Not_Ansi_Message(3);
    QTest::newRow("Chinese character")
        << QString::fromUtf8("钥abcd") << five << Not_Ansi_Message(1);
    QTest::newRow("emoji halves") << QString::fromUtf8("abc😀") << either << Not_Ansi_Message(4);
    QTest::newRow("first bad character decides")
        << QString::fromUtf8("abcdefghijkąž") << either << Not_Ansi_Message(12);
    for (const char16_t undefined : {u'\u0081', u'\u008D', u'\u008F', u'\u0090', u'\u009D'}) {
        const QString key = QString("abcd") + QChar(undefined);
        QTest::addRow("undefined code U+%04X", unsigned(undefined))
            << key << either << Not_Ansi_Message(5);
    }
}

void tst_key_conversion::ascii_to_hex_rejects()
{
    QFETCH(QString, key);
    QFETCH(int, rule);
    QFETCH(QString, message);

    const auto outcome = Ascii_To_Hex_Key(key.toStdU16String(), Ascii_Key_Rule(rule));
    const auto* rejection = std::get_if<Key_Rejection>(&outcome);
    QVERIFY(rejection);
    QCOMPARE(Q(rejection->Message), message);
    QCOMPARE(Q(rejection->Title), QString("Invalid Key"));
}

void tst_key_conversion::hex_to_ascii_data()
{
    // outcome: the key text when accepted; otherwise "box n: message" or
    // "count: key text: message".
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("outcome");

    const QString range = "box %1: Box (%2) must be in HEX range (20->7E)";
    const QString length = "box %1: Entry (%2) must be 0 or 2 characters.";
    const QString count
        = "count: %1: Hex WEP Entry is only using %2 boxes.  Needs to use 5 or 13 boxes.";
    auto row = [](const char* name, const QStringList& boxes, const QString& outcome) {
        QTest::newRow(name) << boxes << outcome;
    };

    row("all empty", {}, "");
    row("published 64-bit key", Hex_Pairs("31 32 33 34 35"), "12345");
    row("published 128-bit key", Hex_Pairs("61 73 63 69 69 20 74 65 73 74 24 24 24"),
        "ascii test$$$");
    row("gaps leave no trace", {"61", "", "62", "", "63", "", "64", "", "65"}, "abcde");
    row("used boxes need not start at box 1",
        {"", "", "", "", "", "", "", "", "41", "42", "43", "44", "45"}, "ABCDE");
    row("both cases of digits", {"7e", "7E", "4a", "4A", "20"}, "~~JJ ");
    row("lower-case j", {"6a", "4A", "6b", "4B", "6c"}, "jJkKl");
    row("seven boxes", Hex_Pairs("61 62 63 64 65 66 67"), count.arg("abcdefg").arg(7));
    row("one box, plural kept", {"41"}, count.arg("A").arg(1));
    row("six boxes", Hex_Pairs("61 62 63 64 65 66"), count.arg("abcdef").arg(6));
    row("twelve boxes", Hex_Pairs("61 62 63 64 65 66 67 68 69 6A 6B 6C"),
        count.arg("abcdefghijkl").arg(12));
    row("one hex digit", {"41", "4"}, length.arg(1).arg(2));
    row("one non-digit", {"G"}, length.arg(0).arg(1));
    row("three characters", {"414"}, length.arg(0).arg(1));
    row("two spaces", {"41", "  "}, range.arg(1).arg(2));
    row("digit and space", {"4 "}, range.arg(0).arg(1));
    row("space and digit", {" 4"}, range.arg(0).arg(1));
    row("ZZ", {"ZZ"}, range.arg(0).arg(1));
    row("4G", {"4G"}, range.arg(0).arg(1));
    row("minus sign and digit", {"-1"}, range.arg(0).arg(1));
    row("1F below the range", {"1F"}, range.arg(0).arg(1));
    row("7F above the range", {"7F"}, range.arg(0).arg(1));
    row("00", {"00"}, range.arg(0).arg(1));
    row("80", {"80"}, range.arg(0).arg(1));
    row("FF", {"FF"}, range.arg(0).arg(1));
    row("ends of the range", {"20", "7E", "20", "7e", "20"}, " ~ ~ ");
    row("first failing box wins", {"41", "4", "41", "41", "7F"}, length.arg(1).arg(2));
    row("failing box after a complete key", Hex_Pairs("61 62 63 64 65 7F"), range.arg(5).arg(6));
    row("last box counts as 13", Hex_Pairs("41 41 41 41 41 41 41 41 41 41 41 41 7F"),
        range.arg(12).arg(13));
}

void tst_key_conversion::hex_to_ascii()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, outcome);

    const QString actual = std::visit(
        [](const auto& result) -> QString {
            using Result = std::decay_t<decltype(result)>;
            if constexpr (std::is_same_v<Result, Box_Rejection>)
                return QString("box %1: %2").arg(result.Box_Index).arg(Q(result.Message));
            else if constexpr (std::is_same_v<Result, Count_Rejection>)
                return QString("count: %1: %2").arg(Q(result.Key_Text), Q(result.Message));
            else
                return Q(result);
        },
        Hex_To_Ascii_Key(Boxes(boxes)));
    QCOMPARE(actual, outcome);
}

// The system's own CP1252 table is an independent oracle for every UTF-16 code unit.
void tst_key_conversion::ansi_code_agrees_with_the_system()
{
    int differences = 0;
    for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
        const auto expected = System_Cp1252_Code(char16_t(unit));
        const auto code = Ansi_Code(char16_t(unit));
        if (expected != code && ++differences <= 10)
            qWarning("U+%04X: the system %s %02X, Ansi_Code %s %02X", unit,
                expected ? "gives" : "refuses", expected.value_or(0), code ? "gives" : "refuses",
                code.value_or(0));
    }
    QCOMPARE(differences, 0);
}

void tst_key_conversion::round_trip_from_ascii()
{
    QRandomGenerator random(20261207);
    for (int run = 0; run < 2000; ++run) {
        std::u16string key(run % 2 ? 13 : 5, u' ');
        for (auto& character : key)
            character = char16_t(random.bounded(0x20, 0x7F));
        const auto hex_key
            = std::get<Hex_Key>(Ascii_To_Hex_Key(key, Ascii_Key_Rule::Five_Or_Thirteen));
        Box_Texts boxes;
        std::copy(hex_key.Byte_Texts.begin(), hex_key.Byte_Texts.end(), boxes.begin());
        const auto back = Hex_To_Ascii_Key(boxes);
        QVERIFY(std::holds_alternative<std::u16string>(back));
        QCOMPARE(Q(std::get<std::u16string>(back)), Q(key));
    }
}

void tst_key_conversion::round_trip_from_hex()
{
    QRandomGenerator random(7);
    for (int run = 0; run < 2000; ++run) {
        QStringList boxes;
        for (int i = 0; i < (run % 2 ? 13 : 5); ++i)
            boxes << QString("%1").arg(random.bounded(0x20, 0x7F), 2, 16);
        const auto key = std::get<std::u16string>(Hex_To_Ascii_Key(Boxes(boxes)));
        const auto hex_key
            = std::get<Hex_Key>(Ascii_To_Hex_Key(key, Ascii_Key_Rule::Five_Or_Thirteen));
        QCOMPARE(Byte_Texts(hex_key), boxes.join(' ').toUpper().split(' '));
    }
}

QTEST_APPLESS_MAIN(tst_key_conversion)
#include "tst_key_conversion.moc"
