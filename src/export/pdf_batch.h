#pragma once

#include "export/pdf_export.h"

#include <QSize>
#include <QString>
#include <memory>
#include <vector>

class VPage;

// Several report PDFs written as one file and then cut apart (PdfSplitter): documents of a few
// pages share the fixed cost of a PDF, above all embedding each font, which otherwise costs
// more than drawing such a document. The pages are written to a temporary file as they come, so
// memory stays that of one page whatever the batch holds.
class PdfBatch
{
public:
    PdfBatch(int codePage, bool writePictureFiles);
    ~PdfBatch();
    // True when this build's PDFs can be cut apart (checked once per process on a small batch);
    // otherwise documents are written one by one.
    static bool Works();

    // Starts the next document, for fileName with pages of pageSize points.
    void beginDocument(const QString &fileName, const QSize &pageSize);
    // Adds a page to the current document; a page that cannot be exported fails its document
    // (its later pages are passed over), not the batch.
    void addPage(VPage &page);
    // The current document is not to be written (its end never came).
    void dropDocument();
    int pageCount() const;
    // Writes every document's file; one result per document, in order.
    std::vector<PdfExportResult> finish();
    // finish() in two steps, so that the disk can take one batch while the next is drawn:
    // writeFiles() cuts the documents apart into temporaries and frees the batch, commit() then
    // makes them the documents' files with one sync for all.
    void writeFiles();
    std::vector<PdfExportResult> commit();

private:
    struct State;
    std::unique_ptr<State> d;
};
