#include "export/pdf_join.h"

#include "export/pdf_split.h"
#include "files/source_date.h"

#include <QIODevice>

namespace
{
constexpr int kInfo = 1, kCatalog = 2, kTree = 3;

QByteArray streamObject(int number, const QByteArray &dictionary, const QByteArray &data)
{
    return QByteArray::number(number) + " 0 obj\n<<" + dictionary + " /Filter /FlateDecode /Length " +
           QByteArray::number(data.size()) + ">>\nstream\n" + data + "\nendstream\nendobj\n";
}
} // namespace

PdfJoiner::PdfJoiner(QIODevice &out) : m_out(out), m_xref(kTree + 1)
{
    m_writtenObjects.streams = true;
}

bool PdfJoiner::flush()
{
    const bool ok = m_out.write(m_pending) == m_pending.size();
    m_pending.clear();
    if (!ok && m_error.isEmpty()) m_error = QStringLiteral("the joined PDF could not be written");
    return ok;
}

bool PdfJoiner::put(QByteArrayView bytes)
{
    // Gathered into large writes: the output may be a file that takes each one to the system.
    m_pending.append(bytes);
    m_written += bytes.size();
    return m_pending.size() < (1 << 20) || flush();
}

bool PdfJoiner::writeObject(int number, QByteArrayView body)
{
    m_xref[size_t(number)] = Entry{m_written, 0};
    return put(QByteArray::number(number) + " 0 obj") && put(body) && put("endobj\n");
}

void PdfJoiner::pack(int number, QByteArrayView body)
{
    m_packIndex += QByteArray::number(number) + ' ' + QByteArray::number(m_packBodies.size()) + ' ';
    m_packBodies += body.trimmed();
    m_packBodies += '\n';
    m_packed.push_back(number);
}

bool PdfJoiner::writePack()
{
    if (m_packed.empty()) return true;
    const int number = int(m_xref.size());
    m_xref.push_back(Entry{m_written, 0});
    for (size_t i = 0; i < m_packed.size(); ++i)
        m_xref[size_t(m_packed[i])] = Entry{qint64(i), number};
    const QByteArray dictionary = "/Type /ObjStm /N " + QByteArray::number(qsizetype(m_packed.size())) +
                                  " /First " + QByteArray::number(m_packIndex.size());
    const bool ok = put(streamObject(number, dictionary, m_deflater.deflate(m_packIndex + m_packBodies)));
    m_packIndex.clear();
    m_packBodies.clear();
    m_packed.clear();
    return ok;
}

bool PdfJoiner::add(QByteArrayView part, std::vector<QByteArray> underlays)
{
    PdfSplitter pdf;
    if (!pdf.open(part, std::move(underlays))) {
        m_error = pdf.error();
        return false;
    }
    if (pdf.pageCount() == 0) return true;
    if (m_written == 0) {
        if (!put("%PDF-1.5\n%\xE2\xE3\xCF\xD3\n")) return false;
        m_info = pdf.info().toByteArray();
        // The parts are written in memory, past the atomic file that stamps a whole PDF's dates;
        // the joined file's Info is this one, which may lie beyond the part it stamps.
        if (ReproducibleOutput()) StampPdfDates(m_info, OutputTime());
    }
    const auto object = [&](int n, QByteArrayView body, bool stream) {
        if (m_xref.size() <= size_t(n)) m_xref.resize(size_t(n) + 1);
        if (stream) return writeObject(n, body);
        pack(n, body);
        return true;
    };
    // A part's small objects make one object stream, numbered after them.
    if (!pdf.copyPages(0, pdf.pageCount(), kTree, int(m_xref.size()), object, m_pages, m_writtenObjects)) {
        if (m_error.isEmpty()) m_error = pdf.error();
        return false;
    }
    return writePack();
}

bool PdfJoiner::writeXref()
{
    // One row per object: type (0 free, 1 in the file, 2 in an object stream), offset or stream
    // number, generation or index. Each row is stored as its difference from the row above (PNG
    // "up" prediction), which the rising offsets make mostly zeros.
    const int number = int(m_xref.size());
    m_xref.push_back(Entry{m_written, 0});
    qint64 largest = 0;
    for (const Entry &e : m_xref)
        largest = std::max(largest, e.stream ? qint64(e.stream) : e.offset);
    int width = 1;
    while (width < 8 && (largest >> (8 * width)) != 0)
        ++width;
    const int columns = 1 + width + 2;
    QByteArray rows(qsizetype(m_xref.size()) * (columns + 1), '\0');
    QByteArray previous(columns, '\0'), row(columns, '\0');
    for (size_t n = 0; n < m_xref.size(); ++n) {
        const Entry &e = m_xref[n];
        const int type = n == 0 ? 0 : e.stream ? 2 : 1;
        const qint64 field2 = e.stream ? e.stream : type == 1 ? e.offset : 0;
        const qint64 field3 = e.stream ? e.offset : n == 0 ? 0xffff : 0;
        row[0] = char(type);
        for (int b = 0; b < width; ++b)
            row[1 + b] = char((field2 >> (8 * (width - 1 - b))) & 0xff);
        row[1 + width] = char((field3 >> 8) & 0xff);
        row[2 + width] = char(field3 & 0xff);
        char *out = rows.data() + n * (columns + 1);
        out[0] = 2;
        for (int c = 0; c < columns; ++c)
            out[1 + c] = char(row[c] - previous[c]);
        std::swap(previous, row);
    }
    const QByteArray dictionary = "/Type /XRef /Size " + QByteArray::number(number + 1) + " /W [1 " +
                                  QByteArray::number(width) + " 2] /Root 2 0 R /Info 1 0 R" +
                                  " /DecodeParms <</Predictor 12 /Columns " + QByteArray::number(columns) + ">>";
    const qint64 at = m_written;
    return put(streamObject(number, dictionary, m_deflater.deflate(rows))) &&
           put("startxref\n" + QByteArray::number(at) + "\n%%EOF\n");
}

bool PdfJoiner::finish()
{
    if (m_pages.isEmpty()) {
        m_error = QStringLiteral("the joined PDF has no pages");
        return false;
    }
    bool ok = writeObject(kInfo, "\n" + (m_info.isEmpty() ? QByteArray("<<\n>>") : m_info) + "\n") &&
              writeObject(kCatalog, "\n<<\n/Type /Catalog\n/Pages 3 0 R\n>>\n");
    QByteArray tree = "<<\n/Type /Pages\n/Kids\n[\n";
    for (int page : m_pages)
        tree += QByteArray::number(page) + " 0 R\n";
    tree += "]\n/Count " + QByteArray::number(m_pages.size()) + "\n/ProcSet [/PDF /Text /ImageB /ImageC]\n>>";
    pack(kTree, tree);
    ok = ok && writePack() && writeXref();
    return ok && flush();
}
