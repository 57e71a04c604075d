#include "export/text_export.h"

#include "export/export_pictures.h"
#include "export/page_markup.h"
#include "files/atomic_file.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "model/v_page.h"

#include <QSet>

namespace
{

const QString kLineEnd = QStringLiteral("\r\n");

void collectLines(const VGrfElement &e, std::vector<TextLine> &lines)
{
    if (e.Printable() == pmNever) return;
    if (e.Kind() == ElementKind::Panel || e.Kind() == ElementKind::Group)
        for (const auto &child : e.ChildList())
            collectLines(*child, lines);
    TextLine line{&e, {}};
    if (e.Kind() == ElementKind::Label && !(e.Picture() && e.Picture()->HasData())) {
        line.text = DisplayedCaption(e);
        line.text.replace(kLineEnd, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    lines.push_back(std::move(line));
}

QString characterName(const QString &one)
{
    const char32_t u = one.toUcs4().value(0);
    return QStringLiteral("'") + one + QStringLiteral("' (U+") +
           QString::number(quint32(u), 16).toUpper().rightJustified(4, QLatin1Char('0')) + QLatin1Char(')');
}

} // namespace

std::vector<TextLine> PageTextLines(const VPage &page)
{
    std::vector<TextLine> lines;
    collectLines(page.Root(), lines);
    return lines;
}

struct TextWriter::Private {
    AtomicFile file;
    bool newPageChar, eofChar;
    int codePage;
    int pages = 0;
    qint64 lines = 0; // lines written before the current page
    ExportResult result;
    QSet<char32_t> named; // characters already warned of

    Private(const QString &path, bool newPage, bool eof, int cp)
        : file(path), newPageChar(newPage), eofChar(eof), codePage(cp)
    {
    }

    void fail(const QString &why)
    {
        if (result) result = ExportResult::failure(why);
    }

    // The text in the code page; what it lacks becomes '?', each character named once with the
    // line it first stands on.
    QByteArray encode(const QString &text)
    {
        QByteArray bytes = EncodeAnsi(text, codePage);
        if (DecodeAnsi(bytes, codePage) == text) return bytes;
        bytes.clear();
        qint64 line = lines + 1;
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString one = text.mid(i, n);
            i += n;
            if (one == QLatin1String("\n")) ++line;
            const QByteArray encoded = EncodeAnsi(one, codePage);
            if (DecodeAnsi(encoded, codePage) == one) {
                bytes += encoded;
                continue;
            }
            bytes += '?';
            const char32_t u = one.toUcs4().value(0);
            if (named.contains(u)) continue;
            named.insert(u);
            result.warnings << QStringLiteral("line ") + QString::number(line) + QStringLiteral(": ") +
                                   characterName(one) + QStringLiteral(" is not in code page ") +
                                   QString::number(codePage) + QStringLiteral("; it was written as '?'");
        }
        return bytes;
    }

    bool write(const QString &text)
    {
        const QByteArray bytes = encode(text);
        lines += text.count(QLatin1Char('\n'));
        if (file.write(bytes) != bytes.size()) {
            fail(file.error());
            return false;
        }
        return true;
    }
};

TextWriter::TextWriter(const QString &path, bool newPageChar, bool eofChar, int codePage)
    : d(std::make_unique<Private>(path, newPageChar, eofChar, codePage))
{
    if (const QString problem = ExportTargetProblem(path); !problem.isEmpty())
        d->fail(problem);
    else if (!d->file.open())
        d->fail(d->file.error());
}

TextWriter::~TextWriter() = default;

bool TextWriter::AddPage(const VPage &page)
{
    if (!d->result) return false;
    QString text;
    if (d->pages > 0 && d->newPageChar) text += QChar(0x0C) + kLineEnd;
    // A caption of several lines keeps the file's own line ends.
    for (TextLine &line : PageTextLines(page))
        text += line.text.replace(QLatin1Char('\n'), kLineEnd) + kLineEnd;
    ++d->pages;
    return d->write(text);
}

ExportResult TextWriter::Finish()
{
    if (d->result && d->pages == 0) d->fail(QStringLiteral("The report has no pages"));
    if (d->result && d->eofChar) d->write(QChar(26) + kLineEnd);
    if (d->result && !d->file.commit()) d->fail(d->file.error());
    if (!d->result) {
        d->file.discard();
        return d->result;
    }
    d->result.written << d->file.target();
    return d->result;
}

ExportResult ExportText(VDoc &report, const QString &path, bool newPageChar, bool eofChar, int codePage)
{
    if (report.PageCount() == 0) return ExportResult::failure(QStringLiteral("The report has no pages"));
    if (const QString problem = report.PaperSizeProblem(); !problem.isEmpty())
        return ExportResult::failure(problem);
    TextWriter writer(path, newPageChar, eofChar, codePage);
    for (int i = 0; i < report.PageCount(); ++i)
        if (!writer.AddPage(*report.PageAt(i))) break;
    return writer.Finish();
}
