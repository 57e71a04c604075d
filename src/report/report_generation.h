#pragma once

#include <QString>
#include <functional>

class VDoc;

// Writes a finished convert-file document (the report so far) to a PDF file. Its result is
// informative only: a PDF that could not be written does not stop the reading.
using ConvertPdfWriter = std::function<bool(VDoc &report, const QString &pdfPath)>;

// The writer used when none is given: the PDF export with the interface code page.
ConvertPdfWriter DefaultConvertPdfWriter();

// True when "<ConvertFile" occurs in the file as a blank-separated token.
bool IsConvertFile(const QString &path);

// Merges the data file into copies of the design's pages, appending them to report. A convert
// file also writes each of its documents as a PDF and starts report afresh after each.
// False when the data is broken; the pages made before the fault stay in report. reason, when
// given, receives a short English account of the fault (for logs and tests; the user sees the
// fixed data structure message).
bool ReadDataFile(const QString &path, const VDoc &design, VDoc &report, QString *reason = nullptr);
bool ReadDataFile(const QString &path, const VDoc &design, VDoc &report, const ConvertPdfWriter &writePdf,
                  QString *reason = nullptr);
