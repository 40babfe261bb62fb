#include "reporting_application.h"

#include "application.h"

#include <QKeyEvent>
#include <QMessageBox>

#include <exception>

Reporting_Application::Reporting_Application(int& argc, char** argv) : QApplication(argc, argv)
{
}

namespace {

// Qt's AT-SPI bridge holds every key event until the screen reader has seen
// it, then posts a copy. The copy of Alt counts as a second press: it opens
// the menu bar's keyboard mode and its release closes it again at once. The
// real press has done its work by then.
bool Is_Copy_Of_Alt(const QEvent& event)
{
    if (event.spontaneous()
        || (event.type() != QEvent::KeyPress && event.type() != QEvent::KeyRelease))
        return false;
    return static_cast<const QKeyEvent&>(event).key() == Qt::Key_Alt;
}

} // namespace

bool Reporting_Application::notify(QObject* receiver, QEvent* event)
{
    if (Is_Copy_Of_Alt(*event))
        return true;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        Report_Unhandled_Error(failure.what());
    } catch (...) {
        Report_Unhandled_Error("Unknown error");
    }
    return false;
}

void Reporting_Application::Report_Unhandled_Error(const char* what)
{
    QMessageBox::critical(nullptr, Application::Title,
        QStringLiteral("Unexpected error: %1").arg(QString::fromUtf8(what)));
    exit(Failure_Status);
}
