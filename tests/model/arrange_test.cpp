// Aligning, distributing and sizing elements against each other, in twips, and as undo steps.
#include "model/arrange.h"
#include "model/design_editor.h"
#include "model/element_ops.h"

#include <array>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace
{
struct Edges {
    int left, top, right, bottom;
};
Edges EdgesOf(const VGrfElement &e)
{
    const VShape &s = e.Shape();
    return {s.Left(), s.Top(), s.Left() + s.Width(), s.Top() + s.Height()};
}
int W(const Edges &e)
{
    return e.right - e.left;
}
using Box = std::array<double, 4>;
Box box(double left, double top, double right, double bottom)
{
    return {left, top, right, bottom};
}
int H(const Edges &e)
{
    return e.bottom - e.top;
}

// A page with a label a on the panel, a group g holding label b, and label c on the panel.
struct Layout {
    VDoc doc;
    VGrfElement *root, *a, *g, *b, *c;
    Layout()
    {
        VPage *page = doc.AddPage();
        page->SetZoom(100);
        root = &page->Root();
        a = AddElement(*root, ElementKind::Label, QRect(10, 10, 40, 20));
        g = AddElement(*root, ElementKind::Group, QRect(100, 100, 200, 100));
        b = AddElement(*g, ElementKind::Label, QRect(5, 7, 21, 11));
        c = AddElement(*root, ElementKind::Label, QRect(300, 50, 60, 30));
    }
};

// The model stays consistent: relative twips from the parent, the window from the twips.
void ExpectConsistent(const VGrfElement &e)
{
    const VShape &s = e.Shape(), &p = e.Parent()->Shape();
    EXPECT_EQ(s.Left() - p.Left(), s.RelLeft()) << e.Name().toStdString();
    EXPECT_EQ(s.Top() - p.Top(), s.RelTop()) << e.Name().toStdString();
    VGrfElement copy(e.Kind());
    copy.Shape() = s;
    copy.SetZoom(e.Zoom());
    copy.UpdateWindowFromTwips(false);
    EXPECT_EQ(copy.WindowBounds(), e.WindowBounds()) << e.Name().toStdString();
}
} // namespace

TEST(Arrange, AlignAndSizeAgainstTheFirstAcrossContainers)
{
    // Where the moved element's edges must end, from the reference's and its own old edges; the
    // centre modes may be half a twip off the exact middle.
    const struct {
        ArrangeMode mode;
        std::function<Box(const Edges &r, const Edges &o)> expected;
    } cases[] = {
        {ArrangeMode::AlignLeft, [](auto r, auto o) { return box(r.left, o.top, r.left + W(o), o.bottom); }},
        {ArrangeMode::AlignRight,
         [](auto r, auto o) { return box(r.right - W(o), o.top, r.right, o.bottom); }},
        {ArrangeMode::AlignTop, [](auto r, auto o) { return box(o.left, r.top, o.right, r.top + H(o)); }},
        {ArrangeMode::AlignBottom,
         [](auto r, auto o) { return box(o.left, r.bottom - H(o), o.right, r.bottom); }},
        {ArrangeMode::AlignCentresHorizontally,
         [](auto r, auto o) {
             return box((r.left + r.right - W(o)) / 2.0, o.top, (r.left + r.right + W(o)) / 2.0, o.bottom);
         }},
        {ArrangeMode::AlignCentresVertically,
         [](auto r, auto o) {
             return box(o.left, (r.top + r.bottom - H(o)) / 2.0, o.right, (r.top + r.bottom + H(o)) / 2.0);
         }},
        {ArrangeMode::SameWidth, [](auto r, auto o) { return box(o.left, o.top, o.left + W(r), o.bottom); }},
        {ArrangeMode::SameHeight, [](auto r, auto o) { return box(o.left, o.top, o.right, o.top + H(r)); }},
        {ArrangeMode::SameSize,
         [](auto r, auto o) { return box(o.left, o.top, o.left + W(r), o.top + H(r)); }},
    };
    const auto check = [](const Box &want, const Edges &got) {
        const Box have = box(got.left, got.top, got.right, got.bottom);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(have[i], want[i], 0.5) << "edge " << i;
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(ArrangeText(c.mode));
        Layout l;
        const Edges ref = EdgesOf(*l.c), oldA = EdgesOf(*l.a), oldB = EdgesOf(*l.b), oldG = EdgesOf(*l.g);
        // c is the reference; b sits in a group, so its relative twips differ from its place on the page.
        ASSERT_TRUE(ArrangeElements({l.c, l.a, l.b}, c.mode));
        EXPECT_EQ(EdgesOf(*l.c).left, ref.left);
        EXPECT_EQ(EdgesOf(*l.c).bottom, ref.bottom);
        check(c.expected(ref, oldA), EdgesOf(*l.a));
        check(c.expected(ref, oldB), EdgesOf(*l.b));
        EXPECT_EQ(EdgesOf(*l.g).left, oldG.left); // the group is not in the set
        ExpectConsistent(*l.a);
        ExpectConsistent(*l.b);
        // A second time nothing moves.
        EXPECT_FALSE(ArrangeElements({l.c, l.a, l.b}, c.mode));
    }

    // What can be arranged: not the panel, not a cell, not an element whose container goes too.
    Layout l;
    VGrfElement *table = AddElement(*l.root, ElementKind::Table, QRect(0, 300, 100, 40));
    VGrfElement *cell = AddElement(*table, ElementKind::Cell, QRect(0, 0, 50, 40));
    EXPECT_EQ(ArrangeableElements({l.b, l.root, l.a, cell, l.g, l.a, table}),
              (std::vector<VGrfElement *>{l.a, l.g, table}));
    // A moved container carries its children along.
    const int bLeft = l.b->Shape().Left() - l.g->Shape().Left();
    ASSERT_TRUE(ArrangeElements({l.a, l.g}, ArrangeMode::AlignLeft));
    EXPECT_EQ(l.b->Shape().Left() - l.g->Shape().Left(), bLeft);
    EXPECT_EQ(l.g->Shape().Left(), l.a->Shape().Left());
    EXPECT_FALSE(ArrangeElements({l.a}, ArrangeMode::AlignLeft));
}

TEST(Arrange, DistributeLeavesEqualGapsBetweenTheOutermost)
{
    VDoc doc;
    VPage *page = doc.AddPage();
    page->SetZoom(100);
    VGrfElement &root = page->Root();
    // Given out of order and of different sizes; the one at 250 starts last and stays.
    std::vector<VGrfElement *> set = {AddElement(root, ElementKind::Label, QRect(250, 10, 30, 20)),
                                      AddElement(root, ElementKind::Label, QRect(20, 200, 13, 41)),
                                      AddElement(root, ElementKind::Group, QRect(40, 90, 70, 31)),
                                      AddElement(root, ElementKind::Label, QRect(60, 150, 7, 20))};
    const Edges first = EdgesOf(*set[1]), last = EdgesOf(*set[0]);
    ASSERT_TRUE(ArrangeElements(set, ArrangeMode::DistributeHorizontally));
    EXPECT_EQ(EdgesOf(*set[1]).left, first.left);
    EXPECT_EQ(EdgesOf(*set[0]).left, last.left);
    const std::vector<VGrfElement *> byLeft = {set[1], set[2], set[3], set[0]};
    std::vector<int> gaps;
    for (size_t i = 1; i < byLeft.size(); ++i)
        gaps.push_back(EdgesOf(*byLeft[i]).left - EdgesOf(*byLeft[i - 1]).right);
    for (int gap : gaps)
        EXPECT_LE(std::abs(gap - gaps[0]), 1) << gaps[0] << " " << gap;
    for (VGrfElement *e : set)
        ExpectConsistent(*e);
    EXPECT_EQ(EdgesOf(*set[2]).top, 90 * 15 + root.Shape().Top()); // the other axis stays

    // Vertically, by top; two elements have nothing between them.
    ASSERT_TRUE(ArrangeElements(set, ArrangeMode::DistributeVertically));
    const std::vector<VGrfElement *> byTop = {set[0], set[2], set[3], set[1]};
    const int gap = EdgesOf(*byTop[1]).top - EdgesOf(*byTop[0]).bottom;
    for (size_t i = 2; i < byTop.size(); ++i)
        EXPECT_LE(std::abs(EdgesOf(*byTop[i]).top - EdgesOf(*byTop[i - 1]).bottom - gap), 1);
    EXPECT_FALSE(ArrangeElements({set[0], set[1]}, ArrangeMode::DistributeVertically));
}

TEST(Arrange, OneUndoStepOrNone)
{
    Layout l;
    DesignEditor editor(l.doc);
    const VShape a = l.a->Shape(), b = l.b->Shape();
    const QRect bWindow = l.b->WindowBounds();
    ASSERT_TRUE(editor.arrange({l.c, l.a, l.b, l.root}, ArrangeMode::SameSize));
    EXPECT_EQ(editor.undoStack().count(), 1);
    EXPECT_FALSE(editor.arrange({l.c, l.a, l.b}, ArrangeMode::SameSize));
    EXPECT_EQ(editor.undoStack().count(), 1);
    editor.undoStack().undo();
    EXPECT_EQ(l.a->Shape().Width(), a.Width());
    EXPECT_EQ(l.b->Shape().Height(), b.Height());
    EXPECT_EQ(l.b->Shape().Left(), b.Left());
    EXPECT_EQ(l.b->WindowBounds(), bWindow);
    editor.undoStack().redo();
    EXPECT_EQ(l.b->Shape().Width(), l.c->Shape().Width());
}
