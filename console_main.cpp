#include "command_line.h"

#include <QCoreApplication>
#include <QProcess>

#include <windows.h>

namespace {

// The windows' program may write to the caller's console or file; never to
// a pipe of the caller's, which a script that captures the output reads
// until every writer has closed it: until the last window closes. Such a
// pipe stays here, and the windows' program gets nothing in its place.
void Keep_Pipes_From(QProcess& windows)
{
    const auto kept = [](DWORD standard_handle) {
        const HANDLE handle = GetStdHandle(standard_handle);
        return GetFileType(handle) == FILE_TYPE_PIPE
            && SetHandleInformation(handle, HANDLE_FLAG_INHERIT, 0);
    };
    if (kept(STD_INPUT_HANDLE))
        windows.setStandardInputFile(QProcess::nullDevice());
    if (kept(STD_OUTPUT_HANDLE))
        windows.setStandardOutputFile(QProcess::nullDevice());
    if (kept(STD_ERROR_HANDLE))
        windows.setStandardErrorFile(QProcess::nullDevice());
}

} // namespace

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
    Keep_Pipes_From(windows);
    if (!windows.startDetached())
        return Report_Not_Started(KEYWRIGHT_WINDOWS_PROGRAM, windows.errorString());
    return 0;
}
