#include "model/table_editing.h"

#include "model/element_ops.h"

#include <algorithm>
#include <set>

std::optional<TableGrid> GridOf(const VGrfElement &table)
{
    std::set<int> tops, lefts;
    int cells = 0;
    for (const auto &c : table.ChildList()) {
        if (c->Kind() != ElementKind::Cell) return std::nullopt;
        tops.insert(c->Shape().RelTop());
        lefts.insert(c->Shape().RelLeft());
        ++cells;
    }
    TableGrid grid;
    grid.tops.assign(tops.begin(), tops.end());
    grid.lefts.assign(lefts.begin(), lefts.end());
    if (cells == 0 || size_t(cells) != grid.tops.size() * grid.lefts.size()) return std::nullopt;
    grid.cells.assign(size_t(cells), nullptr);
    for (const auto &c : table.ChildList()) {
        const auto row = std::lower_bound(grid.tops.begin(), grid.tops.end(), c->Shape().RelTop()) - grid.tops.begin();
        const auto column =
            std::lower_bound(grid.lefts.begin(), grid.lefts.end(), c->Shape().RelLeft()) - grid.lefts.begin();
        VGrfElement *&slot = grid.cells[size_t(row * grid.columns() + column)];
        if (slot) return std::nullopt; // two cells at one place
        slot = c.get();
    }
    return grid;
}

namespace
{
// A fresh cell in the style of model: its frame, fill, borders and font, no content.
std::unique_ptr<VGrfElement> newCellLike(const VGrfElement &model, int num)
{
    auto cell = std::make_unique<VGrfElement>(ElementKind::Cell);
    cell->Shape() = model.Shape();
    cell->Font() = model.Font();
    cell->SetZoom(model.Zoom());
    cell->SetNum(num);
    cell->SetName(QStringLiteral("Cell%1").arg(num));
    cell->Shape().SetChanged(true);
    return cell;
}
} // namespace

std::optional<TableLayout> EditedTable(const VGrfElement &table, const VGrfElement &cell, TableEdit edit)
{
    const std::optional<TableGrid> grid = GridOf(table);
    if (!grid) return std::nullopt;
    int row = -1, column = -1;
    for (int r = 0; r < grid->rows(); ++r)
        for (int c = 0; c < grid->columns(); ++c)
            if (grid->at(r, c) == &cell) row = r, column = c;
    if (row < 0) return std::nullopt;
    const bool rows = edit == TableEdit::AddRowUp || edit == TableEdit::AddRowDown || edit == TableEdit::DeleteRow;
    const bool removing = edit == TableEdit::DeleteRow || edit == TableEdit::DeleteColumn;
    if (removing && (rows ? grid->rows() : grid->columns()) == 1) return std::nullopt;

    const VShape &at = cell.Shape();
    const int size = rows ? at.Height() : at.Width();
    const int line = rows ? row : column; // the row or column of the cell
    const bool after = edit == TableEdit::AddRowDown || edit == TableEdit::AddColumnRight;
    // Cells on this side of `edge` stay; those beyond move by `shift`.
    const int edge = removing ? (rows ? grid->tops[size_t(line)] : grid->lefts[size_t(line)]) + 1
                     : after  ? (rows ? at.RelTop() : at.RelLeft()) + 1
                              : (rows ? at.RelTop() : at.RelLeft());
    const int shift = removing ? -size : size;

    TableLayout layout;
    layout.shape = table.Shape();
    if (rows)
        layout.shape.SetHeight(std::max(1, layout.shape.Height() + shift));
    else
        layout.shape.SetWidth(std::max(1, layout.shape.Width() + shift));
    layout.shape.SetChanged(true);
    int largest = 0;
    for (const auto &c : table.ChildList())
        largest = std::max(largest, c->Num());
    for (int r = 0; r < grid->rows(); ++r)
        for (int c = 0; c < grid->columns(); ++c) {
            const VGrfElement &old = *grid->at(r, c);
            if (removing && (rows ? r : c) == line) continue;
            auto copy = CloneElement(old);
            VShape &s = copy->Shape();
            if (rows && s.RelTop() >= edge) s.SetRelTop(s.RelTop() + shift);
            if (!rows && s.RelLeft() >= edge) s.SetRelLeft(s.RelLeft() + shift);
            layout.cells.push_back(std::move(copy));
        }
    if (!removing) {
        const int start = after ? (rows ? at.RelTop() + at.Height() : at.RelLeft() + at.Width())
                                : (rows ? at.RelTop() : at.RelLeft());
        const int count = rows ? grid->columns() : grid->rows();
        for (int i = 0; i < count; ++i) {
            const VGrfElement &model = rows ? *grid->at(row, i) : *grid->at(i, column);
            auto fresh = newCellLike(model, ++largest);
            VShape &s = fresh->Shape();
            if (rows) {
                s.SetRelTop(start);
                s.SetHeight(size);
            } else {
                s.SetRelLeft(start);
                s.SetWidth(size);
            }
            layout.cells.push_back(std::move(fresh));
        }
    }
    // In grid order, so that the file lists them row by row.
    std::stable_sort(layout.cells.begin(), layout.cells.end(), [](const auto &a, const auto &b) {
        const VShape &x = a->Shape(), &y = b->Shape();
        return x.RelTop() != y.RelTop() ? x.RelTop() < y.RelTop() : x.RelLeft() < y.RelLeft();
    });
    return layout;
}

void MakeTableGrid(VGrfElement &table, int rows, int columns)
{
    rows = std::max(1, rows);
    columns = std::max(1, columns);
    std::unique_ptr<VGrfElement> model = table.ChildList().empty()
                                             ? std::make_unique<VGrfElement>(ElementKind::Cell)
                                             : table.TakeChild(table.Child(0));
    while (!table.ChildList().empty())
        table.DeleteChild(table.Child(0));
    model->SetZoom(table.Zoom());
    const QSize size = table.WindowBounds().size();
    // Rows and columns never thinner than a pixel, even when the table is.
    rows = std::min(rows, std::max(1, size.height()));
    columns = std::min(columns, std::max(1, size.width()));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            std::unique_ptr<VGrfElement> cell = newCellLike(*model, r * columns + c + 1);
            const int left = c * size.width() / columns, right = (c + 1) * size.width() / columns;
            const int top = r * size.height() / rows, bottom = (r + 1) * size.height() / rows;
            cell->SetWindowBounds(QRect(left, top, right - left, bottom - top));
            table.InsertChild(std::move(cell))->UpdateTwipsFromWindow();
        }
}
