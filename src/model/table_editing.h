#pragma once

#include "model/v_grf_element.h"

#include <memory>
#include <optional>
#include <vector>

// Rows and columns of a table. Tables keep no rows: a table is the set of its cells, each
// placed by its own geometry. Row and column edits work where the cells form a grid: each cell
// stands at one of the distinct tops and one of the distinct lefts, and every such place holds
// exactly one cell.
struct TableGrid {
    std::vector<int> tops, lefts;    // relative to the table, in twips
    std::vector<VGrfElement *> cells; // row by row
    int rows() const { return int(tops.size()); }
    int columns() const { return int(lefts.size()); }
    VGrfElement *at(int row, int column) const { return cells[size_t(row * columns() + column)]; }
};
std::optional<TableGrid> GridOf(const VGrfElement &table);

enum class TableEdit { AddRowUp, AddRowDown, AddColumnLeft, AddColumnRight, DeleteRow, DeleteColumn };

// A table's shape and cells after an edit at cell: new rows and columns copy the size and style
// of cell's row or column, the cells beyond move over and the table grows or shrinks. Null when
// the cells are not a grid, or when the edit would leave no cell.
struct TableLayout {
    VShape shape;
    std::vector<std::unique_ptr<VGrfElement>> cells;
};
std::optional<TableLayout> EditedTable(const VGrfElement &table, const VGrfElement &cell, TableEdit edit);

// Replaces a new table's cells by a grid of rows x columns cells in the style of its first cell,
// filling the table's window (whole pixels, spread evenly), with twips from the windows as a drag computes
// them. Counts below 1 count as 1.
void MakeTableGrid(VGrfElement &table, int rows, int columns);
