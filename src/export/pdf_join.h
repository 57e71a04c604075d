#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <vector>

class QIODevice;

// Joins PDFs written by the PDF engine into one, in order: each part's pages with every object
// they use, renumbered, under one page tree, with the header and document information of the
// first part. Each part is written out as it comes, so a joined file of any length needs the
// memory of one part (and its cross-reference table).
class PdfJoiner
{
public:
    explicit PdfJoiner(QIODevice &out);
    // Appends every page of part; false (and error()) when it is not a PDF of the engine's plain
    // structure or cannot be written.
    bool add(QByteArrayView part);
    // Writes the page tree, catalog and cross-reference table.
    bool finish();
    QString error() const { return m_error; }
    int pageCount() const { return int(m_pages.size()); }

private:
    bool put(QByteArrayView bytes);
    bool flush();

    QIODevice &m_out;
    QString m_error;
    QByteArray m_pending;
    QByteArray m_info;
    qint64 m_written = 0;
    std::vector<qint64> m_offsets; // by object number; 1 info, 2 catalog, 3 page tree
    QList<int> m_pages;
};
