#pragma once

#include <QByteArray>
#include <QColor>
#include <QRectF>

class QPainter;
class QTransform;

// The dark modules of a symbol (the bars of a linear barcode, the squares of a QR Code) as rows
// of samples, one per module, placed on a rectangle: what a vector surface can hand over whole
// instead of as one rectangle per run of dark modules.
struct ModuleStencil {
    int columns = 0; // 0: no stencil
    int rows = 0;
    QByteArray bits; // rows top first, each (columns + 7) / 8 bytes, first module in the high bit
    QRectF rect;     // where the samples lie, in the painter's logical units
    QColor color = Qt::black;

    ModuleStencil() = default;
    ModuleStencil(int columns, int rows, const QRectF &rect, const QColor &color);
    int rowBytes() const { return (columns + 7) / 8; }
    bool dark(int x, int y) const
    {
        return (uchar(bits[y * rowBytes() + x / 8]) >> (7 - x % 8)) & 1;
    }
    void setDark(int x, int y)
    {
        bits[y * rowBytes() + x / 8] = char(uchar(bits[y * rowBytes() + x / 8]) | (0x80 >> (x % 8)));
    }
};

// Somewhere that takes a stencil as it is (a PDF page's image mask), toDevice mapping its
// logical units onto the device. False when it cannot here (the stencil is then to be drawn).
class StencilSink
{
public:
    virtual ~StencilSink() = default;
    virtual bool place(const QTransform &toDevice, const ModuleStencil &stencil) = 0;
};

// Draws the stencil's dark modules as filled rectangles: runs along a row, and a run continuing
// the same run of the row above as one taller rectangle.
void DrawStencil(QPainter &painter, const ModuleStencil &stencil);
// Places the stencil in sink, or draws it when there is none or the sink cannot take it.
void PutStencil(QPainter &painter, const ModuleStencil &stencil, StencilSink *sink);
