#include "export/rtf_export.h"

#include "export/export_pictures.h"
#include "export/page_markup.h"
#include "export/pdf_export.h"
#include "export/pdf_font_map.h"
#include "files/atomic_file.h"
#include "model/code_page.h"
#include "model/v_doc.h"
#include "model/v_page.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QThread>
#include <QUrl>
#include <cmath>
#include <csignal>
#include <unistd.h>

namespace
{

constexpr int kTwipsPerPicturePixel = 15; // the exports draw their pictures at 96 pixels per inch
constexpr double kReference = 1000.0;      // pixel size the text is measured at, as the PDF engine

int fontCharset(int codePage)
{
    switch (codePage) {
    case 1251:
        return 204;
    case 1254:
        return 162;
    case 866:
        return 204;
    default:
        return 0;
    }
}

// Every character outside ASCII as \uN with '?' for readers without Unicode; \ { } escaped.
QByteArray rtfText(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u < 0x20) {
            out += ' '; // the PDF draws the caption as one line
        } else if (u < 0x80) {
            out += char(u);
        } else {
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}

struct Metrics {
    double ascent = 0, descent = 0, capHeight = 0, width = 0; // points
};

class Writer
{
public:
    explicit Writer(const RtfOptions &options) : m_options(options)
    {
        m_fontMap = LoadPdfFontMap(PdfResourceFile());
        for (const QString &family : QFontDatabase::families())
            m_installed.insert(family.toLower());
        m_colors << 0; // index 1 onwards; 0 is "auto"
    }

    void page(VPage &page, const QString &path, PictureNames &taken, bool first)
    {
        const QSize size = page.TwipsSize();
        if (!first) m_body += "\\sect\n";
        m_body += "\\sectd\\sbkpage\\pgwsxn" + QByteArray::number(size.width()) + "\\pghsxn" +
                  QByteArray::number(size.height()) +
                  "\\marglsxn0\\margrsxn0\\margtsxn0\\margbsxn0\\headery0\\footery0";
        if (page.Settings().Landscape()) m_body += "\\lndscpsxn";
        m_body += '\n';
        if (first) m_firstPage = size;
        m_blackWhite = page.BlackWhite();
        if (page.Root().Printable() == pmNever) {
            emptyParagraph();
            return;
        }
        m_pictures.clear();
        m_fills.clear();
        if (m_options.savePictures)
            for (ElementPicture &p : DrawElementPictures(page, path, taken))
                m_pictures.insert(p.element, std::move(p));
        const int before = m_body.size();
        walk(page.Root());
        // A section needs a paragraph of its own to exist at all.
        if (m_body.size() == before) emptyParagraph();
    }

    // The page texts written since the last call: they go to disk page by page.
    QByteArray takeBody() { return std::exchange(m_body, QByteArray()); }

    // Everything before the pages: the tables of the fonts and colours all pages used.
    QByteArray head() const
    {
        QByteArray out = "{\\rtf1\\ansi\\ansicpg" + QByteArray::number(m_options.codePage) + "\\uc1\\deff0\n";
        out += "{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i)
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" +
                   QByteArray::number(fontCharset(m_options.codePage)) + ' ' + rtfText(m_fonts.at(i)) + ";}";
        if (m_fonts.isEmpty()) out += "{\\f0\\fmodern Courier New;}";
        out += "}\n{\\colortbl;";
        for (int i = 1; i < m_colors.size(); ++i) {
            const quint32 c = m_colors.at(i);
            out += "\\red" + QByteArray::number(c & 0xFF) + "\\green" + QByteArray::number((c >> 8) & 0xFF) +
                   "\\blue" + QByteArray::number((c >> 16) & 0xFF) + ';';
        }
        out += "}\n\\paperw" + QByteArray::number(m_firstPage.width()) + "\\paperh" +
               QByteArray::number(m_firstPage.height()) + "\\margl0\\margr0\\margt0\\margb0\n";
        return out;
    }

private:
    void walk(const VGrfElement &container)
    {
        for (const auto &child : container.ChildList()) {
            const VGrfElement &e = *child;
            if (e.Printable() == pmNever) continue;
            const bool pictured = element(e);
            m_insidePicture += pictured;
            walk(e);
            m_insidePicture -= pictured;
        }
    }

    // True when the element went out as a picture, which then shows everything inside it.
    bool element(const VGrfElement &e)
    {
        if (m_insidePicture) noteFill(e);
        const bool hasPicture = e.Picture() && e.Picture()->HasData();
        // As in the PDF a hollow group without a picture is its frame alone: as a picture it
        // would paint white over what lies below.
        if (e.Kind() == ElementKind::Group && e.Shape().BrushStyle() == 1 && !hasPicture) {
            if (!m_insidePicture) boxFrame(e);
            return false;
        }
        const auto picture = m_pictures.constFind(&e);
        if (picture != m_pictures.cend()) {
            // A picture inside another one is drawn there already; a second copy would cover it.
            if (m_insidePicture) return false;
            pictureFrame(e, *picture);
            noteFill(e);
            return true;
        }
        if (e.Kind() == ElementKind::Label && !hasPicture) label(e);
        return false;
    }

    // A solid brush now shows on the page (drawn into a picture or as a frame's shading).
    void noteFill(const VGrfElement &e)
    {
        const VShape &s = e.Shape();
        if (s.BrushStyle() == 0 && !m_blackWhite)
            m_fills.push_back({QRect(s.Left(), s.Top(), s.Width(), s.Height()), s.BrushColor()});
    }

    // LibreOffice fills every frame, white unless told otherwise, so a frame over a coloured
    // fill takes that fill's colour as its shading; empty over plain paper.
    QByteArray backdrop(const QRect &frame)
    {
        const QPoint centre = frame.center();
        for (auto it = m_fills.crbegin(); it != m_fills.crend(); ++it)
            if (it->first.contains(centre))
                return "\\cbpat" + QByteArray::number(colorIndex(it->second)) + "\\shading0";
        return {};
    }

    int colorIndex(ColorRef color)
    {
        quint32 c = quint32(color) & 0xFFFFFF;
        if (m_blackWhite) c = c == 0xFFFFFF ? c : 0; // as the page prints in black and white
        int i = int(m_colors.indexOf(c, 1));
        if (i < 1) {
            m_colors << c;
            i = int(m_colors.size()) - 1;
        }
        return i;
    }

    // The face the PDF export writes: known to the font map or installed, else Courier New.
    QString face(const TZelFont &font) const
    {
        QString name = font.FontName();
        if (name == QLatin1String("@Arial Unicode MS")) name = QStringLiteral("Arial Unicode MS");
        if (name.isEmpty() || !(m_installed.contains(name.toLower()) ||
                                m_fontMap->faces.contains(name, Qt::CaseInsensitive)))
            name = QStringLiteral("Courier New");
        return name;
    }

    Metrics measure(const QString &name, bool bold, bool italic, double points, const QString &text) const
    {
        const QString style = bold && italic ? QStringLiteral("bolditalic")
                              : bold         ? QStringLiteral("bold")
                              : italic       ? QStringLiteral("italic")
                                             : QString();
        const QString key = name.toLower() + QLatin1Char(',');
        QString family = m_fontMap->families.value(key + style, m_fontMap->families.value(key));
        if (family.isEmpty()) family = name;
        QFont f(family);
        f.setBold(bold);
        f.setItalic(italic);
        f.setPixelSize(int(kReference));
        f.setKerning(false);
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setStyleStrategy(QFont::PreferOutline);
        const QFontMetricsF fm(f);
        const double unit = points / kReference;
        return {fm.ascent() * unit, fm.descent() * unit, fm.capHeight() * unit, fm.horizontalAdvance(text) * unit};
    }

    int fontIndex(const QString &name)
    {
        int i = int(m_fonts.indexOf(name));
        if (i < 0) {
            m_fonts << name;
            i = int(m_fonts.size()) - 1;
        }
        return i;
    }

    static QByteArray frame(int left, int top, int width, int height)
    {
        // Negative \absh: exactly that high, whatever the text; the frames never push each other.
        return "\\pard\\plain\\pvpg\\phpg\\posx" + QByteArray::number(std::max(0, left)) + "\\posy" +
               QByteArray::number(std::max(0, top)) + "\\absw" + QByteArray::number(std::max(1, width)) +
               "\\absh-" + QByteArray::number(std::max(1, height)) + "\\nowrap\\dxfrtext0\\dfrmtxtx0\\dfrmtxty0";
    }

    static QByteArray penStyle(int style)
    {
        switch (style) {
        case 1:
            return "\\brdrdash";
        case 2:
            return "\\brdrdot";
        case 3:
            return "\\brdrdashd";
        case 4:
            return "\\brdrdashdd";
        default:
            return "\\brdrs";
        }
    }

    QByteArray side(const char *name, int style, int widthPixels, ColorRef color)
    {
        const int twips = std::clamp(widthPixels * kTwipsPerPicturePixel, 5, 75);
        return QByteArray(name) + penStyle(style) + "\\brdrw" + QByteArray::number(twips) + "\\brdrcf" +
               QByteArray::number(colorIndex(color)) + "\\brsp0";
    }

    // The element's box: frame rectangle and per-side lines as borders, a solid brush as shading.
    // The diagonals have no RTF form and are left out.
    void boxFrame(const VGrfElement &e)
    {
        const VShape &s = e.Shape();
        static const char *const names[4] = {"\\brdrt", "\\brdrr", "\\brdrb", "\\brdrl"};
        QByteArray borders;
        for (int i = 0; i < 4; ++i) {
            const VBorder &b = s.BorderLine(i);
            if (b.visible) // solid, as the PDF strokes them
                borders += side(names[i], 0, b.PenWidth, b.PenColor);
            else if (s.PenStyle() != 5)
                borders += side(names[i], s.PenStyle(), s.PenWidth(), s.PenColor());
        }
        QByteArray fill;
        if (s.BrushStyle() == 0 && !m_blackWhite) {
            fill = "\\cbpat" + QByteArray::number(colorIndex(s.BrushColor())) + "\\shading0";
            noteFill(e);
        } else if (!borders.isEmpty()) {
            fill = backdrop(QRect(s.Left(), s.Top(), s.Width(), s.Height()));
        }
        if (borders.isEmpty() && fill.isEmpty()) return;
        m_body += frame(s.Left(), s.Top(), s.Width(), s.Height()) + borders + fill + "\\sl-" +
                  QByteArray::number(std::max(1, s.Height())) + "\\slmult0\\fs2\\par\n";
    }

    // The caption stands where the PDF export puts it: the cap height box aligned in the label,
    // condensed (then shrunk) when too long. Its frame is one line high, placed so that the
    // baseline falls where the PDF's does; the frame's own top is ascent above the baseline.
    void label(const VGrfElement &e)
    {
        if (!m_insidePicture) boxFrame(e);
        const QString text = DisplayedCaption(e);
        if (text.isEmpty()) return;
        const TZelFont &f = e.Font();
        const VShape &s = e.Shape();
        const int horz = f.HorzPos(), vert = f.VertPos();
        if (horz < 0 || horz > 2 || vert < 0 || vert > 2) return; // the PDF leaves these out too
        double height = f.FontHeight();
        if (!(height >= 1.0)) height = 10;
        const double points = std::round(height * 72 / 25.4);
        const QString name = face(f);
        const bool bold = f.FontWeight() >= 700, italic = f.FontItalic();
        const Metrics m = measure(name, bold, italic, points, text);

        const double boxW = s.Width() / 20.0, boxH = s.Height() / 20.0;
        double sx = 1, sy = 1;
        if (m.width > boxW && m.width > 0) {
            sx = boxW / m.width;
            if (sx < 0.75) sy = sx / 0.75;
        }
        const double size = points * sy;
        const double cap = m.capHeight * sy, ascent = m.ascent * sy, descent = m.descent * sy;
        // Baseline in points below the label's top.
        const double baseline = vert == 0 ? cap : vert == 1 ? (boxH + cap) / 2 : boxH;
        const int top = s.Top() + int(std::lround((baseline - ascent) * 20));
        const int lineHeight = int(std::ceil((ascent + descent) * 20));
        // The frame is as wide as the text (LibreOffice paints frames white, hiding what lies
        // below), with a little room that keeps a caption from wrapping on other metrics.
        const int slack = 40;
        const int width = int(std::ceil(m.width * sx * 20)) + slack;
        int left = s.Left();
        if (horz == 1) left += (s.Width() - width) / 2;
        if (horz == 2) left += s.Width() - width;

        QByteArray run = "\\f" + QByteArray::number(fontIndex(name)) + "\\fs" +
                         QByteArray::number(std::max(2, int(std::lround(size * 2)))) + "\\cf" +
                         QByteArray::number(colorIndex(f.FontColor()));
        if (bold) run += "\\b";
        if (italic) run += "\\i";
        if (f.FontUnderline()) run += "\\ul";
        if (f.FontStrikeOut()) run += "\\strike";
        const int scale = int(std::lround(sx / sy * 100));
        if (scale < 100) run += "\\charscalex" + QByteArray::number(std::max(1, scale));
        static const char *const align[3] = {"\\ql", "\\qc", "\\qr"};
        m_body += frame(left, top, width, lineHeight) + backdrop(QRect(left, top, width, lineHeight)) +
                  align[horz] + "\\sl-" + QByteArray::number(lineHeight) + "\\slmult0" + run + ' ' +
                  rtfText(text) + "\\par\n";
    }

    // Label pictures as the PDF places them: at 96 dpi from the corner, stretched to the box, or
    // fitted into it centred; group, table and barcode pictures from the element's corner, at the
    // size they have at 96 dpi even when they were drawn with fewer pixels.
    void pictureFrame(const VGrfElement &e, const ElementPicture &picture)
    {
        const VShape &s = e.Shape();
        QRect place(s.Left(), s.Top(), picture.pixels.width() * kTwipsPerPicturePixel,
                    picture.pixels.height() * kTwipsPerPicturePixel);
        if (e.Kind() == ElementKind::BarCode) place.setSize(QSize(s.Width(), s.Height()));
        if (e.Kind() == ElementKind::Label) {
            const int sizeSet = e.Picture() ? e.Picture()->SizeSet() : 0;
            if (sizeSet == 1) {
                place.setSize(QSize(s.Width(), s.Height()));
            } else if (sizeSet == 2) {
                const QSize fitted = place.size().scaled(s.Width(), s.Height(), Qt::KeepAspectRatio);
                place = QRect(s.Left() + (s.Width() - fitted.width()) / 2,
                              s.Top() + (s.Height() - fitted.height()) / 2, fitted.width(), fitted.height());
            } else if (sizeSet != 0) {
                return;
            }
        }
        // JPEG goes in as it is; the label pictures' bitmaps as PNG.
        const bool jpeg = picture.mimeType == QLatin1String("image/jpeg");
        QByteArray data = picture.bytes;
        QSize size;
        if (jpeg) {
            QBuffer in(&data);
            in.open(QIODevice::ReadOnly);
            size = QImageReader(&in, "JPEG").size();
        } else {
            const QImage image = QImage::fromData(picture.bytes);
            size = image.size();
            data.clear();
            QBuffer buffer(&data);
            buffer.open(QIODevice::WriteOnly);
            if (!image.save(&buffer, "PNG")) return;
        }
        if (!size.isValid()) return;
        m_body += frame(place.left(), place.top(), place.width(), place.height()) + "\\ql\\sl0\\fs2{\\pict" +
                  (jpeg ? "\\jpegblip" : "\\pngblip") + "\\picw" + QByteArray::number(size.width()) +
                  "\\pich" + QByteArray::number(size.height()) + "\\picwgoal" +
                  QByteArray::number(place.width()) + "\\pichgoal" + QByteArray::number(place.height()) +
                  '\n';
        const QByteArray hex = data.toHex();
        for (qsizetype i = 0; i < hex.size(); i += 128)
            m_body += hex.mid(i, 128) + '\n';
        m_body += "}\\par\n";
    }

    void emptyParagraph() { m_body += "\\pard\\plain\\fs2\\par\n"; }

    const RtfOptions &m_options;
    std::shared_ptr<const PdfFontMap> m_fontMap;
    QSet<QString> m_installed;
    QStringList m_fonts;
    QList<quint32> m_colors;
    QHash<const VGrfElement *, ElementPicture> m_pictures;
    std::vector<std::pair<QRect, ColorRef>> m_fills; // the page's coloured areas, in drawing order
    QByteArray m_body;
    QSize m_firstPage;
    bool m_blackWhite = false;
    int m_insidePicture = 0; // group and table pictures already show their labels' boxes
};

} // namespace

struct RtfWriter::Private {
    QString path;
    RtfOptions options;
    Writer writer;
    AtomicFile file;
    // The pages wait here while the font and colour tables, which come first, fill up.
    QTemporaryFile spool;
    PictureNames taken;
    int pages = 0;
    ExportResult result;

    Private(const QString &p, const RtfOptions &o) : path(p), options(o), writer(options), file(p) {}

    void fail(const QString &why)
    {
        if (result) result = ExportResult::failure(why);
    }
};

RtfWriter::RtfWriter(const QString &path, const RtfOptions &options)
    : d(std::make_unique<Private>(path, options))
{
    if (const QString problem = ExportTargetProblem(path); !problem.isEmpty())
        d->fail(problem);
    else if (!d->spool.open())
        d->fail(QStringLiteral("Cannot create a temporary file: ") + d->spool.errorString());
}

RtfWriter::~RtfWriter() = default;

bool RtfWriter::AddPage(VPage &page)
{
    if (!d->result) return false;
    if (const QString problem = page.PaperSizeProblem(); !problem.isEmpty()) {
        d->fail(problem);
        return false;
    }
    d->writer.page(page, d->path, d->taken, d->pages++ == 0);
    const QByteArray body = d->writer.takeBody();
    if (d->spool.write(body) != body.size()) {
        d->fail(QStringLiteral("Cannot write a temporary file: ") + d->spool.errorString());
        return false;
    }
    return true;
}

ExportResult RtfWriter::Finish()
{
    if (d->result && d->pages == 0) d->fail(QStringLiteral("The report has no pages"));
    if (d->result && !d->file.open()) d->fail(d->file.error());
    if (d->result) {
        const QByteArray head = d->writer.head();
        if (d->file.write(head) != head.size()) d->fail(d->file.error());
        d->spool.seek(0);
        while (d->result && !d->spool.atEnd()) {
            const QByteArray chunk = d->spool.read(1 << 20);
            if (chunk.isEmpty() || d->file.write(chunk) != chunk.size()) d->fail(d->file.error());
        }
        if (d->result && d->file.write("}\n") != 2) d->fail(d->file.error());
    }
    if (d->result && !d->file.commit()) d->fail(d->file.error());
    if (!d->result) {
        d->file.discard();
        return d->result;
    }
    d->result.written << d->path;
    return d->result;
}

ExportResult ExportRtf(VDoc &report, const QString &path, const RtfOptions &options)
{
    if (report.PageCount() == 0) return ExportResult::failure(QStringLiteral("The report has no pages"));
    // Every page's size is checked before anything is written.
    for (int i = 0; i < report.PageCount(); ++i) {
        const QString problem = report.PageAt(i)->PaperSizeProblem();
        if (!problem.isEmpty()) return ExportResult::failure(problem);
    }
    RtfWriter writer(path, options);
    for (int i = 0; i < report.PageCount(); ++i)
        if (!writer.AddPage(*report.PageAt(i))) break;
    return writer.Finish();
}

QString OfficeProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

namespace
{

// LibreOffice turns the RTF in work into path.
ExportResult convertToDoc(const QString &office, const QTemporaryDir &work, const QString &rtf,
                          const QString &path, int timeoutMs)
{
    QProcess process;
    process.setProgram(office);
    // A private profile: no clash with a LibreOffice the user has open, nothing left in theirs.
    process.setArguments({QStringLiteral("-env:UserInstallation=") +
                              QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString(),
                          QStringLiteral("--headless"), QStringLiteral("--norestore"),
                          QStringLiteral("--convert-to"), QStringLiteral("doc:MS Word 97"),
                          QStringLiteral("--outdir"), work.path(), rtf});
    process.setWorkingDirectory(work.path());
    // LibreOffice keeps its own temporary files under TMPDIR and leaves them when it is killed or
    // fails: inside the work folder they go with it, whatever way the conversion ends.
    const QString scratch = work.filePath(QStringLiteral("tmp"));
    QDir().mkpath(scratch);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), scratch);
    environment.insert(QStringLiteral("TMP"), scratch);
    environment.insert(QStringLiteral("TEMP"), scratch);
    process.setProcessEnvironment(environment);
    // Its own process group, so that a timeout ends soffice.bin too and not only the launcher.
    process.setChildProcessModifier([] { ::setsid(); });
    process.start();
    if (!process.waitForStarted(30000))
        return ExportResult::failure(QStringLiteral("Cannot start LibreOffice: ") + process.errorString());
    if (!process.waitForFinished(timeoutMs)) {
        const pid_t group = pid_t(process.processId());
        ::kill(-group, SIGKILL);
        process.kill();
        process.waitForFinished(5000);
        // soffice.bin is no child of ours to wait for: wait until nothing of the group is left, so
        // that no file appears in the work folder after it is removed.
        for (int i = 0; i < 100 && ::kill(-group, 0) == 0; ++i)
            QThread::msleep(20);
        return ExportResult::failure(QStringLiteral("LibreOffice did not convert the document within %1 seconds")
                                         .arg(timeoutMs / 1000));
    }
    QFile doc(work.filePath(QStringLiteral("report.doc")));
    if (process.exitStatus() != QProcess::NormalExit || !doc.open(QIODevice::ReadOnly)) {
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return ExportResult::failure(QStringLiteral("LibreOffice could not convert the document to Word") +
                                     (said.isEmpty() ? QString() : QStringLiteral(": ") + said));
    }
    const QByteArray bytes = doc.readAll();
    QString error;
    if (bytes.isEmpty() || !WriteFileAtomically(path, bytes, &error))
        return ExportResult::failure(error.isEmpty() ? QStringLiteral("LibreOffice wrote an empty document") : error);
    ExportResult result;
    result.written << path;
    return result;
}

} // namespace

struct DocWriter::Private {
    QString path;
    int timeoutMs;
    QString office = OfficeProgram();
    QTemporaryDir work;
    std::unique_ptr<RtfWriter> rtf;
    QString problem;

    QString rtfPath() const { return work.filePath(QStringLiteral("report.rtf")); }
};

DocWriter::DocWriter(const QString &path, bool savePictures, int timeoutMs) : d(std::make_unique<Private>())
{
    d->path = path;
    d->timeoutMs = timeoutMs;
    if (d->office.isEmpty()) {
        d->problem = QStringLiteral("LibreOffice is needed for Word documents and was not found (apt install "
                                    "libreoffice-writer-nogui)");
        return;
    }
    if (!d->work.isValid()) {
        d->problem = QStringLiteral("Cannot create a temporary folder: ") + d->work.errorString();
        return;
    }
    RtfOptions options;
    options.codePage = InterfaceCodePage();
    options.savePictures = savePictures;
    d->rtf = std::make_unique<RtfWriter>(d->rtfPath(), options);
}

DocWriter::~DocWriter() = default;

bool DocWriter::AddPage(VPage &page)
{
    return d->problem.isEmpty() && d->rtf->AddPage(page);
}

ExportResult DocWriter::Finish()
{
    if (!d->problem.isEmpty()) return ExportResult::failure(d->problem);
    const ExportResult made = d->rtf->Finish();
    if (!made) return made;
    return convertToDoc(d->office, d->work, d->rtfPath(), d->path, d->timeoutMs);
}

ExportResult ExportDoc(VDoc &report, const QString &path, bool savePictures, int timeoutMs)
{
    DocWriter writer(path, savePictures, timeoutMs);
    for (int i = 0; i < report.PageCount(); ++i)
        if (!writer.AddPage(*report.PageAt(i))) break;
    return writer.Finish();
}
