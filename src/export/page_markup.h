#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

class VGrfElement;
class VPage;

// One markup list per report page; each entry is one element's line of tagged values such as
// "[gl:1440:gl]". The markup lives in memory for the length of one PDF export.
using PageMarkup = std::vector<QStringList>;

// One markup line and the element it describes. A writer that has the page draws group, table,
// barcode and picture lines from the element itself instead of from picture files.
struct MarkupLine {
    QString text;
    const VGrfElement *element = nullptr;
};

// The line that separates a page's lines from the next page's.
inline QString PageBreakLine()
{
    return QString(QChar(0x0C));
}

// Appends the lines of the page's element tree (root panel first, then depth first) to
// pages[pageIndex], growing pages when needed. Never-printed elements (Printable 0) are left out
// with their subtrees, as on every other output. Labels with pictures save their bitmap beside
// outputName as base + "_pict_(n).bmp".
void WritePageMarkup(const VPage &page, PageMarkup &pages, int pageIndex, const QString &outputName);
// Appends one line per child of container and recurses into each child after its line.
void WriteElementMarkup(const VGrfElement &container, PageMarkup &pages, int pageIndex,
                        const QString &outputName);
// The lines WritePageMarkup writes, each with its element. writePictureFiles false leaves the
// label bitmaps unwritten (their lines still name them); errors receives one message per bitmap
// that could not be written.
std::vector<MarkupLine> PageMarkupLines(const VPage &page, const QString &outputName, bool writePictureFiles,
                                        QStringList *errors = nullptr);
// The line of one element alone (empty for cells and barcodes without a barcode record).
QString ElementMarkupLine(const VGrfElement &element, const QString &outputName, bool writePictureFile = true,
                          QStringList *errors = nullptr);
// base + "_pict_(n).bmp", n being the label's index among its siblings.
QString PictureFileName(const VGrfElement &element, const QString &outputName);

// Values carry '%', '[', ']' and control characters as "%XX" (two hex digits), so that no value,
// however it was typed, holds a marker of any tag or a form feed that would turn the page.
QString EscapeMarkupValue(const QString &value);
QString UnescapeMarkupValue(const QString &text);

// One markup line read once into its tags, from left to right. A tag is "[name:" followed by the
// value and ":name]" just before the next ']'; the first tag of a name counts. Text between tags
// and broken tags are passed over, so nothing inside a value can start or end another tag.
class MarkupTags
{
public:
    explicit MarkupTags(const QString &line);
    bool has(QLatin1String name) const { return find(name) != nullptr; }
    // The value with its escapes undone; a null string when the tag is absent.
    QString value(QLatin1String name) const;
    // The value as a whole number (blanks around it allowed), 0 when absent or not a number.
    int intValue(QLatin1String name) const;
    // A form feed outside every value: the line that turns the page.
    bool pageBreak() const { return m_pageBreak; }

private:
    struct Tag {
        QStringView name;
        QStringView value;
    };
    const Tag *find(QLatin1String name) const;
    QString m_line;
    std::vector<Tag> m_tags;
    bool m_pageBreak = false;
};

// Single lookups on a line (each reads the whole line; the replay reads a line once).
QString TagValue(const QString &line, const QString &name);
bool HasTag(const QString &line, const QString &name);

// Shortest round-trip text of a floating value with '.' as decimal separator, as the markup and
// the engine's option lists expect it.
QString FloatText(double value);
// Everything before the last '.' of a file name (the whole name when it has none).
QString OutputBase(const QString &outputName);
// The picture on white paper, as a bitmap file holds it.
QImage FlattenOnWhite(const QImage &picture);
// The text a label shows: its caption cut by the font's Offset and TextLength.
QString DisplayedCaption(const VGrfElement &element);
