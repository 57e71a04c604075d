#pragma once

#include <QPoint>
#include <QRect>

class QPainter;
class QSettings;

// The design view's grid: its step, whether it is drawn and whether drags and placements snap
// to it. Kept in the stored settings under "Design".
struct DesignGrid {
    static constexpr double kMinStepMm = 0.5, kMaxStepMm = 100.0;
    double stepMm = 5.0;
    bool show = false;
    bool snap = false;
    // The step drags snap to, 0 when they do not.
    double snapStep() const { return snap ? stepMm : 0.0; }
    bool operator==(const DesignGrid &) const = default;
};

// Missing or unusable values keep the defaults.
DesignGrid ReadDesignGrid(QSettings &settings);
void WriteDesignGrid(QSettings &settings, const DesignGrid &grid);

// Draws the grid lines of a page at zoom over area, in the pixels of a widget whose top-left
// corner lies at origin (page pixels). Lines closer than a few pixels are thinned out.
void PaintGrid(QPainter &painter, const QRect &area, const QPoint &origin, int zoom, double stepMm);
