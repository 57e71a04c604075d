#include "export/sheet_number.h"

#include <QStringList>

namespace
{

const QString kCurrencies = QStringLiteral("€$£¥₺₽");

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

// Digits split by one grouping character into a first group of one to three and further groups of
// exactly three.
bool groupedInThrees(const QStringList &groups)
{
    if (groups.isEmpty() || groups.first().isEmpty() || groups.first().size() > 3) return false;
    for (qsizetype i = 1; i < groups.size(); ++i)
        if (groups.at(i).size() != 3) return false;
    return true;
}

bool allDigits(const QString &s)
{
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

QString quoted(const QString &affix)
{
    return QLatin1Char('"') + affix + QLatin1Char('"');
}

} // namespace

std::optional<SheetNumber> ReadSheetNumber(const QString &text)
{
    QString body = text.trimmed();
    QString prefix, suffix;
    // One currency sign before or after, a blank between it and the digits allowed.
    if (!body.isEmpty() && kCurrencies.contains(body.front())) {
        qsizetype n = 1;
        while (n < body.size() && isBlank(body.at(n)))
            ++n;
        prefix = body.left(n);
        body.remove(0, n);
    } else if (!body.isEmpty() && kCurrencies.contains(body.back())) {
        qsizetype n = body.size() - 1;
        while (n > 0 && isBlank(body.at(n - 1)))
            --n;
        suffix = body.mid(n);
        body.truncate(n);
    }
    // A leading '+' is left to texts: it starts telephone numbers far more often than amounts.
    QString sign;
    if (body.startsWith(QLatin1Char('-'))) {
        sign = body.left(1);
        body.remove(0, 1);
    }
    if (body.isEmpty() || !body.front().isDigit()) return std::nullopt;

    // Which character separates the decimals, and which groups the thousands.
    const qsizetype dots = body.count(QLatin1Char('.')), commas = body.count(QLatin1Char(','));
    QChar decimal, grouping;
    if (dots && commas) {
        decimal = body.lastIndexOf(QLatin1Char('.')) > body.lastIndexOf(QLatin1Char(',')) ? QLatin1Char('.')
                                                                                          : QLatin1Char(',');
        grouping = decimal == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
        if (body.count(decimal) != 1) return std::nullopt;
    } else if (dots + commas == 1) {
        decimal = dots ? QLatin1Char('.') : QLatin1Char(',');
    } else if (dots + commas > 1) {
        grouping = dots ? QLatin1Char('.') : QLatin1Char(',');
    }
    for (QChar c : body)
        if (isBlank(c)) {
            if (!grouping.isNull() && grouping != c) return std::nullopt;
            grouping = c;
        }

    const qsizetype point = decimal.isNull() ? -1 : body.indexOf(decimal);
    const QString whole = point < 0 ? body : body.left(point);
    const QString decimals = point < 0 ? QString() : body.mid(point + 1);
    if (point >= 0 && !allDigits(decimals)) return std::nullopt;
    QStringList groups = grouping.isNull() ? QStringList{whole} : whole.split(grouping);
    if (!grouping.isNull() && !groupedInThrees(groups)) return std::nullopt;
    const QString digits = groups.join(QString());
    if (!allDigits(digits)) return std::nullopt;
    if (digits.size() > 1 && digits.front() == QLatin1Char('0')) return std::nullopt;
    // A double holds 15 significant digits; more (account numbers, barcodes) would change.
    QString significant = digits + decimals;
    while (significant.size() > 1 && significant.front() == QLatin1Char('0'))
        significant.remove(0, 1);
    if (significant.size() > 15) return std::nullopt;

    bool ok = false;
    const double value =
        (sign + digits + QLatin1Char('.') + (decimals.isEmpty() ? QStringLiteral("0") : decimals))
            .toDouble(&ok);
    if (!ok) return std::nullopt;
    SheetNumber number;
    number.value = value;
    number.format = grouping.isNull() ? QStringLiteral("0") : QStringLiteral("#,##0");
    if (!decimals.isEmpty()) number.format += QLatin1Char('.') + QString(decimals.size(), QLatin1Char('0'));
    if (!prefix.isEmpty()) number.format = quoted(prefix) + number.format;
    if (!suffix.isEmpty()) number.format += quoted(suffix);
    return number;
}
