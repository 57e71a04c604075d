#include "cli/cli_command.h"
#include "cli/cli_util.h"
#include "cli/data_check.h"

#include "model/page_fit.h"
#include "model/v_doc.h"

#include <QFileInfo>
#include <map>

namespace
{
const char *const kUsage =
    "check DOC [--design DESIGN] [--code-page 1251|1252|1254]\n"
    "  a design or report: its pages and elements; a data file (.edd, .ebd or data inside):\n"
    "  its documents, pages, the design names it uses and its line ends, and with the design\n"
    "  (--design, or the DesignFile beside it) whether its names are there and it merges";

void countKinds(const VGrfElement &e, std::map<ElementKind, int> &counts)
{
    ++counts[e.Kind()];
    for (const auto &c : e.ChildList())
        countKinds(*c, counts);
}

int runCheck(const QStringList &args)
{
    CliArgs a(args, {QStringLiteral("--design"), QLatin1String(kCodePageOption)}, {});
    if (const QString problem = a.problem({QStringLiteral("DOC")}); !problem.isEmpty())
        return cliUsage(kUsage, problem);
    if (!cliApplyCodePage(a)) return cliUsage(kUsage);
    const QString path = a.positional().first();
    if (!QFileInfo::exists(path)) {
        cliError(path + QStringLiteral(": the file does not exist"));
        return kExitFailure;
    }
    if (looksLikeDataFile(path)) return checkDataFile(path, a.value(QStringLiteral("--design")));
    if (a.value(QStringLiteral("--design")))
        return cliUsage(kUsage, QStringLiteral("--design goes with a data file; ") + path +
                                    QStringLiteral(" is none"));
    VDoc doc;
    if (!cliLoadDocument(path, doc)) return kExitFailure;
    std::map<ElementKind, int> total;
    cliOut(QStringLiteral("%1: %2 page(s), %3 document")
               .arg(a.positional().first(), QString::number(doc.PageCount()),
                    doc.ContainsBarCode() ? QStringLiteral("barcode") : QStringLiteral("normal")));
    for (int i = 0; i < doc.PageCount(); ++i) {
        const VPage &page = *doc.PageAt(i);
        std::map<ElementKind, int> counts;
        countKinds(page.Root(), counts);
        QStringList parts;
        for (const auto &[kind, n] : counts) {
            parts << QStringLiteral("%1 %2").arg(KindName(kind)).arg(n);
            total[kind] += n;
        }
        cliOut(QStringLiteral("page %1 \"%2\" (%3 x %4 mm): %5")
                   .arg(QString::number(page.Num()), page.Name(), QString::number(page.Settings().Width),
                        QString::number(page.Settings().Height), parts.join(QStringLiteral(", "))));
    }
    int elements = 0;
    for (const auto &[kind, n] : total)
        elements += n;
    cliOut(QStringLiteral("elements: %1").arg(elements));
    // Worth knowing before printing, but the design is still a good one.
    for (int i = 0; i < doc.PageCount(); ++i)
        for (const VGrfElement *e : ElementsOutsidePaper(*doc.PageAt(i)))
            cliError(a.positional().first() + QStringLiteral(": warning: page ") +
                     QString::number(doc.PageAt(i)->Num()) + QStringLiteral(": ") + OutsideElementText(*e) +
                     QStringLiteral(" lies outside the paper"));
    return kExitOk;
}
} // namespace

TESSALY_CLI_COMMAND("check", kUsage, runCheck);
