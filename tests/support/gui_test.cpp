#include "gui_test.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

QWindow& Window_Of(QWidget& control)
{
    QWidget* window = control.window();
    Q_ASSERT(window->windowHandle());
    return *window->windowHandle();
}

// Where a user aims: an option reacts on its circle and caption only, which
// can be far shorter than the button.
QPoint Target_In_Window(QWidget& control)
{
    auto* option = qobject_cast<QRadioButton*>(&control);
    const QRect target
        = option ? Option_Part(*option, QStyle::SE_RadioButtonClickRect) : control.rect();
    return control.mapTo(control.window(), target.center());
}

} // namespace

QRect Option_Part(QRadioButton& option, QStyle::SubElement part)
{
    QStyleOptionButton style_option;
    style_option.initFrom(&option);
    style_option.text = option.text();
    return option.style()->subElementRect(part, &style_option, &option);
}

void Click(QWidget& control)
{
    QTest::mouseClick(&Window_Of(control), Qt::LeftButton, {}, Target_In_Window(control));
}

void Click_Menu(QWidget& window, const QString& command)
{
    auto* menu_bar = static_cast<QMainWindow&>(window).menuBar();
    for (QAction* action : menu_bar->actions()) {
        if (action->text() == command) {
            const QPoint in_bar = menu_bar->actionGeometry(action).center();
            QTest::mouseClick(
                &Window_Of(window), Qt::LeftButton, {}, menu_bar->mapTo(&window, in_bar));
            return;
        }
    }
    QFAIL(qPrintable("No menu command " + command));
}

void Type_Into(QWidget& control, const QString& text)
{
    control.setFocus();
    for (const QChar character : text) {
        const auto key = character.isLetterOrNumber() && character.unicode() < 0x80
            ? Qt::Key(character.toUpper().unicode())
            : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, &Window_Of(control), key, QString(character), {});
    }
}

void Press_Key(QWidget& control, int key)
{
    QTest::keyClick(&Window_Of(control), Qt::Key(key));
}

bool While_Modal(const std::function<void()>& action, const std::function<void(QWidget&)>& answer,
    int time_limit_ms)
{
    bool answered = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll.stop();
            answered = true;
            answer(*modal);
            // Windows' event dispatcher can miss the wake-up of a modal loop
            // that synthesized input ended, and then sleeps until the next
            // message (30 s under Wine); real input comes with a message.
            QAbstractEventDispatcher::instance()->wakeUp();
        } else if (clock.elapsed() > time_limit_ms) {
            poll.stop();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
                    dialog->reject();
            }
        }
    });
    poll.start();
    action();
    poll.stop();
    return answered;
}

bool Has_Clipboard()
{
    QGuiApplication::clipboard()->setText("clipboard probe");
    return QGuiApplication::clipboard()->text() == "clipboard probe";
}

void Answer_OK(QWidget& modal_window)
{
    auto* message_box = qobject_cast<QMessageBox*>(&modal_window);
    Click(message_box ? *message_box->button(QMessageBox::Ok)
                      : *modal_window.findChild<QPushButton*>("cmdOK"));
}

QString Message_Text(QWidget& message_box)
{
    auto& box = static_cast<QMessageBox&>(message_box);
    return box.windowTitle() + ": " + box.text();
}

QString Message_Look_Faults(QWidget& message_box)
{
    auto& box = static_cast<QMessageBox&>(message_box);
    QStringList faults;
    if (!box.button(QMessageBox::Ok)->icon().isNull())
        faults << "the OK button has an icon";
    const QRect text = box.findChild<QLabel*>("qt_msgbox_label")->geometry();
    const int left = text.left();
    const int right = box.width() - 1 - text.right();
    if (qAbs(left - right) > 2)
        faults << QString("the text stands %1 px from the left, %2 px from the right")
                      .arg(left)
                      .arg(right);
    return faults.join("; ");
}

QStringList Visible_Windows()
{
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            names << window->objectName();
    }
    names.sort();
    return names;
}

int Window_Count(const QString& name)
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == name;
    return count;
}

QStringList Stray_Windows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets())
        names << window->objectName();
    return names;
}
