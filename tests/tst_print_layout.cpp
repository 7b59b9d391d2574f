// The lines of the printed sections.
#include "print/print_layout.h"
#include "puzzle/cell_grid.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPrintLayout : public QObject
{
    Q_OBJECT

private slots:
    // Each cell its letter and a blank, the last one too; an empty cell two
    // blanks, so the letters after a gap stay in their columns. Only the rows
    // and columns asked for are read.
    void gridSection()
    {
        CellGrid grid(3, 5);
        const QString cells[] = {u"CAT.Z"_s, u"D...."_s, u"..X.."_s};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 5; ++c)
                if (cells[r][c] != u'.')
                    grid.setText(r, c, cells[r].mid(c, 1));
        QCOMPARE(PrintLayout::gridSection(u"Puzzle Key"_s, grid, 3, 4),
                 QStringList({u"Puzzle Key"_s, QString(), u"C A T   "_s, u"D       "_s, u"    X   "_s}));
        QCOMPARE(PrintLayout::gridSection(u"Puzzle"_s, grid, 0, 4), QStringList({u"Puzzle"_s, QString()}));
    }

    void listSection()
    {
        QCOMPARE(PrintLayout::listSection({u"TAC"_s, u"NEWYORK"_s}),
                 QStringList({u"List of Words"_s, QString(), u"TAC"_s, u"NEWYORK"_s}));
        QCOMPARE(PrintLayout::listSection({}), QStringList({u"List of Words"_s, QString()}));
    }

    // Resizing keeps what still lies inside; what appears is empty.
    void cellGridResizes()
    {
        CellGrid grid(2, 2);
        grid.setText(0, 0, u"A"_s);
        grid.setText(1, 1, u"B"_s);
        grid.setCols(3);
        grid.setRows(1);
        QCOMPARE(QStringList({grid.text(0, 0), grid.text(0, 1), grid.text(0, 2)}), QStringList({u"A"_s, {}, {}}));
        grid.setRows(2);
        QCOMPARE(grid.text(1, 1), QString());
        grid.clear();
        QCOMPARE(QList({grid.rows(), grid.cols(), int(grid.text(0, 0).size())}), QList({2, 3, 0}));
    }
};

QTEST_GUILESS_MAIN(TestPrintLayout)
#include "tst_print_layout.moc"
