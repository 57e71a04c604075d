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
int cliUsage(const char *usage);

// Loads a design or report file; prints the reader's message and returns false on failure.
bool cliLoadDocument(const QString &path, VDoc &doc);

// Loads DOC, or with a data file generates the report of design DOC and that data into doc;
// prints the reader's message or the data structure error and returns false on failure.
bool cliLoadReport(const QString &docPath, const std::optional<QString> &dataPath, VDoc &doc);
