#include "app/command_line.h"

#include <QRegularExpression>

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

bool ParseOptionValue(const QString &option, const QString &commandLine, QString &value)
{
    const QString name = option.trimmed();
    const qsizetype at = commandLine.indexOf(option);
    if (at < 0) return false;
    QString text = commandLine.mid(at + name.size());
    // The option's own word ends at the first blank; the value follows the blanks after it.
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank >= 0) text = text.mid(blank + 1);
    while (text.startsWith(QLatin1Char(' ')))
        text.remove(0, 1);
    if (!text.startsWith(QLatin1Char('"'))) {
        const qsizetype end = text.indexOf(QLatin1Char(' '));
        value = end < 0 ? text : text.left(end);
        return true;
    }
    text.remove(0, 1);
    const qsizetype close = text.indexOf(QLatin1Char('"'));
    if (close < 0) return false;
    value = text.left(close);
    return true;
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
bool optionValue(const QString &lower, const QString &upper, const QString &commandLine, QString &value)
{
    if (commandLine.contains(lower) && ParseOptionValue(lower, commandLine, value)) return true;
    return commandLine.contains(upper) && ParseOptionValue(upper, commandLine, value);
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

    // A help option stands as a word of its own: paths here hold "/h" (/home) and names "-h".
    static const QRegularExpression help(QStringLiteral("(^|\\s)(/\\?|/h|/H|-h|-H)(\\s|$)"));
    if (help.match(commandLine).hasMatch()) {
        prompts.information(T("ZEL Tessaly"), CommandLineHelpLines().join(QString()));
        return true;
    }

    const struct {
        const char *lower;
        const char *upper;
        QString *target;
        const char *caption;
    } files[] = {
        {"-t ", "-T ", &options.designFile, "Design Editor"},
        {"-d ", "-D ", &options.dataFile, "Data Editor"},
        {"-r ", "-R ", &options.reportFile, "Report Viewer"},
    };
    for (const auto &f : files) {
        QString value;
        if (!optionValue(QLatin1String(f.lower), QLatin1String(f.upper), commandLine, value)) continue;
        if (!value.contains(QLatin1Char('/'))) value = folder + value;
        if (!QFileInfo::exists(value)) {
            prompts.warning(T(f.caption), value + QLatin1Char('\n') + T("- file not exists."));
            return true;
        }
        *f.target = value;
    }

    QString value;
    if (optionValue(QStringLiteral("-p "), QStringLiteral("-P "), commandLine, value))
        options.printerName = value;
    if (commandLine.contains(QLatin1String("-dd")) || commandLine.contains(QLatin1String("-DD")))
        options.deleteDataOnExit = true;
    if (commandLine.contains(QLatin1String("-pf")) || commandLine.contains(QLatin1String("-PF")))
        options.checkPrintable = true;
    if (commandLine.contains(QLatin1String("-bw")) || commandLine.contains(QLatin1String("-BW")))
        options.blackWhite = true;
    if (optionValue(QStringLiteral(" -mail"), QStringLiteral(" -MAIL"), commandLine, value)) {
        bool ok = false;
        const int id = value.toInt(&ok);
        if (!ok)
            throw std::invalid_argument(
                QStringLiteral("'%1' is not a valid integer value").arg(value).toStdString());
        options.mailId = id;
    }
    return false;
}
