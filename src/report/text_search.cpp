#include "report/text_search.h"

namespace
{
bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

bool isWholeWord(const QString &text, qsizetype at, qsizetype length)
{
    const bool before = at > 0 && isWordChar(text[at - 1]);
    const bool after = at + length < text.size() && isWordChar(text[at + length]);
    return !before && !after;
}
} // namespace

qsizetype FindForward(const QString &text, const QString &needle, qsizetype from,
                      const SearchOptions &options)
{
    if (needle.isEmpty()) return -1;
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = text.indexOf(needle, from, cs); at >= 0; at = text.indexOf(needle, at + 1, cs))
        if (!options.wholeWord || isWholeWord(text, at, needle.size())) return at;
    return -1;
}

int ReplaceAll(QString &text, const QString &needle, const QString &replacement, const SearchOptions &options)
{
    int count = 0;
    qsizetype from = 0;
    for (qsizetype at = FindForward(text, needle, from, options); at >= 0;
         at = FindForward(text, needle, from, options)) {
        text.replace(at, needle.size(), replacement);
        from = at + replacement.size();
        ++count;
    }
    return count;
}
