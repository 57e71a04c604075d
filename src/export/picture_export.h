#pragma once

#include "export/export_result.h"

#include <QByteArray>
#include <QFlags>
#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>

class VDoc;
class VPage;

enum class PictureFormat { Bmp = 1, Jpeg = 2, Gif = 4, Ico = 8, Png = 16 };
Q_DECLARE_FLAGS(PictureFormats, PictureFormat)
Q_DECLARE_OPERATORS_FOR_FLAGS(PictureFormats)

// The files a picture export of pageCount pages writes, in order: for each page and each chosen
// format (BMP, JPEG, GIF, ICO, PNG) base + "(" + page + ")" + extension, base + extension for a
// single page; base is path without its extension.
QStringList PicturePaths(int pageCount, const QString &path, PictureFormats formats);
// The name that stands for those files: path with the extension of the first chosen format (path
// as it is when none is chosen), so that the name shown is the name written.
QString PictureExportName(const QString &path, PictureFormats formats);

// The page as the exports picture it: drawn at 96 pixels per inch, cut to at most 793 x 1122.
// Null when the page cannot be drawn.
QImage ExportPageImage(VPage &page);

// Every page in every chosen format under PicturePaths; each file written is appended to written.
ExportResult ExportPictures(VDoc &report, const QString &path, PictureFormats formats,
                            QStringList *written = nullptr);

// The same, page by page as the report is made: a page's pictures are written as it comes (the
// first waits for the second, which decides whether it is "(1)" or the only page), so memory
// stays that of one page. No file may replace one of inputs.
class PictureWriter
{
public:
    PictureWriter(const QString &path, PictureFormats formats, const QStringList &inputs = {});
    ~PictureWriter();
    PictureWriter(const PictureWriter &) = delete;
    PictureWriter &operator=(const PictureWriter &) = delete;

    // False once anything failed; Finish() then gives the reason. The files written so far stay.
    bool AddPage(VPage &page);
    ExportResult Finish();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// 256-colour GIF (palette from the picture, dithered when it has more colours). Empty with error
// set when the encoder fails.
QByteArray EncodeGif(const QImage &image, QString *error = nullptr);
// An icon file holding the picture at full size as one PNG-compressed image.
QByteArray EncodeIco(const QImage &image);
