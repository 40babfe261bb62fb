// The yardstick for Keywright's start-up: a bare Qt 6 window with a menu bar,
// built and started the same way.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare Window");
    window.menuBar()->addAction("Exit", &application, &QApplication::quit);
    window.resize(300, 183);
    window.show();
    return application.exec();
}
