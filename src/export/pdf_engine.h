#pragma once

#include <QCache>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class AtomicFile;
class PdfUnderlay;
class QIODevice;
class QPainter;
class QPdfWriter;
class StencilSink;
struct ModuleStencil;
struct PdfFontMap;

// A small PDF writer with PDFlib-style operations over QPdfWriter and QPainter. Coordinates are
// PDF points with the origin at the bottom-left corner of the page; option lists use the
// "key=value" / "key value" / "key={a b}" syntax with '.' as decimal separator.
//
// Fonts come from a font map (the resource file): lines "Face[,Bold|,Italic|,BoldItalic]=file",
// '#' or ';' starting a comment, relative file names taken from the map's folder. Text is drawn
// as real text with embedded subset fonts.
class PdfEngine
{
public:
    PdfEngine();
    ~PdfEngine();
    PdfEngine(const PdfEngine &) = delete;
    PdfEngine &operator=(const PdfEngine &) = delete;

    // Opens the output; false (and errorMessage()) when the file cannot be written. The file is
    // written beside the target and replaces it only when endDocument() succeeds.
    bool beginDocument(const QString &fileName, const QString &options = QString());
    // The same into a device the caller owns and finishes (a batch cut apart afterwards).
    bool beginDocument(QIODevice *device);
    // Finishes the file; false (and errorMessage(), naming the file and the system's reason) when
    // it could not be written whole, in which case the previous file stays.
    bool endDocument(const QString &options = QString());
    // Drops the unfinished file (an export that stops half way); the previous file stays.
    void abandonDocument();
    QString errorMessage() const { return m_error; }
    bool isOpen() const { return m_painter != nullptr; }

    void beginPage(double width, double height);
    void endPage();
    int pageCount() const { return m_pageCount; }

    // "resourcefile" reads the font map; "openaction" and "nativeunicode" are kept for the
    // reader (text is always Unicode here). Unknown keys are kept and otherwise ignored.
    void setParameter(const QString &key, const QString &value);
    QString parameter(const QString &key) const { return m_parameters.value(key); }
    // "leading" and "linewidth".
    void setValue(const QString &key, double value);
    // "imagewidth", "imageheight" (pixels), "resx", "resy" (dots per inch, 0 when unknown) of
    // image modifier; "leading", "linewidth", "fontsize".
    double getValue(const QString &key, double modifier) const;

    void setTextPos(double x, double y);

    // Returns a font handle, or -1. name may carry ",Bold" and ",Italic"; encoding is a
    // "cp<codepage>" name, checked for being known.
    int loadFont(const QString &name, const QString &encoding, const QString &options = QString());
    void setFont(int font, double size);
    // The face the font map (or the system) gave for a handle; empty for an unknown handle.
    QString fontFamily(int font) const;
    // Face names the font map knows (without style suffixes).
    QStringList mappedFaces() const;

    // type "fill", "stroke" or "fillstroke"; colour space "rgb" (components 0..1) or "gray".
    void setColor(const QString &type, const QString &space, double c1, double c2, double c3, double c4);

    // Options: boxsize={w h}, position={h v} or position=n / {x y} (percentages), fitmethod
    // (nominal, auto, meet, entire, clip), orientate (north, west, south, east).
    void fitTextLine(const QString &text, double x, double y, const QString &options);

    // type "auto" (or a format name); -1 when the file cannot be read. Only plain files of at most
    // kMaxPictureFileBytes are read; imageError() then says why one that exists was refused.
    int loadImage(const QString &type, const QString &fileName, const QString &options = QString());
    QString imageError() const { return m_imageError; }
    // An image already in memory; equal images (one QImage shared by many pages) go into the file once.
    int loadImage(const QImage &image);
    // A picture with its transparency flattened on white, flattened once per file for every page
    // and document that shares the picture, so that the file holds it once.
    int loadImageOnWhite(const QImage &picture);
    // Options: boxsize, position, fitmethod, dpi (n or {x y}), orientate.
    void fitImage(int image, double x, double y, const QString &options);
    void closeImage(int image);

    void setDash(double b, double w);
    void setPolyDash(const std::vector<float> &dashes);
    void setLineWidth(double width);
    void moveTo(double x, double y);
    void lineTo(double x, double y);
    void rect(double x, double y, double width, double height);
    void stroke();

    // Hands draw a painter for the box at (x, y) (its lower-left corner) of width x height points,
    // clipped to it: one logical unit is one twip, the origin is the box's top-left corner and y
    // grows downwards, and device pixels (pen widths, hatch spacing) are those of a 96 dpi
    // screen, so that the element painters draw here what their pictures would have shown.
    void drawTwips(double x, double y, double width, double height,
                   const std::function<void(QPainter &)> &draw);

    // From now on barcode and QR stencils that nothing drawn earlier overlaps go beneath their
    // page (PdfUnderlay), inside drawTwips through stencilSink(). Only for a document whose pages
    // are copied on with takeUnderlays() (PdfSplitter): the file itself does not hold them.
    void collectUnderlays();
    // Null when underlays are not collected.
    StencilSink *stencilSink();
    // The stencil (in twips from the top-left corner of the box drawTwips would draw in) beneath
    // the page without a drawing of its own; false when it cannot go there.
    bool placeStencil(double x, double y, double width, double height, const ModuleStencil &stencil);
    // One stream object body per page, empty for a page without; after endDocument().
    std::vector<QByteArray> takeUnderlays();

    // Reads a font map and registers its font files with the process's font database once, so
    // that engines made later (on any thread) find them without touching the database again.
    static void preloadFontMap(const QString &path);

private:
    struct Font {
        QString family;
        bool bold = false;
        bool italic = false;
        // What text lines measured, in reference units.
        QFont qfont;
        double capHeight = -1;
        QHash<QString, double> widths;
    };
    void readFontMap(const QString &path);
    int findFont(const QString &name, const QString &encoding);
    QFont currentQFont() const;
    QPointF toDevice(double x, double y) const { return QPointF(x, m_pageHeight - y); }

    std::unique_ptr<AtomicFile> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    QString m_fileName;
    QString m_error;
    QString m_imageError;
    bool m_pageOpen = false;
    int m_pageCount = 0;
    double m_pageWidth = 0;
    double m_pageHeight = 0;
    QHash<QString, QString> m_parameters;

    std::shared_ptr<const PdfFontMap> m_fontMap;
    std::vector<Font> m_fonts;
    QHash<QString, int> m_loaded; // handles by name, for m_loadedEncoding
    QString m_loadedEncoding;
    int m_font = -1;
    double m_fontSize = 0;
    double m_leading = 0;
    QPointF m_textPos;

    std::vector<QImage> m_images; // closed images are null
    // Decoded pictures, by the file's content hash or by the flattened picture's cache key, so
    // that pages and documents sharing one share one image in the file. Bounded in KiB, with
    // room for the largest picture the readers decode (256 MB).
    static constexpr int kPictureCacheKiB = 256 * 1024;
    QCache<QByteArray, QImage> m_pictures{kPictureCacheKiB};
    QImage keepPicture(const QByteArray &key, const QImage &image);
    QColor m_fill = Qt::black;
    QColor m_stroke = Qt::black;
    double m_lineWidth = 1.0;
    QList<qreal> m_dashes; // in points; empty = solid
    QPainterPath m_path;

    void drawn(const QRectF &bounds);
    void closeUnderlay();
    std::unique_ptr<PdfUnderlay> m_underlay;
    std::vector<QByteArray> m_underlays;
};
