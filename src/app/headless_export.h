#pragma once

#include "app/prompts.h"

#include <QString>
#include <QStringList>

struct CommandLineOptions;

// The start with -g and -e: the report of -t DESIGN and -d DATA (or the report of -r REPORT) is
// exported in the format the extension names, beside the data file (or the report file) under the
// design's base name. No window and no message box: written lists the files made, errors says
// why nothing (or not all) was written, warnings what a written file shows differently.
struct HeadlessOutcome {
    bool ok = false;
    QStringList written;
    QStringList warnings;
    QString error;
};

HeadlessOutcome RunHeadlessExport(const CommandLineOptions &options);

// The start-up's messages on the console: warnings on stderr, information (the help) on stdout;
// every question is answered Cancel and no file is chosen.
class ConsolePrompts : public Prompts
{
public:
    void warning(const QString &caption, const QString &text) override;
    void information(const QString &caption, const QString &text) override;
    Answer askYesNoCancel(const QString &caption, const QString &text) override;
    QString openFileName(const QString &title, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &filter, const QString &defaultSuffix,
                         const QString &proposal) override;
};
