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
                 std::tuple(3, 3, 1, 36.0, u"2G|1K"_s), // half an inch a cell at most
                 std::tuple(15, 15, 15, 34.0, u"16G|1K"_s),
                 std::tuple(40, 12, 20, 12.75, u"1G|20|1K"_s),            // too small to share: the list after the grid
                 std::tuple(100, 100, 1000, 5.1, u"1G|416|416|168|1K"_s), // eight columns of 52 rows a page
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

    // The list under the grid, in columns as wide as the widest word and a space: a word given up left off or struck,
    // in list order or alphabetical, lower case if asked.
    void list()
    {
        for (const bool all : {false, true}) {
            Options options;
            options.alphabetical = all, options.lowerCase = all, options.showNotHidden = all;
            const QList<Word> words
                = listedWords(u"PLUM,EMU,NEW YORK,APE"_s.split(u','), {false, true, false, false}, options);
            QStringList shown;
            for (const Text &text : lay(options, 4, 5, words, a4, measure).pages.first().texts.mid(1))
                shown << text.text + QString::asprintf("@%g,%g", text.box.x(), text.box.y())
                        + (text.struck ? u"-"_s : QString());
            QCOMPARE(shown.join(u' '),
                     all ? u"ape@0,180 emu@72,180- new york@144,180 plum@216,180"_s
                         : u"PLUM@0,180 NEW YORK@72,180 APE@144,180"_s);
        }
    }
};

QTEST_GUILESS_MAIN(TestWorksheetLayout)
#include "tst_worksheet_layout.moc"
