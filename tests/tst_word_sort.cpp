#include "editor/word_sort.h"
#include "word_lists.h"

#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(SortOrder)

namespace {

// The old procedure, step for step, as the reference for tie order.
namespace Reference {

// A list box that keeps itself sorted; an entry goes after every equal one.
QStringList listBoxOrder(const QStringList &entries)
{
    QStringList box;
    for (const QString &text : entries) {
        qsizetype at = 0;
        while (at < box.size() && box[at].compare(text) <= 0)
            ++at;
        box.insert(at, text);
    }
    return box;
}

QStringList reversed(QStringList list)
{
    std::reverse(list.begin(), list.end());
    return list;
}

QString secondWordKey(const QString &entry)
{
    for (qsizetype i = 0; i < entry.size(); ++i)
        if (entry[i] == u' ')
            return entry.mid(i + 1);
    return entry;
}

QString lastWordKey(const QString &entry)
{
    const QString padded = QLatin1Char(' ') + entry;
    qsizetype i = padded.size() - 1;
    while (padded[i] != u' ')
        --i;
    return padded.mid(i + 1);
}

// The keys go through the list box; each sorted key then takes the first
// entry still unused whose key it is.
QStringList keySort(const QStringList &lstWord, QString (*keyOf)(const QString &))
{
    QStringList origlist = lstWord;
    QStringList keylist;
    for (const QString &entry : lstWord)
        keylist.append(keyOf(entry));
    QStringList result;
    for (const QString &key : listBoxOrder(keylist)) {
        for (qsizetype j = 0; j < keylist.size(); ++j) {
            if (keylist[j] == key) {
                result.append(origlist[j]);
                keylist[j].clear();
                origlist[j].clear();
                break;
            }
        }
    }
    return result;
}

QStringList sorted(const QStringList &lstWord, SortOrder order)
{
    switch (order) {
    case SortOrder::AscendingFirst:
        return listBoxOrder(lstWord);
    case SortOrder::AscendingSecond:
        return keySort(lstWord, secondWordKey);
    case SortOrder::AscendingLast:
        return keySort(lstWord, lastWordKey);
    case SortOrder::DescendingFirst:
        return reversed(listBoxOrder(lstWord));
    case SortOrder::DescendingSecond:
        return reversed(keySort(reversed(listBoxOrder(lstWord)), secondWordKey));
    case SortOrder::DescendingLast:
        return reversed(keySort(reversed(listBoxOrder(lstWord)), lastWordKey));
    }
    return {};
}

} // namespace Reference

QStringList list(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result.append(QString::fromLatin1(text));
    return result;
}

} // namespace

class TestWordSort : public QObject
{
    Q_OBJECT

private slots:
    void examples_data();
    void examples();
    void matchesOldProcedure_data();
    void matchesOldProcedure();
};

void TestWordSort::examples_data()
{
    QTest::addColumn<SortOrder>("order");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char *name, SortOrder order, const QStringList &entries, const QStringList &expected) {
        QTest::newRow(name) << order << entries << expected;
    };

    const QStringList cities = list({"DOG", "CAT", "NEW YORK", "NEWARK", "NEW"});
    row("1st ascending: blank and prefix first", SortOrder::AscendingFirst, cities,
        list({"CAT", "DOG", "NEW", "NEW YORK", "NEWARK"}));
    row("1st descending", SortOrder::DescendingFirst, cities, list({"NEWARK", "NEW YORK", "NEW", "DOG", "CAT"}));

    const QStringList cats = list({"BIG CAT", "ZEBRA", "NEW YORK CITY", "CAT"});
    const QStringList catFirst = list({"CAT", "BIG CAT", "NEW YORK CITY", "ZEBRA"});
    const QStringList descendingCats = list({"ZEBRA", "NEW YORK CITY", "BIG CAT", "CAT"});
    row("2nd ascending keeps tie order", SortOrder::AscendingSecond, cats,
        list({"BIG CAT", "CAT", "NEW YORK CITY", "ZEBRA"}));
    row("2nd ascending, CAT first", SortOrder::AscendingSecond, catFirst, catFirst);
    row("2nd descending", SortOrder::DescendingSecond, cats, descendingCats);
    row("2nd descending, CAT first", SortOrder::DescendingSecond, catFirst, descendingCats);

    const QStringList wildCats = list({"WILD CAT", "DOG", "CAT", "BIG CAT"});
    row("last ascending keeps tie order", SortOrder::AscendingLast, wildCats,
        list({"WILD CAT", "CAT", "BIG CAT", "DOG"}));
    row("last descending: ties ascend", SortOrder::DescendingLast, wildCats,
        list({"DOG", "BIG CAT", "CAT", "WILD CAT"}));

    row("2nd key with two blanks sorts first", SortOrder::AscendingSecond, list({"B", "A A", "A  B"}),
        list({"A  B", "A A", "B"}));
    row("2nd key prefix first", SortOrder::AscendingSecond, list({"X NEWARK", "Y NEW YORK", "Z NEW"}),
        list({"Z NEW", "Y NEW YORK", "X NEWARK"}));
}

void TestWordSort::examples()
{
    QFETCH(SortOrder, order);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);
    QCOMPARE(WordSort::sorted(entries, order), expected);
}

void TestWordSort::matchesOldProcedure_data()
{
    QTest::addColumn<SortOrder>("order");
    QTest::addColumn<QStringList>("entries");
    const std::pair<SortOrder, const char *> orders[] = {
        {SortOrder::AscendingFirst, "ascending first"},   {SortOrder::AscendingSecond, "ascending second"},
        {SortOrder::AscendingLast, "ascending last"},     {SortOrder::DescendingFirst, "descending first"},
        {SortOrder::DescendingSecond, "descending second"}, {SortOrder::DescendingLast, "descending last"}};
    // 1-3 words of 1-4 letters from "ABC", so keys collide often; 1,000 entries
    // outgrow the old 502-slot arrays, to show no limit is left.
    const EntryShape shape{1, 3, 1, 4, 3};
    const std::pair<const char *, QStringList> lists[] = {
        {"empty", {}},
        {"one entry", list({"NEW YORK"})},
        // Equal whole entries cannot reach a sort from the editor, but must not be lost.
        {"equal entries, two blanks", list({"B A", "A  B", "NEW YORK CITY", "A A", "B A", "A"})},
        {"1,000 entries, seed 1", distinctEntries(1000, 1, shape)},
        {"1,000 entries, seed 2", distinctEntries(1000, 2, shape)},
        {"1,000 entries, seed 3", distinctEntries(1000, 3, shape)}};
    for (const auto &[order, orderName] : orders) {
        for (const auto &[listName, entries] : lists)
            QTest::addRow("%s, %s", orderName, listName) << order << entries;
    }
}

void TestWordSort::matchesOldProcedure()
{
    QFETCH(SortOrder, order);
    QFETCH(QStringList, entries);
    const QStringList once = WordSort::sorted(entries, order);
    QCOMPARE(once, Reference::sorted(entries, order));
    QCOMPARE(WordSort::sorted(once, order), once);
    for (const QString &entry : entries) {
        QCOMPARE(WordSort::secondWordKey(entry), Reference::secondWordKey(entry));
        QCOMPARE(WordSort::lastWordKey(entry), Reference::lastWordKey(entry));
    }
}

QTEST_GUILESS_MAIN(TestWordSort)
#include "tst_word_sort.moc"
