#pragma once

#include <QColor>
#include <QRect>

class QBrush;
class QPainter;
class QPen;
class VShape;

// Rectangles here are twips with Windows edges: right = x + width, bottom = y + height.

// Figures 0 to 2 (rectangle, rounded rectangle, ellipse) with the given pen and brush.
void DrawFigure(QPainter &painter, const QRect &rect, const VShape &shape, const QPen &pen,
                const QBrush &brush);
// Figures 0 to 2 with the shape's own pen and brush.
void DrawShape(QPainter &painter, const QRect &rect, const VShape &shape, bool blackWhite);
// Figure 3: the fill with a one-pixel pen in the brush colour, then the enabled border lines in
// the order top, right, bottom, left, rising diagonal, falling diagonal.
void DrawBorders(QPainter &painter, const QRect &rect, const VShape &shape, bool blackWhite);
// Eight square grips of side s twips inside the rectangle: corners and side middles.
void DrawGrips(QPainter &painter, const QRect &rect, int side, const QColor &color);
