#include "print/page_list.h"

#include <QStringList>

namespace
{
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
        if (int(list.ranges.size()) == PageList::kMaxItems) {
            list.dropped << item.trimmed();
            continue;
        }
        PageList::Range r;
        const qsizetype dash = item.indexOf(QLatin1Char('-'));
        const bool ok = dash < 0 ? number(item, r.first, list.error)
                                 : number(item.left(dash), r.first, list.error) &&
                                       number(item.mid(dash + 1), r.last, list.error);
        if (!ok) {
            list.ranges.clear();
            list.dropped.clear();
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

QStringList ItemsBeyond(const PageList &list, int pageCount)
{
    QStringList items;
    const unsigned count = unsigned(std::max(0, pageCount));
    for (const PageList::Range &r : list.ranges)
        if (r.first > count || r.last > count || r.first > r.last)
            items << (r.first == r.last
                          ? QString::number(r.first)
                          : QString::number(r.first) + QLatin1Char('-') + QString::number(r.last));
    return items;
}
