#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <memory>

// Compresses PDF streams (FlateDecode: a zlib stream) with one compressor kept for all of them:
// setting one up costs more than compressing a small page stream. For streams of a few kilobytes
// (smallStreams) a 4 KB window finds the same repeats as a 32 KB one, starting each stream over
// clears an eighth of the tables, and the fastest level costs 2 % in size.
class PdfDeflater
{
public:
    explicit PdfDeflater(bool smallStreams = false);
    ~PdfDeflater();
    PdfDeflater(const PdfDeflater &) = delete;
    PdfDeflater &operator=(const PdfDeflater &) = delete;
    QByteArray deflate(QByteArrayView bytes);

private:
    struct Stream;
    std::unique_ptr<Stream> m_stream;
};
