#include "platform/list_box.h"
#include "app/main_window.h"
#include "editor/editor_window.h"
#include "platform/grid_view.h"
#include "puzzle/puzzle_window.h"
#include "window_test.h"

#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QRegularExpression>
#include <QTimer>

#include <memory>

class TestPuzzleWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusesAnEmptyList();
    void firstStartLoadsFresh();
    void startHandsOverTheEditorsList();
    void generateWritesExactGrids();
    void stateTable();
    void generateAgainWhileDoneShows();
    void backToMainWhileDoneShows();
    void displaysPuzzleAtItsSize_data();
    void displaysPuzzleAtItsSize();
    void keyShowsOnlyPlacedLetters();
    void dimensionsChangedBetweenVisits_data();
    void dimensionsChangedBetweenVisits();
    void nothingToPlaceRecovers_data();
    void nothingToPlaceRecovers();
    void wordsNotHiddenAreMarked();
    void marksOnlyTheListThatWasGenerated_data();
    void marksOnlyTheListThatWasGenerated();
    void longEntriesAreCutInEveryList();

private:
    void start();
    void generate() { QTest::mouseClick(puzzle()->cmdGenerate, Qt::LeftButton); }
    void tick() { QMetaObject::invokeMethod(puzzle(), "TmrDone_Timer"); }
    void setDimensions(int width, int height);
    PuzzleWindow *puzzle() { return program->windows->frmDisplay(); }
    MainWindow *main() { return program->windows->frmMain(); }
    QStringList visibleRows() { return gridRows(puzzle()->GrdGridder); }

    std::unique_ptr<TestProgram> program;
};

void TestPuzzleWindow::init()
{
    program = std::make_unique<TestProgram>();
}

void TestPuzzleWindow::cleanup()
{
    program.reset();
}

void TestPuzzleWindow::start()
{
    QTest::mouseClick(main()->cmdPrint, Qt::LeftButton);
}

void TestPuzzleWindow::setDimensions(int width, int height)
{
    main()->hsbLength->setValue(width);
    main()->vsbHeight->setValue(height);
}

void TestPuzzleWindow::refusesAnEmptyList()
{
    start();
    QCOMPARE(program->fakes.messageBox.shown.size(), 1);
    QCOMPARE(program->fakes.messageBox.shown[0].title, QStringLiteral("You Must Enter Words!"));
    QCOMPARE(program->fakes.messageBox.shown[0].text,
             QStringLiteral("Please enter some words first; otherwise,\r\nsearching will be harder than it should be."));
    QVERIFY(main()->isVisible());
    QVERIFY(!program->windows->hasFrmDisplay());
    QVERIFY(!program->windows->hasFrmEdit());
}

void TestPuzzleWindow::firstStartLoadsFresh()
{
    enterWords(*program->windows, {QStringLiteral("CAT"), QStringLiteral("DOG")});
    setDimensions(40, 10);
    start();
    PuzzleWindow *p = puzzle();
    QVERIFY(p->isVisible());
    QVERIFY(!main()->isVisible());
    QCOMPARE(p->windowTitle(), QStringLiteral("Lexmire - Puzzle"));
    QVERIFY(p->optm->isChecked());
    QVERIFY(p->cmdGenerate->isEnabled() && p->Command1->isEnabled());
    QVERIFY(!p->cmdPuzzle->isEnabled() && !p->cmdAnswer->isEnabled() && !p->cmdPrint->isEnabled());
    QVERIFY(p->Progress->isVisible());
    QCOMPARE(p->Progress->value(), 0);
    QVERIFY(!p->LblDone->isVisible() && !p->lblGenerating->isVisible());
    QVERIFY(!p->TmrDone->isActive());
    // Load reseeds, and so does the hand-off.
    QCOMPARE(program->fakes.random.reseeds, 2);
    for (const CellGrid *grid : std::initializer_list<const CellGrid *>{&p->GrdGridder->grid(), &p->GrdPuzzle, &p->GrdAnswer}) {
        QCOMPARE(grid->rows(), 10);
        QCOMPARE(grid->cols(), 40);
    }
    QCOMPARE(p->GrdGridder->grid().colWidth(), 260);
    QCOMPARE(p->GrdPuzzle.colWidth(), 240);
    QCOMPARE(p->GrdAnswer.colWidth(), 240);
}

void TestPuzzleWindow::startHandsOverTheEditorsList()
{
    const QStringList ten{QStringLiteral("ONE"), QStringLiteral("TWO"), QStringLiteral("SIX")};
    enterWords(*program->windows, ten);
    start();
    QCOMPARE(puzzle()->lstWerds->count(), 3);
    QMetaObject::invokeMethod(puzzle(), "Command1_Click");

    // Deleted one by one: the main window keeps its stale copy, so the start
    // goes on, and the puzzle window gets the editor's (empty) list.
    EditorWindow *editor = program->windows->frmEdit();
    while (!editor->words().isEmpty()) {
        editor->lstWord->selectionModel()->select(editor->lstWord->model()->index(0, 0),
                                                  QItemSelectionModel::ClearAndSelect);
        QMetaObject::invokeMethod(editor, "cmdDelete_Click");
    }
    QMetaObject::invokeMethod(editor, "cmdBack_Click");
    QCOMPARE(main()->lstWords->count(), 3);
    start();
    QVERIFY(puzzle()->isVisible());
    QCOMPARE(puzzle()->lstWerds->count(), 0);
    QCOMPARE(program->fakes.messageBox.shown.size(), 0);
}

void TestPuzzleWindow::generateWritesExactGrids()
{
    enterWords(*program->windows, {QStringLiteral("CAT")});
    setDimensions(5, 4);
    start();
    // Column 1, row 1, rightward: CAT along the top row. Then one draw per
    // empty cell, row by row: B, C, D, ... as the fill letters.
    std::vector<float> draws{drawFor(1, 5), drawFor(1, 4), drawFor(1, 8)};
    for (int i = 0; i < 17; ++i)
        draws.push_back(drawFor(2 + i, 26));
    program->fakes.random.draws = draws;
    program->fakes.random.position = 0;
    generate();

    QCOMPARE(program->fakes.random.position, draws.size());
    QCOMPARE(puzzle()->lstUsed, QStringList{QStringLiteral("CAT")});
    QCOMPARE(puzzle()->lstnotused, QStringList());
    const QStringList answer{QStringLiteral("CAT.."), QStringLiteral("....."), QStringLiteral("....."),
                             QStringLiteral(".....")};
    const QStringList letters{QStringLiteral("CATBC"), QStringLiteral("DEFGH"), QStringLiteral("IJKLM"),
                              QStringLiteral("NOPQR")};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 5; ++c) {
            const QChar a = answer[r][c];
            QCOMPARE(puzzle()->GrdAnswer.text(r, c), a == QLatin1Char('.') ? QString() : QString(a));
            QCOMPARE(puzzle()->GrdPuzzle.text(r, c), QString(letters[r][c]));
        }
    }
    QCOMPARE(visibleRows(), (QStringList{QStringLiteral("....."), QStringLiteral("....."), QStringLiteral("....."),
                                         QStringLiteral(".....")}));
    QTest::mouseClick(puzzle()->cmdPuzzle, Qt::LeftButton);
    QCOMPARE(visibleRows(), letters);
    QTest::mouseClick(puzzle()->cmdAnswer, Qt::LeftButton);
    QCOMPARE(visibleRows(), answer);
}

void TestPuzzleWindow::stateTable()
{
    enterWords(*program->windows, {QStringLiteral("CAT"), QStringLiteral("DOG")});
    start();
    PuzzleWindow *p = puzzle();
    generate();

    // Done.
    for (QPushButton *b : {p->cmdGenerate, p->cmdPuzzle, p->cmdAnswer, p->cmdPrint, p->Command1})
        QVERIFY2(b->isVisible() && b->isEnabled(), qPrintable(b->text()));
    QVERIFY(!p->lblGenerating->isVisible());
    QVERIFY(!p->Progress->isVisible());
    QVERIFY(p->LblDone->isVisible());
    QVERIFY(p->TmrDone->isActive());
    QCOMPARE(p->Progress->maximum(), 2);
    QCOMPARE(visibleRows().join(QString()).count(QLatin1Char('.')), 15 * 15);

    // Settled, at its maximum; no further ticks.
    tick();
    QVERIFY(p->Progress->isVisible());
    QCOMPARE(p->Progress->value(), 2);
    QVERIFY(!p->LblDone->isVisible());
    QVERIFY(!p->TmrDone->isActive());

    // A tick while the bar shows swaps once more, then the next one restores it.
    p->TmrDone->start();
    tick();
    QVERIFY(!p->Progress->isVisible() && p->LblDone->isVisible() && p->TmrDone->isActive());
    tick();
    QVERIFY(p->Progress->isVisible() && !p->LblDone->isVisible() && !p->TmrDone->isActive());
}

void TestPuzzleWindow::generateAgainWhileDoneShows()
{
    enterWords(*program->windows, {QStringLiteral("CAT")});
    start();
    generate();
    generate();
    QVERIFY(!puzzle()->Progress->isVisible());
    QVERIFY(puzzle()->LblDone->isVisible());
    tick();
    QVERIFY(puzzle()->Progress->isVisible());
    QVERIFY(!puzzle()->LblDone->isVisible());
    QVERIFY(!puzzle()->TmrDone->isActive());
}

void TestPuzzleWindow::backToMainWhileDoneShows()
{
    enterWords(*program->windows, {QStringLiteral("CAT")});
    start();
    puzzle()->optvs->setChecked(true);
    generate();
    QTest::mouseClick(puzzle()->cmdPuzzle, Qt::LeftButton);
    const QStringList shown = visibleRows();
    QTest::mouseClick(puzzle()->Command1, Qt::LeftButton);
    QVERIFY(main()->isVisible());
    QVERIFY(!puzzle()->isVisible());
    tick(); // the timer runs on while the window is hidden
    start();
    QVERIFY(puzzle()->Progress->isVisible());
    QVERIFY(!puzzle()->LblDone->isVisible());
    QVERIFY(puzzle()->optvs->isChecked());
    QVERIFY(puzzle()->cmdPuzzle->isEnabled());
    QCOMPARE(visibleRows(), shown);
}

void TestPuzzleWindow::displaysPuzzleAtItsSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("20 wide, 8 high") << 20 << 8;
    QTest::newRow("smallest") << 3 << 3;
    QTest::newRow("largest") << 100 << 100;
}

void TestPuzzleWindow::displaysPuzzleAtItsSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    enterWords(*program->windows, {QStringLiteral("CAT"), QStringLiteral("EMU")});
    setDimensions(width, height);
    start();
    generate();
    QTest::mouseClick(puzzle()->cmdPuzzle, Qt::LeftButton);
    const QStringList rows = visibleRows();
    QCOMPARE(rows.size(), height);
    for (const QString &row : rows) {
        QCOMPARE(row.size(), width);
        for (const QChar c : row)
            QVERIFY2(c >= QLatin1Char('A') && c <= QLatin1Char('Z'), qPrintable(row));
    }
}

void TestPuzzleWindow::keyShowsOnlyPlacedLetters()
{
    enterWords(*program->windows, {QStringLiteral("CAT"), QStringLiteral("HORSE"), QStringLiteral("EMU")});
    setDimensions(8, 5);
    start();
    program->fakes.random.draws = spreadDraws(100000);
    generate();
    QCOMPARE(puzzle()->lstUsed.size(), 3);
    QTest::mouseClick(puzzle()->cmdAnswer, Qt::LeftButton);
    const QStringList key = visibleRows();
    int letters = 0;
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 8; ++c) {
            if (key[r][c] == QLatin1Char('.'))
                continue;
            ++letters;
            QCOMPARE(QString(key[r][c]), puzzle()->GrdPuzzle.text(r, c));
        }
    }
    QVERIFY2(letters >= 5 && letters <= 11, qPrintable(key.join(QLatin1Char('/'))));
    QTest::mouseClick(puzzle()->cmdPuzzle, Qt::LeftButton);
    QVERIFY(!visibleRows().join(QString()).contains(QLatin1Char('.')));
}

void TestPuzzleWindow::dimensionsChangedBetweenVisits_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("grown") << 12 << 9;
    QTest::newRow("shrunk") << 4 << 3;
}

void TestPuzzleWindow::dimensionsChangedBetweenVisits()
{
    QFETCH(int, width);
    QFETCH(int, height);
    enterWords(*program->windows, {QStringLiteral("CAT"), QStringLiteral("DOG")});
    setDimensions(6, 6);
    start();
    generate();
    QTest::mouseClick(puzzle()->cmdPuzzle, Qt::LeftButton);
    const QStringList before = visibleRows();

    QTest::mouseClick(puzzle()->Command1, Qt::LeftButton);
    setDimensions(width, height);
    start();
    QTest::mouseClick(puzzle()->cmdPuzzle, Qt::LeftButton);
    const QStringList after = visibleRows();
    QCOMPARE(after.size(), height);
    for (int r = 0; r < height; ++r) {
        QCOMPARE(after[r].size(), width);
        for (int c = 0; c < width; ++c) {
            const QChar expected = r < 6 && c < 6 ? before[r][c] : QLatin1Char('.');
            QCOMPARE(after[r][c], expected);
        }
    }
    // The key keeps to the grid too.
    QTest::mouseClick(puzzle()->cmdAnswer, Qt::LeftButton);
    QCOMPARE(visibleRows().size(), height);
}

void TestPuzzleWindow::nothingToPlaceRecovers_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("notice");
    QTest::newRow("every word too long") << QStringList{QStringLiteral("ELEPHANT"), QStringLiteral("GIRAFFE")}
                                         << QStringLiteral("No word fits a 3 x 4 puzzle.");
    QTest::newRow("list emptied in the editor") << QStringList() << QStringLiteral("The word list is empty.");
}

void TestPuzzleWindow::nothingToPlaceRecovers()
{
    QFETCH(QStringList, words);
    QFETCH(QString, notice);
    enterWords(*program->windows, {QStringLiteral("CAT")});
    setDimensions(3, 4);
    start();
    generate();
    const CellGrid puzzleBefore = puzzle()->GrdPuzzle;
    QTest::mouseClick(puzzle()->cmdPuzzle, Qt::LeftButton);

    // Replace the editor's list and come back.
    QTest::mouseClick(puzzle()->Command1, Qt::LeftButton);
    EditorWindow *editor = program->windows->frmEdit();
    editor->clearWordList();
    main()->lstWords->setEntries({QStringLiteral("CAT")});
    enterWords(*program->windows, words);
    start();
    generate();

    PuzzleWindow *p = puzzle();
    for (QPushButton *b : {p->cmdGenerate, p->cmdPuzzle, p->cmdAnswer, p->cmdPrint, p->Command1})
        QVERIFY2(b->isVisible() && b->isEnabled(), qPrintable(b->text()));
    QVERIFY(!p->lblGenerating->isVisible());
    QVERIFY(!p->LblDone->isVisible());
    QVERIFY(!p->Progress->isVisible());
    QVERIFY(p->lblNotice->isVisible());
    QCOMPARE(p->lblNotice->text(), notice);
    QVERIFY(p->lstUsed.isEmpty() && p->lstnotused.isEmpty());
    QCOMPARE(p->GrdPuzzle, puzzleBefore);
    QVERIFY(!visibleRows().join(QString()).contains(QRegularExpression(QStringLiteral("[A-Z]"))));

    // The next good run takes the notice away.
    editor->clearWordList();
    enterWords(*program->windows, {QStringLiteral("EMU")});
    start();
    generate();
    QVERIFY(!p->lblNotice->isVisible());
    QVERIFY(p->LblDone->isVisible());
    tick();
    QVERIFY(p->Progress->isVisible());
}

void TestPuzzleWindow::wordsNotHiddenAreMarked()
{
    const auto marked = [this](int row) {
        const QModelIndex index = puzzle()->lstWerds->model()->index(row, 0);
        return index.data(Qt::FontRole).value<QFont>().strikeOut() && !index.data(Qt::ToolTipRole).toString().isEmpty();
    };
    // NEW YORK (8 with its blank) is longer than 7 x 7 and is dropped;
    // NEWYORK fits only along an edge: leftward from column 7.
    enterWords(*program->windows, {QStringLiteral("NEWYORK"), QStringLiteral("NEW YORK"), QStringLiteral("ELEPHANTS")});
    setDimensions(7, 7);
    start();
    QVERIFY(!marked(0) && !marked(1) && !marked(2));

    puzzle()->optvf->setChecked(true);
    program->fakes.random.draws = {drawFor(7, 7), drawFor(1, 7), drawFor(5, 8)};
    program->fakes.random.position = 0;
    generate();
    QCOMPARE(puzzle()->lstUsed, QStringList{QStringLiteral("NEWYORK")});
    // One placement of NEWYORK vouches for one of the two entries that read so.
    QCOMPARE(int(marked(0)) + int(marked(1)), 1);
    QVERIFY(marked(2));
    QCOMPARE(puzzle()->lstWerds->entries().at(2), QStringLiteral("ELEPHANTS"));

    // A refill recomputes against the same placed list.
    QTest::mouseClick(puzzle()->Command1, Qt::LeftButton);
    start();
    QCOMPARE(int(marked(0)) + int(marked(1)), 1);
    QVERIFY(marked(2));
}

void TestPuzzleWindow::marksOnlyTheListThatWasGenerated_data()
{
    // CAT is hidden in 7 x 7; ELEPHANTS never fits.
    QTest::addColumn<QStringList>("route");
    QTest::addColumn<QList<bool>>("marks");
    const QList<bool> none;
    const QList<bool> elephants{false, true};
    QTest::newRow("before any Generate") << QStringList{} << none;
    QTest::newRow("after Generate") << QStringList{QStringLiteral("generate")} << elephants;
    QTest::newRow("back and again") << QStringList{QStringLiteral("generate"), QStringLiteral("again")} << elephants;
    // "Clear All" leaves the puzzle window's list, and so its marks, alone.
    QTest::newRow("Clear All alone") << QStringList{QStringLiteral("generate"), QStringLiteral("clear all")}
                                     << elephants;
    QTest::newRow("another list") << QStringList{QStringLiteral("generate"), QStringLiteral("clear all"),
                                                 QStringLiteral("DOG,ELEPHANTS")}
                                  << none;
    QTest::newRow("the same entries in another order")
        << QStringList{QStringLiteral("generate"), QStringLiteral("clear all"), QStringLiteral("ELEPHANTS,CAT")} << none;
    QTest::newRow("the generated list again") << QStringList{QStringLiteral("generate"), QStringLiteral("clear all"),
                                                             QStringLiteral("CAT,ELEPHANTS")}
                                              << elephants;
    QTest::newRow("another list, generated")
        << QStringList{QStringLiteral("generate"), QStringLiteral("clear all"), QStringLiteral("ELEPHANTS,CAT"),
                       QStringLiteral("generate")}
        << QList<bool>{true, false};
}

// A mark says "not hidden in this puzzle": only true of the list the last
// Generate used, the same entries in the same order.
void TestPuzzleWindow::marksOnlyTheListThatWasGenerated()
{
    QFETCH(QStringList, route);
    QFETCH(QList<bool>, marks);
    program->fakes.random.draws = spreadDraws(100000);
    enterWords(*program->windows, {QStringLiteral("CAT"), QStringLiteral("ELEPHANTS")});
    setDimensions(7, 7);
    start();
    for (const QString &step : route) {
        if (step == QLatin1String("generate")) {
            generate();
        } else if (step == QLatin1String("again")) {
            QTest::mouseClick(puzzle()->Command1, Qt::LeftButton);
            start();
        } else if (step == QLatin1String("clear all")) {
            QTest::mouseClick(puzzle()->Command1, Qt::LeftButton);
            QTest::mouseClick(main()->cmdAllClear, Qt::LeftButton);
            setDimensions(7, 7);
        } else {
            enterWords(*program->windows, step.split(QLatin1Char(',')));
            start();
        }
    }
    QList<bool> shown;
    for (int row = 0; row < puzzle()->lstWerds->count(); ++row) {
        const QModelIndex index = puzzle()->lstWerds->model()->index(row, 0);
        const bool struck = index.data(Qt::FontRole).value<QFont>().strikeOut();
        QCOMPARE(index.data(Qt::ToolTipRole).toString().contains(QStringLiteral("Not hidden")), struck);
        shown.append(struck);
    }
    if (marks.isEmpty())
        marks = QList<bool>(shown.size(), false);
    QCOMPARE(shown, marks);
}

// One rule for the three lists: cut at the right with "…", nothing scrolls
// sideways, and the tooltip holds the entry (as text) up to 100 characters.
void TestPuzzleWindow::longEntriesAreCutInEveryList()
{
    const QString longWord(300, QLatin1Char('A'));
    enterWords(*program->windows, {longWord, QStringLiteral("CAT")});
    start();
    generate();
    const QString tip = longWord.left(100) + QChar(0x2026);
    for (QListView *list : {program->windows->frmEdit()->lstWord, static_cast<QListView *>(main()->lstWords),
                            static_cast<QListView *>(puzzle()->lstWerds)}) {
        QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(list->textElideMode(), Qt::ElideRight);
        const QModelIndex first = list->model()->index(0, 0);
        QVERIFY(first.data().toString().size() < 300);
        QVERIFY(list->visualRect(first).width() <= list->viewport()->width());
        const QString toolTip = first.data(Qt::ToolTipRole).toString();
        QVERIFY2(toolTip == tip || toolTip == tip + QStringLiteral("<br>Not hidden in this puzzle"),
                 qPrintable(toolTip));
    }
}

QTEST_MAIN(TestPuzzleWindow)
#include "tst_puzzle_window.moc"
