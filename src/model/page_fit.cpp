#include "model/page_fit.h"

#include "model/units.h"
#include "model/v_page.h"

namespace
{
void collect(const VGrfElement &e, int originLeft, int originTop, const QSize &paper,
             std::vector<const VGrfElement *> &out)
{
    const VShape &s = e.Shape();
    const qint64 left = qint64(originLeft) + s.RelLeft(), top = qint64(originTop) + s.RelTop();
    if (left < 0 || top < 0 || left + s.Width() > paper.width() || top + s.Height() > paper.height())
        out.push_back(&e);
    for (const auto &child : e.ChildList())
        collect(*child, int(left), int(top), paper, out);
}
} // namespace

std::vector<const VGrfElement *> ElementsOutsidePaper(const VPage &page)
{
    std::vector<const VGrfElement *> out;
    // The root's relative position is its place on the page.
    collect(page.Root(), 0, 0, page.TwipsSize(), out);
    return out;
}

QString OutsideElementText(const VGrfElement &e)
{
    const VShape &s = e.Shape();
    auto mm = [](int twips) { return QString::number(TwipsToMm(twips), 'f', 1); };
    return e.Name() + QStringLiteral(" (") + KindName(e.Kind()) + QStringLiteral(") at ") + mm(s.Left()) +
           QStringLiteral(", ") + mm(s.Top()) + QStringLiteral(" mm, ") + mm(s.Width()) + QStringLiteral(" x ") +
           mm(s.Height()) + QStringLiteral(" mm");
}

void FitPanelToPaper(VPage &page)
{
    VGrfElement &root = page.Root();
    const QSize paper = page.TwipsSize();
    // A quarter inch each side and at the top, as a new page's panel; tiny papers keep 1 mm.
    const int margin = std::max(1, std::min({360, paper.width() / 8, paper.height() / 8}));
    const VShape before = root.Shape();
    root.Shape().SetLeft(margin);
    root.Shape().SetTop(margin);
    root.Shape().SetRelLeft(margin);
    root.Shape().SetRelTop(margin);
    root.Shape().SetWidth(std::max(1, paper.width() - 2 * margin));
    root.Shape().SetHeight(std::max(1, paper.height() - 2 * margin));
    // Children keep their places on the paper.
    const int dx = before.Left() - margin, dy = before.Top() - margin;
    for (const auto &child : root.ChildList()) {
        child->Shape().SetRelLeft(child->Shape().RelLeft() + dx);
        child->Shape().SetRelTop(child->Shape().RelTop() + dy);
    }
    root.RecomputeAbsolute(0, 0);
    root.UpdateWindowFromTwips(true);
    root.SetChanged(true);
}
