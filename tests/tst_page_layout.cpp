// Print jobs as they come out on paper, read back from the PDF files they make.
#include "fakes.h"
#include "pdf.h"
#include "print/print_layout.h"
#include "print/qt_text_printer.h"
#include "puzzle/cell_grid.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

class TestPageLayout : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    static bool near(qreal a, qreal b, qreal within = 0.05) { return std::abs(a - b) <= within; }
    // The job's words as the real printer, with no printer installed, saves them in a PDF file.
    QList<PrintedWord> printed(const QStringList &lines, const QString &fontName, QList<QSizeF> *pages = nullptr)
    {
        FakePlatform fakes;
        QtTextPrinter printer(fakes, fakes);
        fakes.saveAnswers << dir.filePath(u"job.pdf"_s);
        printer.setFontName(fontName);
        for (const QString &line : lines)
            line.isEmpty() ? printer.printEmptyLine() : printer.printLine(line);
        printer.endDocument();
        return fakes.shown.isEmpty() ? readBack(dir.filePath(u"job.pdf"_s), pages) : QList<PrintedWord>();
    }

private slots:
    void initTestCase()
    {
        if (!canReadPdfs())
            QSKIP("needs pdftotext, and no printer, so that jobs go to PDF files");
    }

    // "Print Everything" in whatever face was asked for: both grids at the one size that fits a row, a grid section
    // moved to a new page only when it must, the page turned when that gives the grid more room.
    void everythingAtEverySize()
    {
        for (const auto &[width, height, landscape, gridPoints, pages, face] : {
                 // Ten words: on A4 at 12 pt the whole job of 15 x 15 takes 49 of 54 lines.
                 std::tuple(3, 3, false, 12.0, 1, u"Arial"_s),
                 std::tuple(15, 15, false, 12.0, 1, u"Times New Roman"_s),
                 // Turned: a row of 80 characters fits across at 12 pt, not down; the key then needs its own page.
                 std::tuple(40, 12, true, 12.0, 2, QString()),
                 // Landscape would give 6.3 pt, but 100 rows would overrun the page.
                 std::tuple(100, 100, false, 4.2, 2, u"Ms Sans Serif"_s),
             }) {
            CellGrid puzzle(height, width), key(height, width);
            for (int r = 0; r < height; ++r)
                for (int c = 0; c < width; ++c) {
                    puzzle.setText(r, c, QString(QLatin1Char(char('A' + (r * 7 + c * 3) % 26))));
                    key.setText(r, c, (r + 2 * c) % 5 ? QString() : puzzle.text(r, c));
                }
            const QStringList lines = PrintLayout::gridSection(u"Puzzle"_s, puzzle, height, width) + QStringList(2)
                + PrintLayout::listSection(distinctEntries(10, 11, 1, 3, 3 + width / 4)) + QStringList(1)
                + PrintLayout::gridSection(u"Puzzle Key"_s, key, height, width);
            QList<QSizeF> sheets;
            const QList<PrintedWord> words = printed(lines, face, &sheets);
            QCOMPARE(sheets.size(), pages);
            QCOMPARE(sheets[0].width() > sheets[0].height(), landscape);
            // Read back: "Puzzle", its n letters, "List of Words", ten words, "Puzzle Key" and the key's letters, which
            // are found in their places below. Titles and words at 12 pt.
            const qsizetype n = width * height;
            const QStringList all = lines.join(u' ').simplified().split(u' ');
            QCOMPARE(words.size(), all.size());
            for (qsizetype i = 0; i < words.size(); ++i)
                QVERIFY2((i >= n + 16 || words[i].text == all[i])
                             && near(words[i].height / words[0].height * 12,
                                     (i > 0 && i <= n) || i >= n + 16 ? gridPoints : 12.0),
                         qPrintable(words[i].text));
            const PrintedWord &title = words[0], &first = words[1], &last = words[n], &listTitle = words[n + 1],
                              &keyTitle = words[n + 14];
            // At one size throughout, an empty line under each title, two before the list.
            const qreal pitch = (last.y - first.y) / (height - 1), step = words[2].x - first.x;
            QVERIFY(gridPoints != 12.0
                    || (near(first.y - title.y, 2 * pitch, 0.5) && near(words[n + 4].y - listTitle.y, 2 * pitch, 0.5)
                        && (listTitle.page > last.page || near(listTitle.y - last.y, 3 * pitch, 0.5))));
            // Each grid section on one page; every key letter over the same letter of the puzzle, row for row.
            QCOMPARE(title.page, last.page);
            for (const PrintedWord &letter : words.mid(n + 16)) {
                const int row = int(std::lround((letter.y - keyTitle.y - first.y + title.y) / pitch));
                const int col = int(std::lround((letter.x - first.x) / step));
                QVERIFY2(key.contains(row, col) && key.text(row, col) == letter.text && letter.page == keyTitle.page,
                         qPrintable(u"%1 at row %2, column %3"_s.arg(letter.text).arg(row).arg(col)));
            }
        }
    }

    // A line too wide at 4 pt breaks rather than loses its end, inside the margins.
    void longLineBreaksInsideTheMargins()
    {
        const QList<PrintedWord> words = printed({QString(400, u'M')}, u"Ms Sans Serif"_s);
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
