#include "render/gdi_style.h"

#include "render/device_setup.h"

#include <QPainter>

QColor OutputColor(ColorRef color, bool blackWhite)
{
    const ColorRef rgb = color & 0xFFFFFF;
    if (blackWhite && rgb != kWhite) return Qt::black;
    return ColorFromRef(rgb);
}

QPen MakeGdiPen(int style, int widthPx, const QColor &color)
{
    if (style == psNull) return QPen(Qt::NoPen);
    const int px = std::max(widthPx, 0);
    QPen pen(color);
    pen.setWidthF(double(px) * TwipsPerPixelX());
    // Wide GDI pens end and join round; dashes are laid out in pen widths, thin lines use the
    // longer cosmetic patterns of one-pixel pens.
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    const bool thin = px <= 1;
    QList<qreal> dashes;
    switch (style) {
    case psDash:
        dashes = thin ? QList<qreal>{18, 6} : QList<qreal>{3, 1};
        break;
    case psDot:
        dashes = thin ? QList<qreal>{3, 3} : QList<qreal>{1, 1};
        break;
    case psDashDot:
        dashes = thin ? QList<qreal>{9, 6, 3, 6} : QList<qreal>{3, 1, 1, 1};
        break;
    case psDashDotDot:
        dashes = thin ? QList<qreal>{9, 3, 3, 3, 3, 3} : QList<qreal>{3, 1, 1, 1, 1, 1};
        break;
    default: // solid, inside frame and anything unknown
        break;
    }
    if (!dashes.isEmpty()) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        pen.setDashPattern(dashes);
    }
    return pen;
}

QBrush MakeGdiBrush(int style, const QColor &color, const QPainter &painter)
{
    Qt::BrushStyle pattern;
    switch (style) {
    case bsSolid:
        return QBrush(color, Qt::SolidPattern);
    case bsHorizontal:
        pattern = Qt::HorPattern;
        break;
    case bsVertical:
        pattern = Qt::VerPattern;
        break;
    case bsFDiagonal: // "\\\\": falls from left to right
        pattern = Qt::FDiagPattern;
        break;
    case bsBDiagonal: // "////": rises from left to right
        pattern = Qt::BDiagPattern;
        break;
    case bsCross:
        pattern = Qt::CrossPattern;
        break;
    case bsDiagCross:
        pattern = Qt::DiagCrossPattern;
        break;
    default: // hollow and anything unknown
        return QBrush(Qt::NoBrush);
    }
    QBrush brush(color, pattern);
    // Patterns follow the brush transform times the world transform; undo the twips scale, so that
    // a hatch keeps 8 device pixels (a view transform, as the PDF sets it, scales pixels to points).
    bool invertible = false;
    const QTransform inverse = painter.worldTransform().inverted(&invertible);
    if (invertible) brush.setTransform(inverse);
    return brush;
}
