#include "export/pdf_deflate.h"

#include <zlib.h>

struct PdfDeflater::Stream {
    z_stream z{};
    bool ready = false;
};

PdfDeflater::PdfDeflater(bool smallStreams) : m_stream(std::make_unique<Stream>())
{
    // Small streams are mostly hexadecimal samples, which longer searches barely shorten.
    const int level = smallStreams ? 1 : 6, windowBits = smallStreams ? 12 : 15, memLevel = smallStreams ? 5 : 8;
    m_stream->ready = deflateInit2(&m_stream->z, level, Z_DEFLATED, windowBits, memLevel, Z_DEFAULT_STRATEGY) == Z_OK;
}

PdfDeflater::~PdfDeflater()
{
    if (m_stream->ready) deflateEnd(&m_stream->z);
}

QByteArray PdfDeflater::deflate(QByteArrayView bytes)
{
    if (!m_stream->ready) return qCompress(reinterpret_cast<const uchar *>(bytes.data()), bytes.size(), 6).sliced(4);
    z_stream &z = m_stream->z;
    deflateReset(&z);
    QByteArray out(qsizetype(deflateBound(&z, uLong(bytes.size()))), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.data()));
    z.avail_in = uInt(bytes.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    // The bound holds the whole result: one call finishes.
    ::deflate(&z, Z_FINISH);
    out.truncate(out.size() - qsizetype(z.avail_out));
    return out;
}
