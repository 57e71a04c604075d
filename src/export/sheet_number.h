#pragma once

#include <QString>
#include <optional>

// A text that reads as a number, as the spreadsheet stores it: the value, and the number format
// that shows it as the text did (its decimals, its grouping, a currency sign before or after).
struct SheetNumber {
    double value = 0;
    QString format; // an Excel number format code, e.g. 0.00 or #,##0.00" €"
};

// The decimal separator is the one the text uses: the last of '.' and ',' when both appear (the
// other groups thousands), the one appearing once when only one does; blanks and a separator
// appearing several times group thousands in threes. Texts that only look like numbers stay
// texts: leading zeros (codes, post codes), more digits than a double keeps, anything else around
// the digits but a minus and one currency sign.
std::optional<SheetNumber> ReadSheetNumber(const QString &text);
