#pragma once

#include <QImage>

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QSize>
#include <QString>
#include <vector>

class VPage;

// Size in pixels (96 per inch, natural size) at which the exports draw a page: the A4 frame of the
// screen, 793 x 1122 portrait; smaller landscape pages are widened to 1122 x 793.
QSize ExportPageSize(const VPage &page);

// Empty when path can name an output file, with the pictures beside it; otherwise why not: an
// existing folder, a name ending in a separator, a folder that does not exist.
QString ExportTargetProblem(const QString &path);

// round(twips x 25.4 / 1440): the whole millimetres in the names of exported pictures.
int WholeMillimetres(int twips);
// base + "_group_" / "_table_" + left mm + "_" + top mm + ".jpeg", and the barcode form with
// its value (path separators and control characters made "_"); base is outputName without its
// extension.
QString GroupPictureName(const QString &outputName, int leftTwips, int topTwips);
QString TablePictureName(const QString &outputName, int leftTwips, int topTwips);
QString BarcodePictureName(const QString &outputName, const QString &value, int leftTwips, int topTwips);

class VGrfElement;

// Bounds of one element's picture: a group, table or barcode larger than this at 96 pixels per
// inch is drawn at a lower resolution, so that no design, however large its elements, needs more
// than a few tens of megabytes for a picture.
constexpr qint64 kMaxExportPicturePixels = 4'000'000;
constexpr int kMaxExportPictureSide = 16384;

// A picture an export places for one element, encoded as it goes to disk (JPEG for groups,
// tables and barcodes, BMP for label pictures) and named by the rules above.
struct ElementPicture {
    const VGrfElement *element = nullptr;
    QString path;
    // The size it is placed at: 96 per inch; the encoded picture has fewer pixels when the
    // element is larger than the bounds above.
    QSize pixels;
    QByteArray bytes;
    QString mimeType;
};

// The picture paths one export has given out, so that no page's picture replaces another's: a
// path given before gets "_2", "_3" ... before its extension.
class PictureNames
{
public:
    QString unused(const QString &path);

private:
    QSet<QString> m_taken;
    // The number to try next for a path, so that the thousandth page does not try all before it.
    QHash<QString, int> m_next;
};

// Draws the page's pictures as the off-screen page drawing leaves them for the exports: every
// group, table and barcode at 96 pixels per inch and every label picture at its own size, depth
// first in child order, never-printed subtrees left out. Nothing is written; a label whose
// picture cannot be decoded gets no entry. Paths come from names.
std::vector<ElementPicture> DrawElementPictures(VPage &page, const QString &outputName, PictureNames &names);

// The picture in a file format Qt writes ("PNG", "BMP", "JPEG" at quality 95); empty on failure.
QByteArray EncodeImage(const QImage &image, const char *format);
