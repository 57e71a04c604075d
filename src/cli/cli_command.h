#pragma once

#include <QStringList>

// Exit codes of tessaly-cli.
enum CliExit { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// One sub-command of tessaly-cli. Each command lives in its own cmd_*.cpp file and registers
// itself with TESSALY_CLI_COMMAND, so that adding a command touches no other file.
struct CliCommand {
    const char *name;
    const char *usage;
    int (*run)(const QStringList &args); // args after the command name
};

bool RegisterCliCommand(const CliCommand &command);
const CliCommand *FindCliCommand(const QString &name);
QStringList CliUsageLines();

#define TESSALY_CLI_COMMAND(name, usage, fn)                                                                 \
    static const bool registered_##fn = RegisterCliCommand(CliCommand{name, usage, fn})
