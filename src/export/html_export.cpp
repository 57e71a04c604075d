#include "export/html_export.h"

#include "export/export_pictures.h"
#include "export/page_markup.h"
#include "files/atomic_file.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "model/v_page.h"

#include <QFileInfo>
#include <QHash>
#include <QTemporaryFile>
#include <QUrl>
#include <QUuid>

namespace
{

QString escapeChar(QChar c)
{
    switch (c.unicode()) {
    case '<':
        return QStringLiteral("&lt;");
    case '>':
        return QStringLiteral("&gt;");
    case '&':
        return QStringLiteral("&amp;");
    case '"':
        return QStringLiteral("&quot;");
    default:
        return QString(c);
    }
}

// Escaped for HTML; what the code page cannot hold becomes a numeric reference so that no
// character turns into '?'.
QString htmlText(const QString &text, int codePage)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 128) {
            out += escapeChar(c);
            continue;
        }
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString one = text.mid(i, pair ? 2 : 1);
        if (pair) ++i;
        if (DecodeAnsi(EncodeAnsi(one, codePage), codePage) == one)
            out += one;
        else
            out += QStringLiteral("&#") + QString::number(one.toUcs4().value(0)) + QLatin1Char(';');
    }
    return out;
}

// RRGGBB of a COLORREF (0x00BBGGRR).
QString htmlColor(ColorRef c)
{
    const quint32 v = quint32(c);
    return QString::asprintf("%02X%02X%02X", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

struct Page {
    QStringList &lines;
    const QHash<const VGrfElement *, QString> &sources;
    const QHash<const VGrfElement *, QSize> &sizes;
    int codePage;
    bool pictures;

    void walk(const VGrfElement &container)
    {
        for (const auto &child : container.ChildList()) {
            const VGrfElement &e = *child;
            if (e.Printable() == pmNever) continue;
            line(e);
            walk(e);
        }
    }

    void line(const VGrfElement &e)
    {
        const ElementKind kind = e.Kind();
        const bool picture = e.Picture() && e.Picture()->HasData();
        if (kind == ElementKind::Label && !picture) {
            QString text = htmlText(DisplayedCaption(e), codePage);
            if (e.Font().FontWeight() >= 700) text = QStringLiteral("<b>") + text + QStringLiteral("</b>");
            lines << QStringLiteral("<basefont color=\"#") + htmlColor(e.Font().FontColor()) +
                         QStringLiteral("\">") + text;
            return;
        }
        if (!pictures) return;
        if (kind != ElementKind::BarCode && kind != ElementKind::Table && kind != ElementKind::Group &&
            kind != ElementKind::Label)
            return;
        // A picture that could not be drawn (undecodable label picture) has no file to name.
        const auto source = sources.constFind(&e);
        if (source == sources.cend()) return;
        const QSize size = sizes.value(&e);
        // Concatenated: the percent-encoded name holds "%2C" and the like, which arg() would take
        // for its own place markers.
        lines << QStringLiteral("<img src=\"") + htmlText(*source, codePage) + QStringLiteral("\" width=\"") +
                     QString::number(size.width()) + QStringLiteral("\" height=\"") +
                     QString::number(size.height()) + QStringLiteral("\">");
    }
};

// Base64 in lines of 76 characters, fed in pieces of any size.
class Base64Lines
{
public:
    explicit Base64Lines(QIODevice &out) : m_out(out) {}

    bool add(const QByteArray &bytes)
    {
        m_pending += bytes;
        const qsizetype whole = m_pending.size() / kLineBytes * kLineBytes;
        if (whole == 0) return true;
        const bool ok = put(m_pending.left(whole));
        m_pending.remove(0, whole);
        return ok;
    }
    bool finish()
    {
        const bool ok = m_pending.isEmpty() || put(m_pending);
        m_pending.clear();
        return ok;
    }

private:
    static constexpr qsizetype kLineBytes = 57; // 76 characters of base64

    bool put(const QByteArray &bytes)
    {
        const QByteArray b64 = bytes.toBase64();
        QByteArray out;
        out.reserve(b64.size() + b64.size() / 76 * 2 + 2);
        for (qsizetype i = 0; i < b64.size(); i += 76)
            out += b64.mid(i, 76) + "\r\n";
        return m_out.write(out) == out.size();
    }

    QIODevice &m_out;
    QByteArray m_pending;
};

// name: the part's address header ("Content-Location: …" or "Content-ID: <…>").
QByteArray mimePartHeader(const QByteArray &boundary, const QByteArray &type, const QByteArray &name)
{
    return "--" + boundary + "\r\nContent-Type: " + type + "\r\nContent-Transfer-Encoding: base64\r\n" +
           name + "\r\n\r\n";
}

// The address of the n-th picture inside the archive: browsers resolve cid: references to the
// part of that Content-ID, where they will not take file: addresses from an archive.
QString contentId(qint64 n)
{
    return QStringLiteral("picture") + QString::number(n) + QStringLiteral("@tessaly");
}

QString fileUrl(const QString &path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
}

} // namespace

QString HtmlCharset(int codePage)
{
    switch (codePage) {
    case 866:
        return QStringLiteral("cp866");
    case 1251:
    case 1252:
    case 1254:
        return QStringLiteral("windows-") + QString::number(codePage);
    case kUtf8CodePage:
        return QStringLiteral("utf-8");
    default:
        return QString();
    }
}

struct HtmlWriter::Private {
    QString path;
    HtmlOptions options;
    QString charset;
    AtomicFile file;
    // mht: the pictures' parts wait in a spool file until the page's part is complete, so that
    // neither is held in memory.
    QTemporaryFile spool;
    std::unique_ptr<Base64Lines> page;
    QByteArray boundary;
    PictureNames taken;
    qint64 carried = 0;
    int pages = 0;
    ExportResult result;

    Private(const QString &p, const HtmlOptions &o)
        : path(p), options(o), charset(HtmlCharset(o.codePage)), file(p)
    {
    }

    void fail(const QString &why)
    {
        if (result) result = ExportResult::failure(why);
    }

    bool text(const QStringList &lines)
    {
        if (!result) return false;
        if (lines.isEmpty()) return true;
        const QByteArray bytes =
            EncodeAnsi(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), options.codePage);
        const bool ok = page ? page->add(bytes) : file.write(bytes) == bytes.size();
        if (!ok) fail(file.error());
        return ok;
    }

    bool spoolPart(const ElementPicture &p, qint64 n)
    {
        const QByteArray header =
            mimePartHeader(boundary, p.mimeType.toLatin1(), "Content-ID: <" + contentId(n).toLatin1() + '>');
        Base64Lines body(spool);
        if (spool.write(header) != header.size() || !body.add(p.bytes) || !body.finish()) {
            fail(QStringLiteral("Cannot write a temporary file: ") + spool.errorString());
            return false;
        }
        return true;
    }
};

HtmlWriter::HtmlWriter(const QString &path, const QString &fontName, const HtmlOptions &options)
    : d(std::make_unique<Private>(path, options))
{
    // Pictures are named after the output file; a folder has no name to give them.
    if (const QString problem = ExportTargetProblem(path); !problem.isEmpty()) {
        d->fail(problem);
        return;
    }
    if (!d->file.open()) {
        d->fail(d->file.error());
        return;
    }
    if (options.mht) {
        if (!d->spool.open()) {
            d->fail(QStringLiteral("Cannot create a temporary file: ") + d->spool.errorString());
            return;
        }
        d->boundary = "----=_NextPart_Tessaly_" + QUuid::createUuid().toByteArray(QUuid::Id128);
        QByteArray type = "text/html";
        if (!d->charset.isEmpty()) type += "; charset=\"" + d->charset.toLatin1() + '"';
        const QByteArray head =
            "MIME-Version: 1.0\r\nContent-Type: multipart/related; type=\"text/html\"; boundary=\"" +
            d->boundary + "\"\r\n\r\nThis is a multi-part message in MIME format.\r\n\r\n" +
            mimePartHeader(d->boundary, type,
                           "Content-Location: " +
                               fileUrl(OutputBase(path) + QStringLiteral(".html")).toLatin1());
        if (d->file.write(head) != head.size()) {
            d->fail(d->file.error());
            return;
        }
        d->page = std::make_unique<Base64Lines>(d->file);
    }
    const int cp = options.codePage;
    d->text({QStringLiteral("<html>"), QStringLiteral("<head>"),
             QStringLiteral("<title>") + htmlText(options.title, cp) + QStringLiteral("</title>"),
             QStringLiteral("<meta name=\"Description\" content=\"ZEL Report convertor Ver.") +
                 htmlText(options.version, cp) + QStringLiteral("\">"),
             QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html;charset=") + d->charset +
                 QStringLiteral("\">"),
             QStringLiteral("</head>"), QStringLiteral("<body>"),
             QStringLiteral("<basefont face=\"") + htmlText(fontName, cp) + QStringLiteral("\">"),
             QStringLiteral("<pre>")});
}

HtmlWriter::~HtmlWriter() = default;

bool HtmlWriter::AddPage(VPage &page)
{
    if (!d->result) return false;
    ++d->pages;
    QHash<const VGrfElement *, QString> sources;
    QHash<const VGrfElement *, QSize> sizes;
    // The page's picture files reach the disk together: one sync for them all, not one each.
    std::vector<std::unique_ptr<AtomicFile>> files;
    if (d->options.savePictures) {
        for (const ElementPicture &p : DrawElementPictures(page, d->path, d->taken)) {
            // Beside the page a name relative to it lets the folder move; inside the archive the
            // parts are found by their Content-ID.
            if (d->options.mht) {
                sources.insert(p.element, QStringLiteral("cid:") + contentId(d->carried));
                if (!d->spoolPart(p, d->carried++)) return false;
            } else {
                sources.insert(p.element, QString::fromLatin1(
                                              QUrl::toPercentEncoding(QFileInfo(p.path).fileName(), "()")));
                auto file = std::make_unique<AtomicFile>(p.path);
                if (!file->open() || file->write(p.bytes) != p.bytes.size()) {
                    d->fail(file->error());
                    return false;
                }
                files.push_back(std::move(file));
            }
            sizes.insert(p.element, p.pixels);
        }
    }
    std::vector<AtomicFile *> commit;
    for (const auto &file : files)
        commit.push_back(file.get());
    AtomicFile::CommitAll(commit);
    for (const auto &file : files) {
        if (!file->error().isEmpty()) {
            d->fail(file->error());
            return false;
        }
        d->result.written << file->target();
    }
    QStringList lines;
    Page{lines, sources, sizes, d->options.codePage, d->options.savePictures}.walk(page.Root());
    return d->text(lines);
}

ExportResult HtmlWriter::Finish()
{
    if (d->result && d->pages == 0) d->fail(QStringLiteral("The report has no pages"));
    d->text({QStringLiteral("</pre>"), QStringLiteral("</body>"), QStringLiteral("</html>")});
    if (d->result && d->page) {
        if (!d->page->finish()) d->fail(d->file.error());
        d->spool.seek(0);
        while (d->result && !d->spool.atEnd()) {
            const QByteArray chunk = d->spool.read(1 << 20);
            if (chunk.isEmpty() || d->file.write(chunk) != chunk.size()) d->fail(d->file.error());
        }
        const QByteArray end = "--" + d->boundary + "--\r\n";
        if (d->result && d->file.write(end) != end.size()) d->fail(d->file.error());
    }
    if (d->result && !d->file.commit()) d->fail(d->file.error());
    if (!d->result) {
        d->file.discard();
        return d->result;
    }
    d->result.written << d->path;
    return d->result;
}

ExportResult ExportHtml(VDoc &report, const QString &path, const HtmlOptions &options)
{
    if (report.PageCount() == 0) return ExportResult::failure(QStringLiteral("The report has no pages"));
    if (const QString problem = report.PaperSizeProblem(); !problem.isEmpty())
        return ExportResult::failure(problem);
    HtmlWriter writer(path, report.Font().FontName(), options);
    for (int i = 0; i < report.PageCount(); ++i)
        if (!writer.AddPage(*report.PageAt(i))) break;
    return writer.Finish();
}
