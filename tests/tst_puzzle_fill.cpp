// From a generator's result to the grids Generate fills, and the marks of the words it did not hide.
#include "inputs.h"
#include "puzzle/puzzle.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPuzzleFill : public QObject
{
    Q_OBJECT

private slots:
    // CAT along the top row of 4 x 3 in the answer grid and table; in the puzzle a fill letter a blank, up to Z.
    void fill()
    {
        GeneratorResult result;
        result.width = 4, result.height = 3, result.cells = {'C', 'A', 'T', 0, 0, 0, 0, 0, 0, 0, 0, 0};
        CellGrid table(5, 5), answer(3, 4), puzzle(3, 4);
        ScriptedRandom random;
        for (int letter = 18; letter <= 26; ++letter)
            random.draws.push_back(drawFor(letter, 26));
        PuzzleFill::fill(result, random, table, answer, puzzle);
        QString rows;
        for (const CellGrid *grid : {&answer, &table, &puzzle})
            for (int i = 0; i < grid->rows() * grid->cols(); ++i)
                rows += grid->text(i / grid->cols(), i % grid->cols()).leftJustified(1, u'.')
                    + (i % grid->cols() == grid->cols() - 1 ? u"/"_s : QString());
        QCOMPARE(rows, u"CAT./..../..../CAT../...../...../...../...../CATR/STUV/WXYZ/"_s);
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
