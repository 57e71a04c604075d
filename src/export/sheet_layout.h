#pragma once

#include "model/units.h"

#include <QString>
#include <optional>
#include <vector>

class VPage;

// One cell of a page's sheet. Sides of a table cell's frame are drawn on the sheet cells at its
// edges; its fill covers them all.
struct SheetCell {
    enum Side : unsigned { Top = 1, Right = 2, Bottom = 4, Left = 8 };
    int row = 0, column = 0;
    QString text; // the texts that fall into the cell, in the text output's order, one per line
    bool bold = false;
    unsigned sides = 0;
    std::optional<ColorRef> fill;
};

struct SheetPage {
    std::vector<SheetCell> cells; // row by row, left to right
    std::vector<int> columnTwips; // width of each column, from the positions of the next one
};

// Places the page's texts (those of the text output) on a grid. Each table cell starts a row and
// a column, and a text whose top-left corner lies in a table cell takes that cell; a text whose
// left edge lies under a table's column takes that column. Other texts start a row unless their
// top lies in the upper half of a row already begun (at most 5 mm below its top), and a column
// unless their left edge is within 2 mm of one.
SheetPage LayOutSheet(const VPage &page);
