#include "command_line.h"
#include "wizard.h"

#include <QCoreApplication>

namespace {

// The command for the terminal, or none for the windows. The arguments come
// through a core application of their own, as the system passed them.
std::optional<Command> Terminal_Command(int& argc, char** argv)
{
    if (argc < 2)
        return std::nullopt;
    const QCoreApplication reader(argc, argv);
    return Parse_Command_Line(QCoreApplication::arguments());
}

} // namespace

int main(int argc, char* argv[])
{
    if (const auto command = Terminal_Command(argc, argv))
        return Run_Command(*command);
    return Run_Wizard(argc, argv);
}
