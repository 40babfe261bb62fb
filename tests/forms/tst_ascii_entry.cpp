#include "KN45_Entry.h"
#include "KN75_Entry.h"
#include "KN85_Entry.h"
#include "KN95_Entry.h"
#include "Product_Selection_KNx0.h"
#include "Which_PC_Card.h"
#include "application.h"
#include "gui_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString Heading_64 = "Enter the following information into your KN40 configuration utility "
                           "under 64-bit Encryption Manual Entry:";
const QString Heading_128 = "Enter the following information into your KN40 configuration utility "
                            "under 128-bit Encryption Manual Entry:";
const QString Length_Message
    = "Invalid Key: Ascii WEP string must be 5 or 13 characters long!, please re-enter";
const QString Five_Only_Message
    = "Invalid Key: Ascii WEP string must be 5 characters long!, please re-enter";

template <class Control = QWidget> Control& Control_Of(QWidget& form, const QString& name)
{
    auto* control = form.findChild<Control*>(name);
    if (!control)
        qFatal("No control %s", qPrintable(name));
    return *control;
}

QLineEdit& Box(QWidget& form, int bits, int index)
{
    return Control_Of<QLineEdit>(form, QString("Text_%1_Bit_Keys_%2").arg(bits).arg(index));
}

// What a user sees of the result: "none", or the key size, the heading and
// the texts of the shown boxes; and whether anything of the other size shows.
QString Result_Display(QWidget& form)
{
    QStringList shown;
    for (int bits : {64, 128}) {
        for (int index = 0; index < (bits == 64 ? 5 : 13); ++index) {
            if (Box(form, bits, index).isVisible())
                shown << QString("%1:%2").arg(bits).arg(Box(form, bits, index).text());
        }
    }
    QStringList pictures;
    for (const char* picture : {"Picture1", "Picture2"}) {
        if (Control_Of(form, picture).isVisible())
            pictures << picture;
    }
    auto& heading = Control_Of<QLabel>(form, "Label_Question_1");
    if (shown.isEmpty() && pictures.isEmpty() && !heading.isVisible())
        return "none";
    return QString("%1 | %2 | %3")
        .arg(heading.isVisible() ? heading.text() : "(no heading)", pictures.join(','),
            shown.join(' '));
}

QString Expected_Display(const QString& key)
{
    const bool long_key = key.size() == 13;
    QStringList shown;
    for (const QChar character : key)
        shown
            << QString("%1:%2").arg(long_key ? 128 : 64).arg(character.unicode(), 0, 16).toUpper();
    return QString("%1 | %2 | %3")
        .arg(long_key ? Heading_128 : Heading_64, long_key ? "Picture2" : "Picture1",
            shown.join(' '));
}

void Replace_Key(QWidget& form, const QString& key)
{
    auto& key_box = Control_Of<QLineEdit>(form, "Text_WEP");
    key_box.setFocus();
    Press_Key(key_box, Qt::Key_End);
    while (!key_box.text().isEmpty())
        Press_Key(key_box, Qt::Key_Backspace);
    Type_Into(key_box, key);
}

// Presses Convert; returns the message that came up, or an empty text.
QString Convert(QWidget& form)
{
    QString message;
    While_Modal([&] { Click(Control_Of(form, "Convert_Button")); },
        [&](QWidget& box) {
            message = Message_Text(box);
            Answer_OK(box);
        },
        200);
    return message;
}

void Paste_Into(QLineEdit& box, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    box.setFocus();
    QTest::keyClick(box.window()->windowHandle(), Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class tst_ascii_entry : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void display_states_data();
    void display_states();
    void forms_share_the_behaviour_data();
    void forms_share_the_behaviour();
    void gateway_boxes_keep_their_texts();
    void key_box_limits_data();
    void key_box_limits();
    void result_boxes_reject_typing();
    void enter_does_not_convert();
    void state_survives_restart();

private:
    template <class Form> QWidget& Open();

    std::unique_ptr<Application> application_;
};

void tst_ascii_entry::init()
{
    application_ = std::make_unique<Application>();
}

void tst_ascii_entry::cleanup()
{
    application_.reset();
    QCOMPARE(Stray_Windows(), QStringList());
}

template <class Form> QWidget& tst_ascii_entry::Open()
{
    Form& form = application_->Get<Form>();
    application_->Show(form);
    if (!QTest::qWaitForWindowActive(&form))
        qWarning("%s did not become active", form.metaObject()->className());
    return form;
}

void tst_ascii_entry::display_states_data()
{
    // Each step is a key converted; the expected display follows it, with
    // "message" where the key is refused.
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("first shown") << QStringList() << QStringList();
    QTest::newRow("64-bit key") << QStringList{"12345"} << QStringList{""};
    QTest::newRow("128-bit key") << QStringList{"ascii test$$$"} << QStringList{""};
    QTest::newRow("5 then 13") << QStringList{"abcde", "ABCDEFGHIJKLM"} << QStringList{"", ""};
    QTest::newRow("13 then 5") << QStringList{"ABCDEFGHIJKLM", "vwxyz"} << QStringList{"", ""};
    QTest::newRow("valid then empty")
        << QStringList{"abcde", ""} << QStringList{"", Length_Message};
    QTest::newRow("valid, short, valid")
        << QStringList{"abcde", "abc", "fghij"} << QStringList{"", Length_Message, ""};
    QTest::newRow("same key twice") << QStringList{"a b c", "a b c"} << QStringList{"", ""};
    QTest::newRow("12 characters")
        << QStringList{"ABCDEFGHIJKLM", "abcdefghijkl"} << QStringList{"", Length_Message};
    QTest::newRow("character outside the code page")
        << QStringList{"abcde", QString::fromUtf8("ab€dą")}
        << QStringList{"",
               "Invalid Key: Ascii WEP string character (5) is not an ANSI character, "
               "please re-enter"};
}

void tst_ascii_entry::display_states()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, messages);

    QWidget& form = Open<KN45_Entry>();
    QCOMPARE(Result_Display(form), QString("none"));
    for (qsizetype step = 0; step < keys.size(); ++step) {
        Replace_Key(form, keys[step]);
        QCOMPARE(Convert(form), messages[step]);
        QCOMPARE(
            Result_Display(form), messages[step].isEmpty() ? Expected_Display(keys[step]) : "none");
        QCOMPARE(Control_Of<QLineEdit>(form, "Text_WEP").text(), keys[step]);
    }
}

void tst_ascii_entry::forms_share_the_behaviour_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("KN45_Entry")
        << "KN45_Entry"
        << "Please enter the KN45 Peer to Peer ASCII Encryption Key (5 or 13 characters):";
    QTest::newRow("KN85_Entry")
        << "KN85_Entry"
        << "Please enter the KN85 Access Point  ASCII Encryption Key (5 or 13 characters):";
    QTest::newRow("KN95_Entry")
        << "KN95_Entry"
        << "Please enter the KN95 Access Point  ASCII Encryption Key (5 or 13 characters):";
}

void tst_ascii_entry::forms_share_the_behaviour()
{
    QFETCH(QString, form);
    QFETCH(QString, prompt);

    QWidget& window = form == "KN45_Entry" ? Open<KN45_Entry>()
        : form == "KN85_Entry"             ? Open<KN85_Entry>()
                                           : Open<KN95_Entry>();
    QCOMPARE(window.windowTitle(), QString("Keywright"));
    QCOMPARE(Control_Of<QLabel>(window, "Label_Question_0").text(), prompt);
    QCOMPARE(Result_Display(window), QString("none"));
    // The first focus comes with the keyboard, where the display gives it.
    if (window.isActiveWindow())
        QCOMPARE(window.focusWidget(), &Control_Of(window, "Text_WEP"));

    Replace_Key(window, "0123456789abc");
    QCOMPARE(Convert(window), QString());
    QCOMPARE(Result_Display(window), Expected_Display("0123456789abc"));
    Replace_Key(window, "0123456");
    QCOMPARE(Convert(window), Length_Message);
    QCOMPARE(Result_Display(window), QString("none"));
}

void tst_ascii_entry::gateway_boxes_keep_their_texts()
{
    QWidget& form = Open<KN75_Entry>();
    auto boxes = [&] {
        QStringList texts;
        for (int index = 0; index < 5; ++index) {
            if (!Box(form, 64, index).isVisible())
                texts << "(hidden)";
            texts << Box(form, 64, index).text();
        }
        return texts.join(' ');
    };
    QCOMPARE(boxes(), QString("    "));
    QCOMPARE(Control_Of<QLabel>(form, "Label_Question_1").text(), Heading_64);
    QVERIFY(Control_Of(form, "Picture1").isVisible());

    Replace_Key(form, "SSID5");
    QCOMPARE(Convert(form), QString());
    QCOMPARE(boxes(), QString("53 53 49 44 35"));

    for (const QString& refused : {QString("abc"), QString(), QString::fromUtf8("ab€dą")}) {
        Replace_Key(form, refused);
        QVERIFY(!Convert(form).isEmpty());
        QCOMPARE(boxes(), QString("53 53 49 44 35"));
        QCOMPARE(Control_Of<QLineEdit>(form, "Text_WEP").text(), refused);
    }
    Replace_Key(form, "abc");
    QCOMPARE(Convert(form), Five_Only_Message);
}

void tst_ascii_entry::key_box_limits_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("kept");
    const QString long_text = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QTest::newRow("typing, 13 at most") << "KN45_Entry" << false << long_text.left(13);
    QTest::newRow("pasting, 13 at most") << "KN85_Entry" << true << long_text.left(13);
    QTest::newRow("typing on the gateway, 5 at most") << "KN75_Entry" << false << long_text.left(5);
    QTest::newRow("pasting on the gateway, 5 at most") << "KN75_Entry" << true << long_text.left(5);
}

void tst_ascii_entry::key_box_limits()
{
    QFETCH(QString, form);
    QFETCH(bool, paste);
    QFETCH(QString, kept);

    QWidget& window = form == "KN45_Entry" ? Open<KN45_Entry>()
        : form == "KN85_Entry"             ? Open<KN85_Entry>()
                                           : Open<KN75_Entry>();
    auto& key_box = Control_Of<QLineEdit>(window, "Text_WEP");
    if (paste && !Has_Clipboard())
        QSKIP("This display has no clipboard");
    if (paste)
        Paste_Into(key_box, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    else
        Type_Into(key_box, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QCOMPARE(key_box.text(), kept);
}

void tst_ascii_entry::result_boxes_reject_typing()
{
    QWidget& form = Open<KN75_Entry>();
    Replace_Key(form, "abcde");
    Convert(form);
    QLineEdit& box = Box(form, 64, 2);
    Type_Into(box, "7");
    Paste_Into(box, "99");
    QCOMPARE(box.text(), QString("63"));

    // The result can still be selected and copied.
    QCOMPARE(form.focusWidget(), &box);
    if (!Has_Clipboard())
        QSKIP("This display has no clipboard");
    QTest::keyClick(form.windowHandle(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form.windowHandle(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("63"));
}

void tst_ascii_entry::enter_does_not_convert()
{
    QWidget& form = Open<KN45_Entry>();
    Replace_Key(form, "abcde");
    QString message;
    const bool came_up
        = While_Modal([&] { Press_Key(Control_Of(form, "Text_WEP"), Qt::Key_Return); },
            [&](QWidget& box) {
                message = Message_Text(box);
                Answer_OK(box);
            },
            200);
    QVERIFY2(!came_up, qPrintable(message));
    QCOMPARE(Result_Display(form), QString("none"));
}

void tst_ascii_entry::state_survives_restart()
{
    QWidget& form = Open<KN95_Entry>();
    Replace_Key(form, "abcdefghijklm");
    Convert(form);
    Click_Menu(form, "Restart");
    QVERIFY(!form.isVisible());

    // Back through the choosers, as a user would come.
    auto& first = application_->Get<Which_PC_Card>();
    Click(first.Option_Product(4));
    Click(application_->Get<Product_Selection_KNx0>().Option_Product(3));
    QVERIFY(form.isVisible());
    QCOMPARE(Control_Of<QLineEdit>(form, "Text_WEP").text(), QString("abcdefghijklm"));
    QCOMPARE(Result_Display(form), Expected_Display("abcdefghijklm"));
}

QTEST_MAIN(tst_ascii_entry)
#include "tst_ascii_entry.moc"
