#pragma once

#include <QString>
#include <vector>

// A list of page numbers as people type it: "1,3,5-12".
struct PageList {
    struct Range {
        unsigned first = 0, last = 0;
    };
    std::vector<Range> ranges; // at most 20
    QString error;             // the first item that is not a number; nothing prints then
};

// Splits at ","; an item with "-" is a range of two numbers, otherwise one number.
PageList ParsePageList(const QString &text);
// Indexes (from 0) of the pages of a document of pageCount pages that the list names, in the
// document's order, each once; page n is the page at index n - 1.
std::vector<int> PagesInList(const PageList &list, int pageCount);
