#include "wizard.h"

#include "application.h"
#include "reporting_application.h"

#include <QList>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace {

constexpr int No_Display_Status = 1;

QList<std::pair<QtMsgType, QString>>& Held_Messages()
{
    static QList<std::pair<QtMsgType, QString>> messages;
    return messages;
}

// Qt ends with an abort when no display plugin can start, after warnings of
// its own; the user gets one line instead.
void Hold_Message(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs("Keywright: no display can be opened for its windows; "
                   "'Keywright --help' tells how to convert a key in the terminal.\n",
            stderr);
        std::_Exit(No_Display_Status);
    }
    Held_Messages().append({type, message});
}

std::unique_ptr<Reporting_Application> Open_Display(int& argc, char** argv)
{
    const auto previous_handler = qInstallMessageHandler(Hold_Message);
    auto qt_application = std::make_unique<Reporting_Application>(argc, argv);
    qInstallMessageHandler(previous_handler);
    for (const auto& [type, message] : std::as_const(Held_Messages()))
        qt_message_output(type, QMessageLogContext(), message);
    Held_Messages().clear();
    return qt_application;
}

} // namespace

int Run_Wizard(int& argc, char** argv)
{
    const auto qt_application = Open_Display(argc, argv);
    Application application;
    QObject::connect(
        &application, &Application::Program_Ended, qt_application.get(), &QApplication::quit);
    application.Start();
    return qt_application->exec();
}
