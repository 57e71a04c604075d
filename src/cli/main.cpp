#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "model/code_page.h"

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
    QStringList lines;
    for (const auto &[name, command] : commands())
        lines << QStringLiteral("  tessaly-cli %1").arg(QLatin1String(command.usage));
    return lines;
}

int main(int argc, char **argv)
{
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
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        cliError(QStringLiteral("usage:\n") + CliUsageLines().join(QLatin1Char('\n')));
        return args.isEmpty() ? kExitUsage : kExitOk;
    }
    const CliCommand *command = FindCliCommand(args.first());
    if (!command) {
        cliError(QStringLiteral("unknown command: %1").arg(args.first()));
        return kExitUsage;
    }
    return command->run(args.mid(1));
}
