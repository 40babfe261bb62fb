#include "KN40_Entry.h"
#include "KN45_Entry.h"
#include "KN75_Entry.h"
#include "KN85_Entry.h"
#include "KN95_Entry.h"
#include "Product_Selection_KNx0.h"
#include "Product_Selection_KNx5.h"
#include "Which_PC_Card.h"
#include "application.h"
#include "frmAbout.h"
#include "gui_test.h"
#include "picture_box.h"

#include <QAccessible>
#include <QTest>

namespace {

QString Accessible_Text(QWidget& widget, QAccessible::Text kind)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    return accessible ? accessible->text(kind) : QString();
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

private:
    QList<QWidget*> All_Windows();

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

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
