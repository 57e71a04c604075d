#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A list of page numbers as people type it: "1,3,5-12".
struct PageList {
    struct Range {
        unsigned first = 0, last = 0;
    };
    std::vector<Range> ranges; // at most kMaxItems
    QStringList dropped;       // the items past kMaxItems, as typed: they print nothing
    QString error;             // the first item that is not a number; nothing prints then
    static constexpr int kMaxItems = 20;
};

// Splits at ","; an item with "-" is a range of two numbers, otherwise one number. A number is
// the whole of its text (blanks aside): "3-5x" is refused, however long.
PageList ParsePageList(const QString &text);
// The items ("12", "5-12", "5-3") that name a page a document of pageCount pages lacks, or no page
// at all; empty when every item names only pages that exist.
QStringList ItemsBeyond(const PageList &list, int pageCount);
// Indexes (from 0) of the pages of a document of pageCount pages that the list names, in the
// document's order, each once; page n is the page at index n - 1.
std::vector<int> PagesInList(const PageList &list, int pageCount);
