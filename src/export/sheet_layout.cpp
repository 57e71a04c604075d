#include "export/sheet_layout.h"

#include "export/text_export.h"
#include "model/v_page.h"
#include "render/gdi_style.h"

#include <QRect>
#include <algorithm>
#include <map>

namespace
{

constexpr int kColumnSlack = 113; // 2 mm
constexpr int kRowSlack = 283;    // 5 mm

// A place on the page that starts a row and a column: a table cell, or a text outside them.
struct Anchor {
    QRect rect;
    int x = 0; // where its column is looked for: its left edge, or that of the table column over it
    int row = 0, column = 0;
};

void collectCells(const VGrfElement &e, std::vector<const VGrfElement *> &cells)
{
    if (e.Printable() == pmNever) return;
    if (e.Kind() == ElementKind::Cell && e.Parent() && e.Parent()->Kind() == ElementKind::Table)
        cells.push_back(&e);
    for (const auto &child : e.ChildList())
        collectCells(*child, cells);
}

QRect rectOf(const VGrfElement &e)
{
    // Clamped, so that absurd geometry from a file cannot overflow the rectangle's edges.
    auto fit = [](int v, int low) { return std::clamp(v, low, 1 << 29); };
    const VShape &s = e.Shape();
    return QRect(fit(s.Left(), -(1 << 29)), fit(s.Top(), -(1 << 29)), fit(s.Width(), 1), fit(s.Height(), 1));
}

unsigned sidesOf(const VShape &s)
{
    if (s.Figure() == 3) {
        unsigned sides = 0;
        const std::pair<int, SheetCell::Side> lines[] = {{VShape::BorderTop, SheetCell::Top},
                                                         {VShape::BorderRight, SheetCell::Right},
                                                         {VShape::BorderBottom, SheetCell::Bottom},
                                                         {VShape::BorderLeft, SheetCell::Left}};
        for (const auto &[index, side] : lines)
            if (s.BorderLine(index).visible) sides |= side;
        return sides;
    }
    if (s.Figure() <= 1 && s.PenStyle() != psNull)
        return SheetCell::Top | SheetCell::Right | SheetCell::Bottom | SheetCell::Left;
    return 0;
}

// Rows: anchors by top; one joins the row begun above it while its top is in that row's band.
// Returns each row's top.
std::vector<int> assignRows(std::vector<Anchor> &anchors)
{
    std::vector<Anchor *> byTop;
    for (Anchor &a : anchors)
        byTop.push_back(&a);
    std::stable_sort(byTop.begin(), byTop.end(),
                     [](const Anchor *a, const Anchor *b) { return a->rect.top() < b->rect.top(); });
    std::vector<int> tops;
    int bandEnd = 0;
    for (Anchor *a : byTop) {
        if (tops.empty() || a->rect.top() >= bandEnd) {
            tops.push_back(a->rect.top());
            bandEnd = a->rect.top() + std::max(1, std::min(a->rect.height() / 2, kRowSlack));
        }
        a->row = int(tops.size()) - 1;
    }
    return tops;
}

// The last of the sorted edges at or before end; never before first.
int lastStartingBy(const std::vector<int> &edges, int end, int first)
{
    const int last = int(std::upper_bound(edges.begin(), edges.end(), end) - edges.begin()) - 1;
    return std::max(first, last);
}

// Columns: anchors by left; returns each column's left edge.
std::vector<int> assignColumns(std::vector<Anchor> &anchors)
{
    std::vector<Anchor *> byLeft;
    for (Anchor &a : anchors)
        byLeft.push_back(&a);
    std::stable_sort(byLeft.begin(), byLeft.end(),
                     [](const Anchor *a, const Anchor *b) { return a->x < b->x; });
    std::vector<int> lefts;
    for (Anchor *a : byLeft) {
        if (lefts.empty() || a->x >= lefts.back() + kColumnSlack) lefts.push_back(a->x);
        a->column = int(lefts.size()) - 1;
    }
    return lefts;
}

// A text above, below or beside a table whose left edge lies under one of the table's columns
// takes that column, so that a page keeps its table's columns (the total under the amounts).
void alignWithTableColumns(std::vector<Anchor> &anchors, size_t cellCount)
{
    std::vector<Anchor> cells(anchors.begin(), anchors.begin() + qsizetype(cellCount));
    const std::vector<int> lefts = assignColumns(cells);
    std::vector<int> rights(lefts.size(), 0);
    for (const Anchor &c : cells)
        rights[size_t(c.column)] = std::max(rights[size_t(c.column)], c.rect.left() + c.rect.width());
    for (size_t i = cellCount; i < anchors.size(); ++i) {
        const int left = anchors[i].rect.left();
        const auto after = std::upper_bound(lefts.begin(), lefts.end(), left);
        if (after == lefts.begin()) continue;
        const size_t column = size_t(after - lefts.begin()) - 1;
        const int end = after == lefts.end() ? rights[column] : std::min(*after, rights[column]);
        if (left < end) anchors[i].x = lefts[column];
    }
}

} // namespace

SheetPage LayOutSheet(const VPage &page)
{
    std::vector<const VGrfElement *> cells;
    collectCells(page.Root(), cells);
    std::vector<Anchor> anchors;
    for (const VGrfElement *cell : cells)
        anchors.push_back({rectOf(*cell), rectOf(*cell).left()});

    struct Text {
        QString text;
        bool bold;
        size_t anchor;
    };
    std::vector<Text> texts;
    for (const TextLine &line : PageTextLines(page)) {
        if (line.text.isEmpty()) continue;
        const QRect own = rectOf(*line.element);
        size_t anchor = anchors.size();
        for (size_t i = 0; i < cells.size(); ++i)
            if (anchors[i].rect.contains(own.topLeft())) {
                anchor = i;
                break;
            }
        if (anchor == anchors.size()) anchors.push_back({own, own.left()});
        texts.push_back({line.text, line.element->Font().FontWeight() >= 700, anchor});
    }

    const std::vector<int> tops = assignRows(anchors);
    alignWithTableColumns(anchors, cells.size());
    const std::vector<int> lefts = assignColumns(anchors);

    std::map<std::pair<int, int>, SheetCell> grid;
    auto at = [&grid](int row, int column) -> SheetCell & {
        SheetCell &c = grid[{row, column}];
        c.row = row;
        c.column = column;
        return c;
    };
    for (const Text &t : texts) {
        SheetCell &c = at(anchors[t.anchor].row, anchors[t.anchor].column);
        c.text += (c.text.isEmpty() ? QString() : QStringLiteral("\n")) + t.text;
        c.bold = c.bold || t.bold;
    }
    // A table cell covers the sheet cells whose row and column start inside it.
    for (size_t i = 0; i < cells.size(); ++i) {
        const VShape &shape = cells[i]->Shape();
        const unsigned sides = sidesOf(shape);
        const bool filled = shape.BrushStyle() == bsSolid && (shape.BrushColor() & 0xFFFFFF) != kWhite;
        if (!sides && !filled) continue;
        const QRect &r = anchors[i].rect;
        const int lastRow = lastStartingBy(tops, r.bottom(), anchors[i].row);
        const int lastColumn = lastStartingBy(lefts, r.right(), anchors[i].column);
        for (int row = anchors[i].row; row <= lastRow; ++row)
            for (int column = anchors[i].column; column <= lastColumn; ++column) {
                SheetCell &c = at(row, column);
                if (row == anchors[i].row) c.sides |= sides & SheetCell::Top;
                if (row == lastRow) c.sides |= sides & SheetCell::Bottom;
                if (column == anchors[i].column) c.sides |= sides & SheetCell::Left;
                if (column == lastColumn) c.sides |= sides & SheetCell::Right;
                if (filled) c.fill = shape.BrushColor() & 0xFFFFFF;
            }
    }

    SheetPage sheet;
    for (auto &[place, cell] : grid)
        sheet.cells.push_back(std::move(cell));
    // A column reaches the next one's left edge; the last one as far as its widest anchor.
    sheet.columnTwips.resize(lefts.size());
    for (size_t i = 0; i + 1 < lefts.size(); ++i)
        sheet.columnTwips[i] = lefts[i + 1] - lefts[i];
    if (!lefts.empty()) {
        int right = lefts.back() + kColumnSlack;
        for (const Anchor &a : anchors)
            if (a.column == int(lefts.size()) - 1) right = std::max(right, a.rect.left() + a.rect.width());
        sheet.columnTwips.back() = right - lefts.back();
    }
    return sheet;
}
