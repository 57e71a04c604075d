#include "render/shape_painter.h"

#include "model/v_shape.h"
#include "render/device_setup.h"
#include "render/gdi_style.h"
#include "render/painter_guard.h"

#include <QPainter>

namespace
{
QRectF windowsRect(const QRect &r)
{
    return QRectF(r.x(), r.y(), r.width(), r.height());
}
} // namespace

void DrawFigure(QPainter &painter, const QRect &rect, const VShape &shape, const QPen &pen,
                const QBrush &brush)
{
    PainterGuard guard(painter);
    painter.setPen(pen);
    painter.setBrush(brush);
    const QRectF r = windowsRect(rect);
    switch (shape.Figure()) {
    case 1: {
        // RoundRect takes the corner ellipse's diameters.
        const double radius = double(shape.RectRound()) * TwipsPerPixelX() / 2.0;
        painter.drawRoundedRect(r, radius, radius, Qt::AbsoluteSize);
        break;
    }
    case 2:
        painter.drawEllipse(r);
        break;
    default:
        painter.drawRect(r);
        break;
    }
}

void DrawShape(QPainter &painter, const QRect &rect, const VShape &shape, bool blackWhite)
{
    DrawFigure(painter, rect, shape,
               MakeGdiPen(shape.PenStyle(), shape.PenWidth(), OutputColor(shape.PenColor(), blackWhite)),
               MakeGdiBrush(shape.BrushStyle(), OutputColor(shape.BrushColor(), blackWhite), painter));
}

void DrawBorders(QPainter &painter, const QRect &rect, const VShape &shape, bool blackWhite)
{
    PainterGuard guard(painter);
    const QColor fill = OutputColor(shape.BrushColor(), blackWhite);
    painter.setPen(MakeGdiPen(psSolid, 1, fill));
    painter.setBrush(MakeGdiBrush(shape.BrushStyle(), fill, painter));
    painter.drawRect(windowsRect(rect));

    const double l = rect.x(), t = rect.y(), r = rect.x() + rect.width(), b = rect.y() + rect.height();
    const QLineF lines[6] = {
        {l, t, r, t}, // top
        {r, t, r, b}, // right
        {l, b, r, b}, // bottom
        {l, t, l, b}, // left
        {l, b, r, t}, // rising diagonal
        {l, t, r, b}, // falling diagonal
    };
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const VBorder &line = shape.BorderLine(i);
        if (!line.visible) continue;
        painter.setPen(MakeGdiPen(line.PenStyle, line.PenWidth, OutputColor(line.PenColor, blackWhite)));
        painter.drawLine(lines[i]);
    }
}

void DrawGrips(QPainter &painter, const QRect &rect, int side, const QColor &color)
{
    PainterGuard guard(painter);
    painter.setPen(MakeGdiPen(psSolid, 1, color));
    painter.setBrush(QBrush(color));
    const int l = rect.x(), t = rect.y(), r = rect.x() + rect.width(), b = rect.y() + rect.height();
    const int cx = l + rect.width() / 2 - side / 2, cy = t + rect.height() / 2 - side / 2;
    const int xs[3] = {l, cx, r - side}, ys[3] = {t, cy, b - side};
    for (int yi = 0; yi < 3; ++yi)
        for (int xi = 0; xi < 3; ++xi)
            if (xi != 1 || yi != 1) painter.drawRect(QRectF(xs[xi], ys[yi], side, side));
}
