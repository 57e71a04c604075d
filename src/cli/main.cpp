#include "cli/cli_command.h"
#include "cli/cli_util.h"
#include "files/source_date.h"

#include "model/code_page.h"
#include "report/batch_memory.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <map>
#include <unistd.h>

namespace
{
std::map<QString, CliCommand> &commands()
{
    static std::map<QString, CliCommand> table;
    return table;
}
} // namespace

bool RegisterCliCommand(const CliCommand &command)
{
    commands()[QString::fromLatin1(command.name)] = command;
    return true;
}

const CliCommand *FindCliCommand(const QString &name)
{
    auto it = commands().find(name);
    return it == commands().end() ? nullptr : &it->second;
}

QStringList CliUsageLines()
{
    // One line per command: the details under a usage belong to its own help.
    QStringList lines;
    for (const auto &[name, command] : commands())
        lines << QStringLiteral("  tessaly-cli ") +
                     QString::fromUtf8(command.usage).section(QLatin1Char('\n'), 0, 0);
    return lines;
}

namespace
{
QString overview()
{
    return QStringLiteral("usage:\n") + CliUsageLines().join(QLatin1Char('\n')) +
           QStringLiteral(
               "\n  tessaly-cli help COMMAND   (or tessaly-cli COMMAND --help) every option of a command");
}

bool asksForHelp(const QStringList &args)
{
    return args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"));
}

// Help is a result the user asked for: stdout, exit 0.
int printHelp(const CliCommand &command)
{
    cliOut(QStringLiteral("usage: tessaly-cli ") + QString::fromUtf8(command.usage));
    return kExitOk;
}

int unknownCommand(const QString &name)
{
    cliError(QStringLiteral("unknown command: ") + name);
    cliError(overview());
    return kExitUsage;
}
} // namespace

int main(int argc, char **argv)
{
    SetUpReproducibleOutput();
    KeepFreedMemoryForReuse();
    // Headless: drawing and PDF writing work without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt wants a private runtime folder and complains on every run without one.
        const QByteArray dir =
            QDir::tempPath().toLocal8Bit() + "/runtime-tessaly-" + QByteArray::number(getuid());
        QDir().mkpath(QString::fromLocal8Bit(dir));
        QFile::setPermissions(QString::fromLocal8Bit(dir),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    QGuiApplication app(argc, argv);
    // Data and text in the interface code page of the user's language, as the program does.
    SetInterfaceCodePage(CodePageForLocale(QLocale::system()));
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        cliError(QStringLiteral("missing COMMAND"));
        cliError(overview());
        return kExitUsage;
    }
    const QString &first = args.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") ||
        (first == QLatin1String("help") && args.size() == 1)) {
        cliOut(overview());
        return kExitOk;
    }
    if (first == QLatin1String("help")) {
        if (args.size() > 2) {
            cliError(QStringLiteral("unexpected argument: ") + args[2]);
            cliError(QStringLiteral("usage: tessaly-cli help [COMMAND]"));
            return kExitUsage;
        }
        const CliCommand *command = FindCliCommand(args[1]);
        return command ? printHelp(*command) : unknownCommand(args[1]);
    }
    const CliCommand *command = FindCliCommand(first);
    if (!command) return unknownCommand(first);
    if (asksForHelp(args.mid(1))) return printHelp(*command);
    return command->run(args.mid(1));
}
