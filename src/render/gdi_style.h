#pragma once

#include "model/units.h"

#include <QBrush>
#include <QColor>
#include <QPen>

class QPainter;

// Pen and brush codes as the design file stores them (Windows pen styles and hatch brushes).
enum GdiPenStyle {
    psSolid = 0,
    psDash = 1,
    psDot = 2,
    psDashDot = 3,
    psDashDotDot = 4,
    psNull = 5,
    psInsideFrame = 6
};
enum GdiBrushStyle {
    bsSolid = 0,
    bsHollow = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4,
    bsBDiagonal = 5,
    bsCross = 6,
    bsDiagCross = 7
};

// The colour output uses: in black/white everything but pure white turns black.
QColor OutputColor(ColorRef color, bool blackWhite);

// A pen widthPx screen pixels wide (twips on our painters; 0 is the thinnest line the device has).
QPen MakeGdiPen(int style, int widthPx, const QColor &color);
// Hatches keep their 8-pixel pattern on the device whatever the painter's scale is, as on Windows.
QBrush MakeGdiBrush(int style, const QColor &color, const QPainter &painter);
