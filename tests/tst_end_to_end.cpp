#include "platform/list_box.h"
#include "app/main_window.h"
#include "editor/editor_window.h"
#include "platform/grid_view.h"
#include "print/print_window.h"
#include "puzzle/puzzle_window.h"
#include "window_test.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// One typical puzzle, the whole way, through the real widgets of all four windows.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void typicalPuzzle_data();
    void typicalPuzzle();

private:
    static bool readsAlongALine(const QStringList &grid, const QString &word);
};

bool TestEndToEnd::readsAlongALine(const QStringList &grid, const QString &word)
{
    const int height = static_cast<int>(grid.size());
    const int width = static_cast<int>(grid.first().size());
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            for (int dr = -1; dr <= 1; ++dr) {
                for (int dc = -1; dc <= 1; ++dc) {
                    if (dr == 0 && dc == 0)
                        continue;
                    int i = 0;
                    for (; i < word.size(); ++i) {
                        const int rr = r + i * dr;
                        const int cc = c + i * dc;
                        if (rr < 0 || rr >= height || cc < 0 || cc >= width || grid[rr][cc] != word[i])
                            break;
                    }
                    if (i == word.size())
                        return true;
                }
            }
        }
    }
    return false;
}

void TestEndToEnd::typicalPuzzle_data()
{
    QTest::addColumn<QString>("exitBy");
    QTest::newRow("Exit button") << QStringLiteral("button");
    QTest::newRow("Ctrl+X") << QStringLiteral("ctrl+x");
    QTest::newRow("closing the main window") << QStringLiteral("close");
}

void TestEndToEnd::typicalPuzzle()
{
    QFETCH(QString, exitBy);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString listFile = dir.filePath(QStringLiteral("animals.txt"));
    {
        QFile file(listFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\"zebra\"\r\nlion, tiger\r\n\r\nbig cat\n42\n");
    }

    TestProgram program;
    FakePlatform &fakes = program.fakes;
    fakes.random.draws = spreadDraws(400000, 5);
    Windows &windows = *program.windows;
    MainWindow *main = windows.frmMain();
    QVERIFY(QTest::qWaitForWindowExposed(main));

    // Type two words in the editor, one of them refused.
    QTest::mouseClick(main->cmdWords, Qt::LeftButton);
    EditorWindow *editor = windows.frmEdit();
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    QVERIFY(!main->isVisible());
    for (const char *typed : {"  new  york ", "emu", "Emu"}) {
        QTest::keyClicks(editor->txtinput, QString::fromLatin1(typed));
        QTest::keyClick(editor->txtinput, Qt::Key_Return);
    }
    QCOMPARE(editor->lblalert->text(), QStringLiteral("You already have that word in the list you idiot!!"));
    QTest::keyClick(editor->txtinput, Qt::Key_Backspace);
    QCOMPARE(editor->lblalert->text(), QString());
    editor->txtinput->clear();

    // Load the rest from a file; the number is refused on the way.
    fakes.fileDialog.openAnswers = {listFile};
    QTest::mouseClick(editor->cmdLoad, Qt::LeftButton);
    const QStringList loaded{QStringLiteral("NEW  YORK"), QStringLiteral("EMU"),   QStringLiteral("ZEBRA"),
                             QStringLiteral("LION"),      QStringLiteral("TIGER"), QStringLiteral("BIG CAT")};
    QCOMPARE(editor->words().entries(), loaded);
    QCOMPARE(editor->lblnumber->text(), QStringLiteral("6"));

    // Sort by last word, descending.
    QTest::mouseClick(editor->optdescendlast, Qt::LeftButton, {}, QPoint(6, editor->optdescendlast->height() / 2));
    QTest::mouseClick(editor->cmdSort, Qt::LeftButton);
    const QStringList sorted{QStringLiteral("ZEBRA"), QStringLiteral("NEW  YORK"), QStringLiteral("TIGER"),
                             QStringLiteral("LION"),  QStringLiteral("EMU"),   QStringLiteral("BIG CAT")};
    QCOMPARE(editor->words().entries(), sorted);
    QVERIFY(!editor->cmdDelete->isEnabled());

    // Save it, then hand it back.
    const QString saved = dir.filePath(QStringLiteral("animals.lx"));
    fakes.fileDialog.saveAnswers = {saved};
    QTest::mouseClick(editor->cmdSave, Qt::LeftButton);
    QFile savedFile(saved);
    QVERIFY(savedFile.open(QIODevice::ReadOnly));
    QCOMPARE(savedFile.readAll(),
             QByteArray("\"ZEBRA\"\r\n\"NEW  YORK\"\r\n\"TIGER\"\r\n\"LION\"\r\n\"EMU\"\r\n\"BIG CAT\"\r\n"));
    QTest::mouseClick(editor->cmdBack, Qt::LeftButton);
    QVERIFY(main->isVisible() && !editor->isVisible());
    QCOMPARE(main->lstWords->count(), 6);
    QCOMPARE(main->lblWordcount->text(), QStringLiteral("Words in Puzzle:  6"));

    // Dimensions: 12 wide, 9 high.
    QTest::mouseClick(main->cmdDimensions, Qt::LeftButton);
    main->hsbLength->setValue(12);
    main->vsbHeight->setValue(9);
    QCOMPARE(main->lblCurrentDim->text(), QStringLiteral(" 12 x  9"));
    QTest::mouseClick(main->cmdDimDone, Qt::LeftButton);
    QCOMPARE(main->lblDimDisplay->text(), QStringLiteral(" 12 x  9"));

    // Start the puzzle.
    QTest::mouseClick(main->cmdPrint, Qt::LeftButton);
    PuzzleWindow *puzzle = windows.frmDisplay();
    QVERIFY(QTest::qWaitForWindowExposed(puzzle));
    QVERIFY(!main->isVisible());
    QCOMPARE(puzzle->lstWerds->count(), 6);
    QCOMPARE(puzzle->lstWerds->entries().at(0), QStringLiteral("ZEBRA"));

    // Generate at each level; look at the puzzle and its key each time.
    for (QRadioButton *level : {puzzle->optvf, puzzle->optm, puzzle->optvs}) {
        QTest::mouseClick(level, Qt::LeftButton, {}, QPoint(6, level->height() / 2));
        QVERIFY(level->isChecked());
        QTest::mouseClick(puzzle->cmdGenerate, Qt::LeftButton);
        QVERIFY(puzzle->LblDone->isVisible());
        QVERIFY(!puzzle->lstUsed.isEmpty());
        QMetaObject::invokeMethod(puzzle, "TmrDone_Timer");
        QVERIFY(puzzle->Progress->isVisible());
        QCOMPARE(puzzle->Progress->value(), puzzle->Progress->maximum());

        QTest::mouseClick(puzzle->cmdPuzzle, Qt::LeftButton);
        const QStringList shown = gridRows(puzzle->GrdGridder);
        QCOMPARE(shown.size(), 9);
        QVERIFY(!shown.join(QString()).contains(QLatin1Char('.')));
        QTest::mouseClick(puzzle->cmdAnswer, Qt::LeftButton);
        const QStringList key = gridRows(puzzle->GrdGridder);
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 12; ++c)
                QVERIFY(key[r][c] == QLatin1Char('.') || key[r][c] == shown[r][c]);
        for (const QString &word : puzzle->lstUsed)
            QVERIFY2(readsAlongALine(key, word), qPrintable(word));
    }

    // Print in all five ways.
    QTest::mouseClick(puzzle->cmdPrint, Qt::LeftButton);
    PrintWindow *print = windows.frmPrint();
    QVERIFY(QTest::qWaitForWindowExposed(print));
    QVERIFY(!puzzle->isVisible());
    for (QPushButton *button : {print->Command1, print->Command2, print->Command3, print->Command4, print->Command5})
        QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(fakes.printer.jobs.size(), 5);
    const int placed = static_cast<int>(puzzle->lstUsed.size());
    QCOMPARE(fakes.printer.jobs[0].size(), (2 + 9) + 2 + (2 + placed) + 1 + (2 + 9));
    QCOMPARE(fakes.printer.jobs[1].size(), 2 + 9);
    QCOMPARE(fakes.printer.jobs[2].mid(2), puzzle->lstUsed);
    QCOMPARE(fakes.printer.jobs[3].at(2).size(), 24);
    QCOMPARE(fakes.printer.jobs[4].size(), (2 + 9) + 2 + (2 + placed));
    QCOMPARE(fakes.printer.fontNames, QStringList{QStringLiteral("Ms Sans Serif")});
    QVERIFY(print->isVisible());

    // Back the way we came.
    QTest::mouseClick(print->cmdhide, Qt::LeftButton);
    QVERIFY(puzzle->isVisible() && !print->isVisible());
    QTest::mouseClick(puzzle->Command1, Qt::LeftButton);
    QVERIFY(main->isVisible() && !puzzle->isVisible());

    // And out, by one of the three ways.
    CloseRecorder closes;
    for (QWidget *window : std::initializer_list<QWidget *>{main, editor, puzzle, print})
        closes.watch(window);
    if (exitBy == QLatin1String("button")) {
        QTest::mouseClick(main->cmdExit, Qt::LeftButton);
    } else if (exitBy == QLatin1String("ctrl+x")) {
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main->lstWords, Qt::Key_X, Qt::ControlModifier);
    } else {
        closeFromWindowManager(main);
    }
    QCOMPARE(fakes.processExit.exits, 1);
    QCOMPARE(closes.closed.mid(closes.closed.size() - 4),
             (QStringList{QStringLiteral("frmDisplay"), QStringLiteral("frmEdit"), QStringLiteral("frmPrint"),
                          QStringLiteral("frmMain")}));
    for (QWidget *window : std::initializer_list<QWidget *>{main, editor, puzzle, print})
        QVERIFY(!window->isVisible());
}

QTEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"
