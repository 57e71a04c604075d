#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <vector>

class QIODevice;

// Objects already written, by a digest of what they hold with their references followed: an
// object that holds the same as one of them is referred to it instead of being written again.
// Streams (fonts, pictures) are compared only when asked: their digests cost more than a
// one-document file gains.
struct PdfWrittenObjects {
    QHash<QByteArray, int> numbers;
    bool streams = false;
};

// Cuts a PDF written by the PDF engine into several files, each holding a run of its pages and
// every object those pages use (fonts, images, patterns), renumbered and with a page tree of
// its own. A batch of small documents written as one PDF and cut apart shares the fixed cost of
// a PDF, above all the embedding of each font, which otherwise dominates a one-page document.
class PdfSplitter
{
public:
    // pdf must stay valid while the splitter is used. False (and error()) when its structure is
    // not the plain one the engine writes (classic cross-reference table, one flat page tree).
    // underlays: a stream object body per page (PdfEngine::takeUnderlays), copied on as the first
    // content of its page; empty ones and missing ones add nothing.
    bool open(QByteArrayView pdf, std::vector<QByteArray> underlays = {});
    QString error() const { return m_error; }
    int pageCount() const { return int(m_pages.size()); }
    // Writes pages [first, first + count) as a PDF of their own.
    bool write(int first, int count, QIODevice &out);

    // The bytes before the first object: version line and binary-marker comment.
    QByteArrayView header() const;
    // The document information dictionary's body ("<< ... >>"), empty when there is none.
    QByteArrayView info() const;
    // Every object that pages [first, first + count) reach, the page tree aside, renumbered from
    // firstNumber on in file order, each page's /Parent becoming parent. put receives each object's
    // new number, its body (between "obj" and "endobj") and whether it is a stream; pages receives
    // the new numbers of the pages. False when an
    // object is missing or put fails. Objects that hold the same as one in written (or as an
    // earlier one of these pages) are not written again, empty annotation lists are left out and
    // stream lengths are written in place; written learns the objects written.
    bool copyPages(int first, int count, int parent, int firstNumber,
                   const std::function<bool(int number, QByteArrayView body, bool stream)> &put, QList<int> &pages,
                   PdfWrittenObjects &written);

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
    enum class Edge { Keep, Drop, Inline };
    // Calls f(reference, begin, end, edge) for each reference in object n's dictionary, [begin,
    // end) being what is replaced: the reference, or the whole entry when it is dropped.
    template <typename F> void eachEdge(int n, F f) const;
    // Object n's dictionary with its references replaced by token(reference), then the rest of it.
    template <typename T> QByteArray rewrite(int n, T token) const;
    QByteArrayView plainBody(int n) const;

    QByteArrayView m_pdf;
    QString m_error;
    std::vector<Object> m_objects; // by number; begin 0 for free entries
    std::vector<int> m_pages;
    std::vector<int> m_sortedPages;
    std::vector<QByteArray> m_underlays;
    int m_pagesRoot = 0;
    int m_info = 0;
};
