#include "application.h"
#include "reporting_application.h"

int main(int argc, char* argv[])
{
    Reporting_Application qt_application(argc, argv);
    Application application;
    QObject::connect(
        &application, &Application::Program_Ended, &qt_application, &QApplication::quit);
    application.Start();
    return qt_application.exec();
}
