#include "command_line.h"

#include "overloaded.h"
#include "standard_input.h"
#include "version.h"

#include <QCommandLineParser>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

QString Description()
{
    return QStringLiteral(
        "Carries a WEP key between the two forms of the Tarvex 11 Mbps products.\n"
        "Without options it opens its windows.\n\n"
        "In the terminal, the key is the argument after the option; without it,\n"
        "one line of standard input. Prefer standard input: a key on the command\n"
        "line can be seen in the process list and in the shell history.\n\n"
        "Exit status: 0 converted, 1 key refused (the message goes to standard\n"
        "error) or the answer could not be written, 2 usage error.");
}

// Qt's own options of every program with windows, which the windows take.
QList<QCommandLineOption> Window_Options()
{
    QList<QCommandLineOption> options;
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style", "stylesheet",
             "display", "geometry", "title", "icon", "qmljsdebugger"})
        options << QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value"));
    for (const char* name : {"reverse", "widgetcount", "testability", "nograb", "dograb"})
        options << QCommandLineOption(QString::fromLatin1(name));
    for (auto& option : options)
        option.setFlags(QCommandLineOption::HiddenFromHelp);
    return options;
}

Command Conversion(const QCommandLineParser& parser, Key_Direction direction)
{
    const auto given = parser.positionalArguments();
    if (given.isEmpty())
        return Convert_Key{direction, std::nullopt};
    if (direction == Key_Direction::To_Hex && given.size() > 1)
        return Usage_Error{
            QStringLiteral("Give the ASCII key as one argument, in quotes when it holds spaces.")};
    // Hex pairs may come as separate arguments: the spaces between them are separators.
    return Convert_Key{direction, given.join(u' ')};
}

// Whether the whole text and its line end reached the stream.
bool Print(std::FILE* stream, const QString& text)
{
    const QByteArray line = text.toLocal8Bit() + '\n';
    const auto size = static_cast<std::size_t>(line.size());
    return std::fwrite(line.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
}

// Prints the text and returns the status, or says on standard error why the
// text could not be written.
int Printed(std::FILE* stream, const QString& text, int status)
{
    if (Print(stream, text))
        return status;
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    Print(stderr,
        QStringLiteral("%1: %2 could not be written: %3")
            .arg(QLatin1String(Command_Name),
                stream == stdout ? "standard output" : "standard error", reason));
    return Failure_Status;
}

int Convert(const Convert_Key& request)
{
    const Read_Key read = request.Key ? *request.Key : Key_From_Standard_Input(request.Direction);
    if (const auto* unreadable = std::get_if<Unreadable_Key>(&read))
        return Printed(stderr,
            QStringLiteral("%1: %2").arg(QLatin1String(Command_Name), unreadable->Problem),
            Failure_Status);
    const QString& key = std::get<QString>(read);
    if (Holds_No_Key(request.Direction, key.toStdU16String()))
        return Run_Command(Usage_Error{QStringLiteral("The key is empty.")});
    return std::visit(
        Overloaded{[](const Converted_Key& converted) {
                       return Printed(stdout, QString::fromStdU16String(converted.Text), 0);
                   },
            [](const Refused_Key& refused) {
                return Printed(stderr, QString::fromStdU16String(refused.Message), Failure_Status);
            }},
        Convert_Key_Text(request.Direction, key.toStdU16String()));
}

} // namespace

std::optional<Command> Parse_Command_Line(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Description());
    // As Qt reads its own options: -platform is one option, not six letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): Qt's own options of the windows mean nothing here.
    const QCommandLineOption help({"h", "help"}, QStringLiteral("Shows this help."));
    const QCommandLineOption version({"v", "version"}, QStringLiteral("Shows the version."));
    const QCommandLineOption to_hex(
        "to-hex", QStringLiteral("Converts an ASCII key of 5 or 13 characters to hex."));
    const QCommandLineOption to_ascii("to-ascii",
        QStringLiteral("Converts a hex key to ASCII: pairs separated by spaces or "
                       "colons, or one run of 10 or 26 digits."));
    parser.addOptions({help, version, to_hex, to_ascii});
    parser.addOptions(Window_Options());
    parser.addPositionalArgument(
        QStringLiteral("key"), QStringLiteral("The key to convert."), QStringLiteral("[key]"));

    if (!parser.parse(arguments))
        return Usage_Error{parser.errorText()};
    if (parser.isSet(help))
        return Print_Text{parser.helpText().trimmed()};
    if (parser.isSet(version))
        return Print_Text{
            QStringLiteral("%1 %2").arg(QLatin1String(Program_Name), QLatin1String(Version_Text))};
    if (parser.isSet(to_hex) && parser.isSet(to_ascii))
        return Usage_Error{QStringLiteral("Choose one of --to-hex and --to-ascii.")};
    if (parser.isSet(to_hex))
        return Conversion(parser, Key_Direction::To_Hex);
    if (parser.isSet(to_ascii))
        return Conversion(parser, Key_Direction::To_Ascii);
    if (!parser.positionalArguments().isEmpty())
        return Usage_Error{QStringLiteral("A key needs --to-hex or --to-ascii.")};
    return std::nullopt;
}

int Run_Command(const Command& command)
{
    return std::visit(
        Overloaded{[](const Print_Text& print) { return Printed(stdout, print.Text, 0); },
            [](const Usage_Error& error) {
                return Printed(stderr,
                    QStringLiteral("%1: %2\nTry '%1 --help' for more information.")
                        .arg(QLatin1String(Command_Name), error.Problem),
                    Usage_Error_Status);
            },
            [](const Convert_Key& request) { return Convert(request); }},
        command);
}

int Report_Not_Started(const QString& program, const QString& reason)
{
    return Printed(stderr,
        QStringLiteral("%1: %2 could not be started: %3")
            .arg(QLatin1String(Command_Name), program, reason),
        Failure_Status);
}
