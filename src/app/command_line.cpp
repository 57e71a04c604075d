#include "app/command_line.h"

#include "app/app_texts.h"
#include "app/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

CommandLineOptions &commandLineOptions()
{
    static CommandLineOptions options;
    return options;
}

QString JoinArguments(const QStringList &arguments)
{
    QStringList parts;
    for (const QString &a : arguments)
        parts << (a.contains(QLatin1Char(' ')) ? QLatin1Char('"') + a + QLatin1Char('"') : a);
    return parts.join(QLatin1Char(' '));
}

namespace
{
// One word of the command line: a quoted text (blanks and all) or the text up to the next blank.
struct Word {
    QString text;
    bool quoted = false;
    bool closed = true; // a quoted word found its closing quote
};

QList<Word> splitWords(const QString &line)
{
    QList<Word> words;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        if (line[i] == QLatin1Char(' ')) {
            ++i;
            continue;
        }
        Word w;
        if (line[i] == QLatin1Char('"')) {
            w.quoted = true;
            const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
            w.closed = close >= 0;
            w.text = line.mid(i + 1, (w.closed ? close : n) - i - 1);
            i = w.closed ? close + 1 : n;
        } else {
            qsizetype end = line.indexOf(QLatin1Char(' '), i);
            if (end < 0) end = n;
            w.text = line.mid(i, end - i);
            i = end;
        }
        words << w;
    }
    return words;
}

// Options are whole unquoted words: "-dd" inside a path or a quoted name is no option.
qsizetype findWord(const QList<Word> &words, const QString &option, qsizetype from = 0)
{
    for (qsizetype i = from; i < words.size(); ++i) {
        if (words[i].quoted) continue;
        if (words[i].text == option) return i;
    }
    return -1;
}

bool hasWord(const QList<Word> &words, const char *lower, const char *upper)
{
    return findWord(words, QLatin1String(lower)) >= 0 || findWord(words, QLatin1String(upper)) >= 0;
}

bool wordValue(const QList<Word> &words, const QString &option, QString &value, qsizetype from = 0)
{
    const qsizetype at = findWord(words, option.trimmed(), from);
    if (at < 0 || at + 1 >= words.size()) return false;
    const Word &w = words[at + 1];
    if (!w.closed) return false;
    value = w.text;
    return true;
}
} // namespace

bool ParseOptionValue(const QString &option, const QString &commandLine, QString &value)
{
    return wordValue(splitWords(commandLine), option, value);
}

QStringList CommandLineHelpLines()
{
    return {
        T("ZEL  Tessaly -  report edit and print utility. Version 1.4\n"),
        T("Starts with a design, a data or a report file; with design and data it opens the generated "
          "report.\n"),
        T("    <commands>\n"),
        T("        -g (-G)  - don't show graphisc interface\n"),
        T("        -p (-P)  <name>      - name of printer\n"),
        T("        -t (-T)  <file name> - desidn file name\n"),
        T("        -d (-D)  <file name> - data file name\n"),
        T("        -r (-R)  <file name> - report file name\n"),
        T("        -dd(-DD) - delete data file after print report\n"),
        T("        -pf(-PF) - cheking flag of printable for elements\n"),
        T("        -bw(-BW) - print elements in black/white mode\n"),
        T("        (?)-rs - save report into file after print\n"),
        T("        -e (-E)  <file extension> - File Export (rtf,doc,pdf,bmp,jpeg,gif,ico)\n"),
        T("        /?, /h, -h - help"),
    };
}

namespace
{
bool optionValue(const char *lower, const char *upper, const QList<Word> &words, QString &value,
                 qsizetype from = 0)
{
    return wordValue(words, QLatin1String(lower), value, from) ||
           wordValue(words, QLatin1String(upper), value, from);
}
} // namespace

bool ParseArguments(const QStringList &arguments, const QString &currentFolder, CommandLineOptions &options,
                    Prompts &prompts)
{
    if (arguments.size() == 1) {
        const QString &path = arguments.front();
        const bool option = path.startsWith(QLatin1Char('-')) || path == QLatin1String("/?") ||
                            path.compare(QLatin1String("/h"), Qt::CaseInsensitive) == 0;
        const QString suffix = QFileInfo(path).suffix().toLower();
        QString *target = nullptr;
        const char *caption = nullptr;
        if (suffix == QLatin1String("edt") || suffix == QLatin1String("ebt")) {
            target = &options.designFile;
            caption = "Design Editor";
        } else if (suffix == QLatin1String("edd") || suffix == QLatin1String("ebd")) {
            target = &options.dataFile;
            caption = "Data Editor";
        } else if (suffix == QLatin1String("edr") || suffix == QLatin1String("ebr")) {
            target = &options.reportFile;
            caption = "Report Viewer";
        }
        if (!option && target) {
            // Taken whole: a file named "old-dd.edd" must not ask for its own deletion.
            const QString full = QDir(currentFolder).absoluteFilePath(path);
            if (!QFileInfo::exists(full)) {
                prompts.warning(T(caption), full + QLatin1Char('\n') + T("- file not exists."));
                return true;
            }
            *target = full;
            return false;
        }
    }
    if (arguments.isEmpty()) return false;
    return ParseCommandLine(JoinArguments(arguments), currentFolder, options, prompts);
}

bool ParseCommandLine(const QString &commandLine, const QString &currentFolder, CommandLineOptions &options,
                      Prompts &prompts)
{
    QString folder = currentFolder;
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    const QList<Word> words = splitWords(commandLine);

    for (const char *help : {"/?", "/h", "/H", "-h", "-H"})
        if (findWord(words, QLatin1String(help)) >= 0) {
            prompts.information(T("ZEL Tessaly"), CommandLineHelpLines().join(QString()));
            return true;
        }

    const struct {
        const char *lower;
        const char *upper;
        QString *target;
        const char *caption;
    } files[] = {
        {"-t", "-T", &options.designFile, "Design Editor"},
        {"-d", "-D", &options.dataFile, "Data Editor"},
        {"-r", "-R", &options.reportFile, "Report Viewer"},
    };
    for (const auto &f : files) {
        QString value;
        if (!optionValue(f.lower, f.upper, words, value)) continue;
        if (!value.contains(QLatin1Char('/'))) value = folder + value;
        if (!QFileInfo::exists(value)) {
            prompts.warning(T(f.caption), value + QLatin1Char('\n') + T("- file not exists."));
            return true;
        }
        *f.target = value;
    }

    QString value;
    if (optionValue("-p", "-P", words, value)) options.printerName = value;
    if (hasWord(words, "-dd", "-DD")) options.deleteDataOnExit = true;
    if (hasWord(words, "-pf", "-PF")) options.checkPrintable = true;
    if (hasWord(words, "-bw", "-BW")) options.blackWhite = true;
    if (hasWord(words, "-g", "-G")) options.noWindow = true;
    if (optionValue("-e", "-E", words, value)) options.exportExtension = value;
    // Never the first word: the accounting system always puts it after the files.
    if (optionValue("-mail", "-MAIL", words, value, 1)) {
        bool ok = false;
        const int id = value.toInt(&ok);
        if (!ok)
            throw std::invalid_argument(
                (QStringLiteral("'") + value + QStringLiteral("' is not a valid integer value"))
                    .toStdString());
        options.mailId = id;
    }
    return false;
}

bool AsksHeadlessExport(const QStringList &arguments)
{
    const QList<Word> words = splitWords(JoinArguments(arguments));
    return hasWord(words, "-g", "-G") && hasWord(words, "-e", "-E");
}

std::optional<int> StartupExitCode(const QStringList &arguments, const QString &currentFolder,
                                   CommandLineOptions &options, Prompts &prompts)
{
    try {
        if (ParseArguments(arguments, currentFolder, options, prompts)) return 255; // -1
    } catch (const std::exception &e) {
        prompts.warning(T("ZEL Tessaly"), QString::fromLocal8Bit(e.what()));
        return 1;
    }
    return std::nullopt;
}
