#include "export/html_export.h"

#include "export/export_pictures.h"
#include "export/page_markup.h"
#include "files/atomic_file.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "model/v_page.h"

#include <QFileInfo>
#include <QHash>
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
        lines << QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
                     .arg(htmlText(*source, codePage))
                     .arg(size.width())
                     .arg(size.height());
    }
};

QByteArray base64Lines(const QByteArray &bytes)
{
    const QByteArray b64 = bytes.toBase64();
    QByteArray out;
    out.reserve(b64.size() + b64.size() / 76 * 2 + 2);
    for (qsizetype i = 0; i < b64.size(); i += 76)
        out += b64.mid(i, 76) + "\r\n";
    return out;
}

// name: the part's address header ("Content-Location: …" or "Content-ID: <…>").
QByteArray mimePart(const QByteArray &boundary, const QByteArray &type, const QByteArray &name,
                    const QByteArray &body)
{
    return "--" + boundary + "\r\nContent-Type: " + type + "\r\nContent-Transfer-Encoding: base64\r\n" + name +
           "\r\n\r\n" + base64Lines(body);
}

// The address of the n-th picture inside the archive: browsers resolve cid: references to the
// part of that Content-ID, where they will not take file: addresses from an archive.
QString contentId(size_t n)
{
    return QStringLiteral("picture%1@tessaly").arg(n);
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
    default:
        return QString();
    }
}

ExportResult ExportHtml(VDoc &report, const QString &path, const HtmlOptions &options)
{
    if (report.PageCount() == 0) return ExportResult::failure(QStringLiteral("The report has no pages"));
    if (const QString problem = report.PaperSizeProblem(); !problem.isEmpty())
        return ExportResult::failure(problem);
    const QString charset = HtmlCharset(options.codePage);
    QStringList lines;
    lines << QStringLiteral("<html>") << QStringLiteral("<head>")
          << QStringLiteral("<title>") + htmlText(options.title, options.codePage) +
                 QStringLiteral("</title>")
          << QStringLiteral("<meta name=\"Description\" content=\"ZEL Report convertor Ver.") +
                 htmlText(options.version, options.codePage) + QStringLiteral("\">")
          << QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html;charset=") + charset +
                 QStringLiteral("\">")
          << QStringLiteral("</head>") << QStringLiteral("<body>")
          << QStringLiteral("<basefont face=\"") + htmlText(report.Font().FontName(), options.codePage) +
                 QStringLiteral("\">")
          << QStringLiteral("<pre>");

    ExportResult result;
    QSet<QString> taken;
    std::vector<ElementPicture> carried; // mht: every page's pictures go into the one file
    for (int i = 0; i < report.PageCount(); ++i) {
        VPage &page = *report.PageAt(i);
        QHash<const VGrfElement *, QString> sources;
        QHash<const VGrfElement *, QSize> sizes;
        if (options.savePictures) {
            std::vector<ElementPicture> pictures = DrawElementPictures(page, path, taken);
            for (ElementPicture &p : pictures) {
                // Beside the page a name relative to it lets the folder move; inside the archive
                // the parts are found by their Content-ID.
                sources.insert(p.element, options.mht ? QStringLiteral("cid:") + contentId(carried.size())
                                                      : QString::fromLatin1(QUrl::toPercentEncoding(
                                                            QFileInfo(p.path).fileName(), "()")));
                sizes.insert(p.element, p.pixels);
                if (options.mht) {
                    p.element = nullptr; // the page's elements are not needed past this page
                    carried.push_back(std::move(p));
                    continue;
                }
                QString error;
                if (!WriteFileAtomically(p.path, p.bytes, &error)) return ExportResult::failure(error);
                result.written << p.path;
            }
        }
        Page{lines, sources, sizes, options.codePage, options.savePictures}.walk(page.Root());
    }
    lines << QStringLiteral("</pre>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    const QByteArray html =
        EncodeAnsi(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), options.codePage);

    QByteArray bytes = html;
    if (options.mht) {
        const QByteArray boundary = "----=_NextPart_Tessaly_" + QUuid::createUuid().toByteArray(QUuid::Id128);
        bytes = "MIME-Version: 1.0\r\nContent-Type: multipart/related; type=\"text/html\"; boundary=\"" +
                boundary + "\"\r\n\r\nThis is a multi-part message in MIME format.\r\n\r\n";
        QByteArray type = "text/html";
        if (!charset.isEmpty()) type += "; charset=\"" + charset.toLatin1() + '"';
        bytes += mimePart(boundary, type,
                          "Content-Location: " + fileUrl(OutputBase(path) + QStringLiteral(".html")).toLatin1(), html);
        for (size_t n = 0; n < carried.size(); ++n)
            bytes += mimePart(boundary, carried[n].mimeType.toLatin1(),
                              "Content-ID: <" + contentId(n).toLatin1() + '>', carried[n].bytes);
        bytes += "--" + boundary + "--\r\n";
    }
    QString error;
    if (!WriteFileAtomically(path, bytes, &error)) return ExportResult::failure(error);
    result.written << path;
    return result;
}
