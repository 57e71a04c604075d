#pragma once

#include <QSize>
#include <QString>

class VPage;

// Size in pixels (96 per inch, natural size) at which the exports draw a page: the A4 frame of the
// screen, 793 x 1122 portrait; smaller landscape pages are widened to 1122 x 793.
QSize ExportPageSize(const VPage &page);
// PDF page size in points for a page drawn at screenSize: A4 (9) and A4 small (10) through
// their screen divisors, every other paper at its own size.
QSize PdfPageSize(const VPage &page, const QSize &screenSize);

// round(twips x 25.4 / 1440): the whole millimetres in the names of exported pictures.
int WholeMillimetres(int twips);
// base + "_group_" / "_table_" + left mm + "_" + top mm + ".jpeg", and the barcode form with
// its value (path separators and control characters made "_"); base is outputName without its
// extension.
QString GroupPictureName(const QString &outputName, int leftTwips, int topTwips);
QString TablePictureName(const QString &outputName, int leftTwips, int topTwips);
QString BarcodePictureName(const QString &outputName, const QString &value, int leftTwips, int topTwips);
