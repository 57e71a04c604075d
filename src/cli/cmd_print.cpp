#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "model/v_doc.h"
#include "model/v_page.h"
#include "print/page_list.h"
#include "print/print_job.h"
#include "print/printers.h"
#include "report/report_generation.h"

namespace
{

const char *const kUsage = "print DOC [--data DATA] [--printer NAME] [--pages LIST] [--copies N] [--quality 0-4] "
                           "[--colour 0-2] [--bw] [--printable-only] [--code-page 1251|1252|1254]\n"
                           "  LIST: page numbers and ranges (1,3,5-12); --printer defaults to the system's default";

int runPrint(const QStringList &args)
{
    CliArgs a(args,
              {QStringLiteral("--data"), QStringLiteral("--printer"), QStringLiteral("--pages"),
               QStringLiteral("--copies"), QStringLiteral("--quality"), QStringLiteral("--colour"),
               QLatin1String(kCodePageOption)},
              {QStringLiteral("--bw"), QStringLiteral("--printable-only")});
    if (const QString problem = a.problem({QStringLiteral("DOC")}); !problem.isEmpty())
        return cliUsage(kUsage, problem);
    if (!cliApplyCodePage(a)) return cliUsage(kUsage);
    VSetPrn settings;
    if (!cliParseInt(a.value(QStringLiteral("--copies")), 1, 999, &settings.Copies))
        return cliUsage(kUsage, QStringLiteral("--copies takes 1 to 999"));
    if (!cliParseInt(a.value(QStringLiteral("--quality")), 0, 4, &settings.Quality))
        return cliUsage(kUsage, QStringLiteral("--quality takes 0 to 4"));
    if (!cliParseInt(a.value(QStringLiteral("--colour")), 0, 2, &settings.Colour))
        return cliUsage(kUsage, QStringLiteral("--colour takes 0 to 2"));
    const std::optional<QString> pages = a.value(QStringLiteral("--pages"));
    if (pages) {
        const PageList list = ParsePageList(*pages);
        if (!list.error.isEmpty()) return cliUsage(kUsage, QStringLiteral("--pages: ") + list.error);
        // The print keeps the first items only; rather than leave pages out unasked, refuse.
        if (!list.dropped.isEmpty())
            return cliUsage(kUsage, QStringLiteral("--pages: at most ") + QString::number(PageList::kMaxItems) +
                                        QStringLiteral(" items are printed; refused, as these would be left out: ") +
                                        list.dropped.join(QLatin1Char(',')));
        settings.PageSelection = 2;
        settings.PageNumbers = *pages;
    }
    VDoc doc;
    const QString docPath = a.positional().first();
    if (!cliLoadDocument(docPath, doc)) return kExitFailure;
    VDoc report;
    VDoc *printed = &doc;
    if (const auto data = a.value(QStringLiteral("--data"))) {
        ReportSink keep;
        QString reason;
        if (!ReadDataFile(*data, doc, report, &keep, &reason)) {
            cliDataError(*data, reason);
            return kExitFailure;
        }
        printed = &report;
    }
    for (int i = 0; i < printed->PageCount(); ++i) {
        VPage &page = *printed->PageAt(i);
        if (const QString problem = page.PaperSizeProblem(); !problem.isEmpty()) {
            cliError(QStringLiteral("page ") + QString::number(i + 1) + QStringLiteral(": ") + problem);
            return kExitFailure;
        }
        page.SetBlackWhite(a.flag(QStringLiteral("--bw")));
        page.SetPrintableOnly(a.flag(QStringLiteral("--printable-only")));
    }
    printed->Settings().Print = settings;
    const int wanted = pages ? int(PagesInList(ParsePageList(*pages), printed->PageCount()).size())
                             : printed->PageCount();
    if (pages) {
        const QStringList beyond = ItemsBeyond(ParsePageList(*pages), printed->PageCount());
        if (!beyond.isEmpty())
            cliError(QStringLiteral("--pages: the document has ") + QString::number(printed->PageCount()) +
                     QStringLiteral(" page(s); these items name pages it lacks: ") +
                     beyond.join(QLatin1Char(',')));
    }
    if (wanted == 0) {
        cliError(pages
                     ? QStringLiteral("--pages: ") + *pages + QStringLiteral(" names no page of the document")
                     : QStringLiteral("the document has no page to print"));
        return kExitFailure;
    }
    // Checked once the input is known good, so that a bad list is told apart from a missing printer.
    const QString printer = a.value(QStringLiteral("--printer")).value_or(DefaultPrinterName());
    if (printer.isEmpty() || !ListPrinters().contains(printer)) {
        cliError(printer.isEmpty() ? QStringLiteral("Printer not exists")
                                   : printer + QStringLiteral(": Printer not exists"));
        return kExitFailure;
    }
    QString error;
    const int done = pages ? PrintPageList(*printed, &error, printer) : PrintAllPages(*printed, printer);
    cliOut(QStringLiteral("%1 of %2 page(s) sent to %3")
               .arg(QString::number(done), QString::number(wanted), printer));
    if (done != wanted) {
        cliError(QStringLiteral("%1 page(s) could not be printed on %2")
                     .arg(QString::number(wanted - done), printer));
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace

TESSALY_CLI_COMMAND("print", kUsage, runPrint);
