// Unwanted words spelt by the filler: found in all eight directions, never in
// the puzzle's own words, reported, and drawn over without moving a word.
#include "inputs.h"
#include "puzzle/unwanted_words.h"

#include <QTest>

using namespace Qt::StringLiterals;

// A 5 x 5 grid of X with `word` written from the centre along (rowStep, colStep).
static CellGrid spelling(const QString &word, int rowStep, int colStep)
{
    CellGrid grid(5, 5);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            grid.setText(r, c, u"X"_s);
    for (int i = 0; i < word.size(); ++i)
        grid.setText(2 + i * rowStep, 2 + i * colStep, word.mid(i, 1));
    return grid;
}

class TestUnwantedWords : public QObject
{
    Q_OBJECT

private slots:
    void eachDirection_data()
    {
        QTest::addColumn<int>("rowStep");
        QTest::addColumn<int>("colStep");
        QTest::addColumn<QString>("report");
        const QString found = u"Unwanted words in the filler: BUM (row 3, column 3, %1)."_s;
        QTest::newRow("rightward") << 0 << 1 << found.arg(u"rightward");
        QTest::newRow("down and right") << 1 << 1 << found.arg(u"down and right");
        QTest::newRow("downward") << 1 << 0 << found.arg(u"downward");
        QTest::newRow("down and left") << 1 << -1 << found.arg(u"down and left");
        QTest::newRow("leftward") << 0 << -1 << found.arg(u"leftward");
        QTest::newRow("up and left") << -1 << -1 << found.arg(u"up and left");
        QTest::newRow("upward") << -1 << 0 << found.arg(u"upward");
        QTest::newRow("up and right") << -1 << 1 << found.arg(u"up and right");
    }
    void eachDirection()
    {
        QFETCH(int, rowStep);
        QFETCH(int, colStep);
        const CellGrid grid = spelling(u"BUM"_s, rowStep, colStep);
        CellGrid answer(5, 5);
        // Blanks and case are the list's own: "b um" is looked for as BUM.
        const QList<UnwantedWords::Found> found = UnwantedWords::find(grid, answer, {u"b um"_s, u"x"_s, u"MUD"_s});
        QCOMPARE(found, QList<UnwantedWords::Found>({{u"BUM"_s, 2, 2, rowStep, colStep}}));
        QTEST(UnwantedWords::report(found), "report");
        // The same letters as a placed word are the puzzle's, not the filler's;
        // one filler letter among them makes them the filler's again.
        for (int i = 0; i < 3; ++i)
            answer.setText(2 + i * rowStep, 2 + i * colStep, grid.text(2 + i * rowStep, 2 + i * colStep));
        QCOMPARE(UnwantedWords::find(grid, answer, {u"BUM"_s}).size(), 0);
        answer.setText(2 + 2 * rowStep, 2 + 2 * colStep, QString());
        QCOMPARE(UnwantedWords::find(grid, answer, {u"BUM"_s}).size(), 1);
    }

    void reportsEachOnce()
    {
        // A word read the same both ways is one finding, not two.
        const CellGrid grid = spelling(u"POP"_s, 0, 1);
        QCOMPARE(UnwantedWords::find(grid, CellGrid(5, 5), {u"POP"_s, u"BUM"_s}),
                 QList<UnwantedWords::Found>({{u"POP"_s, 2, 2, 0, 1}}));
        QCOMPARE(UnwantedWords::report({}), u"No unwanted word in the filler."_s);
        QCOMPARE(
            UnwantedWords::report({{u"POO"_s, 0, 4, 1, 0}, {u"BUM"_s, 4, 0, -1, 1}}),
            u"Unwanted words in the filler: POO (row 1, column 5, downward); BUM (row 5, column 1, up and right)."_s);
        QVERIFY(UnwantedWords::starting().contains(u"BUM"_s));
    }

    void refillDrawsOnlyTheFiller()
    {
        CellGrid grid = spelling(u"BUM"_s, 0, 1), answer(5, 5);
        answer.setText(2, 2, u"B"_s);
        answer.setText(2, 3, u"U"_s);
        ScriptedRandom random;
        for (int letter = 1; letter <= 23; ++letter)
            random.draws.push_back(drawFor(letter, 26));
        UnwantedWords::refill(grid, answer, random);
        QString rows;
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c)
                rows += grid.text(r, c);
        QCOMPARE(rows, u"ABCDEFGHIJKLBUMNOPQRSTUVW"_s);
        QCOMPARE(random.position, std::size_t(23));
    }
};

QTEST_GUILESS_MAIN(TestUnwantedWords)
#include "tst_unwanted_words.moc"
