#include "model/arrange.h"

#include "model/v_grf_element.h"

#include <algorithm>
#include <numeric>

namespace
{
struct Box {
    int left, top, width, height;
};

Box BoxOf(const VGrfElement &e)
{
    const VShape &s = e.Shape();
    return {s.Left(), s.Top(), s.Width(), s.Height()};
}

bool Place(VGrfElement &e, const Box &box)
{
    if (box.left == e.Shape().Left() && box.top == e.Shape().Top() && box.width == e.Shape().Width() &&
        box.height == e.Shape().Height())
        return false;
    const VGrfElement *parent = e.Parent();
    const int originLeft = parent ? parent->Shape().Left() : 0,
              originTop = parent ? parent->Shape().Top() : 0;
    VShape &s = e.Shape();
    s.SetRelLeft(box.left - originLeft);
    s.SetRelTop(box.top - originTop);
    s.SetWidth(box.width);
    s.SetHeight(box.height);
    e.RecomputeAbsolute(originLeft, originTop);
    e.UpdateWindowFromTwips(false);
    return true;
}

// Equal gaps between the first and the last along one axis; start and size pick the axis.
bool Distribute(const std::vector<VGrfElement *> &elements, int Box::*start, int Box::*size)
{
    if (elements.size() < 3) return false;
    std::vector<std::pair<VGrfElement *, Box>> items;
    for (VGrfElement *e : elements)
        items.push_back({e, BoxOf(*e)});
    std::stable_sort(items.begin(), items.end(),
                     [&](const auto &a, const auto &b) { return a.second.*start < b.second.*start; });
    const Box &first = items.front().second;
    const Box &last = items.back().second;
    const long long sizes =
        std::accumulate(items.begin(), items.end(), 0LL,
                        [&](long long sum, const auto &item) { return sum + item.second.*size; });
    const long long free = (static_cast<long long>(last.*start) + last.*size - first.*start) - sizes;
    const long long gaps = static_cast<long long>(items.size()) - 1;
    bool changed = false;
    long long before = 0; // sizes of the elements placed so far
    for (size_t i = 1; i + 1 < items.size(); ++i) {
        before += items[i - 1].second.*size;
        Box box = items[i].second;
        // Rounded down at each step, so the leftover twips spread over the gaps instead of piling up at the
        // end.
        box.*start = int(first.*start + before + free * static_cast<long long>(i) / gaps);
        changed = Place(*items[i].first, box) || changed;
    }
    return changed;
}
} // namespace

std::vector<VGrfElement *> ArrangeableElements(const std::vector<VGrfElement *> &elements)
{
    std::vector<VGrfElement *> kept;
    for (VGrfElement *e : elements) {
        if (!e || !e->Parent() || e->Kind() == ElementKind::Cell) continue;
        if (std::find(kept.begin(), kept.end(), e) != kept.end()) continue;
        kept.push_back(e);
    }
    std::erase_if(kept, [&](VGrfElement *e) {
        return std::any_of(kept.begin(), kept.end(),
                           [e](VGrfElement *c) { return c != e && c->IsAncestorOf(e); });
    });
    return kept;
}

bool ArrangeElements(const std::vector<VGrfElement *> &elements, ArrangeMode mode)
{
    if (elements.size() < 2) return false;
    if (mode == ArrangeMode::DistributeHorizontally) return Distribute(elements, &Box::left, &Box::width);
    if (mode == ArrangeMode::DistributeVertically) return Distribute(elements, &Box::top, &Box::height);
    const Box ref = BoxOf(*elements.front());
    bool changed = false;
    for (size_t i = 1; i < elements.size(); ++i) {
        Box box = BoxOf(*elements[i]);
        switch (mode) {
        case ArrangeMode::AlignLeft:
            box.left = ref.left;
            break;
        case ArrangeMode::AlignRight:
            box.left = ref.left + ref.width - box.width;
            break;
        case ArrangeMode::AlignTop:
            box.top = ref.top;
            break;
        case ArrangeMode::AlignBottom:
            box.top = ref.top + ref.height - box.height;
            break;
        case ArrangeMode::AlignCentresHorizontally:
            box.left = ref.left + (ref.width - box.width) / 2;
            break;
        case ArrangeMode::AlignCentresVertically:
            box.top = ref.top + (ref.height - box.height) / 2;
            break;
        case ArrangeMode::SameWidth:
            box.width = ref.width;
            break;
        case ArrangeMode::SameHeight:
            box.height = ref.height;
            break;
        case ArrangeMode::SameSize:
            box.width = ref.width;
            box.height = ref.height;
            break;
        default:
            break;
        }
        changed = Place(*elements[i], box) || changed;
    }
    return changed;
}

const char *ArrangeText(ArrangeMode mode)
{
    switch (mode) {
    case ArrangeMode::AlignLeft:
        return "Align Left";
    case ArrangeMode::AlignRight:
        return "Align Right";
    case ArrangeMode::AlignTop:
        return "Align Top";
    case ArrangeMode::AlignBottom:
        return "Align Bottom";
    case ArrangeMode::AlignCentresHorizontally:
        return "Align Horizontal Centres";
    case ArrangeMode::AlignCentresVertically:
        return "Align Vertical Centres";
    case ArrangeMode::DistributeHorizontally:
        return "Distribute Horizontally";
    case ArrangeMode::DistributeVertically:
        return "Distribute Vertically";
    case ArrangeMode::SameWidth:
        return "Same Width";
    case ArrangeMode::SameHeight:
        return "Same Height";
    case ArrangeMode::SameSize:
        return "Same Size";
    }
    return "";
}
