// "Place every word": each try a fresh number and the generator's own run from
// it, stopping at every word hidden or at the budget, the best try kept.
#include "inputs.h"
#include "puzzle/every_word.h"
#include "puzzle/generator.h"

#include <QTest>

using namespace Qt::StringLiterals;

// AB, CD and EF in a 3 x 3 grid: number n hides the first hidden[n - 1] of
// them, each in a row of its own; the rest start on the A and never fit.
static ScriptedRandom numbered(const QList<int> &hidden)
{
    ScriptedRandom random;
    random.seeded = [hidden](quint32 number) {
        std::vector<float> draws;
        for (int row = 1; row <= hidden.value(number - 1, 1); ++row)
            draws.insert(draws.end(), {drawFor(1, 3), drawFor(row, 3), drawFor(1, 8)});
        return draws;
    };
    return random;
}

class TestEveryWord : public QObject
{
    Q_OBJECT

private slots:
    void search_data()
    {
        QTest::addColumn<QList<int>>("hidden"); // by number
        QTest::addColumn<int>("budgetTries");
        QTest::addColumn<qint64>("budgetMs");
        QTest::addColumn<int>("tries");
        QTest::addColumn<quint32>("best");
        QTest::addColumn<QString>("summary");
        QTest::newRow("all hidden at the third try")
            << QList({1, 2, 3, 3}) << 200 << 60000LL << 3 << 3u << u"All 3 words placed (try 3)"_s;
        QTest::newRow("out of tries") << QList({1, 2, 1, 1, 1, 2}) << 5 << 60000LL << 5 << 2u
                                      << u"2 of 3 placed after 5 tries"_s;
        QTest::newRow("the first of equals kept")
            << QList({1, 2, 2}) << 3 << 60000LL << 3 << 2u << u"2 of 3 placed after 3 tries"_s;
        QTest::newRow("out of time") << QList({2, 3}) << 200 << 0LL << 1 << 1u << u"2 of 3 placed after 1 try"_s;
    }
    void search()
    {
        QFETCH(QList<int>, hidden);
        QFETCH(int, budgetTries);
        QFETCH(qint64, budgetMs);
        ScriptedRandom random = numbered(hidden);
        const QStringList entries{u"AB"_s, u"CD"_s, u"EF"_s};
        EveryWordSearch search(entries, 3, 3, AttemptLimit::NoBrainer, random, {budgetTries, budgetMs});
        int steps = 1;
        while (search.step())
            ++steps;
        QCOMPARE(search.tries(), steps);
        QTEST(search.tries(), "tries");
        QTEST(search.bestNumber(), "best");
        QTEST(search.summary(), "summary");
        QVERIFY(search.over() && !search.step());
        // Each try drew a fresh number and started its run there: the draws
        // the generator made are all that number's, the fill's are not taken.
        QCOMPARE(random.seeds.size(), search.tries());
        for (qsizetype i = 0; i < random.seeds.size(); ++i)
            QCOMPARE(random.seeds[i], quint32(i + 1));
        const std::size_t hiddenByBest = hidden[int(search.bestNumber()) - 1];
        QCOMPARE(search.bestHidden(), qsizetype(hiddenByBest));
        random.seed(search.bestNumber()); // the best made again is what was counted
        QCOMPARE(generate(entries, 3, 3, AttemptLimit::NoBrainer, random).placed.size(), qsizetype(hiddenByBest));
    }

    void stopsWhenAskedOrWhenNothingFits()
    {
        ScriptedRandom random = numbered({1, 1, 1});
        EveryWordSearch stopped({u"AB"_s, u"CD"_s}, 3, 3, AttemptLimit::NoBrainer, random, {});
        QVERIFY(stopped.step());
        stopped.stop();
        QVERIFY(!stopped.step());
        QCOMPARE(stopped.summary(), u"1 of 2 placed after 1 try"_s);
        // A list nothing of which fits is the same at every try.
        EveryWordSearch nothing({u"ELEPHANT"_s}, 3, 3, AttemptLimit::NoBrainer, random, {});
        QVERIFY(!nothing.step());
        QCOMPARE(nothing.summary(), u"0 of 1 placed after 1 try"_s);
        // One word, placed: said so, not as "all 1 words".
        EveryWordSearch one({u"AB"_s}, 3, 3, AttemptLimit::NoBrainer, random, {});
        QVERIFY(!one.step());
        QCOMPARE(one.summary(), u"The word placed (try 1)"_s);
    }
};

QTEST_GUILESS_MAIN(TestEveryWord)
#include "tst_every_word.moc"
