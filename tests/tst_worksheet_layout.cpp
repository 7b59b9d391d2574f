// Where a worksheet puts things, in points on an A4 page: the cells, the
// list's columns, the page breaks, and the band around a word each way.
#include "print/worksheet_layout.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace WorksheetLayout;

namespace {
const QSizeF a4(510, 757); // A4 within 15 mm margins, in points
// A face where every character is 0.6 of the size wide, every line 1.2 high.
const Measure measure{[](const QString &text, qreal points, bool) { return text.size() * points * 0.6; },
                      [](qreal points) { return points * 1.2; }};

QList<Word> words(int count, int letters = 7)
{
    QList<Word> list;
    for (int i = 0; i < count; ++i)
        list.append({QString(letters, QLatin1Char(char('A' + i % 26))), false});
    return list;
}

// "T" a title or line, "G" a grid, "K" the key's grid, "w" a word, per page, "|" between pages.
QString pages(const Layout &layout)
{
    QStringList shown;
    for (const Page &page : layout.pages) {
        QString items;
        for (const Text &text : page.texts)
            items += text.text.size() == 7 && text.points == 12 ? u'w' : u'T';
        if (page.grid)
            items += page.key ? u'K' : u'G';
        shown.append(items);
    }
    return shown.join(u'|');
}
} // namespace

class TestWorksheetLayout : public QObject
{
    Q_OBJECT

private slots:
    void pageBreaks_data()
    {
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("listed");
        QTest::addColumn<qreal>("cell");
        QTest::addColumn<QString>("pages");
        // Small grids stop at half an inch a cell; the words in five columns under the grid.
        QTest::newRow("3 x 3") << 3 << 3 << 1 << 36.0 << u"TwG|TK"_s;
        QTest::newRow("15 x 15") << 15 << 15 << 15 << 34.0 << u"Twwwwwwwwwwwwwww"_s + u"G|TK"_s;
        // 40 across: 12.75 pt cells, too small to share; the list after the grid.
        QTest::newRow("40 x 12") << 40 << 12 << 20 << 12.75 << u"TG|"_s + QString(20, u'w') + u"|TK"_s;
        // 1,000 words fill pages of eight columns of 52 rows (of 14.4 pt), and the rest.
        QTest::newRow("100 x 100") << 100 << 100 << 1000 << 5.1
                                   << u"TG|"_s + QString(416, u'w') + u'|' + QString(416, u'w') + u'|'
                + QString(168, u'w') + u"|TK"_s;
    }
    void pageBreaks()
    {
        QFETCH(int, cols);
        QFETCH(int, rows);
        QFETCH(int, listed);
        QFETCH(qreal, cell);
        QFETCH(QString, pages);
        const Layout layout = lay(Options(), rows, cols, words(listed), a4, measure);
        QCOMPARE(::pages(layout), pages);
        QCOMPARE(layout.pages.first().grid->cell, cell);
        QCOMPARE(layout.gridAlone, cell < readableCell);
        const Grid &grid = *layout.pages.first().grid;
        QVERIFY(grid.rect().right() <= a4.width() + 1e-9 && grid.rect().bottom() <= a4.height());
        QCOMPARE(grid.rect().center().x(), a4.width() / 2); // centred across
    }

    // Title, instruction and Name/Date lines, then the grid; its cells square,
    // side by side; the words down as many columns as fit, as wide as the widest.
    void placesOnTheFirstPage()
    {
        Options options;
        options.instruction = u"Find the animals."_s;
        options.nameAndDate = true;
        options.textPoints = 18; // large print: the title half as large again
        const QList<Word> list{{u"CAT"_s, false}, {u"ELEPHANT"_s, false}, {u"DOG"_s, false}, {u"EMU"_s, true}};
        const Page page = lay(options, 4, 5, list, a4, measure).pages.first();
        QCOMPARE(page.texts.at(0).box, QRectF(0, 0, 11 * 27 * 0.6, 27 * 1.2)); // "Word Search"
        QCOMPARE(page.texts.at(0).bold, true);
        QCOMPARE(page.texts.at(1).box.topLeft(), QPointF(0, 27 * 1.2));
        QCOMPARE(page.texts.at(2).text.left(5), u"Name:"_s);
        const qreal top = 27 * 1.2 + 2 * 18 * 1.2 + 18 * 0.6;
        QCOMPARE(page.grid->cellRect(1, 2), QRectF(255 - 2.5 * 36 + 2 * 36, top + 36, 36, 36));
        const qreal column = 8 * 18 * 0.6 + 2 * 18 * 0.6; // ELEPHANT and a space of MM
        const qreal listTop = top + 4 * 36 + 18 * 0.6;
        QStringList placed;
        for (const Text &text : page.texts.mid(3))
            placed << u"%1@%2,%3%4"_s.arg(text.text)
                          .arg(text.box.x() / column)
                          .arg((text.box.y() - listTop) / 21.6)
                          .arg(text.struck ? u"-"_s : QString());
        QCOMPARE(placed.join(u' '), u"CAT@0,0 ELEPHANT@1,0 DOG@2,0 EMU@3,0-"_s);
    }

    // Left off or struck, in list order or alphabetical, lower case if asked.
    void listedWords_data()
    {
        QTest::addColumn<bool>("alphabetical");
        QTest::addColumn<bool>("lowerCase");
        QTest::addColumn<bool>("showNotHidden");
        QTest::addColumn<QString>("listed");
        QTest::newRow("as they came") << false << false << false << u"PLUM,NEW YORK,APE"_s;
        QTest::newRow("alphabetical") << true << false << false << u"APE,NEW YORK,PLUM"_s;
        QTest::newRow("not hidden, struck") << false << false << true << u"PLUM,EMU-,NEW YORK,APE"_s;
        QTest::newRow("lower case") << true << true << true << u"ape,emu-,new york,plum"_s;
    }
    void listedWords()
    {
        QFETCH(bool, alphabetical);
        QFETCH(bool, lowerCase);
        QFETCH(bool, showNotHidden);
        QFETCH(QString, listed);
        Options options;
        options.alphabetical = alphabetical;
        options.lowerCase = lowerCase;
        options.showNotHidden = showNotHidden;
        QStringList shown;
        for (const Word &word :
             WorksheetLayout::listedWords(u"PLUM,EMU,NEW YORK,APE"_s.split(u','), {false, true, false, false}, options))
            shown << word.text + (word.notHidden ? u"-"_s : QString());
        QCOMPARE(shown.join(u','), listed);
    }

    // A band from the centre of the first cell to that of the last, in each
    // of the eight directions; none for a word the grid no longer holds.
    void outlines_data()
    {
        QTest::addColumn<int>("rowStep");
        QTest::addColumn<int>("colStep");
        QTest::addColumn<QPointF>("to");
        const std::tuple<const char *, int, int> directions[]
            = {{"right", 0, 1}, {"down right", 1, 1}, {"down", 1, 0}, {"down left", 1, -1},
               {"left", 0, -1}, {"up left", -1, -1},  {"up", -1, 0},  {"up right", -1, 1}};
        for (const auto &[name, rowStep, colStep] : directions)
            QTest::newRow(name) << rowStep << colStep << QPointF(115 + 20 * colStep, 215 + 20 * rowStep);
    }
    void outlines()
    {
        QFETCH(int, rowStep);
        QFETCH(int, colStep);
        QFETCH(QPointF, to);
        const Grid grid{QPointF(10, 10), 10, 30, 30};
        const std::optional<Outline> band = outline(grid, {u"ABC"_s, 20, 10, rowStep, colStep, 3});
        QVERIFY(band);
        QCOMPARE(*band, (Outline{QPointF(115, 215), to, 4.2}));
        QVERIFY(!outline(grid, {u"ABC"_s, 29, 29, rowStep || colStep ? 1 : 0, 1, 3})); // past the edge
    }
};

QTEST_GUILESS_MAIN(TestWorksheetLayout)
#include "tst_worksheet_layout.moc"
