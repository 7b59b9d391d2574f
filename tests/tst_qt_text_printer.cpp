// Printed pages read back from real PDFs: sizes, orientation, page breaks,
// and a key whose letters stand under the puzzle's.
#include "app/main_window.h"
#include "print/print_window.h"
#include "puzzle/puzzle_window.h"
#include "platform/qt_text_printer.h"
#include "window_test.h"
#include "word_lists.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

QString pdftotext(const QStringList &options, const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Word
{
    int page;
    qreal x, y, right, height;
    QString text;
};

struct Pages
{
    QList<QSizeF> sizes;
    QList<Word> words; // in reading order
};

Pages readBack(const QString &pdf)
{
    static const QRegularExpression item(QStringLiteral(
        "<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|"
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    Pages pages;
    for (const QRegularExpressionMatch &m : item.globalMatch(pdftotext({QStringLiteral("-bbox")}, pdf))) {
        if (!m.captured(1).isEmpty()) {
            pages.sizes.append({m.captured(1).toDouble(), m.captured(2).toDouble()});
            continue;
        }
        const qreal top = m.captured(4).toDouble();
        pages.words.append({int(pages.sizes.size()) - 1, m.captured(3).toDouble(), top, m.captured(5).toDouble(),
                            m.captured(6).toDouble() - top, m.captured(7)});
    }
    return pages;
}

// The words of a "Print Everything" job, sorted into its sections.
struct Job
{
    QList<Word> titles, puzzle, list, key;
};

Job sections(const QList<Word> &words)
{
    Job job;
    QList<Word> *section = nullptr;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const Word &word = words.at(i);
        const bool keyTitle = word.text == QLatin1String("Puzzle") && i + 1 < words.size()
            && words.at(i + 1).text == QLatin1String("Key");
        if (word.text == QLatin1String("Puzzle") || word.text == QLatin1String("List")) {
            job.titles.append(word);
            section = keyTitle ? &job.key : word.text == QLatin1String("List") ? &job.list : &job.puzzle;
            i += keyTitle ? 1 : word.text == QLatin1String("List") ? 2 : 0;
        } else if (section == &job.list || word.text.size() == 1) {
            section->append(word);
        }
    }
    return job;
}

bool near(qreal a, qreal b, qreal within = 0.3)
{
    return std::abs(a - b) <= within;
}

} // namespace

class TestQtTextPrinter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void everyJobSize_data();
    void everyJobSize();
    void lineFillsWidthOrBreaks_data();
    void lineFillsWidthOrBreaks();
    void jobOutcome_data();
    void jobOutcome();

private:
    QTemporaryDir m_dir;
};

void TestQtTextPrinter::init()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is needed to read the printed PDF back");
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a default printer exists: jobs would go to paper, not to a PDF file");
    QVERIFY(m_dir.isValid());
}

void TestQtTextPrinter::everyJobSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<qreal>("gridPoints");
    QTest::newRow("3 x 3") << 3 << 3 << false << 12.0;
    QTest::newRow("15 x 15") << 15 << 15 << false << 12.0;
    // Turned: 80 characters a row fit across at 12 pt, not down.
    QTest::newRow("40 x 12") << 40 << 12 << true << 12.0;
    // Landscape would give 6.3 pt, but 100 rows would overrun the page.
    QTest::newRow("100 x 100") << 100 << 100 << false << 4.2;
}

// "Print Everything" at each size, read back as a user would see the pages.
void TestQtTextPrinter::everyJobSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, landscape);
    QFETCH(qreal, gridPoints);

    TestProgram program(true);
    program.fakes.random.draws = spreadDraws(200000, 3);
    enterWords(*program.windows, distinctEntries(width * height / 8 + 3, 11, EntryShape{1, 1, 3, 3 + width / 4}));
    MainWindow *main = program.windows->frmMain();
    main->hsbLength->setValue(width);
    main->vsbHeight->setValue(height);
    main->cmdPrint->click();
    PuzzleWindow *puzzle = program.windows->frmDisplay();
    puzzle->optvf->setChecked(true);
    puzzle->cmdGenerate->click();
    puzzle->cmdPrint->click();
    const QString pdf = m_dir.filePath(QStringLiteral("everything.pdf"));
    program.fakes.fileDialog.saveAnswers = {pdf};
    program.windows->frmPrint()->Command1->click();
    QVERIFY(program.fakes.messageBox.shown.isEmpty());

    const Pages pages = readBack(pdf);
    for (const QSizeF &page : pages.sizes)
        QCOMPARE(page.width() > page.height(), landscape);
    const Job job = sections(pages.words);
    QCOMPARE(job.titles.size(), 3);
    QCOMPARE(job.puzzle.size(), width * height);
    QCOMPARE(job.list.size(), puzzle->lstUsed.size());

    // Titles and words at 12 pt; both grids at the one size that fits a row.
    const qreal twelve = job.titles.first().height;
    for (const QList<Word> &words : {job.titles, job.list})
        for (const Word &word : words)
            QVERIFY2(near(word.height, twelve, 0.05), qPrintable(word.text));
    for (const QList<Word> &grid : {job.puzzle, job.key})
        for (const Word &letter : grid)
            QVERIFY2(near(letter.height / twelve * 12, gridPoints, 0.05), qPrintable(QString::number(letter.height)));

    // Each grid section, title and rows, stands on one page.
    QCOMPARE(job.titles.first().page, job.puzzle.first().page);
    QCOMPARE(job.puzzle.first().page, job.puzzle.last().page);
    QCOMPARE(job.titles.last().page, job.key.first().page);
    QCOMPARE(job.key.first().page, job.key.last().page);

    // Every key letter stands over the same letter of the puzzle, row for row.
    const qreal puzzleTop = job.puzzle.first().y;
    const qreal keyTop = job.titles.last().y + (job.puzzle.first().y - job.titles.first().y);
    const qreal row = (job.puzzle.last().y - puzzleTop) / (height - 1 ? height - 1 : 1);
    int matched = 0;
    for (const Word &letter : job.key) {
        const qreal r = height == 1 ? 0 : (letter.y - keyTop) / row;
        QVERIFY2(near(r, std::round(r), 0.05), "a key row between puzzle rows");
        const auto same = std::find_if(job.puzzle.cbegin(), job.puzzle.cend(), [&](const Word &p) {
            return near(p.x, letter.x, 0.05) && near((p.y - puzzleTop) / row, std::round(r), 0.05);
        });
        QVERIFY2(same != job.puzzle.cend() && same->text == letter.text,
                 qPrintable(QStringLiteral("%1 at row %2, x %3").arg(letter.text).arg(r).arg(letter.x)));
        ++matched;
    }
    int answerLetters = 0;
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            answerLetters += !puzzle->GrdAnswer.text(r, c).isEmpty();
    QCOMPARE(matched, answerLetters);
    QVERIFY(matched > 0);
}

void TestQtTextPrinter::lineFillsWidthOrBreaks_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<qreal>("points"); // 0: whatever fills the width
    QTest::addColumn<int>("lines");
    const QString ten = QStringLiteral("ABCDEFGHIJ");
    QTest::newRow("short line stays at 12 pt") << ten << 12.0 << 1;
    QTest::newRow("trailing blanks are not measured") << ten + QString(300, QLatin1Char(' ')) << 12.0 << 1;
    QTest::newRow("wide line fills the width") << QString(150, QLatin1Char('M')) << 0.0 << 1;
    QTest::newRow("too wide at 4 pt breaks") << QString(400, QLatin1Char('M')) << 4.0 << 2;
}

void TestQtTextPrinter::lineFillsWidthOrBreaks()
{
    QFETCH(QString, line);
    QFETCH(qreal, points);
    QFETCH(int, lines);
    const QString pdf = m_dir.filePath(QStringLiteral("size.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QVERIFY(QtTextPrinter::render(printer, {line}, QStringLiteral("Ms Sans Serif")));

    const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Point);
    const QList<Word> words = readBack(pdf).words;
    QString printed;
    QSet<qreal> tops;
    for (const Word &word : words) {
        QVERIFY(word.x >= paint.left() - 0.5 && word.right <= paint.right() + 0.5);
        printed += word.text;
        tops.insert(word.y);
    }
    QCOMPARE(printed, line.trimmed());
    QCOMPARE(tops.size(), lines);
    // A glyph box is 1.164 times the size in this face.
    const qreal size = words.first().height / 1.164;
    if (points > 0)
        QVERIFY2(near(size, points, 0.05), qPrintable(QString::number(size)));
    else
        QVERIFY2(size < 12 && words.first().right > paint.right() - 0.05 * paint.width(),
                 qPrintable(QString::number(size)));
}

void TestQtTextPrinter::jobOutcome_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("reported");
    QTest::newRow("saved") << QStringLiteral("first.pdf") << true << false;
    QTest::newRow("cancelled") << QString() << false << false;
    QTest::newRow("missing folder") << QStringLiteral("no such folder/first.pdf") << false << true;
}

// Whatever became of a job, the next one is printed on its own.
void TestQtTextPrinter::jobOutcome()
{
    QFETCH(QString, answer);
    QFETCH(bool, written);
    QFETCH(bool, reported);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    RecordingMessageBox messageBox;
    ScriptedFileDialog fileDialog;
    const QString first = answer.isEmpty() ? QString() : dir.filePath(answer);
    const QString second = dir.filePath(QStringLiteral("second.pdf"));
    fileDialog.saveAnswers = {first, second};
    QtTextPrinter printer(messageBox, fileDialog);
    printer.setFontName(QStringLiteral("Ms Sans Serif"));

    printer.endDocument(); // an empty job asks nothing
    QCOMPARE(fileDialog.saves, 0);
    printer.printLine(QStringLiteral("FIRSTJOB"));
    printer.endDocument();

    QCOMPARE(fileDialog.saves, 1);
    QCOMPARE(fileDialog.filtersSeen, QStringList{QStringLiteral("PDF Files (*.pdf)|*.pdf")});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             written ? QStringList{answer} : QStringList());
    if (written)
        QCOMPARE(pdftotext({}, first).simplified(), QStringLiteral("FIRSTJOB"));
    QCOMPARE(messageBox.shown.size(), reported ? 1 : 0);
    if (reported) {
        QCOMPARE(messageBox.shown.first().title, QStringLiteral("Lexmire - Print Options"));
        QCOMPARE(messageBox.shown.first().text,
                 QStringLiteral("The PDF file %1 could not be saved:\r\nits folder does not exist.")
                     .arg(QDir::toNativeSeparators(first)));
    }

    printer.printLine(QStringLiteral("SECONDJOB"));
    printer.endDocument();
    QCOMPARE(fileDialog.saves, 2);
    QCOMPARE(pdftotext({}, second).simplified(), QStringLiteral("SECONDJOB"));
    QCOMPARE(messageBox.shown.size(), reported ? 1 : 0);
}

QTEST_MAIN(TestQtTextPrinter)
#include "tst_qt_text_printer.moc"
