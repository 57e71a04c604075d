#include "print/page_list.h"

#include <QStringList>

namespace
{
constexpr int kMaxItems = 20;

bool number(const QString &text, unsigned &value, QString &error)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    const qlonglong v = trimmed.toLongLong(&ok, 10);
    if (!ok || v < 0 || v > 0xFFFFFFFFLL) {
        error = QStringLiteral("'%1' is not a valid integer value").arg(text);
        return false;
    }
    value = unsigned(v);
    return true;
}
} // namespace

PageList ParsePageList(const QString &text)
{
    PageList list;
    if (text.trimmed().isEmpty()) return list;
    for (const QString &item : text.split(QLatin1Char(','))) {
        if (int(list.ranges.size()) == kMaxItems) break;
        PageList::Range r;
        const qsizetype dash = item.indexOf(QLatin1Char('-'));
        const bool ok = dash < 0 ? number(item, r.first, list.error)
                                 : number(item.left(dash), r.first, list.error) &&
                                       number(item.mid(dash + 1, 255), r.last, list.error);
        if (!ok) {
            list.ranges.clear();
            return list;
        }
        if (dash < 0) r.last = r.first;
        list.ranges.push_back(r);
    }
    return list;
}

std::vector<int> PagesInList(const PageList &list, int pageCount)
{
    std::vector<int> pages;
    for (int i = 0; i < pageCount; ++i) {
        const unsigned n = unsigned(i + 1);
        for (const PageList::Range &r : list.ranges)
            if (r.first <= n && n <= r.last) {
                pages.push_back(i);
                break;
            }
    }
    return pages;
}
