#include "export/picture_export.h"

#include "export/export_pictures.h"
#include "export/page_markup.h"
#include "files/atomic_file.h"
#include "files/file_checks.h"
#include "model/v_doc.h"
#include "model/v_page.h"
#include "render/device_setup.h"
#include "render/element_painter.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>
#include <gif_lib.h>

namespace
{

struct FormatInfo {
    PictureFormat format;
    const char *extension;
};
constexpr FormatInfo kFormats[] = {{PictureFormat::Bmp, ".bmp"},
                                   {PictureFormat::Jpeg, ".jpeg"},
                                   {PictureFormat::Gif, ".gif"},
                                   {PictureFormat::Ico, ".ico"},
                                   {PictureFormat::Png, ".png"}};

constexpr int kMaxWidth = 793;
constexpr int kMaxHeight = 1122;

int appendToBuffer(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

template <typename T> void put(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

} // namespace

QStringList PicturePaths(int pageCount, const QString &path, PictureFormats formats)
{
    const QString base = OutputBase(path);
    QStringList paths;
    for (int page = 1; page <= pageCount; ++page)
        for (const FormatInfo &f : kFormats)
            if (formats.testFlag(f.format))
                paths << (pageCount == 1 ? base : base + QStringLiteral("(%1)").arg(page)) +
                             QLatin1String(f.extension);
    return paths;
}

QString PictureExportName(const QString &path, PictureFormats formats)
{
    for (const FormatInfo &f : kFormats)
        if (formats.testFlag(f.format)) return OutputBase(path) + QLatin1String(f.extension);
    return path;
}

QImage ExportPageImage(VPage &page)
{
    const QSize twips = page.TwipsSize();
    const QSize size(std::min(twips.width() / 15, kMaxWidth), std::min(twips.height() / 15, kMaxHeight));
    if (size.isEmpty()) return QImage();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(3780); // 96 per inch
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    SetupTwips(painter, 96, 96);
    PaintPageOutput(page, painter, page.BlackWhite(), page.PrintableOnly());
    return image;
}

QByteArray EncodeGif(const QImage &image, QString *error)
{
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
    const QList<QRgb> table = indexed.colorTable();
    int bits = 1;
    while ((1 << bits) < table.size())
        ++bits;
    // The palette's size must be a power of two; the entries past the picture's are never used.
    ColorMapObject *map = GifMakeMapObject(1 << bits, nullptr);
    if (!map) {
        if (error) *error = QStringLiteral("out of memory for the GIF palette");
        return {};
    }
    for (int i = 0; i < map->ColorCount; ++i) {
        const QRgb c = i < table.size() ? table[i] : 0;
        map->Colors[i] = GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    QByteArray out;
    int code = 0;
    GifFileType *gif = EGifOpen(&out, appendToBuffer, &code);
    bool ok = gif != nullptr;
    if (ok) {
        ok = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), bits, 0, map) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < indexed.height(); ++y)
            ok = EGifPutLine(gif, indexed.scanLine(y), indexed.width()) == GIF_OK;
        if (!ok) code = gif->Error;
        int closeCode = 0;
        if (EGifCloseFile(gif, &closeCode) != GIF_OK && ok) {
            ok = false;
            code = closeCode;
        }
    }
    GifFreeMapObject(map);
    if (!ok) {
        if (error) *error = QStringLiteral("GIF encoder: %1").arg(QString::fromLatin1(GifErrorString(code)));
        return {};
    }
    return out;
}

QByteArray EncodeIco(const QImage &image)
{
    const QByteArray png = EncodeImage(image.convertToFormat(QImage::Format_ARGB32), "PNG");
    if (png.isEmpty()) return {};
    QByteArray out;
    put<quint16>(out, 0); // reserved
    put<quint16>(out, 1); // icon
    put<quint16>(out, 1); // one image
    // Sides of 256 and more are written as 0; readers take the size from the PNG.
    put<quint8>(out, quint8(image.width() >= 256 ? 0 : image.width()));
    put<quint8>(out, quint8(image.height() >= 256 ? 0 : image.height()));
    put<quint8>(out, 0);  // no palette
    put<quint8>(out, 0);  // reserved
    put<quint16>(out, 1); // planes
    put<quint16>(out, 32);
    put<quint32>(out, quint32(png.size()));
    put<quint32>(out, 6 + 16);
    return out + png;
}

namespace
{

// The files of one page: page 0 for the only page of a report.
QStringList pagePaths(const QString &path, PictureFormats formats, int page)
{
    const QString base = OutputBase(path);
    QStringList paths;
    for (const FormatInfo &f : kFormats)
        if (formats.testFlag(f.format))
            paths << (page == 0 ? base : base + QLatin1Char('(') + QString::number(page) + QLatin1Char(')')) +
                         QLatin1String(f.extension);
    return paths;
}

} // namespace

struct PictureWriter::Private {
    QString path;
    PictureFormats formats;
    QStringList inputs;
    QImage held; // the first page, until a second one says it is page (1) and not the only one
    int pages = 0;
    ExportResult result;

    // The files written before the failure stay listed: they are on disk.
    void fail(const QString &why)
    {
        if (!result) return;
        const QStringList written = result.written;
        result = ExportResult::failure(why);
        result.written = written;
    }

    bool write(const QImage &page, int number)
    {
        const QStringList paths = pagePaths(path, formats, number);
        int next = 0;
        for (const FormatInfo &f : kFormats) {
            if (!formats.testFlag(f.format)) continue;
            const QString &file = paths[next++];
            if (const QString refusal = OutputOverwritesInput(file, inputs); !refusal.isEmpty()) {
                fail(refusal);
                return false;
            }
            QString error;
            QByteArray bytes;
            switch (f.format) {
            case PictureFormat::Bmp:
                bytes = EncodeImage(page, "BMP");
                break;
            case PictureFormat::Jpeg:
                bytes = EncodeImage(page, "JPEG");
                break;
            case PictureFormat::Gif:
                bytes = EncodeGif(page, &error);
                break;
            case PictureFormat::Ico:
                bytes = EncodeIco(page);
                break;
            case PictureFormat::Png:
                bytes = EncodeImage(page, "PNG");
                break;
            }
            if (bytes.isEmpty()) {
                fail(error.isEmpty() ? QStringLiteral("Cannot encode ") + file : error);
                return false;
            }
            if (!WriteFileAtomically(file, bytes, &error)) {
                fail(error);
                return false;
            }
            result.written << file;
        }
        return true;
    }
};

PictureWriter::PictureWriter(const QString &path, PictureFormats formats, const QStringList &inputs)
    : d(std::make_unique<Private>())
{
    d->path = path;
    d->formats = formats;
    d->inputs = inputs;
    if (!formats) d->fail(QStringLiteral("No picture format chosen"));
    if (const QString problem = ExportTargetProblem(path); !problem.isEmpty()) d->fail(problem);
}

PictureWriter::~PictureWriter() = default;

bool PictureWriter::AddPage(VPage &page)
{
    if (!d->result) return false;
    const QImage image = ExportPageImage(page);
    ++d->pages;
    if (image.isNull()) {
        d->fail(QStringLiteral("Page ") + QString::number(d->pages) + QStringLiteral(" cannot be drawn"));
        return false;
    }
    if (d->pages == 1) {
        d->held = image;
        return true;
    }
    if (d->pages == 2 && !d->write(std::exchange(d->held, QImage()), 1)) return false;
    return d->write(image, d->pages);
}

ExportResult PictureWriter::Finish()
{
    if (d->result && d->pages == 0) d->fail(QStringLiteral("The report has no pages"));
    if (d->result && d->pages == 1) d->write(d->held, 0);
    return d->result;
}

ExportResult ExportPictures(VDoc &report, const QString &path, PictureFormats formats, QStringList *written)
{
    if (report.PageCount() == 0) return ExportResult::failure(QStringLiteral("The report has no pages"));
    if (const QString problem = report.PaperSizeProblem(); !problem.isEmpty())
        return ExportResult::failure(problem);
    PictureWriter writer(path, formats);
    for (int i = 0; i < report.PageCount(); ++i)
        if (!writer.AddPage(*report.PageAt(i))) break;
    const ExportResult result = writer.Finish();
    if (written) *written << result.written;
    return result;
}
