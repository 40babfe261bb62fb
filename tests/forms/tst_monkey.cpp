#include "application.h"
#include "frmAbout.h"
#include "gui_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTest>
#include <QWindow>

namespace {

const QStringList Main_Forms = {"Which_PC_Card", "Product_Selection_KNx0", "Product_Selection_KNx5",
    "KN40_Entry", "KN45_Entry", "KN75_Entry", "KN85_Entry", "KN95_Entry"};

QMainWindow* Visible_Main_Form()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && Main_Forms.contains(window->objectName()))
            return static_cast<QMainWindow*>(window);
    }
    return nullptr;
}

// What has gone wrong with the windows after an action, if anything.
QString Broken_Invariant(const Application& application)
{
    QStringList visible = Visible_Windows();
    if (application.Ended())
        return visible.isEmpty() ? QString() : "windows left after the end: " + visible.join(',');
    const qsizetype main_forms = std::count_if(visible.begin(), visible.end(),
        [](const QString& name) { return Main_Forms.contains(name); });
    if (main_forms != 1)
        return QString("%1 main forms visible: %2").arg(main_forms).arg(visible.join(','));
    visible.removeIf(
        [](const QString& name) { return Main_Forms.contains(name) || name == "frmAbout"; });
    if (!visible.isEmpty())
        return "unexpected windows: " + visible.join(',');
    for (const QString& form : Main_Forms + QStringList{"frmAbout"}) {
        if (Window_Count(form) > 1)
            return form + " exists twice";
    }
    return {};
}

} // namespace

// Thousands of random user actions across all windows; after each one the
// wizard must still be whole.
class tst_monkey : public QObject {
    Q_OBJECT

private slots:
    void random_user_actions();

private:
    QString Act(QMainWindow& form);
    void Answer(QWidget& modal);
    QString Random_Text();

    QRandomGenerator random_;
};

QString tst_monkey::Random_Text()
{
    static const QStringList pieces = {"a", "Z", "0", "7", "e", "F", "4a", "7E", "20", " ", "~",
        "$", "é", "€", "ą", QString::fromUtf8("钥"), QString::fromUtf8("😀"), "ÿ", "\t",
        "ascii test$$$", "1F", "zz"};
    QString text;
    const int count = int(random_.bounded(8));
    for (int i = 0; i < count; ++i)
        text += pieces[random_.bounded(pieces.size())];
    return text;
}

void tst_monkey::Answer(QWidget& modal)
{
    switch (random_.bounded(4)) {
    case 0:
        Answer_OK(modal);
        break;
    case 1:
        Press_Key(modal, Qt::Key_Return);
        break;
    case 2:
        Press_Key(modal, Qt::Key_Escape);
        break;
    default:
        modal.windowHandle()->close();
    }
}

// Does one thing a user could do on the form, and says what it was.
QString tst_monkey::Act(QMainWindow& form)
{
    const auto options
        = form.findChildren<QAbstractButton*>(QRegularExpression("^Option_Product_"));
    const auto boxes = form.findChildren<QLineEdit*>();
    QList<QLineEdit*> visible_boxes;
    std::copy_if(boxes.begin(), boxes.end(), std::back_inserter(visible_boxes),
        [](QLineEdit* box) { return box->isVisible(); });

    const int choice = int(random_.bounded(100));
    if (choice < 25 && !options.isEmpty()) {
        QAbstractButton* option = options[random_.bounded(options.size())];
        if (option->isVisible()) {
            Click(*option);
            return "click " + option->objectName();
        }
    }
    if (choice < 45 && !visible_boxes.isEmpty()) {
        QLineEdit* box = visible_boxes[random_.bounded(visible_boxes.size())];
        const QString text = Random_Text();
        if (random_.bounded(2)) {
            Type_Into(*box, text);
            return "type \"" + text + "\" into " + box->objectName();
        }
        QGuiApplication::clipboard()->setText(text + text + text);
        box->setFocus();
        QTest::keyClick(form.windowHandle(), Qt::Key_V, Qt::ControlModifier);
        return "paste \"" + text + text + text + "\" into " + box->objectName();
    }
    if (choice < 70) {
        if (auto* convert = form.findChild<QWidget*>("Convert_Button")) {
            Click(*convert);
            return "Convert on " + form.objectName();
        }
    }
    if (choice < 80) {
        Press_Key(form, random_.bounded(2) ? Qt::Key_Tab : Qt::Key_Return);
        return "Tab or Enter on " + form.objectName();
    }
    if (choice < 99) {
        const QStringList commands = {"Restart", "About", "About", "Restart"};
        QString command = commands[random_.bounded(commands.size())];
        if (form.objectName() == "Which_PC_Card")
            command = "About";
        Click_Menu(form, command);
        return command + " on " + form.objectName();
    }
    if (random_.bounded(2)) {
        Click_Menu(form, "Exit");
        return "Exit on " + form.objectName();
    }
    form.windowHandle()->close();
    return "close " + form.objectName();
}

void tst_monkey::random_user_actions()
{
    const quint32 seed = qEnvironmentVariableIsSet("KEYWRIGHT_MONKEY_SEED")
        ? quint32(qEnvironmentVariableIntValue("KEYWRIGHT_MONKEY_SEED"))
        : 20261207u;
    const int actions = qEnvironmentVariableIsSet("KEYWRIGHT_MONKEY_ACTIONS")
        ? qEnvironmentVariableIntValue("KEYWRIGHT_MONKEY_ACTIONS")
        : 10000;
    random_.seed(seed);
    qInfo("monkey seed %u, %d actions", seed, actions);

    auto application = std::make_unique<Application>();
    application->Start();
    int runs = 1;
    for (int action = 0; action < actions; ++action) {
        if (application->Ended()) {
            application.reset();
            const QStringList strays = Stray_Windows();
            const QString where = QString("seed %1, run %2: stray windows %3").arg(seed).arg(runs);
            if (!strays.isEmpty())
                QFAIL(qPrintable(where.arg(strays.join(','))));
            application = std::make_unique<Application>();
            application->Start();
            ++runs;
        }
        QMainWindow* form = Visible_Main_Form();
        QString done = "(no form)";
        if (form) {
            While_Modal([&] { done = Act(*form); },
                [&](QWidget& modal) {
                    done += " / answered " + modal.objectName()
                        + (qobject_cast<QMessageBox*>(&modal) ? " message" : "");
                    Answer(modal);
                });
            // A modeless About box is closed now and then too.
            if (auto* about = application->About_Box();
                about && about->isVisible() && random_.bounded(4) == 0) {
                Answer(*about);
                done += " / closed the About box";
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QString broken = Broken_Invariant(*application);
        if (!broken.isEmpty())
            QFAIL(qPrintable(
                QString("seed %1, action %2 (%3): %4").arg(seed).arg(action).arg(done, broken)));
    }
    qInfo("%d actions over %d runs of the program", actions, runs);
}

QTEST_MAIN(tst_monkey)
#include "tst_monkey.moc"
