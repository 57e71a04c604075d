#pragma once

// The readers driven with arbitrary bytes, one function per fuzz target. The libFuzzer targets
// and the replay test of the normal build share them, so that a saved input replays exactly.

#include <QByteArray>
#include <QString>
#include <vector>

namespace fuzzentry
{

// Each returns an empty text when the reader kept its promises on input, otherwise what broke
// (a failure without a reason, a loaded document that cannot be written and read back the same).
QString DesignFile(const QByteArray &input);
QString PictureText(const QByteArray &input);
QString DataFile(const QByteArray &input);
QString PageSource(const QByteArray &input);
// Page markup lines replayed into a PDF: the export succeeds with one page per page break more.
QString PageMarkupReplay(const QByteArray &input);
// A design or report in, its print-engine file out, checked line by line and row by row.
QString EdfFile(const QByteArray &input);

struct Target {
    const char *name; // the folder name of its seeds and regression inputs
    QString (*run)(const QByteArray &input);
};
const std::vector<Target> &Targets();

} // namespace fuzzentry
