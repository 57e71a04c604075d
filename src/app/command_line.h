#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class Prompts;

// What the accounting system (or a person) asked for on the command line.
struct CommandLineOptions {
    QString designFile;
    QString dataFile;
    QString reportFile;
    QString printerName;
    bool deleteDataOnExit = false;
    bool checkPrintable = false;
    bool blackWhite = false;
    int mailId = 0;
    bool noWindow = false;   // -g
    QString exportExtension; // -e: with -g, the report is exported in this format and no window opens
};

CommandLineOptions &commandLineOptions();

// Joins argv (without the program) into one command line; arguments holding blanks are re-quoted
// so that the option reader sees them as the shell did.
QString JoinArguments(const QStringList &arguments);

// The value after option in commandLine: the next word, or the quoted text. Options are whole
// words outside quotes. False when the option is missing, has no value, or its quoted value has
// no closing quote.
bool ParseOptionValue(const QString &option, const QString &commandLine, QString &value);

// The command-line help, one text per line, in the current language.
QStringList CommandLineHelpLines();

// Fills options from the program's arguments (argv without the program). The file manager starts
// us with one bare path: alone, with no option, a design (.edt/.ebt), data (.edd/.ebd) or report
// (.edr/.ebr) path opens as with -t, -d or -r, and nothing in the path is read as an option.
// Everything else goes through ParseCommandLine, which ignores bare names. Returns as it does.
bool ParseArguments(const QStringList &arguments, const QString &currentFolder, CommandLineOptions &options,
                    Prompts &prompts);

// Fills options from commandLine; every option is a whole word of its own (outside quotes), so a
// path holding "-dd" or "-bw" sets nothing. Returns true when the program must end at once (help shown, or
// a named file missing; the box has been shown through prompts). A -mail value that is not a number
// throws std::invalid_argument.
bool ParseCommandLine(const QString &commandLine, const QString &currentFolder, CommandLineOptions &options,
                      Prompts &prompts);

// Whether the arguments ask for the report to be exported without a window: -g and -e together.
bool AsksHeadlessExport(const QStringList &arguments);

// The start-up's reading of arguments: the exit code to end with at once (255, that is -1, after
// help or a missing file; 1 after a bad option value, whose message has been shown), or nothing
// when the program goes on.
std::optional<int> StartupExitCode(const QStringList &arguments, const QString &currentFolder,
                                   CommandLineOptions &options, Prompts &prompts);
