#include "print/printers.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

QStringList ListPrinters()
{
    return QPrinterInfo::availablePrinterNames();
}

QString DefaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

namespace
{
PaperForm printerPaper(QPrinter &printer, const QPageSize &size)
{
    PaperForm form;
    const int code = size.windowsId();
    form.number = code >= 1 ? code : kUserPaperSize;
    form.name = size.name();
    const QSizeF mm = size.size(QPageSize::Millimeter);
    form.widthMm = mm.width();
    form.heightMm = mm.height();
    form.kind = PaperForm::Printer;
    // The printer's own unprintable edge for this paper.
    printer.setPageSize(size);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF m = layout.minimumMargins();
    form.imageableMm =
        QRectF(m.left(), m.top(), mm.width() - m.left() - m.right(), mm.height() - m.top() - m.bottom());
    return form;
}

InfoNode node(const QString &text, int kind, std::vector<InfoNode> children = {})
{
    InfoNode n;
    n.text = text;
    n.kind = kind;
    n.children = std::move(children);
    return n;
}

QString paperLine(const PaperForm &form)
{
    return FormSizeLine(form) + QStringLiteral("  (#%1)").arg(form.number);
}

QString mmText(double mm)
{
    return QString::number(mm, 'f', 1);
}

InfoNode printerNode(const QPrinterInfo &info, bool isDefault)
{
    InfoNode p =
        node(info.printerName() + (isDefault ? QStringLiteral("  (Default)") : QString()), InfoNode::Printer);
    p.isDefault = isDefault;
    p.printer = info.printerName();
    const QString dash = QStringLiteral("-");
    p.children.push_back(
        node(QStringLiteral("Driver Name: ") + (info.makeAndModel().isEmpty() ? dash : info.makeAndModel()),
             InfoNode::Value));
    // CUPS runs filters, not a print processor.
    p.children.push_back(node(QStringLiteral("Print Processor: ") + dash, InfoNode::Value));

    QPrinter printer(info, QPrinter::HighResolution);
    const QPageLayout layout = printer.pageLayout();
    const QSizeF paper = layout.fullRect(QPageLayout::Millimeter).size();
    const QMargins offsets = layout.marginsPixels(printer.resolution());
    const auto line = [](const char *label, const QString &value) {
        return node(QLatin1String(label) + value, InfoNode::Line);
    };
    p.children.push_back(node(QStringLiteral("Printer Parameters"), InfoNode::Parameters,
                              {line("       Paper Width: ", mmText(paper.width()) + QStringLiteral(" mm")),
                               line("      Paper Height: ", mmText(paper.height()) + QStringLiteral(" mm")),
                               line("       Orientation: ", layout.orientation() == QPageLayout::Landscape
                                                                ? QStringLiteral("Landscape")
                                                                : QStringLiteral("Portrait")),
                               line("              Port: ", dash),
                               line("      Resolution X: ", QString::number(printer.resolution())),
                               line("      Resolution Y: ", QString::number(printer.resolution())),
                               line("       LogPixels X: ", QString::number(printer.logicalDpiX())),
                               line("       LogPixels Y: ", QString::number(printer.logicalDpiY())),
                               line(" Physical Offset X: ", QString::number(offsets.left())),
                               line(" Physical Offset Y: ", QString::number(offsets.top())),
                               line("    Scaling Factor: ", dash), line("            Aspect: ", dash)}));

    InfoNode papers = node(QStringLiteral("Paper Size"), InfoNode::List);
    for (const PaperForm &form : PrinterPapers(info.printerName())) {
        InfoNode l = node(paperLine(form), InfoNode::Line);
        l.form = form;
        l.printer = info.printerName();
        papers.children.push_back(std::move(l));
    }
    p.children.push_back(std::move(papers));

    InfoNode resolutions = node(QStringLiteral("Printer's Resolutions"), InfoNode::List);
    for (int dpi : info.supportedResolutions())
        resolutions.children.push_back(node(QStringLiteral("%1 DPI").arg(dpi), InfoNode::Line));
    p.children.push_back(std::move(resolutions));

    InfoNode sources = node(QStringLiteral("Paper Sources"), InfoNode::List);
#ifdef Q_OS_WIN
    for (QPrinter::PaperSource s : printer.supportedPaperSources())
        sources.children.push_back(node(QString::number(int(s)), InfoNode::Line));
#endif
    // Qt names no input slots of CUPS printers.
    if (sources.children.empty()) sources.children.push_back(node(dash, InfoNode::Line));
    p.children.push_back(std::move(sources));
    return p;
}
} // namespace

std::vector<PaperForm> PrinterPapers(const QString &printer)
{
    std::vector<PaperForm> papers;
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    if (printer.isEmpty() || info.isNull()) return papers;
    QPrinter device(info, QPrinter::HighResolution);
    for (const QPageSize &size : info.supportedPageSizes())
        if (size.isValid()) papers.push_back(printerPaper(device, size));
    return papers;
}

InfoNode PrinterTree()
{
    InfoNode top = node(QString(), InfoNode::Top);
    InfoNode printers = node(QStringLiteral("Printers"), InfoNode::Printers);
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
        printers.children.push_back(
            printerNode(info, !defaultName.isEmpty() && info.printerName() == defaultName));
    top.children.push_back(std::move(printers));

    InfoNode server = node(QStringLiteral("PrintServer"), InfoNode::Server);
    for (const PaperForm &form : PaperForms()) {
        InfoNode l = node(FormLine(form) + QStringLiteral("  (#%1)").arg(form.number), InfoNode::Line);
        l.form = form;
        server.children.push_back(std::move(l));
    }
    top.children.push_back(std::move(server));
    return top;
}
