#include "export/export_pictures.h"

#include "export/page_markup.h"
#include "model/units.h"
#include "model/v_page.h"
#include "render/barcode_painter.h"
#include "render/element_painter.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
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

constexpr int kTwipsPerExportPixel = 1440 / 96;

// The size an element's picture has at 96 pixels per inch, which the outputs place it at.
QSize naturalPixels(const VShape &s)
{
    return QSize(std::max(1, s.Width() / kTwipsPerExportPixel),
                 std::max(1, s.Height() / kTwipsPerExportPixel));
}

// Below 1 when the picture would pass the bounds: it is then drawn at that fraction of 96 per
// inch and stretched back to its natural size where it is placed.
double pictureScale(const QSize &natural)
{
    const double pixels = double(natural.width()) * double(natural.height());
    double scale =
        pixels > double(kMaxExportPicturePixels) ? std::sqrt(double(kMaxExportPicturePixels) / pixels) : 1.0;
    scale = std::min(scale, double(kMaxExportPictureSide) / natural.width());
    return std::min(scale, double(kMaxExportPictureSide) / natural.height());
}

// Groups and tables as their own picture shows them: the element with its cells, at screen size
// or, for a large one, within the bounds.
QImage drawContainer(VGrfElement &element, bool blackWhite, bool printableOnly)
{
    const VShape &s = element.Shape();
    const QSize natural = naturalPixels(s);
    const double scale = pictureScale(natural);
    QImage image(std::max(1, int(natural.width() * scale)), std::max(1, int(natural.height() * scale)),
                 QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale / kTwipsPerExportPixel, scale / kTwipsPerExportPixel);
    DrawElementWithCells(element, painter, blackWhite, printableOnly, s.Left(), s.Top());
    return image;
}

void drawPictures(VGrfElement &container, const QString &outputName, const VPage &page, PictureNames &names,
                  std::vector<ElementPicture> &out)
{
    for (const auto &child : container.ChildList()) {
        VGrfElement &e = *child;
        if (e.Printable() == pmNever) continue;
        const VShape &s = e.Shape();
        QImage image;
        QString path;
        QSize natural;
        const char *format = "JPEG";
        switch (e.Kind()) {
        case ElementKind::Group:
            image = drawContainer(e, page.BlackWhite(), page.PrintableOnly());
            natural = naturalPixels(s);
            path = GroupPictureName(outputName, s.Left(), s.Top());
            break;
        case ElementKind::Table:
            image = drawContainer(e, page.BlackWhite(), page.PrintableOnly());
            natural = naturalPixels(s);
            path = TablePictureName(outputName, s.Left(), s.Top());
            break;
        case ElementKind::BarCode:
            if (e.BarCode()) {
                // Whole pixels per module make the picture a little larger than the element at
                // 96 per inch; it is placed at that size, as scanners read it.
                const double scale = pictureScale(naturalPixels(s));
                image =
                    RenderBarcodeImage(*e.BarCode(), QSize(s.Width(), s.Height()), e.Font(), 96.0 * scale);
                natural =
                    QSize(int(std::lround(image.width() / scale)), int(std::lround(image.height() / scale)));
                path = BarcodePictureName(outputName, e.BarCode()->Value(), s.Left(), s.Top());
            }
            break;
        case ElementKind::Label:
            if (e.Picture() && e.Picture()->HasImage()) {
                image = FlattenOnWhite(e.Picture()->Image());
                natural = image.size();
                path = PictureFileName(e, outputName);
                format = "BMP";
            }
            break;
        default:
            break;
        }
        if (!image.isNull()) {
            ElementPicture picture{&e, names.unused(path), natural, EncodeImage(image, format),
                                   format[0] == 'J' ? QStringLiteral("image/jpeg")
                                                    : QStringLiteral("image/bmp")};
            if (!picture.bytes.isEmpty()) out.push_back(std::move(picture));
        }
        drawPictures(e, outputName, page, names, out);
    }
}

} // namespace

QByteArray EncodeImage(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (qstrcmp(format, "JPEG") == 0) writer.setQuality(95);
    return writer.write(image) ? bytes : QByteArray();
}

std::vector<ElementPicture> DrawElementPictures(VPage &page, const QString &outputName, PictureNames &names)
{
    std::vector<ElementPicture> out;
    if (page.Root().Printable() != pmNever) drawPictures(page.Root(), outputName, page, names, out);
    return out;
}

QString PictureNames::unused(const QString &path)
{
    if (!m_taken.contains(path)) {
        m_taken.insert(path);
        return path;
    }
    const int dot = int(path.lastIndexOf(QLatin1Char('.')));
    int &n = m_next[path];
    if (n < 2) n = 2;
    QString candidate;
    do
        candidate = path.left(dot) + QLatin1Char('_') + QString::number(n++) + path.mid(dot);
    while (m_taken.contains(candidate));
    m_taken.insert(candidate);
    return candidate;
}

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

QString ExportTargetProblem(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')) || info.isDir())
        return path + QStringLiteral(" is a folder; give the name of the file to write");
    if (!info.dir().exists())
        return QStringLiteral("The folder of ") + path +
               QStringLiteral(" does not exist; nothing was written");
    return {};
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
