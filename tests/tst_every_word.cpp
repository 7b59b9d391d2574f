// "Place every word": each try a fresh number and the generator's own run from it, stopping at every word hidden or
// at the budget, the best try kept; and a number that makes the same draws again.
#include "inputs.h"
#include "puzzle/every_word.h"
#include "puzzle/generator.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestEveryWord : public QObject
{
    Q_OBJECT

private slots:
    // AB, CD and EF in 3 x 3: number n hides the first hidden[n - 1] of them, each in a row of its own; the rest
    // start on the A and never fit.
    void search_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QList<int>>("hidden");
        QTest::addColumn<int>("budget"); // tries; 0: no time either
        QTest::addColumn<QString>("summary");
        QTest::addColumn<quint32>("best");
        const QStringList three{u"AB"_s, u"CD"_s, u"EF"_s};
        QTest::newRow("out of tries") << three << QList({1, 2, 1, 1, 1, 3}) << 5 << u"2 of 3 placed after 5 tries"_s
                                      << 2u;
        QTest::newRow("first of equals") << three << QList({1, 2, 2}) << 3 << u"2 of 3 placed after 3 tries"_s << 2u;
        QTest::newRow("out of time") << three << QList({1, 3}) << 0 << u"1 of 3 placed after 1 try"_s << 1u;
        QTest::newRow("none fits") << QStringList({u"ELEPHANT"_s}) << QList<int>() << 200
                                   << u"0 of 1 placed after 1 try"_s << 1u; // the same at every try
    }
    void search()
    {
        QFETCH(QStringList, entries);
        QFETCH(QList<int>, hidden);
        QFETCH(int, budget);
        ScriptedRandom random;
        random.seeded = [hidden](quint32 number) {
            std::vector<float> draws;
            for (int row = 1; row <= hidden.value(number - 1); ++row)
                draws.insert(draws.end(), {drawFor(1, 3), drawFor(row, 3), drawFor(1, 8)});
            return draws;
        };
        EveryWordSearch search(entries, 3, 3, AttemptLimit::NoBrainer, random, {qMax(budget, 1), budget ? 60000 : 0});
        while (search.step()) { }
        QTEST(search.summary(), "summary");
        QTEST(search.bestNumber(), "best");
        QVERIFY(search.over() && !search.step());
        QCOMPARE(random.seeds.size(), search.tries()); // a fresh number for each try, the whole run from it
        for (int i = 0; i < search.tries(); ++i)
            QCOMPARE(random.seeds[i], quint32(i + 1));
        QCOMPARE(search.bestHidden(), hidden.value(int(search.bestNumber()) - 1));
    }

    void numbersMakeTheSameDraws()
    {
        ClockSeededRandom random;
        const auto firstDraw = [&](quint32 number) { return random.seed(number), random.next(); };
        QVERIFY(firstDraw(42) != firstDraw(43) && firstDraw(42) == firstDraw(42));
    }
};

QTEST_GUILESS_MAIN(TestEveryWord)
#include "tst_every_word.moc"
