#pragma once

#include <QString>

class VDoc;

// A convert-file document that has ended.
struct ConvertDocument {
    QString pdfPath;   // as the data file names it
    int firstLine = 0; // its data lines, for messages
    int lastLine = 0;
    int pages = 0; // report pages it made
    // Why it cannot become a PDF although the data read well (no pages, and the likely cause).
    QString problem;
};

// Where generation puts what it makes. Without a sink that takes them, the report keeps every page.
class ReportSink
{
public:
    virtual ~ReportSink() = default;
    // The report's page at index is complete: no later data line changes it. A sink that
    // streams takes it out of the report (VDoc::TakePage) and so keeps memory flat.
    virtual void PageDone(VDoc &report, int index)
    {
        (void)report;
        (void)index;
    }
    // A convert file named the output of the documents that follow.
    virtual void OutputNamed(const QString &pdfPath) { (void)pdfPath; }
    // A convert-file document ended; its pages have all passed PageDone. The report is emptied
    // after this returns.
    virtual void DocumentDone(VDoc &report, const ConvertDocument &document)
    {
        (void)report;
        (void)document;
    }
    // Something in the data that was passed over although the reading succeeded (a convert
    // file's document that never ended, lines that end in LF alone).
    virtual void DataWarning(const QString &text) { (void)text; }
    // Asked as a convert-file document's first page begins: true when the sink will not write it
    // (another run's share of the batch, an output already there), so that its pages are neither
    // built nor filled. DocumentDone still comes for it.
    virtual bool SkipsDocument() { return false; }
    // Set when an output failed so that reading on would be pointless (a full disk).
    virtual QString StopReason() const { return {}; }
};
