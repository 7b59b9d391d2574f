#include "editor/word_sort.h"

#include <QStringView>

#include <algorithm>
#include <vector>

namespace WordSort {

namespace {

QStringView secondWordView(QStringView entry)
{
    const qsizetype blank = entry.indexOf(u' ');
    return blank < 0 ? entry : entry.sliced(blank + 1);
}

QStringView lastWordView(QStringView entry)
{
    const qsizetype blank = entry.lastIndexOf(u' ');
    return blank < 0 ? entry : entry.sliced(blank + 1);
}

// QStringView's ordering is by UTF-16 code unit: the blank before every
// letter, a text before every longer text that begins with it.
bool lessByCode(QStringView a, QStringView b)
{
    return a.compare(b) < 0;
}

struct Keyed
{
    QStringView key;
    QStringView entry;
    qsizetype index;
};

QStringList sortedByKey(const QStringList &entries, QStringView (*keyOf)(QStringView), bool descending)
{
    std::vector<Keyed> keyed;
    keyed.reserve(std::size_t(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i)
        keyed.push_back({keyOf(entries[i]), entries[i], i});

    if (descending) {
        // Equal keys ascend by whole entry, the order a key sort of the
        // descending list leaves once turned end for end.
        std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
            const int byKey = a.key.compare(b.key);
            return byKey != 0 ? byKey > 0 : lessByCode(a.entry, b.entry);
        });
    } else {
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const Keyed &a, const Keyed &b) { return lessByCode(a.key, b.key); });
    }

    QStringList result;
    result.reserve(entries.size());
    for (const Keyed &k : keyed)
        result.append(entries[k.index]);
    return result;
}

} // namespace

QString secondWordKey(const QString &entry)
{
    return secondWordView(entry).toString();
}

QString lastWordKey(const QString &entry)
{
    return lastWordView(entry).toString();
}

QStringList sorted(QStringList entries, SortOrder order)
{
    switch (order) {
    case SortOrder::AscendingFirst:
        std::stable_sort(entries.begin(), entries.end(), lessByCode);
        return entries;
    case SortOrder::DescendingFirst:
        std::stable_sort(entries.begin(), entries.end(),
                         [](const QString &a, const QString &b) { return lessByCode(b, a); });
        return entries;
    case SortOrder::AscendingSecond:
        return sortedByKey(entries, secondWordView, false);
    case SortOrder::AscendingLast:
        return sortedByKey(entries, lastWordView, false);
    case SortOrder::DescendingSecond:
        return sortedByKey(entries, secondWordView, true);
    case SortOrder::DescendingLast:
        return sortedByKey(entries, lastWordView, true);
    }
    return entries;
}

} // namespace WordSort
