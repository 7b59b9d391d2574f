// Print jobs as they come out on paper, read back from the PDF files the real printer makes with no printer installed.
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

private slots:
    // "Print Everything" in whatever face was asked for: both grids at the one size that fits a row, a grid section
    // moved to a new page only when it must, the page turned when that gives the grid more room. A cancel drops the
    // job, leaving nothing for the next; a failure is told in a box.
    void everythingAtEverySize()
    {
        if (!canReadPdfs())
            QSKIP("needs pdftotext, and no printer, so that jobs go to PDF files");
        QTemporaryDir dir;
        FakePlatform fakes;
        QtTextPrinter printer(fakes, fakes); // one for every job, as the program has
        const QStringList ten
            = u"CAT EMU OWL ZEBRA GIRAFFE ELEPHANT KANGAROO CROCODILE RHINOCEROS HIPPOPOTAMUS"_s.split(u' ');
        printer.printLine(u"Lost"_s);
        printer.endDocument(); // cancelled
        for (const auto &[width, height, landscape, gridPoints, pages, face] : {
                 std::tuple(15, 15, false, 12.0, 1, u"Times New Roman"_s), // ten words: 49 of 54 lines
                 std::tuple(40, 12, true, 12.0, 2, QString()),             // turned: 80 fit across; the key overleaf
                 std::tuple(100, 100, false, 4.2, 2, u"Ms Sans Serif"_s),  // turned: 6.3 pt, but 100 rows overrun
             }) {
            CellGrid puzzle(height, width), key(height, width);
            for (int r = 0; r < height; ++r)
                for (int c = 0; c < width; ++c) {
                    puzzle.setText(r, c, QString(QChar(u'A' + (r * 7 + c * 3) % 26)));
                    key.setText(r, c, (r + 2 * c) % 5 ? QString() : puzzle.text(r, c));
                }
            const QStringList lines = PrintLayout::gridSection(u"Puzzle"_s, puzzle, height, width) + QStringList(2)
                + PrintLayout::listSection(ten) + QStringList(1)
                + PrintLayout::gridSection(u"Puzzle Key"_s, key, height, width);
            fakes.saveAnswers << dir.filePath(u"job.pdf"_s);
            printer.setFontName(face);
            for (const QString &line : lines)
                line.isEmpty() ? printer.printEmptyLine() : printer.printLine(line);
            printer.endDocument();
            QList<QSizeF> sheets;
            const QList<PrintedWord> words = readBack(dir.filePath(u"job.pdf"_s), &sheets);
            QCOMPARE(QList({int(sheets.size()), int(sheets[0].width() > sheets[0].height())}),
                     QList({pages, int(landscape)}));
            // Read back: "Puzzle", its n letters, "List of Words", ten words, "Puzzle Key" and the key's letters (in
            // reading order of their own), all inside the 15 mm (42.5 pt) margins; titles and words at 12 pt.
            const qsizetype n = width * height;
            const QStringList all = lines.join(u' ').simplified().split(u' ');
            QCOMPARE(words.size(), all.size());
            for (qsizetype i = 0; i < words.size(); ++i) {
                const PrintedWord &w = words[i];
                const qreal points = (i > 0 && i <= n) || i >= n + 16 ? gridPoints : 12.0;
                QVERIFY2((i >= n + 16 || w.text == all[i]) && std::abs(w.height / words[0].height * 12 - points) < 0.05
                             && w.x >= 42 && w.right <= sheets[w.page].width() - 42,
                         qPrintable(w.text));
            }
            const qreal pitch = (words[n].y - words[1].y) / (height - 1); // at 12 pt, an empty line under each title
            QVERIFY(gridPoints != 12.0
                    || (std::abs(words[1].y - words[0].y - 2 * pitch) < 0.5
                        && std::abs(words[n + 4].y - words[n + 1].y - 2 * pitch) < 0.5));
            QVERIFY(words[0].page == words[n].page && words[n + 14].page == words.constLast().page); // grids unbroken
            QVERIFY(std::abs(words[width].x - words[2 * width].x) < 0.1); // columns aligned: a fixed-pitch face
        }
        fakes.saveAnswers << dir.filePath(u"none/x.pdf"_s);
        printer.printLine(u"Lost"_s);
        printer.endDocument();
        QCOMPARE(fakes.shown,
                 QStringList({u"Lexmire - Print Options|The PDF file \u2068%1\u2069 could not be saved:\r\nits "
                              "folder does not exist."_s.arg(dir.filePath(u"none/x.pdf"_s))}));
    }
};

QTEST_MAIN(TestPageLayout)
#include "tst_page_layout.moc"
