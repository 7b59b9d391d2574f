// From a generator's result to the stores Generate fills, and the marks of
// the words it did not hide.
#include "inputs.h"
#include "puzzle/generator.h"
#include "puzzle/puzzle.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QString rows(const CellGrid &grid)
{
    QStringList lines(grid.rows());
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            lines[r] += grid.text(r, c).leftJustified(1, u'.');
    return lines.join(u'/');
}
} // namespace

class TestPuzzleFill : public QObject
{
    Q_OBJECT

private slots:
    // CAT along the top row of 4 x 3; the table and grids held an earlier,
    // larger puzzle's letters, which go.
    void fill()
    {
        GeneratorResult result;
        result.width = 4;
        result.height = 3;
        result.cells = {'C', 'A', 'T', 0, 0, 0, 0, 0, 0, 0, 0, 0};
        CellGrid table(5, 5), answer(3, 4), puzzle(3, 4);
        for (CellGrid *grid : {&table, &answer, &puzzle})
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 4; ++c)
                    grid->setText(r, c, u"Z"_s);
        table.setText(4, 4, u"Z"_s);
        ScriptedRandom random;
        for (int letter = 2; letter <= 26; ++letter)
            random.draws.push_back(drawFor(letter, 26));
        PuzzleFill::fill(result, random, table, answer, puzzle);
        QCOMPARE(rows(answer), u"CAT./..../...."_s);
        QCOMPARE(rows(table), u"CAT../...../...../...../....."_s);
        QCOMPARE(rows(puzzle), u"CATB/CDEF/GHIJ"_s); // one draw a cell, row by row
        QCOMPARE(random.position, 9u);
    }

    void marks_data()
    {
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("generatedFrom"); // empty: no Generate yet
        QTest::addColumn<QStringList>("placed");
        QTest::addColumn<QList<bool>>("marks");
        const QStringList two{u"CAT"_s, u"DOG"_s};
        QTest::newRow("no Generate yet") << two << QStringList() << QStringList() << QList<bool>();
        QTest::newRow("all hidden") << two << two << two << QList<bool>{false, false};
        QTest::newRow("one given up") << two << two << QStringList{u"CAT"_s} << QList<bool>{false, true};
        QTest::newRow("another list") << two << QStringList{u"CAT"_s} << QStringList{u"CAT"_s} << QList<bool>();
        QTest::newRow("another order") << two << QStringList{u"DOG"_s, u"CAT"_s} << two << QList<bool>();
        const QStringList same{u"NEWYORK"_s, u"NEW YORK"_s};
        QTest::newRow("one placement, two entries")
            << same << same << QStringList{u"NEWYORK"_s} << QList<bool>{false, true};
        QTest::newRow("placed twice") << same << same << QStringList{u"NEWYORK"_s, u"NEWYORK"_s}
                                      << QList<bool>{false, false};
    }
    void marks()
    {
        QFETCH(QStringList, shown);
        QFETCH(QStringList, generatedFrom);
        QFETCH(QStringList, placed);
        QFETCH(QList<bool>, marks);
        const auto from = generatedFrom.isEmpty() ? std::nullopt : std::optional(generatedFrom);
        QCOMPARE(notHiddenMarks(shown, from, placed), marks);
    }
};

QTEST_GUILESS_MAIN(TestPuzzleFill)
#include "tst_puzzle_fill.moc"
