#include "export/pdf_options.h"

#include <QLocale>
#include <QRectF>
#include <algorithm>
#include <vector>

namespace
{
// Fraction (0..1) of a position keyword or percentage along one axis.
double positionFraction(const QString &word, bool horizontal)
{
    const QString w = word.toLower();
    if (w == QLatin1String("left")) return horizontal ? 0.0 : 0.5;
    if (w == QLatin1String("right")) return horizontal ? 1.0 : 0.5;
    if (w == QLatin1String("top")) return horizontal ? 0.5 : 1.0;
    if (w == QLatin1String("bottom")) return horizontal ? 0.5 : 0.0;
    if (w == QLatin1String("center")) return 0.5;
    bool ok = false;
    const double v = QLocale::c().toDouble(w, &ok);
    return ok ? std::clamp(v / 100.0, 0.0, 1.0) : 0.0;
}

int orientationDegrees(const PdfOptionList &options)
{
    const QString o = options.word(QStringLiteral("orientate"), QStringLiteral("north"));
    if (o == QLatin1String("west")) return 90;
    if (o == QLatin1String("south")) return 180;
    if (o == QLatin1String("east")) return 270;
    return 0;
}
} // namespace

PdfOptionList::PdfOptionList(const QString &text)
{
    struct Token {
        QString text;
        bool list = false;
    };
    std::vector<Token> tokens;
    int i = 0;
    const int n = int(text.size());
    while (i < n) {
        const QChar c = text[i];
        if (c.isSpace() || c == QLatin1Char('=')) {
            ++i;
        } else if (c == QLatin1Char('{')) {
            int depth = 1;
            const int start = ++i;
            while (i < n && depth > 0) {
                if (text[i] == QLatin1Char('{'))
                    ++depth;
                else if (text[i] == QLatin1Char('}'))
                    --depth;
                ++i;
            }
            tokens.push_back({text.mid(start, i - start - (depth == 0 ? 1 : 0)), true});
        } else {
            const int start = i;
            while (i < n && !text[i].isSpace() && text[i] != QLatin1Char('=') && text[i] != QLatin1Char('{'))
                ++i;
            tokens.push_back({text.mid(start, i - start), false});
        }
    }
    for (size_t k = 0; k + 1 < tokens.size(); k += 2) {
        const Token &value = tokens[k + 1];
        m_values.insert(tokens[k].text.toLower(), value.list ? value.text.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                                             : QStringList{value.text});
    }
}

double PdfOptionList::number(const QString &key, int index, double fallback) const
{
    const QStringList w = m_values.value(key);
    if (index >= w.size()) return fallback;
    bool ok = false;
    const double v = QLocale::c().toDouble(w[index], &ok);
    return ok ? v : fallback;
}

PdfPlacement ReadPdfPosition(const PdfOptionList &options)
{
    PdfPlacement p;
    const QStringList w = options.words(QStringLiteral("position"));
    if (w.size() == 1) {
        // One keyword places along its own axis and centres the other; one number serves both.
        const QString k = w[0].toLower();
        bool isNumber = false;
        QLocale::c().toDouble(k, &isNumber);
        p.fx = positionFraction(k, true);
        p.fy = isNumber ? p.fx : positionFraction(k, false);
    } else if (w.size() >= 2) {
        p.fx = positionFraction(w[0], true);
        p.fy = positionFraction(w[1], false);
    }
    return p;
}

QTransform PlacePdfObject(double w, double h, double sx, double sy, int degrees, double refX, double refY,
                          double boxW, double boxH, const PdfPlacement &pos)
{
    const QTransform turn = QTransform().scale(sx, sy) * QTransform().rotate(degrees);
    const QRectF bounds = turn.mapRect(QRectF(0, 0, w, h));
    const double left = refX + pos.fx * (boxW - bounds.width());
    const double bottom = refY + pos.fy * (boxH - bounds.height());
    return turn * QTransform::fromTranslate(left - bounds.left(), bottom - bounds.top());
}

PdfFitOptions::PdfFitOptions(const PdfOptionList &options)
    : boxW(options.number(QStringLiteral("boxsize"), 0, 0.0)), boxH(options.number(QStringLiteral("boxsize"), 1, 0.0)),
      hasBox(boxW > 0 && boxH > 0), degrees(orientationDegrees(options)), across(degrees == 90 || degrees == 270),
      method(options.word(QStringLiteral("fitmethod"), QStringLiteral("nominal")))
{
}

const PdfTextOptions &ReadTextOptions(const QString &text)
{
    thread_local QHash<QString, PdfTextOptions> known;
    auto it = known.constFind(text);
    if (it != known.cend()) return *it;
    constexpr qsizetype kRememberedOptions = 4096;
    if (known.size() >= kRememberedOptions) known.clear();
    const PdfOptionList options(text);
    return *known.insert(text, PdfTextOptions{PdfFitOptions(options), ReadPdfPosition(options)});
}
