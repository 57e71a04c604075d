#pragma once

#include <QString>

// What a print of a page or a document asks for, beside the paper (which the page settings hold).
struct VSetPrn {
    QString Title;           // added to the print job's name
    int Copies = 1;          // 1 to 999
    int PageSelection = 0;   // 0 all pages, 1 the current page, 2 the page numbers below
    QString PageNumbers;     // "1,3,5-12"
    int Quality = 0;         // 0 printer default, 1 draft, 2 low, 3 medium, 4 high
    int Colour = 0;          // 0 printer default, 1 monochrome, 2 colour
    bool operator==(const VSetPrn &) const = default;
};
