#pragma once

#include "report/report_sink.h"

#include <QString>
#include <functional>
#include <memory>

class VDoc;

// True when "<ConvertFile" occurs in the file as a blank-separated token.
bool IsConvertFile(const QString &path);

// Merges the data file into copies of the design's pages, handing each page to sink as it is
// complete (null: the report keeps every page and convert files write their PDFs). A convert
// file hands over each of its documents and starts report afresh after each. False when the data
// is broken; the pages made before the fault stay in report. reason, when given, receives the
// data line and what is wrong with it, to be shown after the fixed data structure message.
bool ReadDataFile(const QString &path, const VDoc &design, VDoc &report, ReportSink *sink = nullptr,
                  QString *reason = nullptr);
bool ReadDataFile(const QString &path, const VDoc &design, VDoc &report, QString *reason);

// "Data structure error =>  <path>" (or another fixed text) with the reason on the line after it.
QString DataErrorMessage(const QString &message, const QString &reason);
