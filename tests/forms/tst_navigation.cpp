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

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

namespace {

const QStringList Main_Forms = {"Which_PC_Card", "Product_Selection_KNx0", "Product_Selection_KNx5",
    "KN40_Entry", "KN45_Entry", "KN75_Entry", "KN85_Entry", "KN95_Entry"};

QStringList Visible_Main_Forms()
{
    QStringList visible = Visible_Windows();
    visible.removeIf([](const QString& name) { return !Main_Forms.contains(name); });
    return visible;
}

QWidget& Window_Named(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name)
            return *window;
    }
    throw std::logic_error("No window " + name.toStdString());
}

QAbstractButton& Option(const QString& form, int index)
{
    return *Window_Named(form).findChild<QAbstractButton*>(QString("Option_Product_%1").arg(index));
}

// Visible options that are selected, with the index of the placeholder apart.
QList<int> Selected_Visible_Options(const QString& form)
{
    QList<int> selected;
    for (auto* option : Window_Named(form).findChildren<QAbstractButton*>()) {
        if (option->isChecked() && option->isVisibleTo(&Window_Named(form)))
            selected << option->objectName().section('_', -1).toInt();
    }
    return selected;
}

} // namespace

class tst_navigation : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void navigation_graph_data();
    void navigation_graph();
    void choosers_look_empty_after_restart();
    void about_box_closes_without_ending_data();
    void about_box_closes_without_ending();
    void modal_about_blocks_the_form();
    void modeless_about_stays_across_navigation();
    void exit_and_close_end_the_program_data();
    void exit_and_close_end_the_program();
    void failing_window_step_is_skipped_data();
    void failing_window_step_is_skipped();

private:
    void Perform(const QString& step);

    std::unique_ptr<Application> application_;
};

void tst_navigation::init()
{
    application_ = std::make_unique<Application>();
    application_->Start();
}

void tst_navigation::cleanup()
{
    application_.reset();
    QCOMPARE(Stray_Windows(), QStringList());
}

// A step is "Form option N" (a user's click), "Form select N" (selection by
// code) or "Form Restart" (a menu command).
void tst_navigation::Perform(const QString& step)
{
    const QStringList words = step.split(' ');
    if (words[1] == "option")
        Click(Option(words[0], words[2].toInt()));
    else if (words[1] == "select")
        application_->Select(Option(words[0], words[2].toInt()));
    else
        Click_Menu(Window_Named(words[0]), words[1]);
}

void tst_navigation::navigation_graph_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QStringList>("created");

    const QString which = "Which_PC_Card";
    const QString knx0 = "Product_Selection_KNx0";
    const QString knx5 = "Product_Selection_KNx5";
    QTest::newRow("program start") << QStringList() << which << QStringList{which};
    for (int option : {0, 1, 2})
        QTest::addRow("newer card %d", option)
            << QStringList{QString("Which_PC_Card option %1").arg(option)} << knx5
            << QStringList{which, knx5};
    for (int option : {3, 4})
        QTest::addRow("older card %d", option)
            << QStringList{QString("Which_PC_Card option %1").arg(option)} << knx0
            << QStringList{which, knx0};
    QTest::newRow("first chooser placeholder")
        << QStringList{"Which_PC_Card select 5"} << which << QStringList{which};

    const QStringList entries = {"KN45_Entry", "KN75_Entry", "KN85_Entry", "KN95_Entry"};
    for (int option = 0; option < 4; ++option)
        QTest::addRow("older card to %s", qPrintable(entries[option]))
            << QStringList{"Which_PC_Card option 3",
                   QString("Product_Selection_KNx0 option %1").arg(option)}
            << entries[option] << QStringList{which, knx0, entries[option]};
    QTest::newRow("older card chooser placeholder") << QStringList{"Which_PC_Card option 4",
        "Product_Selection_KNx0 select 4"} << knx0 << QStringList{which, knx0};
    QTest::newRow("newer card to KN40_Entry")
        << QStringList{"Which_PC_Card option 1", "Product_Selection_KNx5 option 0"} << "KN40_Entry"
        << QStringList{which, knx5, "KN40_Entry"};
    QTest::newRow("newer card chooser placeholder") << QStringList{"Which_PC_Card option 2",
        "Product_Selection_KNx5 select 4"} << knx5 << QStringList{which, knx5};

    QTest::newRow("restart from older card chooser") << QStringList{"Which_PC_Card option 3",
        "Product_Selection_KNx0 Restart"} << which << QStringList{which, knx0};
    QTest::newRow("restart from newer card chooser") << QStringList{"Which_PC_Card option 0",
        "Product_Selection_KNx5 Restart"} << which << QStringList{which, knx5};
    QTest::newRow("restart from KN40_Entry") << QStringList{"Which_PC_Card option 0",
        "Product_Selection_KNx5 option 0", "KN40_Entry Restart"}
                                             << which << QStringList{which, knx5, "KN40_Entry"};
    for (int option = 0; option < 4; ++option)
        QTest::addRow("restart from %s", qPrintable(entries[option])) << QStringList{
            "Which_PC_Card option 4", QString("Product_Selection_KNx0 option %1").arg(option),
            entries[option] + " Restart"} << which << QStringList{which, knx0, entries[option]};
    QTest::newRow("second walk creates nothing new")
        << QStringList{"Which_PC_Card option 3", "Product_Selection_KNx0 option 2",
               "KN85_Entry Restart", "Which_PC_Card option 4", "Product_Selection_KNx0 option 2"}
        << "KN85_Entry" << QStringList{which, knx0, "KN85_Entry"};
}

void tst_navigation::navigation_graph()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, visible);
    QFETCH(QStringList, created);

    for (const QString& step : steps)
        Perform(step);

    QCOMPARE(Visible_Main_Forms(), QStringList{visible});
    for (const QString& form : Main_Forms)
        QCOMPARE(Window_Count(form), created.contains(form) ? 1 : 0);
    QVERIFY(!application_->Ended());
}

void tst_navigation::choosers_look_empty_after_restart()
{
    QCOMPARE(Selected_Visible_Options("Which_PC_Card"), QList<int>());
    Perform("Which_PC_Card option 3");
    QCOMPARE(Selected_Visible_Options("Product_Selection_KNx0"), QList<int>());
    Perform("Product_Selection_KNx0 option 1");
    Perform("KN75_Entry Restart");
    QCOMPARE(Selected_Visible_Options("Which_PC_Card"), QList<int>());
    QVERIFY(Option("Which_PC_Card", Which_PC_Card::Placeholder).isChecked());

    // The very same choices navigate again.
    Perform("Which_PC_Card option 3");
    QCOMPARE(Visible_Main_Forms(), QStringList{"Product_Selection_KNx0"});
    QCOMPARE(Selected_Visible_Options("Product_Selection_KNx0"), QList<int>());
    Perform("Product_Selection_KNx0 option 1");
    QCOMPARE(Visible_Main_Forms(), QStringList{"KN75_Entry"});
}

void tst_navigation::about_box_closes_without_ending_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("OK button") << "OK";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("closing the window") << "close";
}

void tst_navigation::about_box_closes_without_ending()
{
    QFETCH(QString, answer);
    QSignalSpy ended(application_.get(), &Application::Program_Ended);
    QWidget& form = Window_Named("Which_PC_Card");

    for (int showing = 0; showing < 2; ++showing) {
        QString caption;
        QString version;
        QPointer<QWidget> box;
        const bool came_up = While_Modal([&] { Click_Menu(form, "About"); },
            [&](QWidget& about) {
                box = &about;
                caption = about.windowTitle();
                version = about.findChild<QLabel*>("lblVersion")->text();
                if (answer == "OK")
                    Click(*about.findChild<QPushButton*>("cmdOK"));
                else if (answer == "close")
                    about.windowHandle()->close();
                else
                    Press_Key(about, answer == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
            });
        QVERIFY(came_up);
        QCOMPARE(caption, QString("About " KEYWRIGHT_NAME));
        // The numbers as the project writes them, none filled out to a width.
        QCOMPARE(version, QString("Version " KEYWRIGHT_VERSION));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(!box, "closing unloads the box, so the next About loads it anew");
        QCOMPARE(Visible_Windows(), QStringList{"Which_PC_Card"});
    }
    QCOMPARE(ended.count(), 0);
}

void tst_navigation::modal_about_blocks_the_form()
{
    bool modal = false;
    QStringList visible_while_open;
    const bool came_up = While_Modal([&] { Click_Menu(Window_Named("Which_PC_Card"), "About"); },
        [&](QWidget& about) {
            modal = about.isModal();
            Click(Option("Which_PC_Card", 0));
            visible_while_open = Visible_Main_Forms();
            Answer_OK(about);
        });
    QVERIFY(came_up);
    QVERIFY(modal);
    QCOMPARE(visible_while_open, QStringList{"Which_PC_Card"});
    QCOMPARE(Window_Count("Product_Selection_KNx5"), 0);
}

void tst_navigation::modeless_about_stays_across_navigation()
{
    Perform("Which_PC_Card option 0");
    QWidget& chooser = Window_Named("Product_Selection_KNx5");
    Click_Menu(chooser, "About");
    QPointer<frmAbout> box = application_->About_Box();
    QVERIFY(box && box->isVisible() && !box->isModal());

    Click_Menu(chooser, "About");
    QCOMPARE(application_->About_Box(), box.data());
    QCOMPARE(Window_Count("frmAbout"), 1);

    Perform("Product_Selection_KNx5 option 0");
    QCOMPARE(Visible_Main_Forms(), QStringList{"KN40_Entry"});
    QVERIFY(box->isVisible());

    // Asked for modal from the next form, the one box comes up modal over it.
    QPointer<QWidget> seen;
    const bool came_up = While_Modal([&] { Click_Menu(Window_Named("KN40_Entry"), "About"); },
        [&](QWidget& about) {
            seen = &about;
            Click(*about.findChild<QPushButton*>("cmdOK"));
        });
    QVERIFY(came_up);
    QCOMPARE(seen.data(), static_cast<QWidget*>(box.data()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!box);
    QCOMPARE(Visible_Windows(), QStringList{"KN40_Entry"});
}

void tst_navigation::exit_and_close_end_the_program_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("how");

    QTest::newRow("Exit at start") << QStringList() << "Which_PC_Card"
                                   << "Exit";
    QTest::newRow("closing the first chooser") << QStringList() << "Which_PC_Card"
                                               << "close";
    QTest::newRow("Exit with hidden forms loaded")
        << QStringList{"Which_PC_Card option 3", "Product_Selection_KNx0 option 2"} << "KN85_Entry"
        << "Exit";
    QTest::newRow("closing an entry form")
        << QStringList{"Which_PC_Card option 3", "Product_Selection_KNx0 option 1"} << "KN75_Entry"
        << "close";
    QTest::newRow("Exit with the modeless About open")
        << QStringList{"Which_PC_Card option 1", "Product_Selection_KNx5 About"}
        << "Product_Selection_KNx5"
        << "Exit";
    QTest::newRow("closing a chooser with the modeless About open")
        << QStringList{"Which_PC_Card option 1", "Product_Selection_KNx5 About"}
        << "Product_Selection_KNx5"
        << "close";
}

void tst_navigation::exit_and_close_end_the_program()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, form);
    QFETCH(QString, how);

    for (const QString& step : steps)
        Perform(step);
    QSignalSpy ended(application_.get(), &Application::Program_Ended);
    if (how == "Exit")
        Click_Menu(Window_Named(form), "Exit");
    else
        Window_Named(form).windowHandle()->close();

    QCOMPARE(ended.count(), 1);
    QVERIFY(application_->Ended());
    QCOMPARE(Visible_Windows(), QStringList());
}

void tst_navigation::failing_window_step_is_skipped_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<QStringList>("visible");
    QTest::newRow("failing hide") << int(Window_Operation::Hide)
                                  << QStringList{"KN75_Entry", "Product_Selection_KNx0"};
    QTest::newRow("failing show") << int(Window_Operation::Show) << QStringList();
}

void tst_navigation::failing_window_step_is_skipped()
{
    QFETCH(int, operation);
    QFETCH(QStringList, visible);

    Perform("Which_PC_Card option 3");
    application_->Fail_Next(Window_Operation(operation));
    Perform("Product_Selection_KNx0 option 1");

    QCOMPARE(Visible_Main_Forms(), visible);
    QVERIFY(Option("Product_Selection_KNx0", Product_Selection_KNx0::Placeholder).isChecked());
    QVERIFY(!application_->Ended());
}

QTEST_MAIN(tst_navigation)
#include "tst_navigation.moc"
