#pragma once

#include "export/pdf_deflate.h"
#include "export/pdf_split.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <vector>

class QIODevice;

// Joins PDFs written by the PDF engine into one, in order: each part's pages with every object
// they use, renumbered, under one page tree, with the document information of the first part.
// Each part is written out as it comes, so a joined file of any length needs the memory of one
// part (and its cross-reference table). The small objects (page dictionaries, resources, font
// dictionaries, the page tree) go into compressed object streams and the cross-reference table
// is a compressed stream too (PDF 1.5): on a label a page's own objects are a third of its bytes
// otherwise.
class PdfJoiner
{
public:
    explicit PdfJoiner(QIODevice &out);
    // Appends every page of part, with the pages' underlays (PdfEngine::takeUnderlays); false
    // (and error()) when it is not a PDF of the engine's plain structure or cannot be written.
    bool add(QByteArrayView part, std::vector<QByteArray> underlays = {});
    // Writes the page tree, catalog and cross-reference stream.
    bool finish();
    QString error() const { return m_error; }
    int pageCount() const { return int(m_pages.size()); }

private:
    struct Entry {
        qint64 offset = 0; // in the file, or the index within its object stream
        int stream = 0;    // the object stream holding it, 0 for none
    };
    bool put(QByteArrayView bytes);
    bool flush();
    void pack(int number, QByteArrayView body);
    bool writePack();
    bool writeObject(int number, QByteArrayView body);
    bool writeXref();

    QIODevice &m_out;
    QString m_error;
    QByteArray m_pending;
    QByteArray m_info;
    qint64 m_written = 0;
    std::vector<Entry> m_xref; // by object number; 1 info, 2 catalog, 3 page tree
    QList<int> m_pages;
    // The parts embed the same fonts and state objects again; each is written once.
    PdfWrittenObjects m_writtenObjects;
    // The object stream being filled: "number offset" pairs, the objects, their numbers.
    QByteArray m_packIndex;
    QByteArray m_packBodies;
    std::vector<int> m_packed;
    PdfDeflater m_deflater;
};
