#include "app/main_window.h"
#include "print/print_window.h"
#include "puzzle/puzzle_window.h"
#include "window_test.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

class TestPrintWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void jobs_data();
    void jobs();
    void emptyPlacedListIsTitleAndEmptyLine();
    void hundredWideRowIsTwoHundredCharacters();
    void dimensionsChangedWithoutGenerating();
    void eachPressIsOneJob();
    void fontNameSetOnceForTheWindowsLife();
    void navigation();

private:
    // A 3 x 3 puzzle with CAT hidden along the top row.
    void makePuzzle(int width, int height);
    void press(const char *button);

    std::unique_ptr<TestProgram> program;
    MainWindow *main = nullptr;
    PuzzleWindow *puzzle = nullptr;
    PrintWindow *print = nullptr;
};

void TestPrintWindow::init()
{
    program = std::make_unique<TestProgram>();
    main = program->windows->frmMain();
    puzzle = program->windows->frmDisplay();
    print = program->windows->frmPrint();
}

void TestPrintWindow::cleanup()
{
    program.reset();
}

void TestPrintWindow::makePuzzle(int width, int height)
{
    main->hsbLength->setValue(width);
    main->vsbHeight->setValue(height);
    for (CellGrid *grid : {&puzzle->GrdPuzzle, &puzzle->GrdAnswer}) {
        grid->setCols(width);
        grid->setRows(height);
        grid->clear();
    }
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            puzzle->GrdPuzzle.setText(r, c, QString(QChar(u'A' + (r * width + c) % 26)));
    const QString cat = QStringLiteral("CAT");
    for (int c = 0; c < 3; ++c) {
        puzzle->GrdPuzzle.setText(0, c, cat.mid(c, 1));
        puzzle->GrdAnswer.setText(0, c, cat.mid(c, 1));
    }
    puzzle->lstUsed = QStringList{cat};
}

void TestPrintWindow::press(const char *button)
{
    QTest::mouseClick(print->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
}

void TestPrintWindow::jobs_data()
{
    const QStringList puzzleLines{QStringLiteral("Puzzle"), QString(), QStringLiteral("C A T "),
                                  QStringLiteral("D E F "), QStringLiteral("G H I ")};
    // An empty key cell is two blanks wide, as a letter and its blank are.
    const QStringList keyLines{QStringLiteral("Puzzle Key"), QString(), QStringLiteral("C A T "),
                               QStringLiteral("      "), QStringLiteral("      ")};
    const QStringList listLines{QStringLiteral("List of Words"), QString(), QStringLiteral("CAT")};
    const QStringList gap{QString(), QString()};

    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("Print Everything") << QStringLiteral("Command1")
                                      << puzzleLines + gap + listLines + QStringList{QString()} + keyLines;
    QTest::newRow("Print Key Only: five lines at 3 x 3") << QStringLiteral("Command2") << keyLines;
    QTest::newRow("Print List Only") << QStringLiteral("Command3") << listLines;
    QTest::newRow("Print Puzzle Only") << QStringLiteral("Command4") << puzzleLines;
    QTest::newRow("Print Puzzle and List Only") << QStringLiteral("Command5") << puzzleLines + gap + listLines;
}

void TestPrintWindow::jobs()
{
    QFETCH(QString, button);
    QFETCH(QStringList, lines);
    makePuzzle(3, 3);
    press(button.toLatin1().constData());
    QCOMPARE(program->fakes.printer.jobs.size(), 1);
    QCOMPARE(program->fakes.printer.jobs.first(), lines);
}

void TestPrintWindow::emptyPlacedListIsTitleAndEmptyLine()
{
    makePuzzle(3, 3);
    puzzle->lstUsed.clear();
    press("Command3");
    QCOMPARE(program->fakes.printer.jobs.first(), (QStringList{QStringLiteral("List of Words"), QString()}));
}

void TestPrintWindow::hundredWideRowIsTwoHundredCharacters()
{
    makePuzzle(100, 4);
    press("Command4");
    const QStringList job = program->fakes.printer.jobs.first();
    QCOMPARE(job.size(), 2 + 4);
    for (int i = 2; i < job.size(); ++i)
        QCOMPARE(job[i].size(), 200);
    QVERIFY(job[2].startsWith(QStringLiteral("C A T ")));
}

void TestPrintWindow::dimensionsChangedWithoutGenerating()
{
    makePuzzle(3, 3);
    // A new start at 5 x 4 resizes the grids over the old puzzle.
    main->hsbLength->setValue(5);
    main->vsbHeight->setValue(4);
    for (CellGrid *grid : {&puzzle->GrdPuzzle, &puzzle->GrdAnswer}) {
        grid->setCols(5);
        grid->setRows(4);
    }
    press("Command4");
    const QStringList expected{QStringLiteral("Puzzle"), QString(), QStringLiteral("C A T     "),
                               QStringLiteral("D E F     "), QStringLiteral("G H I     "),
                               QStringLiteral("          ")};
    QCOMPARE(program->fakes.printer.jobs.first(), expected);
}

void TestPrintWindow::eachPressIsOneJob()
{
    makePuzzle(3, 3);
    press("Command4");
    press("Command4");
    press("Command1");
    QCOMPARE(program->fakes.printer.jobs.size(), 3);
    QCOMPARE(program->fakes.printer.jobs[0], program->fakes.printer.jobs[1]);
    QVERIFY(program->fakes.printer.current.isEmpty());
}

void TestPrintWindow::fontNameSetOnceForTheWindowsLife()
{
    makePuzzle(3, 3);
    QCOMPARE(program->fakes.printer.fontNames, QStringList{QStringLiteral("Ms Sans Serif")});
    press("Command1");
    press("cmdhide");
    QTest::mouseClick(puzzle->cmdPrint, Qt::LeftButton);
    press("Command2");
    QCOMPARE(program->fakes.printer.fontNames, QStringList{QStringLiteral("Ms Sans Serif")});
}

void TestPrintWindow::navigation()
{
    makePuzzle(3, 3);
    Windows::show(puzzle);
    main->hide();
    puzzle->cmdPrint->setEnabled(true);
    QTest::mouseClick(puzzle->cmdPrint, Qt::LeftButton);
    QVERIFY(print->isVisible());
    QVERIFY(!puzzle->isVisible());
    QCOMPARE(print->windowTitle(), QStringLiteral("Lexmire - Print Options"));

    press("Command4");
    QVERIFY2(print->isVisible(), "printing leaves the print window open");

    press("cmdhide");
    QVERIFY(puzzle->isVisible());
    QVERIFY(!print->isVisible());

    // The window manager's close takes the same way back.
    QTest::mouseClick(puzzle->cmdPrint, Qt::LeftButton);
    closeFromWindowManager(print);
    QVERIFY(puzzle->isVisible());
    QVERIFY(!print->isVisible());
    QCOMPARE(program->fakes.processExit.exits, 0);
}

QTEST_MAIN(TestPrintWindow)
#include "tst_print_window.moc"
