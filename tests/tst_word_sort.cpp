#include "editor/word_sort.h"
#include "word_lists.h"

#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(SortOrder)

namespace {

// The old procedure, step for step, as the reference for tie order.
namespace Reference {

// A list box that keeps itself sorted; an entry goes after every equal one.
void addSorted(QStringList &box, const QString &text)
{
    qsizetype at = 0;
    while (at < box.size() && box[at].compare(text) <= 0)
        ++at;
    box.insert(at, text);
}

QString secondWordKey(const QString &entry)
{
    for (qsizetype i = 0; i < entry.size(); ++i) {
        if (entry[i] == u' ')
            return entry.mid(i + 1);
    }
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

QStringList ascendingWhole(const QStringList &lstWord)
{
    QStringList lstTemp;
    for (const QString &entry : lstWord)
        addSorted(lstTemp, entry);
    return lstTemp;
}

QStringList reversed(const QStringList &list)
{
    QStringList revlist;
    for (qsizetype i = list.size() - 1; i >= 0; --i)
        revlist.append(list[i]);
    return revlist;
}

QStringList keySort(const QStringList &lstWord, QString (*keyOf)(const QString &))
{
    QStringList origlist = lstWord;
    QStringList keylist;
    for (const QString &entry : lstWord)
        keylist.append(keyOf(entry));
    const QStringList lstTemp = ascendingWhole(keylist);
    QStringList result;
    for (const QString &key : lstTemp) {
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
        return ascendingWhole(lstWord);
    case SortOrder::AscendingSecond:
        return keySort(lstWord, secondWordKey);
    case SortOrder::AscendingLast:
        return keySort(lstWord, lastWordKey);
    case SortOrder::DescendingFirst:
        return reversed(ascendingWhole(lstWord));
    case SortOrder::DescendingSecond:
        return reversed(keySort(reversed(ascendingWhole(lstWord)), secondWordKey));
    case SortOrder::DescendingLast:
        return reversed(keySort(reversed(ascendingWhole(lstWord)), lastWordKey));
    }
    return {};
}

} // namespace Reference

// Unique entries of 1-3 words of 1-4 letters from "ABC", so keys collide often.
QStringList randomEntries(int count, unsigned seed)
{
    return distinctEntries(count, seed, EntryShape{1, 3, 1, 4, 3});
}

QStringList list(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result.append(QString::fromLatin1(text));
    return result;
}

const SortOrder allOrders[] = {SortOrder::AscendingFirst,  SortOrder::AscendingSecond,
                               SortOrder::AscendingLast,   SortOrder::DescendingFirst,
                               SortOrder::DescendingSecond, SortOrder::DescendingLast};
const char *const orderNames[] = {"ascending first", "ascending second", "ascending last",
                                  "descending first", "descending second", "descending last"};

} // namespace

class TestWordSort : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void examples_data();
    void examples();
    void smallLists_data();
    void smallLists();
    void matchesOldProcedure_data();
    void matchesOldProcedure();
};

void TestWordSort::keys_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("last");
    QTest::newRow("one word") << QStringLiteral("CAT") << QStringLiteral("CAT") << QStringLiteral("CAT");
    QTest::newRow("two words") << QStringLiteral("BIG CAT") << QStringLiteral("CAT") << QStringLiteral("CAT");
    QTest::newRow("three words") << QStringLiteral("NEW YORK CITY") << QStringLiteral("YORK CITY")
                                 << QStringLiteral("CITY");
    QTest::newRow("two blanks") << QStringLiteral("A  B") << QStringLiteral(" B") << QStringLiteral("B");
}

void TestWordSort::keys()
{
    QFETCH(QString, entry);
    QFETCH(QString, second);
    QFETCH(QString, last);
    QCOMPARE(WordSort::secondWordKey(entry), second);
    QCOMPARE(WordSort::lastWordKey(entry), last);
}

void TestWordSort::examples_data()
{
    QTest::addColumn<SortOrder>("order");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("expected");

    const QStringList cities = list({"DOG", "CAT", "NEW YORK", "NEWARK", "NEW"});
    QTest::newRow("1st ascending: blank and prefix first")
        << SortOrder::AscendingFirst << cities << list({"CAT", "DOG", "NEW", "NEW YORK", "NEWARK"});
    QTest::newRow("1st descending")
        << SortOrder::DescendingFirst << cities << list({"NEWARK", "NEW YORK", "NEW", "DOG", "CAT"});

    const QStringList cats = list({"BIG CAT", "ZEBRA", "NEW YORK CITY", "CAT"});
    const QStringList catFirst = list({"CAT", "BIG CAT", "NEW YORK CITY", "ZEBRA"});
    QTest::newRow("2nd ascending keeps tie order")
        << SortOrder::AscendingSecond << cats << list({"BIG CAT", "CAT", "NEW YORK CITY", "ZEBRA"});
    QTest::newRow("2nd ascending, CAT first") << SortOrder::AscendingSecond << catFirst << catFirst;
    const QStringList descendingCats = list({"ZEBRA", "NEW YORK CITY", "BIG CAT", "CAT"});
    QTest::newRow("2nd descending") << SortOrder::DescendingSecond << cats << descendingCats;
    QTest::newRow("2nd descending, CAT first") << SortOrder::DescendingSecond << catFirst << descendingCats;

    QTest::newRow("last ascending") << SortOrder::AscendingLast << list({"NEW YORK CITY", "BIG CAT", "ZEBRA"})
                                    << list({"BIG CAT", "NEW YORK CITY", "ZEBRA"});
    QTest::newRow("last ascending keeps tie order")
        << SortOrder::AscendingLast << list({"WILD CAT", "DOG", "CAT", "BIG CAT"})
        << list({"WILD CAT", "CAT", "BIG CAT", "DOG"});
    QTest::newRow("last descending: ties ascend")
        << SortOrder::DescendingLast << list({"WILD CAT", "DOG", "CAT", "BIG CAT"})
        << list({"DOG", "BIG CAT", "CAT", "WILD CAT"});

    QTest::newRow("2nd key with two blanks sorts first")
        << SortOrder::AscendingSecond << list({"B", "A A", "A  B"}) << list({"A  B", "A A", "B"});
    QTest::newRow("last key with two blanks")
        << SortOrder::AscendingLast << list({"A  B", "A A", "C"}) << list({"A A", "A  B", "C"});
    QTest::newRow("2nd key prefix first")
        << SortOrder::AscendingSecond << list({"X NEWARK", "Y NEW YORK", "Z NEW"})
        << list({"Z NEW", "Y NEW YORK", "X NEWARK"});
}

void TestWordSort::examples()
{
    QFETCH(SortOrder, order);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);
    QCOMPARE(WordSort::sorted(entries, order), expected);
}

void TestWordSort::smallLists_data()
{
    QTest::addColumn<SortOrder>("order");
    for (int i = 0; i < 6; ++i)
        QTest::newRow(orderNames[i]) << allOrders[i];
}

void TestWordSort::smallLists()
{
    QFETCH(SortOrder, order);
    QCOMPARE(WordSort::sorted({}, order), QStringList{});
    QCOMPARE(WordSort::sorted(list({"NEW YORK"}), order), list({"NEW YORK"}));

    const QStringList once = WordSort::sorted(randomEntries(200, 7), order);
    QCOMPARE(WordSort::sorted(once, order), once);

    // Equal whole entries cannot reach a sort from the editor, but must not be lost.
    const QStringList twins = list({"B A", "A A", "B A", "A"});
    QCOMPARE(WordSort::sorted(twins, order), Reference::sorted(twins, order));
}

void TestWordSort::matchesOldProcedure_data()
{
    QTest::addColumn<SortOrder>("order");
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 2u, 3u}) {
        for (int i = 0; i < 6; ++i) {
            QTest::addRow("%s, seed %u", orderNames[i], seed) << allOrders[i] << seed;
        }
    }
}

void TestWordSort::matchesOldProcedure()
{
    QFETCH(SortOrder, order);
    QFETCH(unsigned, seed);
    // Longer than the old 502-slot arrays, to show no limit is left.
    const QStringList entries = randomEntries(1000, seed);
    QCOMPARE(WordSort::sorted(entries, order), Reference::sorted(entries, order));
}

QTEST_GUILESS_MAIN(TestWordSort)
#include "tst_word_sort.moc"
