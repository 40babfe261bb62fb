#include "piped_key.h"

#include <QTest>

class Piped_Key : public QObject {
    Q_OBJECT

private slots:
    void reads_keys_as_written_data();
    void reads_keys_as_written();
};

// The bytes that reach Keywright.com on Windows from a pipe or a file, as the
// console's code page, cmd.exe, PowerShell, editors and Windows programs
// write them, read in the system's own code pages; the ANSI one is 1252.
void Piped_Key::reads_keys_as_written_data()
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
}

void Piped_Key::reads_keys_as_written()
{
    QFETCH(QByteArray, bytes);
    QFETCH(unsigned, console_code_page);
    QFETCH(unsigned, ansi_code_page);
    QFETCH(QString, key);
    QFETCH(QString, problem);

    const Read_Key read = Read_Piped_Key(bytes, Key_Direction::To_Hex,
        System_Code_Page(console_code_page), System_Code_Page(ansi_code_page));
    if (const auto* unreadable = std::get_if<Unreadable_Key>(&read))
        QCOMPARE(unreadable->Problem, problem);
    else
        QCOMPARE(std::get<QString>(read), key);
}

QTEST_GUILESS_MAIN(Piped_Key)
#include "tst_piped_key.moc"
