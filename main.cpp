#include "command_line.h"
#include "wizard.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    // Options ask for the terminal: no window and no display.
    if (argc > 1) {
        const QCoreApplication terminal(argc, argv);
        return Run_Command(Parse_Command_Line(QCoreApplication::arguments()));
    }
    return Run_Wizard(argc, argv);
}
