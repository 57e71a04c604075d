#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <memory>

// Compresses PDF streams (FlateDecode: a zlib stream) with one compressor kept for all of them:
// setting one up costs more than compressing a small page stream.
class PdfDeflater
{
public:
    PdfDeflater();
    ~PdfDeflater();
    PdfDeflater(const PdfDeflater &) = delete;
    PdfDeflater &operator=(const PdfDeflater &) = delete;
    QByteArray deflate(QByteArrayView bytes);

private:
    struct Stream;
    std::unique_ptr<Stream> m_stream;
};
