#include "model/grid_snap.h"

#include "model/design_editing.h"
#include "model/units.h"
#include "model/v_grf_element.h"

#include <cmath>
#include <cstdlib>

int GridLineTwips(int k, double stepMm)
{
    return k >= 0 ? MmToTwips(k * stepMm) : -MmToTwips(-k * stepMm);
}

int NearestGridLine(int twips, double stepMm)
{
    if (stepMm <= 0) return twips;
    // MmToTwips adds a twip to each line, so the plain quotient can land one line off.
    const int guess = int(std::lround(twips * 25.4 / 1440.0 / stepMm));
    int best = GridLineTwips(guess, stepMm);
    for (int k : {guess - 1, guess + 1}) {
        const int line = GridLineTwips(k, stepMm);
        if (std::abs(line - twips) < std::abs(best - twips)) best = line;
    }
    return best;
}

namespace
{
// Whether size twips gives a window the minimum-size rule leaves alone.
bool KeepsSize(int twips, int zoom, int twipsPerPixel)
{
    const int pixels = int(std::trunc(double(twips) * zoom / 100.0 / twipsPerPixel));
    return pixels * zoom / 100 >= 5;
}

// Gives the element its new absolute edges in twips and the window that follows from them.
void PlaceTwips(VGrfElement &element, int left, int top, int right, int bottom)
{
    VShape &s = element.Shape();
    const VGrfElement *parent = element.Parent();
    const int originLeft = parent ? parent->Shape().Left() : 0;
    const int originTop = parent ? parent->Shape().Top() : 0;
    s.SetRelLeft(left - originLeft);
    s.SetRelTop(top - originTop);
    s.SetWidth(right - left);
    s.SetHeight(bottom - top);
    element.RecomputeAbsolute(originLeft, originTop);
    // Children keep their relative windows; only this one is recomputed.
    element.UpdateWindowFromTwips(false);
    element.SetWindowBounds(element.WindowBounds());
    s.SetChanged(true);
}
} // namespace

namespace
{
// Puts the edges that zone moves (raw places in absolute twips) on their nearest lines and gives
// the element the result.
void SnapEdges(VGrfElement &element, int zone, double stepMm, int left, int top, int right, int bottom)
{
    if (zone == 0) {
        const int dx = NearestGridLine(left, stepMm) - left, dy = NearestGridLine(top, stepMm) - top;
        PlaceTwips(element, left + dx, top + dy, right + dx, bottom + dy);
        return;
    }
    const int zoom = element.Zoom() > 0 ? element.Zoom() : 100;
    const ScreenMetrics &m = screenMetrics();
    auto snap = [&](int &edge, int opposite, int twipsPerPixel) {
        const int line = NearestGridLine(edge, stepMm);
        const bool sameSide = (edge < opposite) == (line < opposite);
        if (sameSide && KeepsSize(std::abs(opposite - line), zoom, twipsPerPixel)) edge = line;
    };
    if (zone == 3 || zone == 5 || zone == 7) snap(left, right, m.twipsPerPixelX());
    if (zone == 4 || zone == 6 || zone == 8) snap(right, left, m.twipsPerPixelX());
    if (zone == 1 || zone == 5 || zone == 6) snap(top, bottom, m.twipsPerPixelY());
    if (zone == 2 || zone == 7 || zone == 8) snap(bottom, top, m.twipsPerPixelY());
    PlaceTwips(element, left, top, right, bottom);
}
} // namespace

void SnapElementToGrid(VGrfElement &element, int zone, double stepMm)
{
    if (stepMm <= 0 || zone < 0 || zone > 8) return;
    const VShape &s = element.Shape();
    SnapEdges(element, zone, stepMm, s.Left(), s.Top(), s.Left() + s.Width(), s.Top() + s.Height());
}

void SnapDraggedElement(VGrfElement &element, const QRect &window, int zone, double stepMm)
{
    if (stepMm <= 0 || zone < 0 || zone > 8) return SetElementWindow(element, window);
    const int zoom = element.Zoom() > 0 ? element.Zoom() : 100;
    const ScreenMetrics &m = screenMetrics();
    // The drag's rule for pixels to twips, trunc(pixels x twips-per-pixel x 100 / zoom).
    auto twips = [zoom](int pixels, int twipsPerPixel) {
        return int(std::trunc(double(pixels) * twipsPerPixel * 100.0 / zoom));
    };
    const VShape &s = element.Shape();
    const VGrfElement *parent = element.Parent();
    const int originLeft = parent ? parent->Shape().Left() : 0,
              originTop = parent ? parent->Shape().Top() : 0;
    int left = s.Left(), top = s.Top(), right = left + s.Width(), bottom = top + s.Height();
    if (zone == 0 || zone == 3 || zone == 5 || zone == 7)
        left = originLeft + twips(window.left(), m.twipsPerPixelX());
    if (zone == 0 || zone == 1 || zone == 5 || zone == 6)
        top = originTop + twips(window.top(), m.twipsPerPixelY());
    if (zone == 0) {
        right = left + s.Width();
        bottom = top + s.Height();
    }
    if (zone == 4 || zone == 6 || zone == 8) right = left + twips(window.width(), m.twipsPerPixelX());
    if (zone == 2 || zone == 7 || zone == 8) bottom = top + twips(window.height(), m.twipsPerPixelY());
    SnapEdges(element, zone, stepMm, left, top, right, bottom);
}

void MoveElementEdges(VGrfElement &element, const QMargins &edges)
{
    const VShape &s = element.Shape();
    PlaceTwips(element, s.Left() - edges.left(), s.Top() - edges.top(), s.Left() + s.Width() + edges.right(),
               s.Top() + s.Height() + edges.bottom());
}

QRect AbsoluteTwips(const VGrfElement &element)
{
    const VShape &s = element.Shape();
    return QRect(s.Left(), s.Top(), s.Width(), s.Height());
}

QRect SelectionExtentTwips(const VGrfElement &root)
{
    QRect extent = root.Selected() ? AbsoluteTwips(root) : QRect();
    for (const auto &child : root.ChildList())
        extent = extent.united(SelectionExtentTwips(*child));
    return extent;
}
