// The lines of a printed grid section.
#include "print/print_layout.h"
#include "puzzle/cell_grid.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPrintLayout : public QObject
{
    Q_OBJECT

private slots:
    // An empty cell is two blanks, so letters after a gap keep their columns; only the rows and columns asked print.
    void gridSection()
    {
        CellGrid grid(4, 5);
        for (const auto &[r, c, letter] :
             {std::tuple(0, 0, u"C"_s), {0, 1, u"A"_s}, {0, 2, u"T"_s}, {0, 4, u"Z"_s}, {1, 0, u"D"_s}, {2, 2, u"X"_s}})
            grid.setText(r, c, letter);
        QCOMPARE(PrintLayout::gridSection(u"Puzzle Key"_s, grid, 3, 4),
                 QStringList({u"Puzzle Key"_s, QString(), u"C A T   "_s, u"D       "_s, u"    X   "_s}));
    }
};

QTEST_GUILESS_MAIN(TestPrintLayout)
#include "tst_print_layout.moc"
