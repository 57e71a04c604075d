#pragma once

#include <QString>

class VDoc;

// Outcome of a reader or writer: readers never show messages, the caller shows the text once.
struct FileResult {
    bool ok = true;
    QString error;
    explicit operator bool() const { return ok; }
    static FileResult failure(const QString &text) { return {false, text}; }
};

// Reads the design (or report) file named by doc.FileName() into the cleared document.
// On failure the error holds the parser's reason; what was read before an error stays.
FileResult ReadDesignFile(VDoc &doc);
// Sets the file name, then reads.
FileResult ReadDesignFile(VDoc &doc, const QString &path);
// Writes the document to doc.FileName() atomically; a document without pages writes nothing.
FileResult WriteDesignFile(VDoc &doc);
FileResult WriteDesignFile(VDoc &doc, const QString &path);

// One page alone to "tmp0<index>.xml" in folder, and back into that page.
FileResult SavePageSource(VDoc &doc, int index, const QString &folder);
FileResult LoadPageSource(VDoc &doc, int index, const QString &folder);
QString PageSourcePath(int index, const QString &folder);
