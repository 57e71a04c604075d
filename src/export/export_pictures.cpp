#include "export/export_pictures.h"

#include "export/page_markup.h"
#include "model/v_page.h"
#include "render/barcode_painter.h"
#include "render/device_setup.h"
#include "render/element_painter.h"

#include <QFile>
#include <QPainter>
#include <cmath>

namespace
{

constexpr int kJpegQuality = 95;
// Exports draw at 96 pixels per inch whatever the screen: the PDF places these pictures at
// "dpi 96" and the page divisors assume the 793 x 1122 pixels of A4 at that resolution.
constexpr ScreenMetrics kExportMetrics{96, 96};

bool holdsPicture(const VGrfElement &e)
{
    return e.Picture() && e.Picture()->HasImage();
}

// The element with the cells below it: everything else has a markup line of its own and is
// replayed into the PDF on top of the picture, so it must not be in the picture twice.
std::unique_ptr<VGrfElement> cloneWithCells(const VGrfElement &e)
{
    auto copy = std::make_unique<VGrfElement>(e.Kind());
    copy->SetName(e.Name());
    copy->SetCaption(e.Caption());
    copy->SetPrintable(e.Printable());
    copy->Shape() = e.Shape();
    copy->Font() = e.Font();
    if (e.Picture()) copy->SetPicture(std::make_unique<VPicture>(*e.Picture()));
    if (e.BarCode()) copy->SetBarCode(std::make_unique<VBarCode>(*e.BarCode()));
    for (const auto &child : e.ChildList())
        if (child->Kind() == ElementKind::Cell) copy->InsertChild(cloneWithCells(*child));
    return copy;
}

void writeElementPicture(const VGrfElement &e, const QString &path, bool blackWhite, bool printableOnly)
{
    const ScreenMetrics &m = kExportMetrics;
    const int w = std::max(1, e.Shape().Width() / m.twipsPerPixelX());
    const int h = std::max(1, e.Shape().Height() / m.twipsPerPixelY());
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        std::unique_ptr<VGrfElement> copy = cloneWithCells(e);
        QPainter painter(&image);
        SetupTwips(painter, m.ppiX, m.ppiY);
        DrawElementOutput(*copy, painter, blackWhite, printableOnly, e.Shape().Left(), e.Shape().Top());
    }
    image.save(path, "JPEG", kJpegQuality);
}

// Mirrors the output drawing's reach: a never-printed element hides its subtree, so its
// pictures are not written (and old ones of the same name are gone).
void writePictures(const VGrfElement &e, const QString &outputName, bool blackWhite, bool printableOnly,
                   bool reached)
{
    reached = reached && e.Printable() != pmNever;
    const VShape &s = e.Shape();
    QString path;
    if (e.Kind() == ElementKind::Table)
        path = TablePictureName(outputName, s.Left(), s.Top());
    else if (e.Kind() == ElementKind::Group && (s.BrushStyle() != 1 || holdsPicture(e)))
        path = GroupPictureName(outputName, s.Left(), s.Top());
    else if (e.Kind() == ElementKind::BarCode && e.BarCode())
        path = BarcodePictureName(outputName, e.BarCode()->Value(), s.Left(), s.Top());
    if (!path.isEmpty()) {
        QFile::remove(path);
        if (reached && e.Kind() == ElementKind::BarCode) {
            const QString written = BarcodePictureFile(
                *e.BarCode(), QRect(s.Left(), s.Top(), s.Width(), s.Height()), e.Font(), outputName);
            // The PDF looks the picture up by its own naming rule.
            if (!written.isEmpty() && written != path && QFile::exists(written)) QFile::rename(written, path);
        } else if (reached) {
            writeElementPicture(e, path, blackWhite, printableOnly);
        }
    }
    for (const auto &child : e.ChildList())
        writePictures(*child, outputName, blackWhite, printableOnly, reached);
}

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

QImage DrawPageForExport(VPage &page, const QSize &size, const QString &outputName)
{
    const ScreenMetrics &m = kExportMetrics;
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        SetupTwips(painter, m.ppiX, m.ppiY);
        PaintPageOutput(page, painter, page.BlackWhite(), page.PrintableOnly());
    }
    writePictures(page.Root(), outputName, page.BlackWhite(), page.PrintableOnly(), true);
    return image;
}
