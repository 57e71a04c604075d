#include "report/data_colouring.h"

#include <algorithm>

namespace
{
struct Keyword {
    const char *text;
    QColor colour;
};

const Keyword kKeywords[] = {
    // Longer keywords first, so "/>" wins over ">" and "/Document" over "Document".
    {"/Document", QColor(0, 0, 255)}, {"Document", QColor(0, 0, 255)},  {"/Page", QColor(128, 0, 0)},
    {"Page ", QColor(128, 0, 0)},     {"Line ", QColor(0, 128, 0)},     {"Label ", QColor(0, 0, 255)},
    {"/Data", QColor(128, 128, 128)}, {"Data ", QColor(128, 128, 128)}, {"/>", QColor(0, 0, 0)},
    {"<", QColor(255, 0, 0)},         {">", QColor(255, 0, 0)},         {"=", QColor(255, 0, 0)},
};
} // namespace

QColor DataValueColour()
{
    return QColor(0, 128, 128);
}

QList<ColourRun> ColourDataLine(const QString &line)
{
    QList<ColourRun> runs;
    std::vector<bool> taken(size_t(line.size()), false);

    // Values first: keywords inside quotes are part of the value.
    for (qsizetype open = line.indexOf(QLatin1Char('"')); open >= 0;) {
        const qsizetype close = line.indexOf(QLatin1Char('"'), open + 1);
        if (close < 0) break;
        runs.append({open, close - open + 1, DataValueColour()});
        std::fill(taken.begin() + open, taken.begin() + close + 1, true);
        open = line.indexOf(QLatin1Char('"'), close + 1);
    }
    for (const Keyword &k : kKeywords) {
        const QString word = QLatin1String(k.text);
        for (qsizetype at = line.indexOf(word); at >= 0; at = line.indexOf(word, at + 1)) {
            const auto first = taken.begin() + at;
            const auto last = first + word.size();
            if (std::any_of(first, last, [](bool t) { return t; })) continue;
            runs.append({at, word.size(), k.colour});
            std::fill(first, last, true);
        }
    }
    std::sort(runs.begin(), runs.end(),
              [](const ColourRun &a, const ColourRun &b) { return a.start < b.start; });
    return runs;
}
