#include "KN40_Entry.h"
#include "Product_Selection_KNx5.h"
#include "Which_PC_Card.h"
#include "application.h"
#include "gui_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace {

QLineEdit& Box(QWidget& form, int index)
{
    return *form.findChild<QLineEdit*>(QString("Text_128_Bit_Keys_%1").arg(index));
}

QLineEdit& Key_Box(QWidget& form)
{
    return *form.findChild<QLineEdit*>("Text_WEP");
}

// Which control has the focus, and what is selected in it.
QString Focus_And_Selection(QWidget& form)
{
    // The window's own focus: the box that has the keyboard while the window
    // has it, also where the compositor has not handed it back yet.
    auto* focus = qobject_cast<QLineEdit*>(form.focusWidget());
    if (!focus)
        return "(no text box)";
    return focus->objectName() + " [" + focus->selectedText() + "]";
}

void Fill_Boxes(QWidget& form, const QStringList& texts)
{
    for (int index = 0; index < 13; ++index) {
        QLineEdit& box = Box(form, index);
        box.setFocus();
        box.selectAll();
        Press_Key(box, Qt::Key_Delete);
        Type_Into(box, texts.value(index));
    }
}

struct Conversion {
    QString message; // empty when none came up
    QString key_while_message; // Text_WEP while the message was up
    QString look_faults; // of the message box
};

Conversion Convert(QWidget& form)
{
    Conversion seen;
    While_Modal([&] { Click(*form.findChild<QWidget*>("Convert_Button")); },
        [&](QWidget& box) {
            seen.message = Message_Text(box);
            seen.key_while_message = Key_Box(form).text();
            seen.look_faults = Message_Look_Faults(box);
            Answer_OK(box);
        },
        200);
    // The window takes the focus back once the message has gone.
    if (!QTest::qWaitForWindowActive(&form))
        qWarning("KN40_Entry did not become active again");
    return seen;
}

} // namespace

class tst_hex_entry : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void convert_outcomes_data();
    void convert_outcomes();
    void second_convert_rebuilds_the_key();
    void box_gets_whole_text_selected_on_focus();
    void coming_back_keeps_the_caret_data();
    void coming_back_keeps_the_caret();
    void hex_box_limits_data();
    void hex_box_limits();
    void key_box_is_read_only();
    void state_survives_restart();

private:
    QWidget& Open();

    std::unique_ptr<Application> application_;
};

void tst_hex_entry::init()
{
    application_ = std::make_unique<Application>();
}

void tst_hex_entry::cleanup()
{
    application_.reset();
    QCOMPARE(Stray_Windows(), QStringList());
}

QWidget& tst_hex_entry::Open()
{
    auto& form = application_->Get<KN40_Entry>();
    application_->Show(form);
    if (!QTest::qWaitForWindowActive(&form))
        qWarning("KN40_Entry did not become active");
    return form;
}

void tst_hex_entry::convert_outcomes_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("key_while_message");
    QTest::addColumn<QString>("key_after");
    QTest::addColumn<QString>("focus");

    QTest::newRow("all boxes empty") << QStringList() << ""
                                     << ""
                                     << ""
                                     << "Text_WEP []";
    QTest::newRow("five boxes") << QStringList{"31", "32", "33", "34", "35"} << ""
                                << ""
                                << "12345"
                                << "Text_WEP [12345]";
    QTest::newRow("thirteen boxes")
        << QString("61 73 63 69 69 20 74 65 73 74 24 24 24").split(' ') << ""
        << ""
        << "ascii test$$$"
        << "Text_WEP [ascii test$$$]";
    QTest::newRow("seven boxes")
        << QString("61 62 63 64 65 66 67").split(' ')
        << "Keywright: Hex WEP Entry is only using 7 boxes.  Needs to use 5 or 13 boxes."
        << "abcdefg"
        << ""
        << "Text_128_Bit_Keys_0 [61]";
    QTest::newRow("single digit in box 3") << QStringList{"41", "42", "4", "44", "45"}
                                           << "Keywright: Entry (3) must be 0 or 2 characters."
                                           << ""
                                           << ""
                                           << "Text_128_Bit_Keys_2 [4]";
    QTest::newRow("7F in box 2") << QStringList{"41", "7F", "43", "44", "45"}
                                 << "Keywright: Box (2) must be in HEX range (20->7E)"
                                 << ""
                                 << ""
                                 << "Text_128_Bit_Keys_1 [7F]";
    QTest::newRow("ZZ in box 2") << QStringList{"41", "ZZ"}
                                 << "Keywright: Box (2) must be in HEX range (20->7E)"
                                 << ""
                                 << ""
                                 << "Text_128_Bit_Keys_1 [ZZ]";
    QTest::newRow("fault in the last box")
        << QString("41 41 41 41 41 41 41 41 41 41 41 41 1F").split(' ')
        << "Keywright: Box (13) must be in HEX range (20->7E)"
        << ""
        << ""
        << "Text_128_Bit_Keys_12 [1F]";
}

void tst_hex_entry::convert_outcomes()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    QFETCH(QString, key_while_message);
    QFETCH(QString, key_after);
    QFETCH(QString, focus);

    QWidget& form = Open();
    Fill_Boxes(form, boxes);
    const Conversion seen = Convert(form);
    QCOMPARE(seen.message, message);
    QCOMPARE(seen.key_while_message, key_while_message);
    QCOMPARE(seen.look_faults, QString());
    QCOMPARE(Key_Box(form).text(), key_after);
    QCOMPARE(Focus_And_Selection(form), focus);
}

void tst_hex_entry::second_convert_rebuilds_the_key()
{
    QWidget& form = Open();
    Fill_Boxes(form, {"61", "62", "63", "64", "65"});
    Convert(form);
    Box(form, 4).setText("7a");
    Convert(form);
    QCOMPARE(Key_Box(form).text(), QString("abcdz"));

    // A refused row empties the key box before the message comes up.
    Box(form, 5).setText("7f");
    QCOMPARE(Convert(form).key_while_message, QString());
    QCOMPARE(Key_Box(form).text(), QString());
}

void tst_hex_entry::box_gets_whole_text_selected_on_focus()
{
    QWidget& form = Open();
    if (!form.isActiveWindow())
        QSKIP("No window has the keyboard on this display");
    Fill_Boxes(form, {"41", "42", "43"});
    QCOMPARE(Focus_And_Selection(form), QString("Text_128_Bit_Keys_12 []"));
    Box(form, 0).setFocus();
    QCOMPARE(Focus_And_Selection(form), QString("Text_128_Bit_Keys_0 [41]"));
    Press_Key(form, Qt::Key_Tab);
    QCOMPARE(Focus_And_Selection(form), QString("Text_128_Bit_Keys_1 [42]"));
    Press_Key(form, Qt::Key_Backtab);
    QCOMPARE(Focus_And_Selection(form), QString("Text_128_Bit_Keys_0 [41]"));
}

void tst_hex_entry::coming_back_keeps_the_caret_data()
{
    QTest::addColumn<bool>("about_box");
    QTest::newRow("another window was active") << false;
    QTest::newRow("the About box was open") << true;
}

// Only a move into a box selects its text, not the window coming back.
void tst_hex_entry::coming_back_keeps_the_caret()
{
    QFETCH(bool, about_box);
    QWidget& form = Open();
    if (!form.isActiveWindow())
        QSKIP("No window has the keyboard on this display");
    QLineEdit& box = Box(form, 3);
    Type_Into(box, "4");

    QWidget other;
    if (about_box) {
        While_Modal([&] { Click_Menu(form, "About"); }, Answer_OK);
    } else {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    form.activateWindow(); // as the window manager does
    QVERIFY(QTest::qWaitForWindowActive(&form));
    Type_Into(box, "1");
    QCOMPARE(box.text(), QString("41"));
}

void tst_hex_entry::hex_box_limits_data()
{
    QTest::addColumn<bool>("paste");
    QTest::newRow("typing") << false;
    QTest::newRow("pasting") << true;
}

void tst_hex_entry::hex_box_limits()
{
    QFETCH(bool, paste);
    QWidget& form = Open();
    QLineEdit& box = Box(form, 6);
    if (paste && !Has_Clipboard())
        QSKIP("This display has no clipboard");
    if (paste) {
        QGuiApplication::clipboard()->setText("4a4b4c");
        box.setFocus();
        QTest::keyClick(form.windowHandle(), Qt::Key_V, Qt::ControlModifier);
    } else {
        Type_Into(box, "4a4b4c");
    }
    QCOMPARE(box.text(), QString("4a"));
    QCOMPARE(Focus_And_Selection(form), QString("Text_128_Bit_Keys_6 []"));
}

void tst_hex_entry::key_box_is_read_only()
{
    QWidget& form = Open();
    Fill_Boxes(form, {"6b", "65", "79", "21", "21"});
    Convert(form);
    Type_Into(Key_Box(form), "x");
    QCOMPARE(Key_Box(form).text(), QString("key!!"));
    if (!Has_Clipboard())
        QSKIP("This display has no clipboard");
    QTest::keyClick(form.windowHandle(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form.windowHandle(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("key!!"));
}

void tst_hex_entry::state_survives_restart()
{
    QWidget& form = Open();
    Fill_Boxes(form, {"41", "42"});
    Click_Menu(form, "Restart");
    Click(application_->Get<Which_PC_Card>().Option_Product(1));
    Click(application_->Get<Product_Selection_KNx5>().Option_Product(0));
    QVERIFY(form.isVisible());
    QCOMPARE(Box(form, 0).text(), QString("41"));
    QCOMPARE(Box(form, 1).text(), QString("42"));
}

QTEST_MAIN(tst_hex_entry)
#include "tst_hex_entry.moc"
