#include "export/export_names.h"

#include <QFileInfo>

namespace
{
struct FormatNames {
    const char *suffix, *filter;
};
const FormatNames kNames[] = {
    {"txt", "*.txt|*.txt"},    {"html", "*.html|*.html|*.htm|*.htm"},
    {"rtf", "*.rtf|*.rtf"},    {"doc", "*.doc|*.doc"},
    {"pdf", "*.pdf|*.pdf"},    {"jpeg", "*.jpeg|*.jpeg"},
    {"xlsx", "*.xlsx|*.xlsx"},
};
bool known(int format)
{
    return format >= 0 && format < int(std::size(kNames));
}
} // namespace

QString ExportSuffix(int format)
{
    return known(format) ? QString::fromLatin1(kNames[format].suffix) : QString();
}

QString ExportFilter(int format)
{
    return known(format) ? QString::fromLatin1(kNames[format].filter) : QString();
}

QString ProposedExportName(const QString &reportPath, int format)
{
    if (!known(format) || reportPath.isEmpty()) return {};
    const QFileInfo info(reportPath);
    const QString dot = info.fileName().contains(QLatin1Char('.')) ? info.fileName().section(QLatin1Char('.'), -1) : QString();
    QString base = info.fileName();
    if (!dot.isEmpty() || base.endsWith(QLatin1Char('.'))) base.chop(dot.size() + 1);
    const QString suffix = ExportSuffix(format);
    const bool same = (format == ExportTextFormat || format == ExportDocFormat) &&
                      dot.compare(suffix, Qt::CaseInsensitive) == 0;
    const QString name = base + (same ? QStringLiteral("(conv).") : QStringLiteral(".")) + suffix;
    return info.path() == QLatin1String(".") && !reportPath.startsWith(QLatin1String("./")) ? name
                                                                                             : info.path() + QLatin1Char('/') + name;
}
