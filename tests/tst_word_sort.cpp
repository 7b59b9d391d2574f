// The six orders, their keys and their ties, at any length.
#include "editor/word_sort.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordSort : public QObject
{
    Q_OBJECT

private slots:
    // CAT and BIG CAT share both keys: ascending they keep their order. A  B's
    // second-word key begins with a blank, which sorts before every letter.
    void orders_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("sorted");
        QTest::newRow("ascending by 1st word")
            << int(SortOrder::AscendingFirst) << u"A  B,BIG CAT,CAT,NEW,NEW YORK,NEW YORK CITY,NEWARK,ZEBRA"_s;
        QTest::newRow("ascending by 2nd word")
            << int(SortOrder::AscendingSecond) << u"A  B,CAT,BIG CAT,NEW,NEWARK,NEW YORK,NEW YORK CITY,ZEBRA"_s;
        QTest::newRow("ascending by last word")
            << int(SortOrder::AscendingLast) << u"A  B,CAT,BIG CAT,NEW YORK CITY,NEW,NEWARK,NEW YORK,ZEBRA"_s;
        QTest::newRow("descending by 1st word")
            << int(SortOrder::DescendingFirst) << u"ZEBRA,NEWARK,NEW YORK CITY,NEW YORK,NEW,CAT,BIG CAT,A  B"_s;
        QTest::newRow("descending by 2nd word")
            << int(SortOrder::DescendingSecond) << u"ZEBRA,NEW YORK CITY,NEW YORK,NEWARK,NEW,BIG CAT,CAT,A  B"_s;
        QTest::newRow("descending by last word")
            << int(SortOrder::DescendingLast) << u"ZEBRA,NEW YORK,NEWARK,NEW,NEW YORK CITY,BIG CAT,CAT,A  B"_s;
    }
    void orders()
    {
        QFETCH(int, order);
        QFETCH(QString, sorted);
        const QStringList entries = u"NEW YORK CITY,CAT,ZEBRA,NEWARK,BIG CAT,A  B,NEW YORK,NEW"_s.split(u',');
        QCOMPARE(WordSort::sorted(entries, SortOrder(order)).join(u','), sorted);
        QCOMPARE(WordSort::sorted(WordSort::sorted(entries, SortOrder(order)), SortOrder(order)).join(u','), sorted);
        QCOMPARE(WordSort::sorted({}, SortOrder(order)), QStringList());
    }

    void keys()
    {
        QCOMPARE(QStringList({WordSort::secondWordKey(u"NEW YORK CITY"_s), WordSort::secondWordKey(u"A  B"_s),
                              WordSort::secondWordKey(u"CAT"_s), WordSort::lastWordKey(u"NEW YORK CITY"_s),
                              WordSort::lastWordKey(u"A  B"_s), WordSort::lastWordKey(u"CAT"_s)}),
                 QStringList({u"YORK CITY"_s, u" B"_s, u"CAT"_s, u"CITY"_s, u"B"_s, u"CAT"_s}));
    }

    // Long runs of equal keys, which a sort that is not stable reorders.
    void stableAtAnyLength()
    {
        QStringList cats, dogs, all;
        for (int i = 0; i < 600; ++i)
            all << (i % 2 ? cats : dogs).emplace_back(QString::number(i * 7919 % 600) + (i % 2 ? u" CAT" : u" DOG"));
        const auto whole = [](const QStringList &l) { return WordSort::sorted(l, SortOrder::AscendingFirst); };
        for (const SortOrder order : {SortOrder::AscendingSecond, SortOrder::AscendingLast})
            QCOMPARE(WordSort::sorted(all, order), cats + dogs);
        for (const SortOrder order : {SortOrder::DescendingSecond, SortOrder::DescendingLast})
            QCOMPARE(WordSort::sorted(all, order), whole(dogs) + whole(cats));
    }
};

QTEST_GUILESS_MAIN(TestWordSort)
#include "tst_word_sort.moc"
