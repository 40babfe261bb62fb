#include "reporting_application.h"

#include "accessibility.h"
#include "version.h"

#include <QMessageBox>

#include <exception>

Reporting_Application::Reporting_Application(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool Reporting_Application::notify(QObject* receiver, QEvent* event)
{
    if (Is_Screen_Reader_Copy_Of_Alt(*event))
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
    QMessageBox::critical(
        nullptr, Program_Name, QStringLiteral("Unexpected error: %1").arg(QString::fromUtf8(what)));
    exit(Failure_Status);
}
