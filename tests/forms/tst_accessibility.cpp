#include "KN40_Entry.h"
#include "KN45_Entry.h"
#include "KN75_Entry.h"
#include "KN85_Entry.h"
#include "KN95_Entry.h"
#include "Product_Selection_KNx0.h"
#include "Product_Selection_KNx5.h"
#include "Which_PC_Card.h"
#include "accessibility.h"
#include "application.h"
#include "frmAbout.h"
#include "gui_test.h"
#include "picture_box.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <algorithm>
#include <functional>

namespace {

QString Accessible_Text(QWidget& widget, QAccessible::Text kind)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    return accessible ? accessible->text(kind) : QString();
}

// What the program told assistive technology: one event, with the role and
// name of its object at that moment, and the message of an announcement.
struct Told {
    QAccessible::Event event;
    QAccessible::Role role;
    QString name;
    QString value;
};

QList<Told>& Recorded()
{
    static QList<Told> recorded;
    return recorded;
}

void Record(QAccessibleEvent* event)
{
    QAccessibleInterface* accessible = event->accessibleInterface();
    QString value;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement)
        value = static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#endif
    Recorded() << Told{
        event->type(), accessible->role(), accessible->text(QAccessible::Name), value};
}

// Qt tells nothing while no assistive technology listens; the platform's
// accessibility is switched on as a screen reader would, and the handler
// takes what would go to it.
QList<Told> Told_During(const std::function<void()>& action)
{
    QPlatformAccessibility* platform
        = QGuiApplicationPrivate::platformIntegration()->accessibility();
    Recorded().clear();
    QAccessible::installUpdateHandler(Record);
    platform->setActive(true);
    action();
    platform->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
    return Recorded();
}

} // namespace

// A screen reader can speak every control that takes the focus, and every
// picture says what it shows.
class tst_accessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void every_window_speaks();
    void hex_boxes_name_their_byte();
    void controls_play_their_part_data();
    void controls_play_their_part();
    void convert_tells_the_result_data();
    void convert_tells_the_result();
    void boxes_report_their_text_as_one_run();

private:
    QList<QWidget*> All_Windows();
    QWidget& Window(const QString& name);

    std::unique_ptr<Application> application_;
};

void tst_accessibility::init()
{
    application_ = std::make_unique<Application>();
}

void tst_accessibility::cleanup()
{
    application_.reset();
    QCOMPARE(Stray_Windows(), QStringList());
}

QList<QWidget*> tst_accessibility::All_Windows()
{
    auto& chooser = application_->Get<Product_Selection_KNx5>();
    application_->Show_About(chooser, About_Modality::Modeless);
    return {&application_->Get<Which_PC_Card>(), &application_->Get<Product_Selection_KNx0>(),
        &chooser, &application_->Get<KN40_Entry>(), &application_->Get<KN45_Entry>(),
        &application_->Get<KN75_Entry>(), &application_->Get<KN85_Entry>(),
        &application_->Get<KN95_Entry>(), application_->About_Box()};
}

QWidget& tst_accessibility::Window(const QString& name)
{
    for (QWidget* window : All_Windows()) {
        if (window->objectName() == name)
            return *window;
    }
    qFatal("No window %s", qPrintable(name));
}

void tst_accessibility::every_window_speaks()
{
    int controls = 0;
    for (QWidget* window : All_Windows()) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString where = window->objectName() + "::" + control->objectName();
            if (control->focusPolicy() & Qt::TabFocus) {
                ++controls;
                QVERIFY2(
                    !Accessible_Text(*control, QAccessible::Name).isEmpty(), qPrintable(where));
            }
            if (qobject_cast<Picture_Box*>(control)) {
                QVERIFY2(
                    !Accessible_Text(*control, QAccessible::Name).isEmpty(), qPrintable(where));
                QVERIFY2(!Accessible_Text(*control, QAccessible::Description).isEmpty(),
                    qPrintable(where));
            }
        }
        QVERIFY(!Accessible_Text(*window, QAccessible::Name).isEmpty());
    }
    QVERIFY(controls > 80);
}

void tst_accessibility::hex_boxes_name_their_byte()
{
    auto& hex_entry = application_->Get<KN40_Entry>();
    QCOMPARE(
        Accessible_Text(*hex_entry.findChild<QWidget*>("Text_128_Bit_Keys_2"), QAccessible::Name),
        QString("Key byte 3"));
    auto& ascii_entry = application_->Get<KN85_Entry>();
    QCOMPARE(Accessible_Text(
                 *ascii_entry.findChild<QWidget*>("Text_128_Bit_Keys_12"), QAccessible::Name),
        QString("128-bit key byte 13"));
    QCOMPARE(
        Accessible_Text(*ascii_entry.findChild<QWidget*>("Text_64_Bit_Keys_0"), QAccessible::Name),
        QString("64-bit key byte 1"));
}

// The role and name that each control gives a screen reader, beyond Qt's own.
void tst_accessibility::controls_play_their_part_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control"); // the window itself when empty
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");

    const auto prompt = [](const char* row, const char* window, const QString& text) {
        QTest::newRow(row) << window << "centralwidget" << QAccessible::KEYWRIGHT_PROMPTED_ROLE
                           << text;
    };
    const QString second_step
        = "Please select the Tarvex product which you are trying to communicate with:";
    prompt("prompt, Which Product", "Which_PC_Card",
        "Select the 11Mbps Tarvex WiFi product which you are using:");
    prompt("prompt, older cards' chooser", "Product_Selection_KNx0", second_step);
    prompt("prompt, newer cards' chooser", "Product_Selection_KNx5", second_step);
    prompt("prompt, KN40", "KN40_Entry",
        "Please enter the KN40 Adhoc Hex Encryption Keys (5 or 13 boxes).  Must be in HEX range "
        "(20->7E)");
    prompt("prompt, KN45", "KN45_Entry",
        "Please enter the KN45 Peer to Peer ASCII Encryption Key (5 or 13 characters):");
    prompt("prompt, KN75", "KN75_Entry", "Please enter the KN75 RG ASCII Encryption Key:  ");
    prompt("prompt, KN85", "KN85_Entry",
        "Please enter the KN85 Access Point  ASCII Encryption Key (5 or 13 characters):");
    prompt("prompt, KN95", "KN95_Entry",
        "Please enter the KN95 Access Point  ASCII Encryption Key (5 or 13 characters):");
    QTest::newRow("About box, by its caption")
        << "frmAbout"
        << "" << QAccessible::Dialog << "About " KEYWRIGHT_NAME;
    QTest::newRow("About box, title and version as one line")
        << "frmAbout"
        << "lblVersion" << QAccessible::StaticText
        << "Keywright Utility Version " KEYWRIGHT_VERSION;
    QTest::newRow("About box, line") << "frmAbout"
                                     << "Line1_1" << QAccessible::Separator << "";
    QTest::newRow("About box, logo") << "frmAbout"
                                     << "picIcon" << QAccessible::Graphic << "Tarvex logo";
    QTest::newRow("screenshot") << "KN85_Entry"
                                << "Picture2" << QAccessible::Graphic
                                << "KN40 configuration utility, 128-bit";
}

void tst_accessibility::controls_play_their_part()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);

    QWidget& form = Window(window);
    auto* widget = control.isEmpty() ? &form : form.findChild<QWidget*>(control);
    QVERIFY(widget);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QCOMPARE(accessible->role(), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

// What an accepted Convert tells a screen reader. Under AT-SPI, last: the
// result in box order, or, where the focus moves into the key box, the place
// of its text cursor, after the focus. Under UI Automation: the result as a
// notification, or the one focus change into the key box.
void tst_accessibility::convert_tells_the_result_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("typed"); // the key box, or the hex boxes
    QTest::addColumn<QAccessible::Event>("event");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("notification");

    const QString heading = "Enter the following information into your KN40 configuration utility "
                            "under %1-bit Encryption Manual Entry: %2";
    const auto ascii_entry
        = [](const char* row, const char* window, const QString& key, const QString& result) {
              QTest::newRow(row) << window << QStringList{key} << QAccessible::ObjectShow
                                 << QAccessible::Notification << result << result;
          };
    ascii_entry("128-bit key, KN85", "KN85_Entry", "ascii test$$$",
        heading.arg(128).arg("61 73 63 69 69 20 74 65 73 74 24 24 24"));
    ascii_entry("64-bit key, KN45", "KN45_Entry", "abcde", heading.arg(64).arg("61 62 63 64 65"));
    ascii_entry("boxes on show from the start, KN75", "KN75_Entry", "SSID5",
        heading.arg(64).arg("53 53 49 44 35"));
    QTest::newRow("focus into the key box, KN40")
        << "KN40_Entry" << QStringList{"4b", "65", "79", "21", "7e"} << QAccessible::TextCaretMoved
        << QAccessible::EditableText << "ASCII key for the Client Manager" << QString();
}

void tst_accessibility::convert_tells_the_result()
{
    QFETCH(QString, window);
    QFETCH(QStringList, typed);
    QFETCH(QAccessible::Event, event);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, notification);

    QWidget& form = Window(window);
    for (int index = 0; index < typed.size(); ++index) {
        const QString box
            = typed.size() == 1 ? "Text_WEP" : QString("Text_128_Bit_Keys_%1").arg(index);
        form.findChild<QLineEdit*>(box)->setText(typed[index]);
    }
    application_->Show(form);
    QVERIFY(QTest::qWaitForWindowActive(&form));

    const auto told = Told_During([&] { Click(*form.findChild<QWidget*>("Convert_Button")); });
    QVERIFY(!told.isEmpty());
    const auto focus_changes = std::count_if(told.begin(), told.end(),
        [&](const Told& one) { return one.event == QAccessible::Focus && one.name == name; });
    if (Through_UI_Automation() && event == QAccessible::TextCaretMoved) {
        QCOMPARE(focus_changes, 1);
        return;
    }
    if (Through_UI_Automation()) {
        QCOMPARE(told.last().value, notification);
        return;
    }
    QCOMPARE(told.last().event, event);
    QCOMPARE(told.last().role, role);
    QCOMPARE(told.last().name, name);
    if (event == QAccessible::TextCaretMoved)
        QCOMPARE(focus_changes, 2); // the early report, then Qt's own
}

// A screen reader builds a box's line from its attribute runs; a run of no
// length would cut the line short.
void tst_accessibility::boxes_report_their_text_as_one_run()
{
    auto& box = *Window("KN85_Entry").findChild<QLineEdit*>("Text_WEP");
    box.setText("ascii test$$$");
    int start = -1;
    int end = -1;
    QAccessible::queryAccessibleInterface(&box)->textInterface()->attributes(12, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(0, 13));
}

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
