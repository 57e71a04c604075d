#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// Cuts a PDF written by the PDF engine into several files, each holding a run of its pages and
// every object those pages use (fonts, images, patterns), renumbered and with a page tree of
// its own. A batch of small documents written as one PDF and cut apart shares the fixed cost of
// a PDF, above all the embedding of each font, which otherwise dominates a one-page document.
class PdfSplitter
{
public:
    // pdf must stay valid while the splitter is used. False (and error()) when its structure is
    // not the plain one the engine writes (classic cross-reference table, one flat page tree).
    bool open(QByteArrayView pdf);
    QString error() const { return m_error; }
    int pageCount() const { return int(m_pages.size()); }
    // Writes pages [first, first + count) as a PDF of their own.
    bool write(int first, int count, QIODevice &out);

private:
    struct Object {
        qsizetype begin = 0;   // "N 0 obj"
        qsizetype end = 0;     // after "endobj"
        qsizetype body = 0;    // after "obj"
        qsizetype stream = -1; // where "stream" begins, -1 for none
    };
    bool fail(const QString &text);
    QByteArrayView dictionaryOf(int number) const;
    QList<int> referencesOf(int number) const;

    QByteArrayView m_pdf;
    QString m_error;
    std::vector<Object> m_objects; // by number; begin 0 for free entries
    std::vector<int> m_pages;
    int m_pagesRoot = 0;
    int m_info = 0;
};
