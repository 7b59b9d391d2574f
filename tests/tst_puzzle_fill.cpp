// From a generator's result to the stores Generate fills, and the marks of the words it did not hide.
#include "inputs.h"
#include "puzzle/generator.h"
#include "puzzle/puzzle.h"

#include <QTest>

using namespace Qt::StringLiterals;

static QString rows(const CellGrid &grid)
{
    QStringList lines(grid.rows());
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            lines[r] += grid.text(r, c).leftJustified(1, u'.');
    return lines.join(u'/');
}

class TestPuzzleFill : public QObject
{
    Q_OBJECT

private slots:
    // CAT along the top row of 4 x 3; every store held an earlier, larger puzzle's letters, which go.
    void fill()
    {
        GeneratorResult result;
        result.width = 4, result.height = 3, result.cells = {'C', 'A', 'T', 0, 0, 0, 0, 0, 0, 0, 0, 0};
        CellGrid table(5, 5), answer(3, 4), puzzle(3, 4);
        for (CellGrid *grid : {&table, &answer, &puzzle})
            for (int i = 0; i < 25; ++i)
                if (grid->contains(i / 5, i % 5))
                    grid->setText(i / 5, i % 5, u"Z"_s);
        ScriptedRandom random;
        for (int letter = 2; letter <= 26; ++letter)
            random.draws.push_back(drawFor(letter, 26));
        PuzzleFill::fill(result, random, table, answer, puzzle);
        QCOMPARE(QStringList({rows(answer), rows(table), rows(puzzle)}),
                 QStringList({u"CAT./..../...."_s, u"CAT../...../...../...../....."_s, u"CATB/CDEF/GHIJ"_s}));
        QCOMPARE(random.position, 9u); // one draw an empty cell, row by row
    }

    // Only the list Generate worked on is marked; each placement vouches for one entry.
    void marks()
    {
        const QStringList two{u"CAT"_s, u"DOG"_s}, same{u"NEWYORK"_s, u"NEW YORK"_s}, once{u"NEWYORK"_s};
        QCOMPARE(notHiddenMarks(two, std::nullopt, {}), QList<bool>());
        QCOMPARE(notHiddenMarks(two, QStringList{u"DOG"_s, u"CAT"_s}, two), QList<bool>());
        QCOMPARE(notHiddenMarks(same, same, once), QList({false, true}));
        QCOMPARE(notHiddenMarks(same, same, once + once), QList({false, false}));
    }
};

QTEST_GUILESS_MAIN(TestPuzzleFill)
#include "tst_puzzle_fill.moc"
