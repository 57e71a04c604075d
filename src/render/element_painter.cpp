#include "render/element_painter.h"

#include "model/v_grf_element.h"
#include "model/v_page.h"
#include "render/barcode_painter.h"
#include "render/device_setup.h"
#include "render/gdi_style.h"
#include "render/painter_guard.h"
#include "render/picture_painter.h"
#include "render/shape_painter.h"
#include "render/text_painter.h"

#include <QPainter>

namespace
{

// Pixels from which the grip side is computed (the element window's grip size).
constexpr int kGripSize = 5;

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);

bool isCut(const VGrfElement &element)
{
    return editingState().cutElement == &element;
}

bool isCutOrParentCut(const VGrfElement &element)
{
    const VGrfElement *cut = editingState().cutElement;
    return cut && (cut == &element || cut == element.Parent());
}

void drawBarcodeOf(VGrfElement &element, QPainter &painter, const QRect &rect, DrawSurface surface)
{
    if (element.Kind() != ElementKind::BarCode || !element.BarCode()) return;
    PainterGuard guard(painter);
    DrawBarcode(*element.BarCode(), painter, rect, element.Font(), surface);
}

void drawPictureOf(const VGrfElement &element, QPainter &painter, const QRect &rect)
{
    if (element.Picture()) DrawPicture(painter, *element.Picture(), rect);
}

// --- output ---

void drawOutputShape(VGrfElement &element, QPainter &painter, const QRect &rect, bool blackWhite)
{
    if (element.Shape().Figure() == 3) {
        DrawBorders(painter, rect, element.Shape(), blackWhite);
        return;
    }
    drawPictureOf(element, painter, rect);
    DrawShape(painter, rect, element.Shape(), blackWhite);
}

void drawOutputContent(VGrfElement &element, QPainter &painter, const QRect &rect, bool blackWhite)
{
    if (element.Kind() == ElementKind::BarCode) {
        drawBarcodeOf(element, painter, rect, DrawSurface::Printer);
        return;
    }
    drawPictureOf(element, painter, rect);
    if (element.Kind() != ElementKind::Label) return;
    TextOptions options;
    options.color = OutputColor(element.Font().FontColor(), blackWhite);
    DrawElementText(painter, rect, element.Font(), PartedText(element.Caption(), element.Font()), options);
}

// --- design view ---

void drawSeeThrough(const VGrfElement &element, QPainter &painter, const QSize &clientPx, const VPage *page)
{
    const VPicture *background = page ? page->Background() : nullptr;
    if (!background || !background->HasImage()) return;
    // The window's place on the page: its bounds and those of every parent up to the root panel.
    QPoint at;
    for (const VGrfElement *e = &element; e; e = e->Parent())
        at += e->WindowBounds().topLeft();
    const QSize pagePx = page->PixelSize();
    const QImage &image = background->Image();
    if (pagePx.isEmpty()) return;
    const double sx = double(image.width()) / pagePx.width();
    const double sy = double(image.height()) / pagePx.height();
    const QRectF source(at.x() * sx, at.y() * sy, clientPx.width() * sx, clientPx.height() * sy);
    PainterGuard guard(painter);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(clientPx)), image, source);
}

void drawDesignShape(VGrfElement &element, QPainter &painter, const QRect &rect)
{
    const VShape &shape = element.Shape();
    if (shape.Figure() == 3) {
        DrawBorders(painter, rect, shape, false);
        return;
    }
    int penStyle = shape.PenStyle();
    QColor penColor = ColorFromRef(shape.PenColor() & 0xFFFFFF);
    if (penStyle == psNull) {
        // Helper outline so that frameless elements can be found and grabbed.
        penStyle = psDot;
        switch (element.Kind()) {
        case ElementKind::Panel:
            penColor = Qt::blue;
            break;
        case ElementKind::Group:
            penColor = Qt::red;
            break;
        case ElementKind::Label:
            penColor = Qt::black;
            break;
        default:
            break;
        }
    }
    QColor brushColor = ColorFromRef(shape.BrushColor() & 0xFFFFFF);
    if (isCutOrParentCut(element)) penColor = brushColor = kSilver;
    DrawFigure(painter, rect, shape, MakeGdiPen(penStyle, shape.PenWidth(), penColor),
               MakeGdiBrush(shape.BrushStyle(), brushColor, painter));
}

void drawDesignText(const VGrfElement &element, QPainter &painter, const QRect &rect)
{
    const TZelFont &font = element.Font();
    TextOptions options;
    QString text;
    switch (element.Kind()) {
    case ElementKind::Group:
        text = QLatin1Char(' ') + element.Name();
        options.topLeftOnly = true;
        options.color = isCutOrParentCut(element) ? kGrey : QColor(Qt::blue);
        break;
    case ElementKind::Label:
        text = PartedText(element.Caption().isEmpty() ? element.Name() : element.Caption(), font);
        options.color = isCutOrParentCut(element) ? kGrey : ColorFromRef(font.FontColor() & 0xFFFFFF);
        break;
    case ElementKind::BarCode: {
        text = element.Caption().isEmpty() ? element.Name() : element.Caption();
        const ColorRef bars = element.BarCode() ? element.BarCode()->Color() : kBlack;
        options.color = isCut(element) ? kGrey : ColorFromRef(bars & 0xFFFFFF);
        options.opaque = true;
        const VShape &shape = element.Shape();
        options.background =
            shape.BrushStyle() == bsHollow ? QColor(Qt::white) : ColorFromRef(shape.BrushColor() & 0xFFFFFF);
        break;
    }
    default:
        return;
    }
    DrawElementText(painter, rect, font, text, options);
}

} // namespace

void PaintPageOutput(VPage &page, QPainter &painter, bool blackWhite, bool printableOnly)
{
    const VPicture *background = page.Background();
    if (!printableOnly && background && background->HasImage()) {
        PainterGuard guard(painter);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(page.TwipsSize())), background->Image());
    } else if (!printableOnly && background && background->IsUndecodable()) {
        DrawPicturePlaceholder(painter, QRect(QPoint(0, 0), page.TwipsSize()), false);
    }
    DrawElementOutput(page.Root(), painter, blackWhite, printableOnly, 0, 0);
}

QRect ElementOutputRect(const VGrfElement &element, int offsetX, int offsetY)
{
    const VShape &s = element.Shape();
    // Wide arithmetic and a clamp keep absurd geometry from a file from overflowing.
    auto fit = [](qint64 v) { return int(std::clamp<qint64>(v, -(1 << 29), 1 << 29)); };
    const qint64 left = qint64(s.Left()) - offsetX;
    const qint64 top = qint64(s.Top()) - offsetY;
    const qint64 right = qint64(s.Left()) + s.Width() - offsetX - TwipsPerPixelX();
    const qint64 bottom = qint64(s.Top()) + s.Height() - offsetY - TwipsPerPixelY();
    return QRect(fit(left), fit(top), fit(right - left), fit(bottom - top));
}

namespace
{
void drawOutput(VGrfElement &element, QPainter &painter, bool blackWhite, bool printableOnly, int offsetX,
                int offsetY, bool cellsOnly)
{
    const int mode = element.Printable();
    if (mode == pmNever) return;
    bool shape = true, content = true;
    if (printableOnly) {
        shape = mode == pmAll;
        content = mode == pmAll || mode == pmTextOnly;
    }
    const QRect rect = ElementOutputRect(element, offsetX, offsetY);
    if (shape) drawOutputShape(element, painter, rect, blackWhite);
    if (content) drawOutputContent(element, painter, rect, blackWhite);
    for (const auto &child : element.ChildList())
        if (!cellsOnly || child->Kind() == ElementKind::Cell)
            drawOutput(*child, painter, blackWhite, printableOnly, offsetX, offsetY, cellsOnly);
}
} // namespace

void DrawElementOutput(VGrfElement &element, QPainter &painter, bool blackWhite, bool printableOnly,
                       int offsetX, int offsetY)
{
    drawOutput(element, painter, blackWhite, printableOnly, offsetX, offsetY, false);
}

void DrawElementWithCells(VGrfElement &element, QPainter &painter, bool blackWhite, bool printableOnly,
                          int offsetX, int offsetY)
{
    drawOutput(element, painter, blackWhite, printableOnly, offsetX, offsetY, true);
}

int GripSideTwips(int zoom)
{
    return (kGripSize - 1) * TwipsPerPixelX() * zoom / 100;
}

void DrawElementDesign(VGrfElement &element, QPainter &painter, const QSize &clientSizePx, const VPage *page)
{
    PainterGuard guard(painter);
    // The window's own background, or the page picture beneath it for the see-through kinds.
    painter.fillRect(QRect(QPoint(0, 0), clientSizePx), ColorFromRef(element.BackgroundColor() & 0xFFFFFF));
    const ElementKind kind = element.Kind();
    if (kind == ElementKind::Panel || kind == ElementKind::Group || kind == ElementKind::Label)
        drawSeeThrough(element, painter, clientSizePx, page);

    const int zoom = element.Zoom() > 0 ? element.Zoom() : 100;
    SetupScreen(painter, zoom);
    const QRect rect = DesignElementRect(clientSizePx, zoom);

    drawDesignShape(element, painter, rect);
    drawBarcodeOf(element, painter, rect, DrawSurface::Screen);
    drawPictureOf(element, painter, rect);
    drawDesignText(element, painter, rect);
    if (element.Selected())
        DrawGrips(painter, rect, GripSideTwips(zoom),
                  isCutOrParentCut(element) ? kSilver : QColor(Qt::black));
}

void PaintPage(VPage &page, QPainter &painter)
{
    PainterGuard guard(painter);
    SetupScreen(painter, page.Zoom());
    editingState().cutElement = nullptr;
    PaintPageOutput(page, painter, page.BlackWhite(), page.PrintableOnly());
}
