#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "print/printers.h"

#include <QPageSize>
#include <QPrinterInfo>

namespace
{

const char *const kUsage = "printers";

// Each printer, the default one marked, with the papers it takes.
int runPrinters(const QStringList &args)
{
    if (!args.isEmpty()) return cliUsage(kUsage);
    const QStringList printers = ListPrinters();
    if (printers.isEmpty()) {
        cliOut(QStringLiteral("no printers in system"));
        return kExitOk;
    }
    const QString standard = DefaultPrinterName();
    for (const QString &name : printers) {
        cliOut(name + (name == standard ? QStringLiteral(" (default)") : QString()));
        for (const QPageSize &paper : QPrinterInfo::printerInfo(name).supportedPageSizes()) {
            const QSize mm = paper.size(QPageSize::Millimeter).toSize();
            cliOut(QStringLiteral("    %1 (%2 x %3 mm)  #%4")
                       .arg(paper.name())
                       .arg(mm.width())
                       .arg(mm.height())
                       .arg(paper.windowsId()));
        }
    }
    return kExitOk;
}

} // namespace

TESSALY_CLI_COMMAND("printers", kUsage, runPrinters);
