#pragma once

#include "export/export_result.h"

#include <QString>

class VDoc;

// The report's texts, one line per element of every page (a label without a picture gives its
// displayed caption, every other element an empty line; panels and groups give their children's
// lines before their own), optionally a form-feed line between pages and a final line holding
// character 26. CR LF line ends, 8-bit text in codePage.
ExportResult ExportText(VDoc &report, const QString &path, bool newPageChar, bool eofChar, int codePage);
