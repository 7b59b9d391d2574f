// Where a worksheet puts things, in points on an A4 page.
#include "print/worksheet_layout.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace WorksheetLayout;

namespace {
const QSizeF a4(510, 757); // A4 within 15 mm margins, in points
// A face where every character is 0.6 of the size wide, every line 1.2 high.
const Measure measure{[](const QString &text, qreal points, bool) { return text.size() * points * 0.6; },
                      [](qreal points) { return points * 1.2; }};
} // namespace

class TestWorksheetLayout : public QObject
{
    Q_OBJECT

private slots:
    // Per page ('|' between): how many texts (titles, words), then 'G' the grid or 'K' the key's.
    void pageBreaks()
    {
        for (const auto &[cols, rows, listed, cell, pages] : {
                 // Small grids stop at half an inch a cell; the words in five columns under the grid.
                 std::tuple(3, 3, 1, 36.0, u"2G|1K"_s),
                 std::tuple(15, 15, 15, 34.0, u"16G|1K"_s),
                 // 40 across: 12.75 pt cells, too small to share; the list after the grid.
                 std::tuple(40, 12, 20, 12.75, u"1G|20|1K"_s),
                 // 1,000 words fill pages of eight columns of 52 rows (of 14.4 pt), and the rest.
                 std::tuple(100, 100, 1000, 5.1, u"1G|416|416|168|1K"_s),
             }) {
            QList<Word> words;
            for (int i = 0; i < listed; ++i)
                words.append({QString(7, QLatin1Char(char('A' + i % 26))), false});
            const Layout layout = lay(Options(), rows, cols, words, a4, measure);
            QStringList shown;
            for (const Page &page : layout.pages)
                shown << QString::number(page.texts.size()) + (page.grid ? page.key ? u"K"_s : u"G"_s : QString());
            QCOMPARE(shown.join(u'|'), pages);
            const Grid &grid = *layout.pages.first().grid;
            QCOMPARE(QList<qreal>({grid.cell, qreal(layout.gridAlone), grid.rect().center().x()}),
                     QList<qreal>({cell, qreal(cell < readableCell), a4.width() / 2})); // centred across
        }
    }

    // Title (half as large again), instruction and Name/Date lines, the grid's square cells centred under them; the
    // words down as many columns as fit, as wide as the widest and a space, a word not hidden struck.
    void placesOnTheFirstPage()
    {
        Options options;
        options.instruction = u"Find the animals."_s, options.nameAndDate = true, options.textPoints = 18;
        const QList<Word> list{{u"CAT"_s, false}, {u"ELEPHANT"_s, false}, {u"DOG"_s, false}, {u"EMU"_s, true}};
        const Page page = lay(options, 4, 5, list, a4, measure).pages.first();
        QStringList placed;
        for (const Text &text : page.texts)
            placed << QString::asprintf("%s@%g,%g,%g/%g%s%s", qPrintable(text.text.left(4)), text.box.x(), text.box.y(),
                                        text.box.width(), text.points, text.bold ? "*" : "", text.struck ? "-" : "");
        QCOMPARE(placed.join(u' '),
                 u"Word@0,0,178.2/27* Find@0,32.4,183.6/18 Name@0,54,529.2/18 CAT@0,241.2,32.4/18 "
                 "ELEP@108,241.2,86.4/18 DOG@216,241.2,32.4/18 EMU@324,241.2,32.4/18-"_s);
        QCOMPARE(page.grid->cellRect(1, 2), QRectF(255 - 2.5 * 36 + 2 * 36, 86.4 + 36, 36, 36));
    }

    // Left off or struck, in list order or alphabetical, lower case if asked.
    void listedWords()
    {
        for (const bool all : {false, true}) {
            Options options;
            options.alphabetical = all, options.lowerCase = all, options.showNotHidden = all;
            QStringList shown;
            for (const Word &word : WorksheetLayout::listedWords(u"PLUM,EMU,NEW YORK,APE"_s.split(u','),
                                                                 {false, true, false, false}, options))
                shown << word.text + (word.notHidden ? u"-"_s : QString());
            QCOMPARE(shown.join(u','), all ? u"ape,emu-,new york,plum"_s : u"PLUM,NEW YORK,APE"_s);
        }
    }

    // A band from the centre of the first cell to that of the last, each of the eight ways; none for a word that
    // runs out of the grid (cut to smaller dimensions since).
    void outlines()
    {
        const Grid grid{QPointF(10, 10), 10, 30, 30};
        for (const auto &[rowStep, colStep] :
             {std::pair(0, 1), {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}}) {
            QCOMPARE(outline(grid, {u"ABC"_s, 20, 10, rowStep, colStep, 3}),
                     (Outline{QPointF(115, 215), QPointF(115 + 20 * colStep, 215 + 20 * rowStep), 4.2}));
            QVERIFY(!outline(grid, {u"ABC"_s, 20, 10, rowStep, colStep, 31}));
        }
    }
};

QTEST_GUILESS_MAIN(TestWorksheetLayout)
#include "tst_worksheet_layout.moc"
