#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "model/page_fit.h"
#include "model/v_doc.h"

#include <map>

namespace
{
const char *const kUsage = "check DOC";

void countKinds(const VGrfElement &e, std::map<ElementKind, int> &counts)
{
    ++counts[e.Kind()];
    for (const auto &c : e.ChildList())
        countKinds(*c, counts);
}

int runCheck(const QStringList &args)
{
    CliArgs a(args, {}, {});
    if (const QString problem = a.problem({QStringLiteral("DOC")}); !problem.isEmpty())
        return cliUsage(kUsage, problem);
    VDoc doc;
    if (!cliLoadDocument(a.positional().first(), doc)) return kExitFailure;
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
