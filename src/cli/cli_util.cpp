#include "cli/cli_util.h"

#include "files/design_file.h"
#include "model/v_doc.h"
#include "report/report_generation.h"
#include "report/report_names.h"

#include "cli/cli_command.h"

#include <cstdio>

CliArgs::CliArgs(const QStringList &args, const QStringList &valueOptions, const QStringList &flagOptions)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (valueOptions.contains(a)) {
            if (i + 1 >= args.size()) {
                m_error = QStringLiteral("option %1 needs a value").arg(a);
                return;
            }
            m_valueNames << a;
            m_values << args[++i];
        } else if (flagOptions.contains(a)) {
            m_flags << a;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            m_error = QStringLiteral("unknown option %1").arg(a);
            return;
        } else {
            m_positional << a;
        }
    }
}

std::optional<QString> CliArgs::value(const QString &option) const
{
    const int i = m_valueNames.lastIndexOf(option);
    if (i < 0) return std::nullopt;
    return m_values[i];
}

void cliError(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

void cliOut(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
}

int cliUsage(const char *usage)
{
    cliError(QStringLiteral("usage: tessaly-cli %1").arg(QLatin1String(usage)));
    return kExitUsage;
}

bool cliLoadDocument(const QString &path, VDoc &doc)
{
    const FileResult r = ReadDesignFile(doc, path);
    if (!r) {
        cliError(r.error);
        return false;
    }
    return true;
}

bool cliLoadReport(const QString &docPath, const std::optional<QString> &dataPath, VDoc &doc)
{
    if (!dataPath) return cliLoadDocument(docPath, doc);
    VDoc design;
    if (!cliLoadDocument(docPath, design)) return false;
    doc.Clear();
    if (!ReadDataFile(*dataPath, design, doc)) {
        cliError(QStringLiteral("Data structure error =>  ") + *dataPath);
        return false;
    }
    doc.SetFileName(ReportFileName(design.FileName()));
    return true;
}
