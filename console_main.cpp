#include "command_line.h"

#include <QCoreApplication>
#include <QProcess>

// Keywright.com, the console command of the Windows build. The console waits
// for it and takes its exit status; it answers the terminal's options itself
// and hands the windows, with Qt's own options, to the windows' program
// beside it, without waiting for them.
int main(int argc, char* argv[])
{
    const QCoreApplication console(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (const auto command = Parse_Command_Line(arguments))
        return Run_Command(*command);

    arguments.removeFirst();
    QProcess windows;
    windows.setProgram(QCoreApplication::applicationDirPath() + u'/' + KEYWRIGHT_WINDOWS_PROGRAM);
    windows.setArguments(arguments);
    if (!windows.startDetached())
        return Report_Not_Started(KEYWRIGHT_WINDOWS_PROGRAM, windows.errorString());
    return 0;
}
