#include "model/units.h"

#include <cmath>

int MmToTwips(double mm)
{
    return int(std::trunc(mm * 1000.0 * 1440.0 / 25400.0 + 1.0));
}

double TwipsToMm(int twips)
{
    const qint64 hundredths = (qint64(twips) * 25400) / 1440; // C++ division truncates toward zero
    return double(hundredths / 100) / 10.0;
}

int MmToTwipsPlain(double mm)
{
    return int(std::trunc(mm * 1440.0 / 25.4));
}

double TruncTenth(double mm)
{
    // A tiny nudge keeps values typed with one decimal (4.1, 0.7) from falling to the tenth below
    // through binary rounding; anything finer is cut as the rule says (3.55 -> 3.5).
    const double scaled = mm * 10.0;
    const double nudge = scaled >= 0 ? 1e-7 : -1e-7;
    return std::trunc(scaled + nudge) / 10.0;
}

QColor ColorFromRef(ColorRef c)
{
    return QColor(int(c & 255), int((c >> 8) & 255), int((c >> 16) & 255));
}

ColorRef RefFromColor(const QColor &c)
{
    return Rgb(c.red(), c.green(), c.blue());
}

ScreenMetrics &screenMetrics()
{
    static ScreenMetrics metrics;
    return metrics;
}
