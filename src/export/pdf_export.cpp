#include "export/pdf_export.h"

#include "export/export_pictures.h"
#include "export/pdf_engine.h"
#include "model/v_doc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLocale>
#include <QSet>
#include <cmath>

namespace
{

QString g_resourceFile;

constexpr double kPixelsPerPoint = 96.0 / 72.0;

// Twips to points: the truncating integer form and the floating form.
int ip(int twips)
{
    return int(qint64(twips) * 72 / 1440);
}
double fp(int twips)
{
    return twips * 72.0 / 1440.0;
}

int intTag(const QString &line, const char *name)
{
    return TagValue(line, QLatin1String(name)).trimmed().toInt();
}

bool has(const QString &line, const char *name)
{
    return HasTag(line, QLatin1String(name));
}

// COLORREF to the engine's rgb components; zeroWhite turns the value 0 into white.
void setColorRef(PdfEngine &pdf, const char *type, const QString &value, bool zeroWhite)
{
    const quint32 c = value.trimmed().toUInt();
    if (c == 0 && zeroWhite) {
        pdf.setColor(QLatin1String(type), QStringLiteral("rgb"), 1, 1, 1, 0);
        return;
    }
    pdf.setColor(QLatin1String(type), QStringLiteral("rgb"), (c & 255) / 255.0, ((c >> 8) & 255) / 255.0,
                 ((c >> 16) & 255) / 255.0, 0);
}

void setPenDash(PdfEngine &pdf, int style)
{
    switch (style) {
    case 1:
        pdf.setPolyDash({4, 2});
        break;
    case 2:
        pdf.setPolyDash({2, 2});
        break;
    case 3:
        pdf.setPolyDash({4, 3, 1, 3});
        break;
    case 4:
        pdf.setPolyDash({4, 3, 1, 3, 1, 3});
        break;
    default:
        pdf.setDash(0, 0);
        break;
    }
}

// The frame rectangle in the element's pen style; style 5 draws none.
void strokeFrame(PdfEngine &pdf, int style, int l, int t, int w, int h, int pageHeight)
{
    if (style == 5) return;
    setPenDash(pdf, style);
    pdf.rect(ip(l), pageHeight - ip(t) - ip(h), ip(w), ip(h));
    pdf.stroke();
    pdf.setDash(0, 0);
}

void strokeLine(PdfEngine &pdf, const QString &color, double x1, double y1, double x2, double y2)
{
    setColorRef(pdf, "stroke", color, false);
    pdf.moveTo(x1, y1);
    pdf.lineTo(x2, y2);
    pdf.stroke();
}

// Per-side border lines; frames and texts draw the two diagonals in opposite orders.
void strokeBorders(PdfEngine &pdf, const QString &line, int l, int t, int w, int h, int pageHeight,
                   bool fallingFirst)
{
    const double left = ip(l), right = ip(l) + ip(w);
    const double top = pageHeight - ip(t), bottom = pageHeight - ip(t) - ip(h);
    if (has(line, "f0")) strokeLine(pdf, TagValue(line, QStringLiteral("f0")), left, top, right, top);
    if (has(line, "f1")) strokeLine(pdf, TagValue(line, QStringLiteral("f1")), right, bottom, right, top);
    if (has(line, "f2")) strokeLine(pdf, TagValue(line, QStringLiteral("f2")), left, bottom, right, bottom);
    if (has(line, "f3")) strokeLine(pdf, TagValue(line, QStringLiteral("f3")), left, bottom, left, top);
    const auto falling = [&] {
        if (has(line, "f5")) strokeLine(pdf, TagValue(line, QStringLiteral("f5")), left, top, right, bottom);
    };
    const auto rising = [&] {
        if (has(line, "f4")) strokeLine(pdf, TagValue(line, QStringLiteral("f4")), left, bottom, right, top);
    };
    if (fallingFirst) {
        falling();
        rising();
    } else {
        rising();
        falling();
    }
}

double readNumber(QString text)
{
    text = text.trimmed();
    bool ok = false;
    double v = QLocale::c().toDouble(text, &ok);
    if (!ok) v = QLocale::c().toDouble(QString(text).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok ? v : 0.0;
}

// round() of the tag read as a number with blanks and commas removed; absent gives 0.
int alignmentCode(const QString &line, const char *name)
{
    QString text = TagValue(line, QLatin1String(name));
    text.remove(QLatin1Char(' ')).remove(QLatin1Char(','));
    bool ok = false;
    const double v = QLocale::c().toDouble(text, &ok);
    if (!ok) return 0;
    return std::isfinite(v) && std::abs(v) < 1e6 ? int(std::lround(v)) : -1; // -1: an unknown code
}

void placePicture(PdfEngine &pdf, const QString &file, double x, double y, const QString &options)
{
    const int image = pdf.loadImage(QStringLiteral("auto"), file);
    if (image == -1) return;
    pdf.fitImage(image, x, y, options);
    pdf.closeImage(image);
}

class Replay
{
public:
    Replay(PdfEngine &pdf, const QString &fileName, int pageHeight, const QString &encoding)
        : pdf(pdf), fileName(fileName), base(OutputBase(fileName)), PH(pageHeight), encoding(encoding)
    {
        for (const QString &family : QFontDatabase::families())
            installed.insert(family.toLower());
    }

    void resetLine()
    {
        pdf.setFont(pdf.loadFont(QStringLiteral("Courier New"), encoding), 28);
        pdf.setTextPos(0, PH);
        pdf.setDash(0, 0);
    }

    void pictureLine(const QString &line)
    {
        const QString file = TagValue(line, QStringLiteral("ifn"));
        const int l = intTag(line, "il"), t = intTag(line, "it"), w = intTag(line, "ir"),
                  h = intTag(line, "ib");
        const int sizeSet = intTag(line, "iss");
        setColorRef(pdf, "stroke", TagValue(line, QStringLiteral("ic")), true);
        int iw = 0, ih = 0;
        bool loaded = false;
        if (!file.isEmpty()) {
            const int image = pdf.loadImage(QStringLiteral("auto"), file);
            if (image != -1) {
                loaded = true;
                iw = int(pdf.getValue(QStringLiteral("imagewidth"), image));
                ih = int(pdf.getValue(QStringLiteral("imageheight"), image));
                const QString box =
                    QStringLiteral("boxsize={") + FloatText(fp(w)) + QLatin1Char(' ') + FloatText(fp(h));
                if (sizeSet == 1)
                    pdf.fitImage(image, fp(l), PH - fp(t) - ip(h),
                                 box + QStringLiteral("} position={left top} fitmethod=entire"));
                else if (sizeSet == 2)
                    pdf.fitImage(image, fp(l), PH - fp(t) - ip(h),
                                 box + QStringLiteral("} position={center} fitmethod=meet"));
                else if (sizeSet == 0)
                    pdf.fitImage(image, ip(l), PH - ip(t), QStringLiteral("position={left top} dpi 96"));
                pdf.closeImage(image);
            }
        }
        if (sizeSet == 2) {
            pdf.rect(fp(l), PH - fp(t) - ip(h), fp(w), fp(h));
            pdf.stroke();
        } else if (sizeSet == 0 && loaded) {
            const double pw = iw / kPixelsPerPoint, ph = ih / kPixelsPerPoint;
            pdf.rect(ip(l), PH - ip(t) - ph, pw, ph);
            pdf.stroke();
        }
    }

    void frameLine(const QString &line)
    {
        const int l = intTag(line, "gl"), t = intTag(line, "gt"), w = intTag(line, "gr"),
                  h = intTag(line, "gb");
        setColorRef(pdf, "stroke", TagValue(line, QStringLiteral("gc")), true);
        strokeFrame(pdf, intTag(line, "pt"), l, t, w, h, PH);
        strokeBorders(pdf, line, l, t, w, h, PH, true);
    }

    // Group and table pictures hang from the element's top-left corner at screen resolution.
    void elementPictureLine(const QString &line, const QString &middle)
    {
        const int l = intTag(line, "gl"), t = intTag(line, "gt");
        const QString file = base + middle + QString::number(WholeMillimetres(l)) + QLatin1Char('_') +
                             QString::number(WholeMillimetres(t)) + QStringLiteral(".jpeg");
        placePicture(pdf, file, ip(l), PH - ip(t), QStringLiteral("position={left top} dpi 96"));
    }

    void textLine(const QString &line)
    {
        const int l = intTag(line, "tl"), t = intTag(line, "tt"), w = intTag(line, "tr"),
                  h = intTag(line, "tb");
        const TextLinePlan plan =
            PlanTextLine(line, PH, [this](const QString &face) { return fontExists(face); });
        const int font = pdf.loadFont(plan.font, encoding);
        pdf.setFont(font, plan.size);
        pdf.setValue(QStringLiteral("leading"), plan.size);
        setColorRef(pdf, "fill", TagValue(line, QStringLiteral("fc")), false);
        if (!plan.options.isEmpty()) {
            pdf.setFont(font, plan.size);
            pdf.fitTextLine(TagValue(line, QStringLiteral("tca")), plan.x, plan.y, plan.options);
        }
        setColorRef(pdf, "stroke", TagValue(line, QStringLiteral("tc")), false);
        strokeFrame(pdf, intTag(line, "ts"), l, t, w, h, PH);
        strokeBorders(pdf, line, l, t, w, h, PH, false);
    }

    // Barcode pictures are drawn finer than the screen; placing them at the element's size keeps
    // every module where the symbol needs it.
    void barcodeLine(const QString &line)
    {
        const QString value = TagValue(line, QStringLiteral("bcv"));
        const int l = intTag(line, "gl"), t = intTag(line, "gt"), w = intTag(line, "gr"),
                  h = intTag(line, "gb");
        setColorRef(pdf, "stroke", TagValue(line, QStringLiteral("gc")), false);
        const QString file = BarcodePictureName(fileName, value, l, t);
        placePicture(pdf, file, fp(l), PH - fp(t) - fp(h),
                     QStringLiteral("boxsize={") + FloatText(fp(w)) + QLatin1Char(' ') + FloatText(fp(h)) +
                         QStringLiteral("} position={left top} fitmethod=entire"));
        strokeFrame(pdf, intTag(line, "pt"), l, t, w, h, PH);
    }

private:
    bool fontExists(const QString &face) const
    {
        return installed.contains(face.toLower()) || pdf.mappedFaces().contains(face, Qt::CaseInsensitive);
    }

    PdfEngine &pdf;
    QString fileName;
    QString base;
    int PH;
    QString encoding;
    QSet<QString> installed;
};

} // namespace

TextLinePlan PlanTextLine(const QString &line, int pageHeight,
                          const std::function<bool(const QString &)> &fontExists)
{
    TextLinePlan plan;
    QString face = TagValue(line, QStringLiteral("fn"));
    if (face.isEmpty()) face = QStringLiteral("Courier New");
    if (face == QLatin1String("@Arial Unicode MS")) face = QStringLiteral("Arial Unicode MS");
    if (!fontExists || !fontExists(face)) face = QStringLiteral("Courier New");
    if (TagValue(line, QStringLiteral("fb")) == QLatin1String("1")) face += QStringLiteral(",Bold");
    if (TagValue(line, QStringLiteral("fi")) == QLatin1String("1")) face += QStringLiteral(",Italic");
    plan.font = face;

    double height = readNumber(TagValue(line, QStringLiteral("fs")));
    if (!(height >= 1.0)) height = 10;
    plan.size = std::round(height * 72 / 25.4);

    const int vert = alignmentCode(line, "tv");
    const int horz = alignmentCode(line, "th");
    const int orientation = intTag(line, "fo");
    static const char *const horzNames[3] = {"left", "center", "right"};
    static const char *const vertNames[3] = {"top", "center", "bottom"};
    const char *orientate = nullptr;
    switch (orientation) {
    case 0:
        orientate = " fitmethod=auto";
        break;
    case 90:
        orientate = " fitmethod=auto orientate=west";
        break;
    case 180:
        orientate = " fitmethod=auto orientate=south";
        break;
    case 270:
        orientate = " fitmethod=auto orientate=east";
        break;
    default:
        break;
    }
    // Unknown alignment or orientation codes leave the text out (the frame is still drawn).
    if (!orientate || vert < 0 || vert > 2 || horz < 0 || horz > 2) return plan;
    const int l = intTag(line, "tl"), t = intTag(line, "tt"), w = intTag(line, "tr"), h = intTag(line, "tb");
    plan.options = QStringLiteral("boxsize={") + FloatText(fp(w)) + QLatin1Char(' ') + FloatText(fp(h)) +
                   QStringLiteral("} position={") + QLatin1String(horzNames[horz]) + QLatin1Char(' ') +
                   QLatin1String(vertNames[vert]) + QLatin1Char('}') + QLatin1String(orientate);
    plan.x = ip(l);
    plan.y = orientation == 0 || orientation == 90 ? pageHeight - ip(t) - ip(h)
                                                   : pageHeight - ip(t) - ip(h) + ip(w);
    return plan;
}

QString PdfResourceFile()
{
    if (!g_resourceFile.isEmpty()) return g_resourceFile;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pdflib.upr"));
}

void SetPdfResourceFile(const QString &path)
{
    g_resourceFile = path;
}

QString MissingResourceMessage(const QString &path, int codePage)
{
    switch (codePage) {
    case 1251:
        return path + QString::fromUtf8(" файл не найден!");
    case 1254:
        return path + QString::fromUtf8(" dosyası bulunamadı!");
    default:
        return QStringLiteral("File ") + path + QStringLiteral(" was not found!");
    }
}

PdfExportResult ExportPdf(const PageMarkup &pages, const QString &fileName, int pageWidth, int pageHeight,
                          int codePage, const QString &caption, const QString &resourceFile)
{
    PdfExportResult result;
    result.title = caption;
    const QString encoding = QStringLiteral("cp") + QString::number(codePage);
    if (QFile::exists(fileName)) QFile::remove(fileName);

    PdfEngine pdf;
    if (!pdf.beginDocument(fileName)) {
        result.ok = false;
        result.message = QStringLiteral("Error: %1\n").arg(pdf.errorMessage());
        return result;
    }
    pdf.beginPage(pageWidth, pageHeight);
    pdf.setParameter(QStringLiteral("openaction"), QStringLiteral("fitbbox"));
    pdf.setParameter(QStringLiteral("nativeunicode"), QStringLiteral("true"));

    const QString resource = resourceFile.isEmpty() ? PdfResourceFile() : resourceFile;
    if (!QFile::exists(resource)) {
        // No half-written file is left behind.
        pdf.abandonDocument();
        result.ok = false;
        result.message = MissingResourceMessage(QDir::toNativeSeparators(resource), codePage);
        return result;
    }
    pdf.setParameter(QStringLiteral("resourcefile"), resource);
    pdf.setTextPos(0, pageHeight);

    Replay replay(pdf, fileName, pageHeight, encoding);
    for (const QStringList &page : pages) {
        for (const QString &line : page) {
            if (line.contains(QChar(0x0C))) {
                pdf.endPage();
                pdf.beginPage(pageWidth, pageHeight);
                pdf.setParameter(QStringLiteral("openaction"), QStringLiteral("fitbbox"));
                pdf.setTextPos(0, pageHeight);
                pdf.setFont(pdf.loadFont(QStringLiteral("Courier New"), encoding), 28);
            }
            replay.resetLine();
            if (has(line, "ifn")) replay.pictureLine(line);
            if (has(line, "gf")) replay.frameLine(line);
            if (has(line, "gst")) replay.elementPictureLine(line, QStringLiteral("_group_"));
            if (has(line, "tca")) replay.textLine(line);
            if (has(line, "st")) replay.elementPictureLine(line, QStringLiteral("_table_"));
            if (has(line, "bcv")) replay.barcodeLine(line);
        }
    }
    pdf.endPage();
    pdf.endDocument();
    return result;
}

PageMarkup WriteReportMarkup(VDoc &report, const QString &fileName, QSize *pdfPageSize)
{
    PageMarkup pages(size_t(report.PageCount()));
    QSize screenSize;
    for (int i = 0; i < report.PageCount(); ++i) {
        VPage &page = *report.PageAt(i);
        screenSize = ExportPageSize(page);
        DrawPageForExport(page, screenSize, fileName);
        WritePageMarkup(page, pages, i, fileName);
        if (i + 1 < report.PageCount()) pages[size_t(i)].append(PageBreakLine());
    }
    if (pdfPageSize && report.LastPage()) *pdfPageSize = PdfPageSize(*report.LastPage(), screenSize);
    return pages;
}

bool ExportReportPdf(VDoc &report, const QString &fileName, int codePage, const QString &caption,
                     QString *error)
{
    if (report.PageCount() == 0) {
        if (error) *error = QStringLiteral("The report has no pages");
        return false;
    }
    QSize pageSize;
    const PageMarkup pages = WriteReportMarkup(report, fileName, &pageSize);
    const PdfExportResult r =
        ExportPdf(pages, fileName, pageSize.width(), pageSize.height(), codePage, caption);
    if (!r && error) *error = r.message.trimmed();
    return r.ok;
}
