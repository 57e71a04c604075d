#include "export/export_pictures.h"

#include "export/page_markup.h"
#include "model/v_page.h"
#include "model/units.h"
#include "render/barcode_painter.h"

#include <cmath>

namespace
{

// Exports draw at 96 pixels per inch whatever the screen: the PDF places its pictures at
// "dpi 96" and the page divisors assume the 793 x 1122 pixels of A4 at that resolution.
constexpr ScreenMetrics kExportMetrics{96, 96};

QString pictureName(const QString &outputName, const QString &middle, int leftTwips, int topTwips)
{
    return OutputBase(outputName) + middle + QString::number(WholeMillimetres(leftTwips)) + QLatin1Char('_') +
           QString::number(WholeMillimetres(topTwips)) + QStringLiteral(".jpeg");
}

} // namespace

QSize ExportPageSize(const VPage &page)
{
    const ScreenMetrics &m = kExportMetrics;
    const QSize twips = page.TwipsSize();
    int w = twips.width() / m.twipsPerPixelX();
    int h = twips.height() / m.twipsPerPixelY();
    if (h > w) {
        w = std::min(w, 793);
        h = std::min(h, 1122);
    } else {
        w = std::max(w, 1122);
        h = std::max(h, 793);
    }
    return QSize(w, h);
}

QSize PdfPageSize(const VPage &page, const QSize &screenSize)
{
    const int paper = page.Settings().PaperSize;
    if (paper == 9 || paper == 10) {
        const double divisor = paper == 10 ? 1.32 : 1.295;
        return QSize(int(std::lround(screenSize.width() / divisor)),
                     int(std::lround(screenSize.height() / divisor)));
    }
    const QSize twips = page.TwipsSize();
    return QSize(int(std::lround(twips.width() / 20.0)), int(std::lround(twips.height() / 20.0)));
}

int WholeMillimetres(int twips)
{
    return int(std::lround(twips * 25.4 / 1440.0));
}

QString GroupPictureName(const QString &outputName, int leftTwips, int topTwips)
{
    return pictureName(outputName, QStringLiteral("_group_"), leftTwips, topTwips);
}

QString TablePictureName(const QString &outputName, int leftTwips, int topTwips)
{
    return pictureName(outputName, QStringLiteral("_table_"), leftTwips, topTwips);
}

QString BarcodePictureName(const QString &outputName, const QString &value, int leftTwips, int topTwips)
{
    // One naming rule with the barcode painter, which also makes the value safe for a file name.
    return BarcodePictureFileName(value, QRect(leftTwips, topTwips, 0, 0), outputName);
}
