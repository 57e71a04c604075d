#include "render/text_font.h"

#include "model/zel_font.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>
#include <algorithm>
#include <cmath>

namespace
{

struct FaceMap {
    const char *windows;
    const char *linux;
};
constexpr FaceMap kFaceMap[] = {
    {"Courier New", "Liberation Mono"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
};

// Proportions of a face per em, as GDI computes them from the font's tables.
struct FaceMetrics {
    double cellPerEm = 1.0;
    double ascentPerEm = 0.8;
    double avgPerEm = 0.5;
};

quint16 be16(const QByteArray &t, int at)
{
    return quint16((uchar(t[at]) << 8) | uchar(t[at + 1]));
}

// The Windows faces we stand in for report xAvgCharWidth as the weighted mean of the lower-case
// letters and the space; the Liberation faces have identical advances but store the mean over all
// glyphs, which would make every FontWidth come out 25 to 30 % too narrow. Recomputing the weighted
// mean from the advances gives the Windows value (904 of 2048 for Arial, 821 for Times New Roman).
double weightedLowerCaseAverage(const QFont &probe, int em)
{
    static constexpr int weights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                        56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
    const QFontMetricsF fm(probe);
    double sum = 166 * fm.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < 26; ++i)
        sum += weights[i] * fm.horizontalAdvance(QLatin1Char(char('a' + i)));
    return sum / 1000.0 / em;
}

bool isStandIn(const QString &family)
{
    for (const auto &m : kFaceMap)
        if (family.compare(QLatin1String(m.linux), Qt::CaseInsensitive) == 0) return true;
    return false;
}

FaceMetrics faceMetrics(const QFont &font)
{
    constexpr int em = 2048;
    QFont probe = font;
    probe.setPixelSize(em);
    probe.setStretch(QFont::Unstretched);
    probe.setLetterSpacing(QFont::AbsoluteSpacing, 0);

    FaceMetrics m;
    const QFontMetricsF fm(probe);
    if (fm.ascent() + fm.descent() > 0) {
        m.cellPerEm = (fm.ascent() + fm.descent()) / em;
        m.ascentPerEm = fm.ascent() / em;
    }
    if (fm.averageCharWidth() > 0) m.avgPerEm = fm.averageCharWidth() / em;

    // GDI's cell is usWinAscent + usWinDescent, which need not equal the hhea values FreeType uses.
    const QRawFont raw = QRawFont::fromFont(probe);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    if (os2.size() >= 78 && head.size() >= 20) {
        const int upem = be16(head, 18);
        const int winAscent = be16(os2, 74);
        const int winDescent = be16(os2, 76);
        const int avg = qint16(be16(os2, 2));
        if (upem > 0 && winAscent + winDescent > 0) {
            m.cellPerEm = double(winAscent + winDescent) / upem;
            m.ascentPerEm = double(winAscent) / upem;
        }
        if (upem > 0 && avg > 0) m.avgPerEm = double(avg) / upem;
    }
    if (isStandIn(QFontInfo(probe).family())) m.avgPerEm = weightedLowerCaseAverage(probe, em);
    return m;
}

} // namespace

QString ResolveFaceName(const QString &face)
{
    // fontconfig already aliases these to Liberation; naming them directly avoids a surprise
    // substitution on machines whose configuration lacks the aliases.
    if (FaceAvailable(face)) return face;
    for (const auto &m : kFaceMap)
        if (face.compare(QLatin1String(m.windows), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(m.linux);
    return face;
}

bool FaceAvailable(const QString &face)
{
    if (face.isEmpty()) return false;
    return QFontInfo(QFont(face)).family().compare(face, Qt::CaseInsensitive) == 0;
}

CellFont MakeCellFontMetrics(const TZelFont &zf, double cellHeight, double avgWidth)
{
    const int weight = std::clamp(zf.FontWeight() == 0 ? 400 : zf.FontWeight(), 1, 1000); // FW_DONTCARE
    const bool italic = zf.FontItalic() != 0;
    // Measuring a face takes some thirty glyph lookups at a large size; a report asks for the same
    // few faces on every page. Per thread, as the PDF parts are drawn on several.
    struct Face {
        QFont font;
        FaceMetrics metrics;
    };
    thread_local QHash<QString, Face> faces;
    const QString key = zf.FontName() + QLatin1Char('\n') + QString::number(weight) + (italic ? u'i' : u'r');
    auto known = faces.constFind(key);
    if (known == faces.constEnd()) {
        QFont probe(ResolveFaceName(zf.FontName()));
        probe.setWeight(QFont::Weight(weight));
        probe.setItalic(italic);
        probe.setKerning(false);
        probe.setHintingPreference(QFont::PreferNoHinting);
        probe.setStyleStrategy(QFont::PreferOutline);
        if (faces.size() > 256) faces.clear();
        known = faces.insert(key, Face{probe, faceMetrics(probe)});
    }
    QFont font = known->font;
    font.setUnderline(zf.FontUnderline() != 0);
    font.setStrikeOut(zf.FontStrikeOut() != 0);
    const FaceMetrics &m = known->metrics;
    // A negative height asks for the em height itself, as in a LOGFONT; zero is GDI's default size.
    double em;
    if (!std::isfinite(cellHeight))
        em = 240.0 / m.cellPerEm;
    else if (cellHeight > 0)
        em = cellHeight / m.cellPerEm;
    else if (cellHeight < 0)
        em = -cellHeight;
    else
        em = 240.0 / m.cellPerEm;
    const int pixelSize = int(std::clamp(std::round(em), 1.0, 200000.0));
    font.setPixelSize(pixelSize);
    CellFont result;
    if (avgWidth > 0 && std::isfinite(avgWidth) && m.avgPerEm > 0) {
        const double factor = avgWidth / (m.avgPerEm * pixelSize);
        const int stretch = std::clamp(int(std::lround(factor * 100.0)), 1, 4000);
        font.setStretch(stretch);
        result.xScale = factor * 100.0 / stretch;
    }

    result.font = font;
    result.ascent = m.ascentPerEm * pixelSize;
    result.cellHeight = m.cellPerEm * pixelSize;
    return result;
}

QFont MakeCellFont(const TZelFont &font, double cellHeight, double avgWidth)
{
    return MakeCellFontMetrics(font, cellHeight, avgWidth).font;
}
