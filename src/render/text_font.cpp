#include "render/text_font.h"

#include "model/zel_font.h"

#include <QFontMetricsF>
#include <cmath>

QString ResolveFaceName(const QString &face)
{
    // fontconfig already aliases these to Liberation; naming them directly avoids a surprise
    // substitution on machines whose configuration lacks the aliases.
    static const struct {
        const char *windows;
        const char *linux;
    } map[] = {
        {"Courier New", "Liberation Mono"},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
    };
    for (const auto &m : map)
        if (face.compare(QLatin1String(m.windows), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(m.linux);
    return face;
}

QFont MakeCellFont(const TZelFont &zf, double cellHeight, double avgWidth)
{
    QFont font(ResolveFaceName(zf.FontName()));
    const int weight = zf.FontWeight() == 0 ? 400 : zf.FontWeight();
    font.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
    font.setItalic(zf.FontItalic() != 0);
    font.setUnderline(zf.FontUnderline() != 0);
    font.setStrikeOut(zf.FontStrikeOut() != 0);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);

    // Measure the face once at a large reference size to learn its cell and average width per em.
    constexpr int ref = 1000;
    QFont probe = font;
    probe.setPixelSize(ref);
    const QFontMetricsF fm(probe);
    const double cellPerEm = (fm.ascent() + fm.descent()) / ref;
    const double avgPerEm = fm.averageCharWidth() / ref;

    const int pixelSize = std::max(1, int(std::lround(cellHeight / (cellPerEm > 0 ? cellPerEm : 1.0))));
    font.setPixelSize(pixelSize);
    if (avgWidth > 0 && avgPerEm > 0) {
        const double natural = avgPerEm * pixelSize;
        const int stretch = std::clamp(int(std::lround(avgWidth / natural * 100.0)), 1, 4000);
        font.setStretch(stretch);
    }
    return font;
}
