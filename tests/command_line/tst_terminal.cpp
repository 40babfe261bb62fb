#include "piped_key.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

QRegularExpression Exactly(const QString& text)
{
    return QRegularExpression(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(text)));
}

QString Without_Line_End(const QByteArray& printed)
{
    auto text = QString::fromUtf8(printed);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

const QString Command = KEYWRIGHT_COMMAND;
const auto Nothing = Exactly("");
const auto Usage_Hint
    = QRegularExpression(QString("^%1: .+\nTry '%1 --help' for more information.$").arg(Command));
const auto No_Display
    = QRegularExpression(QString("^%1: no display can be opened.*--help[^\n]*$").arg(Command));

} // namespace

class Terminal : public QObject {
    Q_OBJECT

private slots:
    void answers_on_its_own_data();
    void answers_on_its_own();
    void reads_piped_keys_as_written_data();
    void reads_piped_keys_as_written();
};

void Terminal::answers_on_its_own_data()
{
    if (QSysInfo::kernelType() == "winnt")
        QSKIP("the program's answers on Windows are the console walk's (windows_console)");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QRegularExpression>("output");
    QTest::addColumn<QRegularExpression>("message");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output_file"); // standard output goes there, not to a pipe

    const auto row = [](const char* name, const QStringList& arguments, const QByteArray& input,
                         const QRegularExpression& output, const QRegularExpression& message,
                         int status, const QString& output_file = {}) {
        QTest::newRow(name) << arguments << input << output << message << status << output_file;
    };
    const auto version = Exactly(KEYWRIGHT_NAME " " KEYWRIGHT_VERSION);
    row("version", {"--version"}, {}, version, Nothing, 0);
    row("version, short", {"-v"}, {}, version, Nothing, 0);
    row("help", {"--help"}, {},
        QRegularExpression("^Usage: .*standard input.*--to-hex.*--to-ascii",
            QRegularExpression::DotMatchesEverythingOption),
        Nothing, 0);
    row("help, short", {"-h"}, {}, QRegularExpression("^Usage: "), Nothing, 0);

    row("to hex, 64-bit", {"--to-hex", "abcde"}, {}, Exactly("61 62 63 64 65"), Nothing, 0);
    row("to hex, 128-bit", {"--to-hex", "ascii test$$$"}, {},
        Exactly("61 73 63 69 69 20 74 65 73 74 24 24 24"), Nothing, 0);
    row("to hex, standard input", {"--to-hex"}, "SSID5\n", Exactly("53 53 49 44 35"), Nothing, 0);
    row("to hex, spaces kept", {"--to-hex"}, " ab c\r\n", Exactly("20 61 62 20 63"), Nothing, 0);
    row("to hex, code page", {"--to-hex", "caf\u00e9s"}, {}, Exactly("63 61 66 E9 73"), Nothing, 0);
    row("to hex, wrong length", {"--to-hex", "abc"}, {}, Nothing,
        Exactly("Ascii WEP string must be 5 or 13 characters long!, please re-enter"), 1);
    row("to hex, outside the code page", {"--to-hex", "abcd\u03a9"}, {}, Nothing,
        Exactly("Ascii WEP string character (5) is not an ANSI character, please re-enter"), 1);

    row("to ascii, spaced pairs", {"--to-ascii", "61 62 63 64 65"}, {}, Exactly("abcde"), Nothing,
        0);
    row("to ascii, colons", {"--to-ascii", "4b:65:79:21:7e"}, {}, Exactly("Key!~"), Nothing, 0);
    row("to ascii, run of 10", {"--to-ascii", "4B6579217E"}, {}, Exactly("Key!~"), Nothing, 0);
    row("to ascii, run of 26", {"--to-ascii", "61736369692074657374242424"}, {},
        Exactly("ascii test$$$"), Nothing, 0);
    row("to ascii, pairs as arguments", {"--to-ascii", "61", "62", "63", "64", "65"}, {},
        Exactly("abcde"), Nothing, 0);
    row("to ascii, standard input", {"--to-ascii"}, "20 7e 20 7e 20\n", Exactly(" ~ ~ "), Nothing,
        0);
    row("answer to a full device", {"--to-hex", "abcde"}, {}, Nothing,
        QRegularExpression(QString("^%1: standard output could not be written: .+$").arg(Command)),
        1, "/dev/full");
    row("to ascii, out of range", {"--to-ascii", "7F 61 62 63 64"}, {}, Nothing,
        Exactly("Box (1) must be in HEX range (20->7E)"), 1);
    row("to ascii, short pair", {"--to-ascii", "61 6 63 64 65"}, {}, Nothing,
        Exactly("Entry (2) must be 0 or 2 characters."), 1);
    row("to ascii, odd run", {"--to-ascii", "616263"}, {}, Nothing,
        Exactly("Entry (1) must be 0 or 2 characters."), 1);
    row("to ascii, three boxes", {"--to-ascii", "61 62 63"}, {}, Nothing,
        Exactly("Hex WEP Entry is only using 3 boxes.  Needs to use 5 or 13 boxes."), 1);
    row("to ascii, fourteen boxes", {"--to-ascii", "61 61 61 61 61 61 61 61 61 61 61 61 61 61"}, {},
        Nothing, Exactly("A hex WEP key has at most 13 boxes."), 1);

    row("unknown option", {"--to-base64"}, {}, Nothing, Usage_Hint, 2);
    row("both conversions", {"--to-hex", "--to-ascii", "abcde"}, {}, Nothing, Usage_Hint, 2);
    row("empty key", {"--to-hex", ""}, {}, Nothing, Usage_Hint, 2);
    row("empty standard input", {"--to-ascii"}, {}, Nothing, Usage_Hint, 2);
    row("no hex pairs", {"--to-ascii", " : "}, {}, Nothing, Usage_Hint, 2);
    row("key without a conversion", {"abcde"}, {}, Nothing, Usage_Hint, 2);
    row("ascii key in pieces", {"--to-hex", "ab", "cde"}, {}, Nothing, Usage_Hint, 2);

    row("windows without a display", {}, {}, Nothing, No_Display, 1);
    row("windows with Qt's own options", {"-platform", "xcb", "-style", "fusion"}, {}, Nothing,
        No_Display, 1);
    row("windows on Wayland without a compositor", {"-platform", "wayland"}, {}, Nothing,
        No_Display, 1);
    row("windows on an unknown platform", {"-platform", "bogus"}, {}, Nothing,
        QRegularExpression(QString("^%1: its windows cannot start. Qt says:\n.*\"bogus\".*"
                                   "Available platform plugins are: .*xcb")
                               .arg(Command),
            QRegularExpression::DotMatchesEverythingOption),
        1);
}

void Terminal::answers_on_its_own()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QRegularExpression, output);
    QFETCH(QRegularExpression, message);
    QFETCH(int, status);
    QFETCH(QString, output_file);

    QProcess program;
    if (!output_file.isEmpty())
        program.setStandardOutputFile(output_file);
    program.start(KEYWRIGHT_PROGRAM, arguments);
    QVERIFY(program.waitForStarted());
    program.write(input);
    program.closeWriteChannel();
    QVERIFY(program.waitForFinished(10000));

    const auto printed = Without_Line_End(program.readAllStandardOutput());
    const auto said = Without_Line_End(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(output.match(printed).hasMatch(), qPrintable(printed));
    QVERIFY2(message.match(said).hasMatch(), qPrintable(said));
    QCOMPARE(program.exitCode(), status);
}

// The bytes that reach Keywright.com on Windows from a pipe or a file, as the
// console's code page, cmd.exe, PowerShell, editors and Windows programs
// write them, read in the system's own code pages; the ANSI one is 1252, and
// a console code page of 0 is no console.
void Terminal::reads_piped_keys_as_written_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<unsigned>("console_code_page");
    QTest::addColumn<unsigned>("ansi_code_page");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("problem"); // where the key is refused

    const QString clé = QString::fromUtf8("cl\u00e912");
    const auto row = [](const char* name, const QByteArray& bytes, unsigned console,
                         const QString& key, const QString& problem = {}, unsigned ansi = 1252) {
        QTest::newRow(name) << bytes << console << ansi << key << problem;
    };
    const QString two_keys = "the key reads as different keys in %1: give it as an argument, type "
                             "it when asked, or save it as UTF-8 or UTF-16 with a byte-order mark.";
    row("ANSI file, code page 437",
        "cl\xe9"
        "12\r\n",
        437, clé);
    row("ANSI file, code page 850",
        "cl\xe9"
        "12\r\n",
        850, {},
        two_keys.arg("code page 850 (the console's) and in code page 1252 (the ANSI one)"));
    row("cmd echo, code page 850",
        "cl\x82"
        "12\r\n",
        850, {},
        two_keys.arg("code page 850 (the console's) and in code page 1252 (the ANSI one)"));
    row("cmd echo of a letter that the ANSI code page lacks",
        "cl\x81"
        "12\r\n",
        850, "cl\u00fc12");
    row("UTF-8 file with a byte-order mark",
        "\xef\xbb\xbf"
        "cl\xc3\xa9"
        "12\r\n",
        850, clé);
    row("UTF-8 without a mark, PowerShell 7",
        "cl\xc3\xa9"
        "12\n",
        850, clé);
    row("UTF-8 euro sign, PowerShell 7",
        "abc\xe2\x82\xac"
        "d\n",
        850, "abc\u20acd");
    row("UTF-8 console and ANSI code page",
        "cl\xc3\xa9"
        "12\r\n",
        65001, clé, {}, 65001);
    row("ASCII, Windows PowerShell 5.1", "ascii test$$$\r\n", 437, "ascii test$$$");
    row("UTF-16 file, Windows PowerShell 5.1",
        QByteArray("\xff\xfe"
                   "c\0l\0\xe9\0"
                   "1\0"
                   "2\0\r\0\n\0",
            16),
        850, clé);
    row("first line only", "abcde\r\nfghij\r\n", 850, "abcde");
    row("three readings make three keys",
        "\xe2\x82\xac\xe2\x82\xac\xe2\x82\xac\xe2\x82\xac"
        "a\n",
        850, {},
        two_keys.arg("UTF-8, in code page 850 (the console's) and in code page 1252 (the ANSI "
                     "one)"));
    row("UTF-16 with an odd byte",
        QByteArray("\xff\xfe"
                   "c\0l\0\xe9\0"
                   "1\0"
                   "2\0\n",
            13),
        850, {}, "the key is not UTF-16 after its byte-order mark.");
    row("not UTF-8 after its mark",
        "\xef\xbb\xbf"
        "abcd\x82\n",
        850, {}, "the key is not UTF-8 after its byte-order mark.");
    row("no console, two readings make two keys",
        "\xe2\x82\xac\xe2\x82\xac\xe2\x82\xac\xe2\x82\xac"
        "a\n",
        0, {}, two_keys.arg("UTF-8 and in code page 1252 (the ANSI one)"));
    row("no candidate, a key of four letters, one beyond ASCII", "cl\xe9\x31\r\n", 850,
        "cl\u00da1");
    row("no candidate, no reading", "abcd\x81\n", 65001, {},
        "the key is neither UTF-8 nor in code page 65001 (the console's) nor in code page 932 (the "
        "ANSI one).",
        932);
}

void Terminal::reads_piped_keys_as_written()
{
    QFETCH(QByteArray, bytes);
    QFETCH(unsigned, console_code_page);
    QFETCH(unsigned, ansi_code_page);
    QFETCH(QString, key);
    QFETCH(QString, problem);

    const auto console
        = console_code_page ? std::optional(System_Code_Page(console_code_page)) : std::nullopt;
    const Read_Key read
        = Read_Piped_Key(bytes, Key_Direction::To_Hex, console, System_Code_Page(ansi_code_page));
    if (const auto* unreadable = std::get_if<Unreadable_Key>(&read))
        QCOMPARE(unreadable->Problem, problem);
    else
        QCOMPARE(std::get<QString>(read), key);
}

QTEST_GUILESS_MAIN(Terminal)
#include "tst_terminal.moc"
