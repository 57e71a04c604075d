#include "report/report_names.h"

#include <algorithm>

namespace
{
QString withThirdExtensionChar(const QString &designFile, QChar c)
{
    const qsizetype slash =
        std::max(designFile.lastIndexOf(QLatin1Char('/')), designFile.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = designFile.lastIndexOf(QLatin1Char('.'));
    if (dot > slash && designFile.size() - dot - 1 >= 3) {
        QString name = designFile;
        name[dot + 3] = c;
        return name;
    }
    // Without a three-letter extension the rule would give the design's own name back, and
    // saving the report or data would overwrite the design.
    return designFile + QStringLiteral(".ed") + c;
}
} // namespace

QString ReportFileName(const QString &designFile)
{
    return withThirdExtensionChar(designFile, QLatin1Char('r'));
}

QString DataFileName(const QString &designFile)
{
    return withThirdExtensionChar(designFile, QLatin1Char('d'));
}
