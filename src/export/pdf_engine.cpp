#include "export/pdf_engine.h"

#include "export/page_markup.h"
#include "export/pdf_font_map.h"
#include "export/pdf_options.h"
#include "export/pdf_underlay.h"
#include "files/atomic_file.h"
#include "files/plain_file.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringDecoder>
#include <QTransform>
#include <cmath>

namespace
{

// Text is measured and drawn at this size and scaled: unhinted advances keep a 64th of a pixel,
// and the font engine keeps the glyph metrics of sizes up to 64 pixels; above that it loads
// every glyph again for every text it shapes.
constexpr double kTextReferenceSize = 64.0;

} // namespace

void PdfEngine::preloadFontMap(const QString &path)
{
    LoadPdfFontMap(path);
}

PdfEngine::PdfEngine() = default;

PdfEngine::~PdfEngine()
{
    abandonDocument();
}

bool PdfEngine::beginDocument(QIODevice *device)
{
    m_error.clear();
    if (m_writer || !device) {
        m_error = QStringLiteral("A document is already open");
        return false;
    }
    m_writer = std::make_unique<QPdfWriter>(device);
    m_writer->setResolution(72);
    m_writer->setCreator(QStringLiteral("Tessaly"));
    m_pageCount = 0;
    return true;
}

bool PdfEngine::beginDocument(const QString &fileName, const QString &)
{
    m_error.clear();
    if (m_writer) {
        m_error = QStringLiteral("A document is already open");
        return false;
    }
    // Opening the file here (QPdfWriter only writes on the first page) reports an unwritable
    // path at once.
    m_file = std::make_unique<AtomicFile>(fileName);
    if (!m_file->open()) {
        m_error = QStringLiteral("Couldn't open PDF file '%1' for writing (%2)")
                      .arg(fileName, m_file->error().section(QStringLiteral(": "), -1));
        m_file.reset();
        return false;
    }
    m_fileName = fileName;
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setResolution(72); // one device unit = one point
    m_writer->setCreator(QStringLiteral("Tessaly"));
    m_pageCount = 0;
    return true;
}

void PdfEngine::beginPage(double width, double height)
{
    if (!m_writer || m_pageOpen) return;
    // A page of the size before keeps its layout: making one looks the size up among the named ones.
    if (!m_painter || width != m_pageWidth || height != m_pageHeight) {
        const QPageSize size(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch);
        m_writer->setPageLayout(
            QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    }
    m_pageWidth = width;
    m_pageHeight = height;
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(m_writer.get())) {
            m_error = QStringLiteral("Couldn't start writing '%1'").arg(m_fileName);
            m_painter.reset();
            return;
        }
    } else {
        m_writer->newPage();
    }
    m_painter->setRenderHint(QPainter::Antialiasing, true);
    m_pageOpen = true;
    ++m_pageCount;
    m_path = QPainterPath();
    if (m_underlay) m_underlay->startPage(height);
}

void PdfEngine::endPage()
{
    closeUnderlay();
    m_pageOpen = false;
}

void PdfEngine::collectUnderlays()
{
    if (!m_underlay) m_underlay = std::make_unique<PdfUnderlay>();
}

StencilSink *PdfEngine::stencilSink()
{
    return m_underlay.get();
}

std::vector<QByteArray> PdfEngine::takeUnderlays()
{
    m_underlays.resize(size_t(m_pageCount));
    return std::exchange(m_underlays, {});
}

bool PdfEngine::placeStencil(double x, double y, double width, double height, const ModuleStencil &stencil)
{
    if (!m_underlay || !m_pageOpen || !(width > 0) || !(height > 0)) return false;
    const QPointF topLeft = toDevice(x, y + height);
    const QRectF box(topLeft, QSizeF(width, height));
    m_underlay->setClip(box);
    // Twips from the box's top-left corner, as drawTwips maps them.
    constexpr double kPointsPerTwip = 72.0 / 1440.0;
    const bool placed = m_underlay->place(
        QTransform(kPointsPerTwip, 0, 0, kPointsPerTwip, topLeft.x(), topLeft.y()), stencil);
    m_underlay->setClip(QRectF());
    if (placed) drawn(box);
    return placed;
}

void PdfEngine::closeUnderlay()
{
    if (!m_underlay || !m_pageOpen) return;
    m_underlays.resize(size_t(m_pageCount));
    m_underlays.back() = m_underlay->finishPage();
}

void PdfEngine::drawn(const QRectF &bounds)
{
    if (m_underlay) m_underlay->drawn(bounds);
}

bool PdfEngine::endDocument(const QString &)
{
    closeUnderlay();
    if (m_painter && m_painter->isActive()) m_painter->end();
    m_painter.reset();
    m_writer.reset();
    m_pageOpen = false;
    if (!m_file) return m_error.isEmpty();
    const bool ok = m_file->commit();
    if (!ok) m_error = m_file->error();
    m_file.reset();
    return ok;
}

void PdfEngine::abandonDocument()
{
    if (m_painter && m_painter->isActive()) m_painter->end();
    m_painter.reset();
    m_writer.reset();
    m_pageOpen = false;
    m_file.reset(); // removes the temporary file; the target was never touched
    m_underlays.clear();
}

void PdfEngine::setParameter(const QString &key, const QString &value)
{
    m_parameters.insert(key, value);
    if (key == QLatin1String("resourcefile")) readFontMap(value);
}

void PdfEngine::setValue(const QString &key, double value)
{
    if (key == QLatin1String("leading"))
        m_leading = value;
    else if (key == QLatin1String("linewidth"))
        setLineWidth(value);
}

double PdfEngine::getValue(const QString &key, double modifier) const
{
    const int index = int(modifier);
    const bool validImage =
        index >= 0 && size_t(index) < m_images.size() && !m_images[size_t(index)].isNull();
    if (key == QLatin1String("imagewidth")) return validImage ? m_images[size_t(index)].width() : 0.0;
    if (key == QLatin1String("imageheight")) return validImage ? m_images[size_t(index)].height() : 0.0;
    if (key == QLatin1String("resx") || key == QLatin1String("resy")) {
        if (!validImage) return 0.0;
        const QImage &img = m_images[size_t(index)];
        const int dpm = key == QLatin1String("resx") ? img.dotsPerMeterX() : img.dotsPerMeterY();
        return dpm > 0 ? std::round(dpm * 0.0254) : 0.0;
    }
    if (key == QLatin1String("leading")) return m_leading;
    if (key == QLatin1String("linewidth")) return m_lineWidth;
    if (key == QLatin1String("fontsize")) return m_fontSize;
    return 0.0;
}

void PdfEngine::setTextPos(double x, double y)
{
    m_textPos = QPointF(x, y);
}

void PdfEngine::readFontMap(const QString &path)
{
    m_fontMap = LoadPdfFontMap(path);
    m_loaded.clear(); // another map may name other families
}

QStringList PdfEngine::mappedFaces() const
{
    return m_fontMap ? m_fontMap->faces : QStringList();
}

int PdfEngine::loadFont(const QString &name, const QString &encoding, const QString &)
{
    // Every markup line asks for its font again: answered from what earlier lines found.
    if (encoding != m_loadedEncoding) {
        m_loaded.clear();
        m_loadedEncoding = encoding;
    }
    if (const auto known = m_loaded.constFind(name); known != m_loaded.cend()) return *known;
    const int handle = findFont(name, encoding);
    m_loaded.insert(name, handle);
    return handle;
}

int PdfEngine::findFont(const QString &name, const QString &encoding)
{
    const QString face = name.section(QLatin1Char(','), 0, 0).trimmed();
    if (face.isEmpty()) return -1;
    // Texts reach the engine as Unicode; the encoding only has to be one we could convert.
    if (!encoding.isEmpty() && encoding != QLatin1String("unicode")) {
        const QString codec = encoding.startsWith(QLatin1String("cp"))
                                  ? QStringLiteral("windows-") + encoding.mid(2)
                                  : encoding;
        if (!QStringDecoder(codec.toLatin1().constData()).isValid() &&
            !QStringDecoder(encoding.toLatin1().constData()).isValid())
            return -1;
    }
    const QString styles = name.section(QLatin1Char(','), 1).toLower().remove(QLatin1Char(' '));
    Font font;
    font.bold = styles.contains(QLatin1String("bold"));
    font.italic = styles.contains(QLatin1String("italic"));

    const QString style = font.bold && font.italic ? QStringLiteral("bolditalic")
                          : font.bold              ? QStringLiteral("bold")
                          : font.italic            ? QStringLiteral("italic")
                                                   : QString();
    const QString key = face.toLower() + QLatin1Char(',');
    if (m_fontMap) {
        auto it = m_fontMap->families.constFind(key + style);
        if (it == m_fontMap->families.cend())
            it = m_fontMap->families.constFind(
                key); // the regular face, made bold or slanted by the font system
        if (it != m_fontMap->families.cend()) font.family = *it;
    }
    if (font.family.isEmpty()) font.family = face; // left to the system's font matching

    for (size_t i = 0; i < m_fonts.size(); ++i) {
        const Font &f = m_fonts[i];
        if (f.family == font.family && f.bold == font.bold && f.italic == font.italic) return int(i);
    }
    m_fonts.push_back(font);
    return int(m_fonts.size() - 1);
}

void PdfEngine::setFont(int font, double size)
{
    // Beyond the sizes a page can show the transforms lose their meaning.
    constexpr double kMaxFontSize = 10000.0;
    if (font < 0 || size_t(font) >= m_fonts.size() || !(size > 0 && size <= kMaxFontSize)) return;
    m_font = font;
    m_fontSize = size;
}

QString PdfEngine::fontFamily(int font) const
{
    return font >= 0 && size_t(font) < m_fonts.size() ? m_fonts[size_t(font)].family : QString();
}

QFont PdfEngine::currentQFont() const
{
    QFont f;
    if (m_font >= 0) {
        const Font &font = m_fonts[size_t(m_font)];
        f.setFamily(font.family);
        f.setBold(font.bold);
        f.setItalic(font.italic);
    }
    f.setPixelSize(int(kTextReferenceSize));
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

void PdfEngine::setColor(const QString &type, const QString &space, double c1, double c2, double c3, double)
{
    auto unit = [](double v) { return std::clamp(v, 0.0, 1.0); };
    QColor color;
    if (space == QLatin1String("gray"))
        color = QColor::fromRgbF(unit(c1), unit(c1), unit(c1));
    else
        color = QColor::fromRgbF(unit(c1), unit(c2), unit(c3));
    if (type == QLatin1String("fill") || type == QLatin1String("fillstroke")) m_fill = color;
    if (type == QLatin1String("stroke") || type == QLatin1String("fillstroke")) m_stroke = color;
}

void PdfEngine::fitTextLine(const QString &text, double x, double y, const QString &optionText)
{
    if (!m_painter || !m_pageOpen || text.isEmpty() || m_font < 0 || m_fontSize <= 0) return;
    const PdfTextOptions &options = ReadTextOptions(optionText);
    // Measuring shapes the text: the captions that come again on every page are measured once.
    Font &face = m_fonts[size_t(m_font)];
    if (face.capHeight < 0) {
        face.qfont = currentQFont();
        face.capHeight = QFontMetricsF(face.qfont).capHeight();
    }
    auto known = face.widths.constFind(text);
    if (known == face.widths.cend()) {
        constexpr qsizetype kRememberedTexts = 4096;
        if (face.widths.size() >= kRememberedTexts) face.widths.clear();
        known = face.widths.insert(text, QFontMetricsF(face.qfont).horizontalAdvance(text));
    }
    const QFont &font = face.qfont;
    const double unit = m_fontSize / kTextReferenceSize;
    // The text box is the advance width by the cap height, standing on the baseline.
    const double width = *known * unit;
    const double height = face.capHeight * unit;
    if (width <= 0) return;

    const PdfFitOptions &fit = options.fit;
    const double boxW = fit.boxW, boxH = fit.boxH;
    const bool hasBox = fit.hasBox, across = fit.across;
    const QString &method = fit.method;

    double sx = 1.0, sy = 1.0;
    if (hasBox) {
        const double roomAlong = across ? boxH : boxW;
        const double roomAcross = across ? boxW : boxH;
        if (method == QLatin1String("auto")) {
            // Too long: condense to three quarters, then shrink as a whole; never enlarge.
            if (width > roomAlong) {
                const double need = roomAlong / width;
                sx = need;
                if (need < 0.75) sy = need / 0.75;
            }
        } else if (method == QLatin1String("meet")) {
            sx = sy = std::min(roomAlong / width, height > 0 ? roomAcross / height : 1.0);
        } else if (method == QLatin1String("entire")) {
            sx = roomAlong / width;
            sy = height > 0 ? roomAcross / height : 1.0;
        }
    }
    const QTransform place = PlacePdfObject(width / unit, height / unit, sx * unit, sy * unit, fit.degrees, x,
                                            y, fit.placedW(), fit.placedH(), options.position);
    // Local glyph space is y-down from the baseline; the page is y-up from the bottom.
    const QTransform toDevice(1, 0, 0, -1, 0, m_pageHeight);
    const QTransform glyphs = QTransform(1, 0, 0, -1, 0, 0) * place * toDevice;
    if (m_underlay) {
        // Room for accents above the capitals and for descenders.
        const double c = face.capHeight;
        drawn(glyphs.mapRect(QRectF(-c, -2 * c, *known + 2 * c, 3 * c)));
    }
    m_painter->save();
    m_painter->setTransform(glyphs);
    m_painter->setFont(font);
    m_painter->setPen(m_fill);
    m_painter->drawText(QPointF(0, 0), text);
    m_painter->restore();
}

int PdfEngine::loadImage(const QString &type, const QString &fileName, const QString &)
{
    m_imageError.clear();
    // A missing file is skipped quietly; anything else that cannot be read is said by name.
    if (fileName.isEmpty() || !QFileInfo::exists(fileName)) return -1;
    QByteArray bytes;
    if (!ReadPlainFile(fileName, kMaxPictureFileBytes, bytes, m_imageError)) return -1;
    // Pictures with the same content (a table drawn alike on every page) share one image, which
    // the PDF then holds once.
    const QByteArray key = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    if (const QImage *cached = m_pictures.object(key)) return loadImage(*cached);
    const QByteArray format =
        type.isEmpty() || type == QLatin1String("auto") ? QByteArray() : type.toLatin1();
    const QImage image = QImage::fromData(bytes, format.isEmpty() ? nullptr : format.constData());
    if (image.isNull()) return -1;
    keepPicture(key, image);
    return loadImage(image);
}

int PdfEngine::loadImage(const QImage &image)
{
    if (image.isNull()) return -1;
    for (size_t i = 0; i < m_images.size(); ++i)
        if (m_images[i].isNull()) {
            m_images[i] = image;
            return int(i);
        }
    m_images.push_back(image);
    return int(m_images.size() - 1);
}

int PdfEngine::loadImageOnWhite(const QImage &picture)
{
    // Eight bytes, so never one of the content hashes' twenty.
    const qint64 cacheKey = picture.cacheKey();
    const QByteArray key(reinterpret_cast<const char *>(&cacheKey), sizeof cacheKey);
    if (const QImage *cached = m_pictures.object(key)) return loadImage(*cached);
    return loadImage(keepPicture(key, FlattenOnWhite(picture)));
}

QImage PdfEngine::keepPicture(const QByteArray &key, const QImage &image)
{
    m_pictures.insert(key, new QImage(image), std::max<qsizetype>(1, image.sizeInBytes() / 1024));
    return image;
}

void PdfEngine::closeImage(int image)
{
    if (image >= 0 && size_t(image) < m_images.size()) m_images[size_t(image)] = QImage();
}

void PdfEngine::fitImage(int handle, double x, double y, const QString &optionText)
{
    if (!m_painter || !m_pageOpen || handle < 0 || size_t(handle) >= m_images.size()) return;
    const QImage &image = m_images[size_t(handle)];
    if (image.isNull()) return;
    const PdfOptionList options(optionText);
    // Natural size: the dpi option, else the picture's own resolution, else 72 dots per inch.
    double dpiX = options.number(QStringLiteral("dpi"), 0, 0.0);
    double dpiY = options.number(QStringLiteral("dpi"), 1, dpiX);
    if (dpiX <= 0) dpiX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : 72.0;
    if (dpiY <= 0) dpiY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() * 0.0254 : 72.0;
    const double w = image.width() * 72.0 / dpiX;
    const double h = image.height() * 72.0 / dpiY;

    const PdfFitOptions fit(options);
    const double boxW = fit.boxW, boxH = fit.boxH;
    const bool hasBox = fit.hasBox, across = fit.across;
    const QString &method = fit.method;
    const double roomW = across ? boxH : boxW; // in the picture's own axes
    const double roomH = across ? boxW : boxH;
    double sx = 1.0, sy = 1.0;
    if (hasBox) {
        if (method == QLatin1String("entire")) {
            sx = roomW / w;
            sy = roomH / h;
        } else if (method == QLatin1String("meet") ||
                   (method == QLatin1String("auto") && (w > roomW || h > roomH))) {
            sx = sy = std::min(roomW / w, roomH / h);
        } else if (method == QLatin1String("slice")) {
            sx = sy = std::max(roomW / w, roomH / h);
        }
    }
    const QTransform place = PlacePdfObject(w, h, sx, sy, fit.degrees, x, y, fit.placedW(), fit.placedH(),
                                            ReadPdfPosition(options));
    const QTransform toDevice(1, 0, 0, -1, 0, m_pageHeight);
    const QTransform picture = QTransform(1, 0, 0, -1, 0, h) * place * toDevice;
    const bool clip = method == QLatin1String("clip") && hasBox;
    const QRectF box(x, m_pageHeight - y - boxH, boxW, boxH);
    drawn(clip ? picture.mapRect(QRectF(0, 0, w, h)).intersected(box) : picture.mapRect(QRectF(0, 0, w, h)));
    m_painter->save();
    if (clip) m_painter->setClipRect(box);
    // The picture's first row is its top: flip it into the y-up object space.
    m_painter->setTransform(picture);
    m_painter->drawImage(QRectF(0, 0, w, h), image);
    m_painter->restore();
}

void PdfEngine::setDash(double b, double w)
{
    m_dashes.clear();
    if (b > 0 || w > 0) m_dashes = {b, w};
}

void PdfEngine::setPolyDash(const std::vector<float> &dashes)
{
    m_dashes.clear();
    double total = 0;
    for (float d : dashes) {
        m_dashes << std::max(0.0, double(d));
        total += std::max(0.0, double(d));
    }
    if (total <= 0)
        m_dashes.clear();
    else if (m_dashes.size() % 2 == 1)
        m_dashes += QList<qreal>(m_dashes); // an odd pattern repeats with on and off swapped
}

void PdfEngine::setLineWidth(double width)
{
    if (width > 0) m_lineWidth = width;
}

void PdfEngine::moveTo(double x, double y)
{
    m_path.moveTo(toDevice(x, y));
}

void PdfEngine::lineTo(double x, double y)
{
    m_path.lineTo(toDevice(x, y));
}

void PdfEngine::rect(double x, double y, double width, double height)
{
    m_path.addRect(QRectF(toDevice(x, y + height), QSizeF(width, height)));
}

void PdfEngine::stroke()
{
    if (m_painter && m_pageOpen && !m_path.isEmpty()) {
        QPen pen(m_stroke, m_lineWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        if (!m_dashes.isEmpty()) {
            QList<qreal> pattern;
            for (qreal d : m_dashes)
                pattern << d / m_lineWidth; // Qt counts dashes in pen widths
            pen.setDashPattern(pattern);
        }
        if (m_underlay) {
            // A frame lies on its lines, not on what it surrounds.
            const double reach = m_lineWidth;
            QPointF from;
            for (int i = 0; i < m_path.elementCount(); ++i) {
                const QPainterPath::Element e = m_path.elementAt(i);
                if (e.isLineTo())
                    drawn(
                        QRectF(from, QPointF(e.x, e.y)).normalized().adjusted(-reach, -reach, reach, reach));
                else if (!e.isMoveTo())
                    drawn(m_path.boundingRect().adjusted(-reach, -reach, reach, reach));
                from = QPointF(e.x, e.y);
            }
        }
        m_painter->strokePath(m_path, pen);
    }
    m_path = QPainterPath();
}

void PdfEngine::drawTwips(double x, double y, double width, double height,
                          const std::function<void(QPainter &)> &draw)
{
    if (!m_painter || !m_pageOpen || !(width > 0) || !(height > 0)) return;
    constexpr double kPointsPerPixel = 72.0 / 96.0;
    m_painter->save();
    m_painter->resetTransform();
    const QPointF topLeft = toDevice(x, y + height);
    m_painter->setClipRect(QRectF(topLeft, QSizeF(width, height)));
    // The view maps 96 dpi pixels to points, the world twips to those pixels: patterns and pens
    // laid out in device pixels come out as on the screen.
    m_painter->setViewTransformEnabled(true);
    m_painter->setWindow(0, 0, 4, 4);
    m_painter->setViewport(0, 0, 3, 3);
    m_painter->setWorldTransform(QTransform(96.0 / 1440.0, 0, 0, 96.0 / 1440.0, topLeft.x() / kPointsPerPixel,
                                            topLeft.y() / kPointsPerPixel));
    const QRectF box(topLeft, QSizeF(width, height));
    if (m_underlay) m_underlay->setClip(box);
    draw(*m_painter);
    if (m_underlay) m_underlay->setClip(QRectF());
    drawn(box);
    m_painter->restore();
}
