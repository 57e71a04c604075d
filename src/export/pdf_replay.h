#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class MarkupTags;
class PdfEngine;
class VGrfElement;

// Plays page markup into the PDF engine by the rules of the PDF export: texts become fitted text
// lines, frames and borders stroked lines, pictures placed images, and a form-feed line turns
// the page. A line that comes with its element draws its group, table or barcode with the
// element painters where the picture would have been, as vectors, and a label's picture from the
// element; without one the picture files the line names are placed, as the markup alone says.
class PdfReplay
{
public:
    // The document must be open with its first page begun.
    PdfReplay(PdfEngine &pdf, const QString &fileName, int pageWidth, int pageHeight, int codePage);
    ~PdfReplay();
    // The page's own output switches, for what is drawn from elements.
    void setPageSwitches(bool blackWhite, bool printableOnly);
    void line(const QString &text, const VGrfElement *element = nullptr);
    // Ends the page and begins one of size points, which the following lines are placed on; a
    // form-feed line begins one of the current size.
    void turnPage(const QSize &size);
    // Picture files the lines named that exist but were refused (not plain files, too large).
    QStringList warnings() const;

private:
    struct Lines;
    std::unique_ptr<Lines> d;
};

// How a text line of the markup is written: the font name with its ",Bold"/",Italic" suffixes
// (faces fontExists denies become Courier New), the size in points, the fitted text line's
// option list and reference point on a page pageHeight points high. options is empty when an
// unknown alignment or orientation code leaves the text out.
struct TextLinePlan {
    QString font;
    double size = 0;
    QString options;
    int x = 0;
    int y = 0;
};
TextLinePlan PlanTextLine(const QString &line, int pageHeight,
                          const std::function<bool(const QString &)> &fontExists);
TextLinePlan PlanTextLine(const MarkupTags &line, int pageHeight,
                          const std::function<bool(const QString &)> &fontExists);
