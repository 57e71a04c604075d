#include "render/module_stencil.h"

#include <QList>
#include <QPainter>
#include <vector>

ModuleStencil::ModuleStencil(int columns_, int rows_, const QRectF &rect_, const QColor &color_)
    : columns(columns_), rows(rows_), bits(qsizetype((columns_ + 7) / 8) * rows_, '\0'), rect(rect_), color(color_)
{
}

void DrawStencil(QPainter &painter, const ModuleStencil &stencil)
{
    if (stencil.columns <= 0 || stencil.rows <= 0 || stencil.rect.isEmpty()) return;
    // Small whole numbers in module units keep a PDF's drawing short; finder patterns and most
    // columns of a QR Code merge into a few rectangles.
    QList<QRect> runs;
    std::vector<int> above(size_t(stencil.columns), -1), here(size_t(stencil.columns), -1); // run starting there
    for (int y = 0; y < stencil.rows; ++y) {
        std::fill(here.begin(), here.end(), -1);
        for (int x = 0; x < stencil.columns;) {
            if (!stencil.dark(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < stencil.columns && stencil.dark(x, y))
                ++x;
            const int same = above[size_t(start)];
            if (same >= 0 && runs[same].width() == x - start) {
                runs[same].setHeight(runs[same].height() + 1);
                here[size_t(start)] = same;
            } else {
                here[size_t(start)] = int(runs.size());
                runs << QRect(start, y, x - start, 1);
            }
        }
        above.swap(here);
    }
    if (runs.isEmpty()) return;
    painter.save();
    painter.translate(stencil.rect.topLeft());
    painter.scale(stencil.rect.width() / stencil.columns, stencil.rect.height() / stencil.rows);
    painter.setPen(Qt::NoPen);
    painter.setBrush(stencil.color);
    painter.drawRects(runs);
    painter.restore();
}

void PutStencil(QPainter &painter, const ModuleStencil &stencil, StencilSink *sink)
{
    if (!sink || !sink->place(painter.combinedTransform(), stencil)) DrawStencil(painter, stencil);
}
