#include "model/typed_geometry.h"

#include "model/v_grf_element.h"

#include <QPoint>
#include <cmath>

namespace
{
// The parent's place on the paper, summed from the relative positions: stale absolute fields
// (a file read by another program) must not shift what is typed.
QPoint originOf(const VGrfElement &element)
{
    QPoint origin;
    for (const VGrfElement *p = element.Parent(); p; p = p->Parent())
        origin += QPoint(p->Shape().RelLeft(), p->Shape().RelTop());
    return origin;
}

int windowTwips(int pixels, int zoom, int twipsPerPixel)
{
    return int(std::trunc(double(pixels) * twipsPerPixel * 100.0 / zoom));
}
} // namespace

double GeometryMm(const VGrfElement &element, GeometrySide side)
{
    const VShape &s = element.Shape();
    const QPoint origin = originOf(element);
    switch (side) {
    case GeometrySide::Left:
        return TwipsToMm(origin.x() + s.RelLeft());
    case GeometrySide::Top:
        return TwipsToMm(origin.y() + s.RelTop());
    case GeometrySide::Width:
        return TwipsToMm(s.Width());
    case GeometrySide::Height:
        return TwipsToMm(s.Height());
    }
    return 0.0;
}

void SetGeometryMm(VGrfElement &element, GeometrySide side, double mm)
{
    VShape &s = element.Shape();
    const QPoint origin = originOf(element);
    // The rule's added twip points away from zero, so that a place left of the parent reads back too.
    const int twips = mm < 0 ? -MmToTwips(-mm) : MmToTwips(mm);
    switch (side) {
    case GeometrySide::Left:
        s.SetRelLeft(twips - origin.x());
        break;
    case GeometrySide::Top:
        s.SetRelTop(twips - origin.y());
        break;
    case GeometrySide::Width:
        s.SetWidth(twips);
        break;
    case GeometrySide::Height:
        s.SetHeight(twips);
        break;
    }
    element.UpdateWindowFromTwips(false);
    const QRect exact = element.WindowBounds();
    element.SetWindowBounds(exact); // the drag's smallest window
    const QRect held = element.WindowBounds();
    const int zoom = element.Zoom() > 0 ? element.Zoom() : 100;
    if (held.width() != exact.width())
        s.SetWidth(windowTwips(held.width(), zoom, screenMetrics().twipsPerPixelX()));
    if (held.height() != exact.height())
        s.SetHeight(windowTwips(held.height(), zoom, screenMetrics().twipsPerPixelY()));
    element.RecomputeAbsolute(origin.x(), origin.y());
    s.SetChanged(true);
}
