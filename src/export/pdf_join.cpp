#include "export/pdf_join.h"

#include "export/pdf_split.h"
#include "files/source_date.h"

#include <QIODevice>

namespace
{
constexpr int kInfo = 1, kCatalog = 2, kTree = 3;
} // namespace

PdfJoiner::PdfJoiner(QIODevice &out) : m_out(out), m_offsets(kTree + 1, 0) {}

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

bool PdfJoiner::add(QByteArrayView part)
{
    PdfSplitter pdf;
    if (!pdf.open(part)) {
        m_error = pdf.error();
        return false;
    }
    if (pdf.pageCount() == 0) return true;
    if (m_written == 0) {
        if (!put(pdf.header())) return false;
        m_info = pdf.info().toByteArray();
        // The parts are written in memory, past the atomic file that stamps a whole PDF's dates;
        // the joined file's Info is this one, which may lie beyond the part it stamps.
        if (ReproducibleOutput()) StampPdfDates(m_info, OutputTime());
    }
    const auto object = [&](int n, QByteArrayView bytes) {
        if (m_offsets.size() <= size_t(n)) m_offsets.resize(size_t(n) + 1, 0);
        m_offsets[size_t(n)] = m_written;
        return put(bytes);
    };
    if (!pdf.copyPages(0, pdf.pageCount(), kTree, int(m_offsets.size()), object, m_pages)) {
        if (m_error.isEmpty()) m_error = pdf.error();
        return false;
    }
    return true;
}

bool PdfJoiner::finish()
{
    if (m_pages.isEmpty()) {
        m_error = QStringLiteral("the joined PDF has no pages");
        return false;
    }
    m_offsets[kInfo] = m_written;
    bool ok = put("1 0 obj\n") && put(m_info.isEmpty() ? QByteArray("<<\n>>") : m_info) && put("\nendobj\n");
    m_offsets[kCatalog] = m_written;
    ok = ok && put("2 0 obj\n<<\n/Type /Catalog\n/Pages 3 0 R\n>>\nendobj\n");
    m_offsets[kTree] = m_written;
    QByteArray tree = "3 0 obj\n<<\n/Type /Pages\n/Kids\n[\n";
    for (int page : m_pages)
        tree += QByteArray::number(page) + " 0 R\n";
    tree += "]\n/Count " + QByteArray::number(m_pages.size()) +
            "\n/ProcSet [/PDF /Text /ImageB /ImageC]\n>>\nendobj\n";
    ok = ok && put(tree);
    const qint64 xref = m_written;
    const QByteArray size = QByteArray::number(qsizetype(m_offsets.size()));
    ok = ok && put("xref\n0 " + size + "\n0000000000 65535 f \n");
    for (size_t i = 1; ok && i < m_offsets.size(); ++i)
        ok = put(QByteArray::number(m_offsets[i]).rightJustified(10, '0') + " 00000 n \n");
    ok = ok && put("trailer\n<<\n/Size " + size + "\n/Info 1 0 R\n/Root 2 0 R\n>>\nstartxref\n" +
                   QByteArray::number(xref) + "\n%%EOF\n");
    return ok && flush();
}
