#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class VDoc;
class VPage;

// Outcome of a reader or writer: readers never show messages, the caller shows the text once.
struct FileResult {
    bool ok = true;
    QString error;
    QStringList warnings; // things read but not usable, kept as they were (pictures that cannot be drawn)
    explicit operator bool() const { return ok; }
    static FileResult failure(const QString &text) { return {false, text, {}}; }
};

// Reads the design (or report) file named by doc.FileName() into the cleared document.
// On failure the error holds the parser's reason; what was read before an error stays.
FileResult ReadDesignFile(VDoc &doc);
// Sets the file name, then reads.
FileResult ReadDesignFile(VDoc &doc, const QString &path);
// Writes the document to doc.FileName() atomically; a document without pages writes nothing.
FileResult WriteDesignFile(VDoc &doc);
FileResult WriteDesignFile(VDoc &doc, const QString &path);

// Writes a document page by page, for reports too large to hold whole: begin() with the document
// (its settings and font), writePage() for each page, commit(). The file is the one
// WriteDesignFile writes for the same pages; nothing replaces the target before commit().
class DesignFileStream
{
public:
    explicit DesignFileStream(const QString &path);
    ~DesignFileStream();
    FileResult begin(const VDoc &doc);
    void writePage(VPage &page);
    // The first write the disk refused ("Cannot write FILE: reason"); empty while all is well.
    QString error() const;
    QString target() const;
    FileResult commit();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// One page alone to "tmp0<index>.xml" in folder, and back into that page.
FileResult SavePageSource(VDoc &doc, int index, const QString &folder);
FileResult LoadPageSource(VDoc &doc, int index, const QString &folder);
QString PageSourcePath(int index, const QString &folder);

// The source of page index as text (what SavePageSource writes), empty with error set on failure.
QString PageSourceText(VDoc &doc, int index, QString *error = nullptr);
// A page read from such a text, with the paper, zoom and font of page index: the page itself is
// untouched, so that a text that does not read leaves it as it was (result holds the reason).
std::unique_ptr<VPage> PageFromSourceText(VDoc &doc, int index, const QString &text, FileResult *result);
