#include "platform/cell_grid.h"

#include <QTest>

class TestCellGrid : public QObject
{
    Q_OBJECT

private slots:
    void unsetCellsReadEmpty();
    void resizeKeepsRemainingCells_data();
    void resizeKeepsRemainingCells();
    void clearKeepsCountsAndWidth();
};

void TestCellGrid::unsetCellsReadEmpty()
{
    CellGrid grid(3, 4);
    QCOMPARE(grid.rows(), 3);
    QCOMPARE(grid.cols(), 4);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            QCOMPARE(grid.text(r, c), QString());
    QVERIFY(!grid.contains(3, 0));
    QVERIFY(!grid.contains(0, 4));
    QVERIFY(!grid.contains(-1, 0));
}

void TestCellGrid::resizeKeepsRemainingCells_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::newRow("grow both") << 7 << 9;
    QTest::newRow("shrink both") << 2 << 3;
    QTest::newRow("wider, shorter") << 3 << 8;
    QTest::newRow("narrower, taller") << 8 << 2;
    QTest::newRow("same") << 5 << 5;
}

void TestCellGrid::resizeKeepsRemainingCells()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    CellGrid grid(5, 5);
    grid.setColWidth(240);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            grid.setText(r, c, QString(QChar(u'A' + r * 5 + c)));

    // Columns first, then rows, as the callers set them.
    grid.setCols(cols);
    grid.setRows(rows);

    QCOMPARE(grid.rows(), rows);
    QCOMPARE(grid.cols(), cols);
    QCOMPARE(grid.colWidth(), 240);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QString expected = r < 5 && c < 5 ? QString(QChar(u'A' + r * 5 + c)) : QString();
            QVERIFY2(grid.text(r, c) == expected, qPrintable(QStringLiteral("cell %1,%2").arg(r).arg(c)));
        }
    }
}

void TestCellGrid::clearKeepsCountsAndWidth()
{
    CellGrid grid(4, 6);
    grid.setColWidth(260);
    grid.setText(0, 0, QStringLiteral("A"));
    grid.setText(3, 5, QStringLiteral("Z"));
    grid.clear();
    QCOMPARE(grid.rows(), 4);
    QCOMPARE(grid.cols(), 6);
    QCOMPARE(grid.colWidth(), 260);
    QCOMPARE(grid.text(0, 0), QString());
    QCOMPARE(grid.text(3, 5), QString());
}

QTEST_GUILESS_MAIN(TestCellGrid)
#include "tst_cell_grid.moc"
