// Print jobs as they come out on paper: a fixed-pitch face whatever was asked
// for, each section sized to fit the page, the page turned when that gives
// the grid more room, grid sections kept whole, the key under its puzzle.
#include "fakes.h"
#include "pdf.h"
#include "print/print_layout.h"
#include "print/qt_text_printer.h"
#include "puzzle/cell_grid.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

bool near(qreal a, qreal b, qreal within = 0.05)
{
    return std::abs(a - b) <= within;
}

} // namespace

class TestPageLayout : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // The job's lines sent through the real printer, which, with no printer
    // installed, saves them as `name` in a PDF file.
    QString printed(const QStringList &lines, const QString &fontName, const QString &name)
    {
        FakePlatform fakes;
        QtTextPrinter printer(fakes, fakes);
        fakes.saveAnswers << dir.filePath(name);
        printer.setFontName(fontName);
        for (const QString &line : lines)
            line.isEmpty() ? printer.printEmptyLine() : printer.printLine(line);
        printer.endDocument();
        return fakes.shown.isEmpty() ? dir.filePath(name) : fakes.shown.constFirst();
    }

private slots:
    void initTestCase()
    {
        if (!canReadPdfs())
            QSKIP("needs pdftotext, and no printer, so that jobs go to PDF files");
    }

    void everythingAtEverySize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<qreal>("gridPoints");
        QTest::addColumn<int>("pages");
        // Ten words: on A4 at 12 pt the whole job of 15 x 15 takes 49 of 54 lines.
        QTest::newRow("3 x 3") << 3 << 3 << false << 12.0 << 1;
        QTest::newRow("15 x 15") << 15 << 15 << false << 12.0 << 1;
        // Turned: a row of 80 characters fits across at 12 pt, not down; the
        // key then needs a page of its own.
        QTest::newRow("40 x 12") << 40 << 12 << true << 12.0 << 2;
        // Landscape would give 6.3 pt, but 100 rows would overrun the page.
        QTest::newRow("100 x 100") << 100 << 100 << false << 4.2 << 2;
    }
    // "Print Everything": puzzle, list and key.
    void everythingAtEverySize()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, landscape);
        QFETCH(qreal, gridPoints);
        QFETCH(int, pages);
        CellGrid puzzle(height, width), key(height, width);
        for (int r = 0; r < height; ++r) {
            for (int c = 0; c < width; ++c) {
                puzzle.setText(r, c, QString(QLatin1Char(char('A' + (r * 7 + c * 3) % 26))));
                if ((r + 2 * c) % 5 == 0)
                    key.setText(r, c, puzzle.text(r, c));
            }
        }
        const QStringList words = distinctEntries(10, 11, 1, 3, 3 + width / 4);
        const QStringList lines = PrintLayout::gridSection(u"Puzzle"_s, puzzle, height, width) + QStringList(2)
            + PrintLayout::listSection(words) + QStringList(1)
            + PrintLayout::gridSection(u"Puzzle Key"_s, key, height, width);
        QList<QSizeF> sheets;
        const QList<PrintedWord> printedWords
            = readBack(printed(lines, u"Ms Sans Serif"_s, u"everything.pdf"_s), &sheets);
        QCOMPARE(sheets.size(), pages); // a grid section moves to a new page only when it must
        for (const QSizeF &sheet : sheets)
            QCOMPARE(sheet.width() > sheet.height(), landscape);
        // Sort the words into titles, puzzle letters, listed words and key letters.
        QList<PrintedWord> titles, sections[3];
        for (qsizetype i = 0; i < printedWords.size(); ++i) {
            const QString &text = printedWords.at(i).text;
            if (text != u"Puzzle" && text != u"List") {
                sections[qMax(titles.size(), 1) - 1].append(printedWords.at(i));
                continue;
            }
            titles.append(printedWords.at(i));
            i += text == u"List" ? 2 : printedWords.value(i + 1).text == u"Key"; // past "of Words" or "Key"
        }
        const auto &[puzzleLetters, list, keyLetters] = sections;
        QCOMPARE(titles.size(), 3);
        QCOMPARE(puzzleLetters.size(), width * height);
        QCOMPARE(list.size(), words.size());
        // Titles and words at 12 pt, both grids at the one size that fits a row.
        const qreal twelve = titles.first().height;
        for (const PrintedWord &word : titles + list)
            QVERIFY2(near(word.height, twelve), qPrintable(word.text));
        for (const PrintedWord &letter : puzzleLetters + keyLetters)
            QVERIFY2(near(letter.height / twelve * 12, gridPoints), qPrintable(QString::number(letter.height)));
        // Each grid section, title and rows, stands on one page.
        QVERIFY(titles[0].page == puzzleLetters.first().page
                && puzzleLetters.first().page == puzzleLetters.last().page);
        QVERIFY(titles[2].page == keyLetters.first().page && keyLetters.first().page == keyLetters.last().page);
        // Every key letter stands over the same letter of the puzzle, row for row.
        const qreal pitch = (puzzleLetters.last().y - puzzleLetters.first().y) / (height - 1);
        // At one size throughout, an empty line under each title, two before the list.
        if (gridPoints == 12.0) {
            QVERIFY(near(puzzleLetters.first().y - titles[0].y, 2 * pitch, 0.5));
            QVERIFY(near(list.first().y - titles[1].y, 2 * pitch, 0.5));
            QVERIFY(titles[1].page > puzzleLetters.last().page
                    || near(titles[1].y - puzzleLetters.last().y, 3 * pitch, 0.5));
        }
        const qreal keyTop = titles[2].y + (puzzleLetters.first().y - titles[0].y);
        for (const PrintedWord &letter : keyLetters) {
            const int row = int(std::lround((letter.y - keyTop) / pitch));
            const int col
                = int(std::lround((letter.x - puzzleLetters.first().x) / (puzzleLetters[1].x - puzzleLetters[0].x)));
            QVERIFY2(key.contains(row, col) && key.text(row, col) == letter.text,
                     qPrintable(u"%1 at row %2, column %3"_s.arg(letter.text).arg(row).arg(col)));
        }
    }

    // A proportional face is not kept: a row of I and a row of W line up.
    void fixedPitchWhateverTheName()
    {
        for (const QString &name : {u"Arial"_s, u"Times New Roman"_s, u"Ms Sans Serif"_s, QString()}) {
            const QList<PrintedWord> words = readBack(printed({u"IIIIIIII"_s, u"WWWWWWWW"_s}, name, u"pitch.pdf"_s));
            QCOMPARE(words.size(), 2);
            QVERIFY2(near(words[0].right - words[0].x, words[1].right - words[1].x, 0.5), qPrintable(name));
        }
    }

    // A line too wide at 4 pt breaks rather than loses its end, inside the margins.
    void longLineBreaksInsideTheMargins()
    {
        const QList<PrintedWord> words = readBack(printed({QString(400, u'M')}, u"Ms Sans Serif"_s, u"line.pdf"_s));
        QCOMPARE(words.size(), 2);
        QCOMPARE(words[0].text + words[1].text, QString(400, u'M'));
        const qreal margin = 15 / 25.4 * 72; // 15 mm in points
        for (const PrintedWord &word : words)
            QVERIFY(word.x >= margin - 0.5 && word.right <= 595.3 - margin + 0.5 && word.y >= margin - 0.5
                    && near(word.height / 1.164, 4.0)); // the glyph box of this face at 4 pt, on A4
    }
};

QTEST_MAIN(TestPageLayout)
#include "tst_page_layout.moc"
