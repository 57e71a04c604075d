#include "print/print_job.h"

#include "model/v_doc.h"
#include "model/v_page.h"
#include "print/dev_mode.h"
#include "print/page_list.h"
#include "print/printers.h"
#include "render/device_setup.h"
#include "render/element_painter.h"
#include "render/picture_painter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

QString &SelectedPrinter()
{
    static QString name;
    return name;
}

namespace
{
PrinterMetrics &metrics()
{
    static PrinterMetrics m;
    return m;
}

void takeDocumentSettings(const VDoc &doc, VPage &page)
{
    VSetPage &s = page.Settings();
    if (page.FollowsDocumentSettings())
        s.CopySettingsFrom(doc.Settings());
    else
        s.Print = doc.Settings().Print;
}
} // namespace

const PrinterMetrics &LastPrinterMetrics()
{
    return metrics();
}

QString PrintJobTitle(const VPage &page, int number)
{
    const QString name = page.Name().trimmed();
    return PrintJobName(name.isEmpty() ? QString::number(number) : name);
}

bool PrintPage(VPage &page, int number, const QString &printerName)
{
    QString name = printerName.isEmpty() ? SelectedPrinter() : printerName;
    if (name.isEmpty()) name = DefaultPrinterName();
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (name.isEmpty() || info.isNull()) return false;

    QPrinter printer(info, QPrinter::HighResolution);
    ApplyDevMode(MakeDevMode(page.Settings(), info.defaultPageSize().windowsId()), printer);
    printer.setDocName(PrintJobTitle(page, number));
    if (page.BlackWhite()) printer.setColorMode(QPrinter::GrayScale); // pictures too
    // Only what the printer cannot reach stays unprinted (Qt would add margins of its own).
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer)) return false;

    const int resX = printer.logicalDpiX(), resY = printer.logicalDpiY();
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    PrinterMetrics &m = metrics();
    m = {resX, resY, paper.width(), paper.height(), printable.left() - paper.left(), printable.top() - paper.top(),
         printer.pageLayout().orientation() == QPageLayout::Landscape};
    SetupTwips(painter, resX, resY);
    // The painter's origin is the printable area's corner; elements move back by half the
    // unprintable margin, the background picture by all of it.
    const int marginX = m.physicalOffsetX * 1440 / resX, marginY = m.physicalOffsetY * 1440 / resY;
    const VPicture *background = page.Background();
    if (!page.PrintableOnly() && background && (background->HasImage() || background->IsUndecodable())) {
        const QRect area(-marginX, -marginY, (m.physicalWidth - m.physicalOffsetX) * 1440 / resX,
                         (m.physicalHeight - m.physicalOffsetY) * 1440 / resY);
        if (background->HasImage())
            painter.drawImage(area, background->Image());
        else
            DrawPicturePlaceholder(painter, area, false);
    }
    editingState().cutElement = nullptr;
    DrawElementOutput(page.Root(), painter, page.BlackWhite(), page.PrintableOnly(), marginX / 2, marginY / 2);
    return painter.end();
}

int PrintAllPages(VDoc &doc, const QString &printer)
{
    int printed = 0;
    for (int i = 0; i < doc.PageCount(); ++i) {
        takeDocumentSettings(doc, *doc.PageAt(i));
        printed += PrintPage(*doc.PageAt(i), i + 1, printer) ? 1 : 0;
    }
    return printed;
}

int PrintPageList(VDoc &doc, QString *error, const QString &printer)
{
    const PageList list = ParsePageList(doc.Settings().Print.PageNumbers);
    if (error) *error = list.error;
    int printed = 0;
    for (int index : PagesInList(list, doc.PageCount())) {
        takeDocumentSettings(doc, *doc.PageAt(index));
        printed += PrintPage(*doc.PageAt(index), index + 1, printer) ? 1 : 0;
    }
    return printed;
}
