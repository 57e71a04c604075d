#include "export/pdf_split.h"

#include <QCryptographicHash>
#include <QIODevice>
#include <algorithm>
#include <cctype>
#include <map>

namespace
{
// Clamped like QByteArray::mid.
QByteArrayView mid(QByteArrayView v, qsizetype pos, qsizetype n = -1)
{
    pos = std::clamp<qsizetype>(pos, 0, v.size());
    n = n < 0 ? v.size() - pos : std::min(n, v.size() - pos);
    return v.sliced(pos, std::max<qsizetype>(0, n));
}

bool isDelimiter(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) || c == '[' || c == ']' || c == '<' || c == '>' ||
           c == '/' || c == '(' || c == ')' || c == '{' || c == '}';
}

// Calls found(number, begin, end) for every "N 0 R" in text, [begin, end) being the whole reference.
template <typename F> void eachReference(QByteArrayView text, F found)
{
    for (qsizetype r = text.indexOf(" 0 R"); r >= 0; r = text.indexOf(" 0 R", r + 4)) {
        const qsizetype after = r + 4;
        if (after < text.size() && !isDelimiter(text[after])) continue;
        qsizetype start = r;
        while (start > 0 && std::isdigit(static_cast<unsigned char>(text[start - 1])))
            --start;
        if (start == r || (start > 0 && !isDelimiter(text[start - 1]))) continue;
        found(mid(text, start, r - start).toInt(), start, after);
    }
}

QByteArray number(qint64 n)
{
    return QByteArray::number(n);
}

// A page's /Contents made to list content first, before the page's own drawing:
// "/Contents 12 0 R" becomes "/Contents [40 0 R 12 0 R]". False without a /Contents.
bool putContentFirst(QByteArray &dictionary, int content)
{
    const qsizetype key = dictionary.indexOf("/Contents");
    if (key < 0) return false;
    qsizetype at = key + 9;
    while (at < dictionary.size() && std::isspace(static_cast<unsigned char>(dictionary[at])))
        ++at;
    const QByteArray first = number(content) + " 0 R ";
    if (at < dictionary.size() && dictionary[at] == '[') {
        dictionary.insert(at + 1, first);
        return true;
    }
    qsizetype begin = -1, end = -1;
    eachReference(mid(dictionary, at, 24), [&](int, qsizetype b, qsizetype e) {
        if (begin >= 0) return;
        begin = b;
        end = e;
    });
    if (begin != 0) return false;
    dictionary.insert(at + end, ']');
    dictionary.insert(at, '[' + first);
    return true;
}
} // namespace

bool PdfSplitter::fail(const QString &text)
{
    m_error = QStringLiteral("the PDF cannot be divided: ") + text;
    return false;
}

bool PdfSplitter::open(QByteArrayView pdf, std::vector<QByteArray> underlays)
{
    m_pdf = pdf;
    m_underlays = std::move(underlays);
    m_objects.clear();
    m_pages.clear();
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (startxref < 0) return fail(QStringLiteral("no startxref"));
    bool ok = false;
    const qsizetype xref =
        mid(pdf, startxref + 9, 24).toByteArray().trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || xref <= 0 || xref >= pdf.size() || !mid(pdf, xref).startsWith("xref"))
        return fail(QStringLiteral("no xref table"));

    // "xref", then subsections "first count" with 20-byte entries, then "trailer".
    qsizetype at = xref + 4;
    auto nextLine = [&]() {
        while (at < pdf.size() && std::isspace(static_cast<unsigned char>(pdf[at])))
            ++at;
        const qsizetype end = pdf.indexOf('\n', at);
        const QByteArrayView line = mid(pdf, at, (end < 0 ? pdf.size() : end) - at).trimmed();
        at = end < 0 ? pdf.size() : end + 1;
        return line;
    };
    std::vector<std::pair<qsizetype, int>> byOffset;
    for (QByteArrayView line = nextLine(); !line.startsWith("trailer"); line = nextLine()) {
        const QList<QByteArray> words = line.toByteArray().split(' ');
        if (words.size() != 2 || at >= pdf.size()) return fail(QStringLiteral("an unexpected xref table"));
        const int first = words[0].toInt();
        const int count = words[1].toInt();
        if (first < 0 || count < 0 || first + count > 10'000'000)
            return fail(QStringLiteral("an xref table out of range"));
        if (m_objects.size() < size_t(first + count)) m_objects.resize(size_t(first + count));
        for (int i = 0; i < count; ++i) {
            const QList<QByteArray> entry = nextLine().toByteArray().split(' ');
            if (entry.size() < 3) return fail(QStringLiteral("a broken xref entry"));
            if (entry[2] != "n") continue;
            const qsizetype offset = entry[0].toLongLong();
            if (offset <= 0 || offset >= xref) return fail(QStringLiteral("an object outside the file"));
            m_objects[size_t(first + i)].begin = offset;
            byOffset.emplace_back(offset, first + i);
        }
    }
    std::sort(byOffset.begin(), byOffset.end());
    for (size_t i = 0; i < byOffset.size(); ++i) {
        Object &o = m_objects[size_t(byOffset[i].second)];
        const qsizetype limit = i + 1 < byOffset.size() ? byOffset[i + 1].first : xref;
        const QByteArray header = number(byOffset[i].second) + " 0 obj";
        if (!mid(pdf, o.begin).startsWith(header))
            return fail(QStringLiteral("object %1 is not where the table says").arg(byOffset[i].second));
        const qsizetype endobj = QByteArrayView(pdf.data(), limit).lastIndexOf("endobj");
        if (endobj < o.begin) return fail(QStringLiteral("object %1 has no end").arg(byOffset[i].second));
        o.body = o.begin + header.size();
        o.end = endobj + 6;
        // A stream follows its dictionary: ">>" then "stream".
        const qsizetype stream = QByteArrayView(pdf.data(), o.end).indexOf("stream", o.body);
        if (stream > o.body) {
            qsizetype k = stream;
            while (k > o.body && std::isspace(static_cast<unsigned char>(pdf[k - 1])))
                --k;
            if (k >= o.body + 2 && pdf[k - 1] == '>' && pdf[k - 2] == '>') o.stream = stream;
        }
    }

    const QByteArrayView trailer = mid(pdf, at, startxref - at);
    auto valueOf = [](QByteArrayView dict, const char *key) {
        int found = 0;
        const qsizetype k = dict.indexOf(key);
        if (k >= 0)
            eachReference(mid(dict, k), [&](int n, qsizetype, qsizetype) {
                if (!found) found = n;
            });
        return found;
    };
    const int root = valueOf(trailer, "/Root");
    m_info = valueOf(trailer, "/Info");
    if (root <= 0 || size_t(root) >= m_objects.size() || !m_objects[size_t(root)].begin)
        return fail(QStringLiteral("no document catalog"));
    const QByteArrayView catalog = dictionaryOf(root);
    m_pagesRoot = valueOf(catalog, "/Pages");
    // Anything beyond the page tree (outlines, forms, names) would be lost in the parts.
    if (referencesOf(root) != QList<int>{m_pagesRoot})
        return fail(QStringLiteral("a catalog with more than pages"));
    if (m_pagesRoot <= 0 || size_t(m_pagesRoot) >= m_objects.size())
        return fail(QStringLiteral("no page tree"));
    const QByteArrayView tree = dictionaryOf(m_pagesRoot);
    const qsizetype kids = tree.indexOf("/Kids");
    const qsizetype close = tree.indexOf(']', kids);
    if (kids < 0 || close < 0) return fail(QStringLiteral("a page tree without kids"));
    eachReference(mid(tree, kids, close - kids), [&](int n, qsizetype, qsizetype) { m_pages.push_back(n); });
    m_sortedPages = m_pages;
    std::sort(m_sortedPages.begin(), m_sortedPages.end());
    for (int page : m_pages) {
        if (page <= 0 || size_t(page) >= m_objects.size() || !m_objects[size_t(page)].begin ||
            !dictionaryOf(page).contains("/Type /Page") || dictionaryOf(page).contains("/Type /Pages"))
            return fail(QStringLiteral("a nested page tree"));
    }
    return true;
}

QByteArrayView PdfSplitter::dictionaryOf(int n) const
{
    const Object &o = m_objects[size_t(n)];
    const qsizetype end = o.stream >= 0 ? o.stream : o.end - 6;
    return mid(m_pdf, o.body, end - o.body);
}

QList<int> PdfSplitter::referencesOf(int n) const
{
    QList<int> refs;
    eachReference(dictionaryOf(n), [&](int r, qsizetype, qsizetype) { refs << r; });
    return refs;
}

QByteArrayView PdfSplitter::header() const
{
    qsizetype firstObject = m_pdf.size();
    for (const Object &o : m_objects)
        if (o.begin) firstObject = std::min(firstObject, o.begin);
    return m_pdf.first(firstObject);
}

QByteArrayView PdfSplitter::info() const
{
    if (!m_info || size_t(m_info) >= m_objects.size() || !m_objects[size_t(m_info)].begin) return {};
    const Object &o = m_objects[size_t(m_info)];
    return mid(m_pdf, o.body, o.end - 6 - o.body).trimmed();
}

QByteArrayView PdfSplitter::plainBody(int n) const
{
    if (n <= 0 || size_t(n) >= m_objects.size() || !m_objects[size_t(n)].begin || m_objects[size_t(n)].stream >= 0)
        return {};
    const Object &o = m_objects[size_t(n)];
    return mid(m_pdf, o.body, o.end - 6 - o.body).trimmed();
}

template <typename F> void PdfSplitter::eachEdge(int n, F f) const
{
    const QByteArrayView dict = dictionaryOf(n);
    const bool stream = m_objects[size_t(n)].stream >= 0;
    eachReference(dict, [&](int r, qsizetype begin, qsizetype end) {
        qsizetype k = begin;
        while (k > 0 && std::isspace(static_cast<unsigned char>(dict[k - 1])))
            --k;
        qsizetype key = k;
        while (key > 0 && !isDelimiter(dict[key - 1]))
            --key;
        const QByteArrayView name = key > 0 && dict[key - 1] == '/' ? mid(dict, key - 1, k - key + 1) : QByteArrayView();
        const bool annots = name == "/Annots", length = stream && name == "/Length";
        const QByteArrayView target = annots || length ? plainBody(r) : QByteArrayView();
        const bool digits = length && !target.isEmpty() &&
                            std::all_of(target.begin(), target.end(),
                                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
        // The engine gives every page an annotation list, empty on ours, and every stream a
        // length object of its own: each costs an object and a cross-reference entry per page.
        if (annots && (target == "[ ]" || target == "[]"))
            f(r, key - 1, end, Edge::Drop);
        else if (digits)
            f(r, begin, end, Edge::Inline);
        else
            f(r, begin, end, Edge::Keep);
    });
}

template <typename T> QByteArray PdfSplitter::rewrite(int n, T token) const
{
    const Object &o = m_objects[size_t(n)];
    const QByteArrayView dict = dictionaryOf(n);
    QByteArray out;
    out.reserve(dict.size() + 16);
    qsizetype copied = 0;
    eachEdge(n, [&](int r, qsizetype begin, qsizetype end, Edge edge) {
        out += mid(dict, copied, begin - copied);
        if (edge == Edge::Inline) out += plainBody(r);
        if (edge == Edge::Keep) out += token(r);
        copied = end;
    });
    out += mid(dict, copied);
    out += mid(m_pdf, o.body + dict.size(), o.end - o.body - dict.size());
    return out;
}

bool PdfSplitter::copyPages(int first, int count, int parent, int firstNumber,
                            const std::function<bool(int, QByteArrayView, bool)> &put, QList<int> &pages,
                            PdfWrittenObjects &written)
{
    if (first < 0 || count <= 0 || first + count > pageCount()) return fail(QStringLiteral("no such pages"));
    // Every object the pages reach, but not the tree they hang in (their /Parent), each with a
    // digest of what it holds and reaches. Pages, their drawings and whatever reaches back to a
    // page stay unique: they are never shared.
    enum : char { kUnseen, kOpen, kDone };
    std::vector<char> state(m_objects.size(), kUnseen);
    std::vector<bool> unique(m_objects.size(), false);
    std::vector<QByteArray> digest(m_objects.size());
    std::vector<int> reached;
    QString missing;
    const std::function<void(int, int)> visit = [&](int n, int depth) {
        state[size_t(n)] = kOpen;
        reached.push_back(n);
        const bool page = std::binary_search(m_sortedPages.begin(), m_sortedPages.end(), n);
        bool alone = page || depth > 32 || (!written.streams && m_objects[size_t(n)].stream >= 0);
        if (page) {
            // A page's drawing is its own: not worth a digest.
            const QByteArrayView dict = dictionaryOf(n);
            const qsizetype contents = dict.indexOf("/Contents");
            if (contents >= 0)
                eachReference(mid(dict, contents, 32), [&](int r, qsizetype, qsizetype) {
                    if (r > 0 && size_t(r) < unique.size()) unique[size_t(r)] = true;
                });
        }
        eachEdge(n, [&](int r, qsizetype, qsizetype, Edge edge) {
            if (edge != Edge::Keep || r == m_pagesRoot) return;
            if (r <= 0 || size_t(r) >= m_objects.size() || !m_objects[size_t(r)].begin) {
                if (missing.isEmpty()) missing = QStringLiteral("a reference to the missing object %1").arg(r);
                return;
            }
            if (state[size_t(r)] == kUnseen) visit(r, depth + 1);
            if (state[size_t(r)] == kOpen || unique[size_t(r)]) alone = true;
        });
        if (alone || unique[size_t(n)]) {
            unique[size_t(n)] = true;
        } else {
            QCryptographicHash hash(QCryptographicHash::Blake2b_256);
            hash.addData(rewrite(n, [&](int r) -> QByteArray {
                return r == m_pagesRoot ? QByteArray("P") : digest[size_t(r)];
            }));
            digest[size_t(n)] = hash.result();
        }
        state[size_t(n)] = kDone;
    };
    for (int i = first; i < first + count; ++i) {
        const int page = m_pages[size_t(i)];
        if (state[size_t(page)] == kUnseen) visit(page, 0);
    }
    if (!missing.isEmpty()) return fail(missing);
    std::sort(reached.begin(), reached.end(),
              [&](int a, int b) { return m_objects[size_t(a)].begin < m_objects[size_t(b)].begin; });
    std::vector<int> renumbered(m_objects.size(), 0);
    renumbered[size_t(m_pagesRoot)] = parent;
    int next = firstNumber;
    std::vector<int> copies;
    // A page's underlay follows it, numbered after it.
    std::vector<const QByteArray *> underlay(m_objects.size(), nullptr);
    for (int i = first; i < first + count && size_t(i) < m_underlays.size(); ++i)
        if (!m_underlays[size_t(i)].isEmpty()) underlay[size_t(m_pages[size_t(i)])] = &m_underlays[size_t(i)];
    for (int n : reached) {
        if (!unique[size_t(n)]) {
            const auto same = written.numbers.constFind(digest[size_t(n)]);
            if (same != written.numbers.constEnd()) {
                renumbered[size_t(n)] = *same;
                continue;
            }
        }
        renumbered[size_t(n)] = next++;
        if (underlay[size_t(n)]) ++next;
        if (!unique[size_t(n)]) written.numbers.insert(digest[size_t(n)], renumbered[size_t(n)]);
        copies.push_back(n);
    }
    for (int i = first; i < first + count; ++i)
        pages << renumbered[size_t(m_pages[size_t(i)])];

    for (int n : copies) {
        QByteArray body = rewrite(n, [&](int r) {
            const bool known = r > 0 && size_t(r) < renumbered.size() && renumbered[size_t(r)];
            return number(known ? renumbered[size_t(r)] : r) + " 0 R";
        });
        body.chop(6); // "endobj"
        const QByteArray *under = underlay[size_t(n)];
        if (under && !putContentFirst(body, renumbered[size_t(n)] + 1))
            return fail(QStringLiteral("a page without content"));
        if (!put(renumbered[size_t(n)], body, m_objects[size_t(n)].stream >= 0) ||
            (under && !put(renumbered[size_t(n)] + 1, *under, true)))
            return fail(QStringLiteral("the output could not be written"));
    }
    return true;
}

bool PdfSplitter::write(int first, int count, QIODevice &out)
{
    if (first < 0 || count <= 0 || first + count > pageCount()) return fail(QStringLiteral("no such pages"));
    // 1 info, 2 catalog, 3 page tree, then the objects in their file order.
    std::vector<qint64> offsets(4, 0);
    qint64 written = 0;
    // Written in large pieces: the output may be a file that takes each write to the system.
    QByteArray pending;
    auto flush = [&] {
        const bool ok = out.write(pending) == pending.size();
        pending.clear();
        return ok;
    };
    auto put = [&](QByteArrayView bytes) {
        pending.append(bytes);
        written += bytes.size();
        return pending.size() < (1 << 20) || flush();
    };
    bool ok = put(header());
    offsets[1] = written;
    const QByteArrayView information = info();
    ok = ok && put("1 0 obj\n") && put(information.isEmpty() ? QByteArrayView("<<\n>>") : information) &&
         put("\nendobj\n");
    offsets[2] = written;
    ok = ok && put("2 0 obj\n<<\n/Type /Catalog\n/Pages 3 0 R\n>>\nendobj\n");
    QList<int> pages;
    PdfWrittenObjects shared;
    // The tree comes after the objects, so that it can list their new numbers.
    ok = ok && copyPages(
                   first, count, 3, 4,
                   [&](int n, QByteArrayView body, bool) {
                       if (offsets.size() <= size_t(n)) offsets.resize(size_t(n) + 1, 0);
                       offsets[size_t(n)] = written;
                       return put(number(n) + " 0 obj") && put(body) && put("endobj\n");
                   },
                   pages, shared);
    if (!ok) return false;
    offsets[3] = written;
    QByteArray tree = "3 0 obj\n<<\n/Type /Pages\n/Kids\n[\n";
    for (int p : pages)
        tree += number(p) + " 0 R\n";
    tree += "]\n/Count " + number(count) + "\n/ProcSet [/PDF /Text /ImageB /ImageC]\n>>\nendobj\n";
    ok = ok && put(tree);
    const int next = int(offsets.size());
    const qint64 xref = written;
    QByteArray table = "xref\n0 " + number(next) + "\n0000000000 65535 f \n";
    for (int i = 1; i < next; ++i)
        table += QByteArray::number(offsets[size_t(i)]).rightJustified(10, '0') + " 00000 n \n";
    table += "trailer\n<<\n/Size " + number(next) + "\n/Info 1 0 R\n/Root 2 0 R\n>>\nstartxref\n" +
             number(xref) + "\n%%EOF\n";
    ok = ok && put(table) && flush();
    if (!ok) return fail(QStringLiteral("the output could not be written"));
    return true;
}
