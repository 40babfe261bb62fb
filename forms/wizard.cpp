#include "wizard.h"

#include "application.h"
#include "desktop_preferences.h"
#include "reporting_application.h"
#include "version.h"

#include <QList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace {

constexpr int No_Windows_Status = 1;

struct Held_Message {
    QtMsgType Type;
    QString Text;
};

QList<Held_Message>& Held_Messages()
{
    static QList<Held_Message> messages;
    return messages;
}

// Qt tells a display plugin that is not there (missing, or a name that it
// does not know) from one that is there but cannot start, which for a display
// plugin is a display that cannot be opened. Other messages of Qt's own come
// either way, such as the hint of Qt 6.5 and later on a library of the X
// plugin, so only this one decides.
bool A_Display_Plugin_Is_Missing()
{
    return std::any_of(Held_Messages().begin(), Held_Messages().end(), [](const auto& held) {
        return held.Text.startsWith(u"Could not find the Qt platform plugin");
    });
}

// Qt ends with an abort when no display plugin can start, after messages of
// its own. Where no display could be opened, the user gets one line; where
// something else failed, Keywright's line comes first and Qt's reason after.
void Hold_Message(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        Held_Messages().append({type, message});
        return;
    }
    if (!A_Display_Plugin_Is_Missing()) {
        std::fprintf(stderr,
            "%s: no display can be opened for its windows; '%s --help' tells how to convert a "
            "key in the terminal.\n",
            Command_Name, Command_Name);
    } else {
        std::fprintf(stderr, "%s: its windows cannot start. Qt says:\n", Command_Name);
        for (const auto& held : std::as_const(Held_Messages()))
            std::fprintf(stderr, "%s\n", qPrintable(held.Text));
        std::fprintf(stderr, "%s", qPrintable(message));
    }
    std::_Exit(No_Windows_Status);
}

std::unique_ptr<Reporting_Application> Open_Display(int& argc, char** argv)
{
    const auto previous_handler = qInstallMessageHandler(Hold_Message);
    auto qt_application = std::make_unique<Reporting_Application>(argc, argv);
    qInstallMessageHandler(previous_handler);
    for (const auto& held : std::as_const(Held_Messages()))
        qt_message_output(held.Type, QMessageLogContext(), held.Text);
    Held_Messages().clear();
    return qt_application;
}

} // namespace

int Run_Wizard(int& argc, char** argv)
{
    const auto qt_application = Open_Display(argc, argv);
    const Desktop_Preferences preferences = Read_Desktop_Preferences();
    Apply_Text_Scale(preferences.Text_Scale);
    Application application(preferences.Contrast_Colours);
    QObject::connect(
        &application, &Application::Program_Ended, qt_application.get(), &QApplication::quit);
    application.Start();
    return qt_application->exec();
}
