// Unwanted words spelt by the filler: found in all eight directions, never in the puzzle's own words, and reported.
#include "inputs.h"
#include "puzzle/unwanted_words.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Found = QList<Placement>; // where each word lies

// A 5 x 5 grid of X with `word` written from the centre along (rowStep, colStep).
static CellGrid spelling(const QString &word, int rowStep = 0, int colStep = 1)
{
    CellGrid grid(5, 5);
    for (int i = 0; i < 25; ++i)
        grid.setText(i / 5, i % 5, u"X"_s);
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
        const QStringList names = u"up and left,upward,up and right,leftward,,rightward,down and left,downward,"
                                  "down and right"_s.split(u',');
        for (int i = 0; i < 9; ++i)
            if (i != 4) // the centre is no direction
                QTest::newRow(qPrintable(names[i])) << i / 3 - 1 << i % 3 - 1;
    }
    void eachDirection()
    {
        QFETCH(int, rowStep);
        QFETCH(int, colStep);
        const CellGrid grid = spelling(u"BUM"_s, rowStep, colStep);
        CellGrid answer(5, 5);
        // Blanks and case are the list's own: "b um" is looked for as BUM.
        const Found found = UnwantedWords::find(grid, answer, {u"b um"_s, u"x"_s, u"MUD"_s});
        QCOMPARE(found, Found({{u"BUM"_s, 2, 2, rowStep, colStep, 3}}));
        QCOMPARE(
            UnwantedWords::report(found),
            u"Unwanted words in the filler: BUM (row 3, column 3, %1)."_s.arg(QLatin1String(QTest::currentDataTag())));
        // The letters of a placed word are the puzzle's, not the filler's; one filler letter among them makes them the
        // filler's again.
        for (int i = 0; i < 3; ++i)
            answer.setText(2 + i * rowStep, 2 + i * colStep, grid.text(2 + i * rowStep, 2 + i * colStep));
        QCOMPARE(UnwantedWords::find(grid, answer, {u"BUM"_s}).size(), 0);
        answer.setText(2 + 2 * rowStep, 2 + 2 * colStep, QString());
        QCOMPARE(UnwantedWords::find(grid, answer, {u"BUM"_s}).size(), 1);
    }

    void reportsEachOnce()
    {
        // A word read the same both ways is one finding, not two.
        QCOMPARE(UnwantedWords::find(spelling(u"POP"_s), CellGrid(5, 5), {u"POP"_s}),
                 Found({{u"POP"_s, 2, 2, 0, 1, 3}}));
        QCOMPARE(UnwantedWords::report({}), u"No unwanted word in the filler."_s);
    }
};

QTEST_GUILESS_MAIN(TestUnwantedWords)
#include "tst_unwanted_words.moc"
