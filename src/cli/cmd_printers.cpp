#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "print/printers.h"


namespace
{

const char *const kUsage = "printers";

// Each printer, the default one marked, with the papers it takes.
int runPrinters(const QStringList &args)
{
    if (!args.isEmpty()) return cliUsage(kUsage, QStringLiteral("unexpected argument: ") + args.first());
    const QStringList printers = ListPrinters();
    if (printers.isEmpty()) {
        // No queue at all, or a print server that does not answer: nothing a script can print on.
        cliError(QStringLiteral("no printers in system"));
        return kExitFailure;
    }
    const QString standard = DefaultPrinterName();
    for (const QString &name : printers) {
        cliOut(name + (name == standard ? QStringLiteral(" (default)") : QString()));
        for (const PaperForm &paper : PrinterPapers(name))
            cliOut(QStringLiteral("    ") + FormSizeLine(paper) + QStringLiteral("  #%1").arg(paper.number));
    }
    return kExitOk;
}

} // namespace

TESSALY_CLI_COMMAND("printers", kUsage, runPrinters);
