#include "ui/FlexGridSort.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

enum class Kind { Generic, Numeric, TextNoCase, Text };

// Generic keys order empty texts, then numbers, then other texts, so that mixed columns still
// have one consistent order.
struct SortKey
{
    int group = 0;
    double number = 0;
    QString text;
};

SortKey keyOf(const QString &text, Kind kind)
{
    SortKey key;
    switch (kind) {
    case Kind::Numeric:
        flexTextToNumber(text, &key.number);
        break;
    case Kind::Generic:
        if (text.isEmpty())
            key.group = 0;
        else if (flexTextToNumber(text, &key.number))
            key.group = 1;
        else
            key = {2, 0, text.toCaseFolded()};
        break;
    case Kind::TextNoCase:
        key.text = text.toCaseFolded();
        break;
    case Kind::Text:
        key.text = text;
        break;
    }
    return key;
}

bool less(const SortKey &a, const SortKey &b)
{
    if (a.group != b.group)
        return a.group < b.group;
    if (a.number != b.number)
        return a.number < b.number;
    return a.text < b.text;
}

} // namespace

bool flexTextToNumber(const QString &text, double *value)
{
    QString plain = text.trimmed();
    if (plain.contains(QLatin1Char(',')))
        plain.remove(QLatin1Char(','));
    bool ok = false;
    const double number = plain.toDouble(&ok);
    ok = ok && std::isfinite(number);
    *value = ok ? number : 0.0;
    return ok;
}

QVector<int> flexSortOrder(const QVector<QString> &texts, int sortSetting)
{
    QVector<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    if (sortSetting < 1 || sortSetting > 8)
        return order;
    const Kind kind = Kind((sortSetting - 1) / 2);
    const bool descending = sortSetting % 2 == 0;
    QVector<SortKey> keys;
    keys.reserve(texts.size());
    for (const QString &text : texts)
        keys.append(keyOf(text, kind));
    if (descending)
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return less(keys.at(b), keys.at(a)); });
    else
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return less(keys.at(a), keys.at(b)); });
    return order;
}
