#pragma once

#include "model/code_page.h"

#include <QString>
#include <vector>

// One row of the accounting system's operation code table: a code or sub-code and what it means.
struct CodeRow {
    QString code;
    QString explanation;
    bool operator==(const CodeRow &) const = default;
};

// The code table's file name for an interface code page; empty for code pages without a table.
QString CodeTableFileName(int codePage);

// The codes of the KONU section, in file order. A missing, unreadable or oversized file gives none.
// The file is UTF-8 when it decodes as such, else in codePage's 8-bit encoding.
std::vector<CodeRow> ReadCodes(const QString &path, int codePage = InterfaceCodePage());

// The sub-codes of one code, in file order. The code's section starts with a header key that is
// not a row; a header named LINK sends the lookup to the section of the code it names (once).
std::vector<CodeRow> ReadSubcodes(const QString &path, int code, int codePage = InterfaceCodePage());
