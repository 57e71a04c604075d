#include "print/dev_mode.h"

#include "model/v_set_page.h"
#include "print/paper_forms.h"

#include <QPageSize>
#include <QPrinter>
#include <cmath>

DevMode MakeDevMode(const VSetPage &s, int printerPaper)
{
    DevMode m;
    const VSetPrn &p = s.Print;
    const bool landscape = s.Landscape();
    if (s.Orientation != 0) {
        m.fields |= DevMode::DM_ORIENTATION;
        m.orientation = landscape ? 2 : 1;
    }
    const int paper = NormalPaperSize(s.PaperSize);
    if (paper != printerPaper) {
        m.fields |= DevMode::DM_PAPERSIZE;
        m.paperSize = paper;
        if (paper == kUserPaperSize) {
            m.fields |= DevMode::DM_PAPERLENGTH | DevMode::DM_PAPERWIDTH;
            const int width = int(std::trunc(s.Width * 10)), height = int(std::trunc(s.Height * 10));
            m.paperWidth = landscape ? height : width;
            m.paperLength = landscape ? width : height;
        }
    }
    if (p.Copies != 1) {
        m.fields |= DevMode::DM_COPIES;
        m.copies = p.Copies;
    }
    if (p.Quality != 0) {
        m.fields |= DevMode::DM_PRINTQUALITY;
        m.printQuality = -p.Quality;
    }
    if (p.Colour != 0) {
        m.fields |= DevMode::DM_COLOR;
        m.color = p.Colour;
    }
    return m;
}

void ApplyDevMode(const DevMode &m, QPrinter &printer)
{
    bool landscape = m.has(DevMode::DM_ORIENTATION) ? m.orientation == 2
                                                     : printer.pageLayout().orientation() == QPageLayout::Landscape;
    if (m.has(DevMode::DM_PAPERSIZE)) {
        if (m.paperSize == kUserPaperSize) {
            // A paper of its own size goes to the printer as it lies (across the width, then along
            // the length): print systems turn standard papers, not custom ones.
            printer.setPageSize(QPageSize(QSizeF(m.paperWidth / 10.0, m.paperLength / 10.0), QPageSize::Millimeter,
                                          QString(), QPageSize::ExactMatch));
            landscape = false;
        } else if (const QPageSize size(QPageSize::id(m.paperSize)); size.isValid()) {
            printer.setPageSize(size);
        }
    }
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (m.has(DevMode::DM_COPIES)) printer.setCopyCount(m.copies);
    if (m.has(DevMode::DM_PRINTQUALITY)) {
        static const int dpi[] = {150, 200, 300, 600}; // draft, low, medium, high
        printer.setResolution(dpi[std::clamp(-m.printQuality, 1, 4) - 1]);
    }
    if (m.has(DevMode::DM_COLOR)) printer.setColorMode(m.color == 1 ? QPrinter::GrayScale : QPrinter::Color);
}

QString PrintJobName(const QString &title)
{
    QString name = QStringLiteral("Tessaly, Page: ") + title;
    while (name.toUtf8().size() > 79) // the job name's 80 bytes hold a closing zero
        name.chop(name.size() > 1 && name.back().isLowSurrogate() ? 2 : 1);
    return name;
}
