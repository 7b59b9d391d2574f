// The orders' ties at any length; the editor's tests pin each order.
#include "editor/word_sort.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordSort : public QObject
{
    Q_OBJECT

private slots:
    // Long runs of equal keys, which a sort that is not stable reorders:
    // ascending they keep their order, descending they go by whole entry.
    void tiesAtAnyLength()
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
