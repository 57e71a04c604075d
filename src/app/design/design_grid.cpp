#include "app/design/design_grid.h"

#include "model/grid_snap.h"
#include "model/units.h"

#include <QPainter>
#include <QSettings>
#include <cmath>

DesignGrid ReadDesignGrid(QSettings &settings)
{
    DesignGrid grid;
    settings.beginGroup(QStringLiteral("Design"));
    bool ok = false;
    const double step = settings.value(QStringLiteral("GridStep")).toDouble(&ok);
    if (ok && step >= DesignGrid::kMinStepMm && step <= DesignGrid::kMaxStepMm) grid.stepMm = step;
    grid.show = settings.value(QStringLiteral("ShowGrid"), 0).toInt() != 0;
    grid.snap = settings.value(QStringLiteral("SnapToGrid"), 0).toInt() != 0;
    settings.endGroup();
    return grid;
}

void WriteDesignGrid(QSettings &settings, const DesignGrid &grid)
{
    settings.beginGroup(QStringLiteral("Design"));
    settings.setValue(QStringLiteral("GridStep"), grid.stepMm);
    // Booleans as 0 and 1, as the other stored values are.
    settings.setValue(QStringLiteral("ShowGrid"), int(grid.show));
    settings.setValue(QStringLiteral("SnapToGrid"), int(grid.snap));
    settings.endGroup();
}

namespace
{
int PagePixels(int twips, int zoom, int twipsPerPixel)
{
    return int(std::trunc(double(twips) * zoom / 100.0 / twipsPerPixel));
}
} // namespace

void PaintGrid(QPainter &painter, const QRect &area, const QPoint &origin, int zoom, double stepMm)
{
    if (stepMm <= 0 || zoom <= 0 || area.isEmpty()) return;
    const ScreenMetrics &m = screenMetrics();
    // Every n-th line only, so that a fine grid at a small zoom does not turn the page grey.
    const double stepPixels = stepMm / 25.4 * m.ppiX * zoom / 100.0;
    const int every = std::max(1, int(std::ceil(6.0 / std::max(stepPixels, 0.01))));
    const double twipsPerMm = 1440.0 / 25.4;
    auto lines = [&](int from, int to, int twipsPerPixel, auto &&draw) {
        // The page pixels of the area give the range of line numbers to try.
        const double mmPerPixel = double(twipsPerPixel) * 100.0 / zoom / twipsPerMm;
        int k = int(std::floor(from * mmPerPixel / stepMm)) - 1;
        k -= ((k % every) + every) % every;
        const int last = int(std::ceil(to * mmPerPixel / stepMm)) + 1;
        for (; k <= last; k += every)
            draw(PagePixels(GridLineTwips(k, stepMm), zoom, twipsPerPixel));
    };
    painter.save();
    // Darken keeps the lines light on the page and never paler than what they cross.
    painter.setCompositionMode(QPainter::CompositionMode_Darken);
    painter.setPen(QPen(QColor(200, 214, 236), 0));
    lines(area.left() + origin.x(), area.right() + origin.x(), m.twipsPerPixelX(), [&](int x) {
        const int at = x - origin.x();
        if (at >= area.left() && at <= area.right()) painter.drawLine(at, area.top(), at, area.bottom());
    });
    lines(area.top() + origin.y(), area.bottom() + origin.y(), m.twipsPerPixelY(), [&](int y) {
        const int at = y - origin.y();
        if (at >= area.top() && at <= area.bottom()) painter.drawLine(area.left(), at, area.right(), at);
    });
    painter.restore();
}
