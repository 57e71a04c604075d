#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class VDoc;

// Small argument reader: options with values (-o OUT, --page 2) and flags, in any order.
class CliArgs
{
public:
    CliArgs(const QStringList &args, const QStringList &valueOptions, const QStringList &flagOptions);
    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QStringList positional() const { return m_positional; }
    std::optional<QString> value(const QString &option) const;
    bool flag(const QString &option) const { return m_flags.contains(option); }
    // The first thing wrong, naming the argument: what the reader refused, a missing or surplus
    // operand (operands names them: "DOC", "DATA"), a required option that is missing or empty.
    // Empty when the arguments are fine.
    QString problem(const QStringList &operands, const QStringList &required = {}) const;

private:
    QStringList m_positional;
    QStringList m_flags;
    QStringList m_valueNames;
    QStringList m_values;
    QString m_error;
};

// Prints to stderr (the program's own message) and to stdout.
void cliError(const QString &text);
void cliOut(const QString &text);
// Wrong usage: the problem (when given), then the command's usage, on stderr; returns 2.
int cliUsage(const char *usage, const QString &problem = QString());

// Loads a design or report file; prints the reader's message (and its warnings) under the
// file's name and returns false on failure.
bool cliLoadDocument(const QString &path, VDoc &doc);

// "Data structure error =>  DATA" and, on the next line, the data line and what is wrong.
void cliDataError(const QString &dataPath, const QString &reason);

// The --code-page option of commands that read or write data or text: 1251, 1252 or 1254
// (without it the locale's, as the program takes it). False after printing a message.
bool cliApplyCodePage(const CliArgs &args);
extern const char *const kCodePageOption; // "--code-page"

// False (after the message) when out is one of the inputs: no command destroys what it reads.
bool cliOutputIsNew(const QString &out, const QStringList &inputs);

// An option's whole number within low..high into value (left as it is without the option);
// false when the text is no such number.
bool cliParseInt(const std::optional<QString> &text, int low, int high, int *value);
// The most threads --jobs may ask for.
constexpr int kMaxJobs = 256;

struct FileResult;
// The exit code of a writer's result, after its message or warnings (which make it 1).
int cliFileResult(const FileResult &result);
