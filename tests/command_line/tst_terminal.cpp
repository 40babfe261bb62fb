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
};

void Terminal::answers_on_its_own_data()
{
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

QTEST_GUILESS_MAIN(Terminal)
#include "tst_terminal.moc"
