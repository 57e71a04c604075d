#include "render/page_image.h"

#include "model/v_page.h"
#include "render/device_setup.h"
#include "render/element_painter.h"
#include "render/painter_guard.h"

#include <QPainter>
#include <cmath>

namespace
{

double outputPpi(const PageImageOptions &options, bool vertical)
{
    const int zoom = options.zoom > 0 ? options.zoom : 100;
    if (options.dpi > 0) return options.dpi * zoom / 100.0;
    return vertical ? ScreenPpiY(zoom) : ScreenPpiX(zoom);
}

// The element windows of the design view, each clipped to its parent as child windows are.
void drawWindow(VGrfElement &element, QPainter &painter, const VPage &page)
{
    const QRect bounds = element.WindowBounds();
    if (bounds.width() <= 0 || bounds.height() <= 0) return;
    PainterGuard guard(painter);
    painter.translate(bounds.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), bounds.size()), Qt::IntersectClip);
    DrawElementDesign(element, painter, bounds.size(), &page);
    for (const auto &child : element.ChildList())
        drawWindow(*child, painter, page);
}

QImage renderDesign(VPage &page, int zoom)
{
    const int oldZoom = page.Zoom();
    page.SetZoom(zoom); // lays the windows out from the twips at this zoom
    const QSize size = page.PixelSize();
    QImage image;
    if (!size.isEmpty() && qint64(size.width()) * size.height() <= kMaxPageImagePixels) {
        image = QImage(size, QImage::Format_ARGB32);
        if (!image.isNull()) {
            image.fill(Qt::white);
            QPainter painter(&image);
            const VPicture *background = page.Background();
            if (background && background->HasImage()) {
                PainterGuard guard(painter);
                painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
                painter.drawImage(QRect(QPoint(0, 0), size), background->Image());
            }
            drawWindow(page.Root(), painter, page);
        }
    }
    page.SetZoom(oldZoom);
    return image;
}

} // namespace

QSize PageImageSize(const VPage &page, const PageImageOptions &options)
{
    if (options.designView) {
        const int zoom = options.zoom > 0 ? options.zoom : 100;
        const QSize t = page.TwipsSize();
        return QSize(int(std::trunc(double(t.width()) * zoom / 100.0 / TwipsPerPixelX())),
                     int(std::trunc(double(t.height()) * zoom / 100.0 / TwipsPerPixelY())));
    }
    const QSize t = page.TwipsSize();
    const double w = std::trunc(double(t.width()) * outputPpi(options, false) / 1440.0);
    const double h = std::trunc(double(t.height()) * outputPpi(options, true) / 1440.0);
    return QSize(int(std::clamp(w, 0.0, 1e9)), int(std::clamp(h, 0.0, 1e9)));
}

QImage RenderPageImage(VPage &page, const PageImageOptions &options)
{
    const QSize size = PageImageSize(page, options);
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxPageImagePixels) return QImage();
    if (options.designView) return renderDesign(page, options.zoom > 0 ? options.zoom : 100);

    QImage image(size, QImage::Format_ARGB32);
    if (image.isNull()) return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    SetupTwips(painter, outputPpi(options, false), outputPpi(options, true));
    PaintPageOutput(page, painter, options.blackWhite, options.printableOnly);
    return image;
}

QImage RenderPageImage(VPage &page, double dpi, bool designView)
{
    PageImageOptions options;
    options.dpi = dpi;
    options.designView = designView;
    return RenderPageImage(page, options);
}
