// The puzzle window: the hand-off, Generate, the two displays, "DONE!", the notices and the marks; every word placed,
// puzzle numbers and files, and the filler checked, as the user sees them.
#include "program.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
const QColor orange(255, 128, 0), white(Qt::white), black(Qt::black), red(Qt::red), brown(128, 64, 0);
const QString fresh = u"Command1 GrdGridder Progress band chkCheckWords chkEveryWord cmdAnswer cmdGenerate cmdNumber "
                      "cmdOpenPuzzle cmdPrint cmdPuzzle cmdRefill cmdSavePuzzle cmdUnwanted lblNumber lblReport "
                      "lblcaption lstWerds optm optvf optvs"_s;
// Draws that hide TAC leftward from column 3 of row 1, then fill B, C, D, ...
std::vector<float> tacDraws(int width, int height, int column = 3, int row = 1)
{
    std::vector<float> draws{drawFor(column, width), drawFor(row, height), drawFor(5, 8)};
    for (int letter = 2; letter <= 26; ++letter)
        draws.push_back(drawFor(letter, 26));
    return draws;
}
enum Stop { AllPlaced, Escape, GenerateAgain, Closed, OutOfTries };
} // namespace

class TestPuzzleWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> program;

    QWidget *puzzle() const { return program->puzzle(); }
    QAbstractItemView *grid() const { return control<QAbstractItemView>(puzzle(), "GrdGridder"); }
    QAbstractItemView *words() const { return control<QAbstractItemView>(puzzle(), "lstWerds"); }
    void click(const char *button) const { ::click(puzzle(), button); }
    bool visible(const char *name) const { return control<QWidget>(puzzle(), name)->isVisible(); }
    QString text(const char *label) const { return control<QLabel>(puzzle(), label)->text(); }
    // From the main window, with new words (if any) and dimensions, on to the puzzle window.
    void start(const QStringList &added, int width, int height)
    {
        QWidget *main = program->main();
        if (puzzle()->isVisible())
            click("Command1");
        if (!added.isEmpty()) {
            ::click(main, "cmdWords");
            addWords(*program, added);
            ::click(program->editor(), "cmdBack");
        }
        control<QScrollBar>(main, "hsbLength")->setValue(width);
        control<QScrollBar>(main, "vsbHeight")->setValue(height);
        ::click(main, "cmdPrint");
    }
    void generate(std::vector<float> draws)
    {
        program->fakes.random.draws = std::move(draws);
        program->fakes.random.position = 0;
        click("cmdGenerate");
    }
    QString shownGrid(const char *button)
    {
        click(button);
        return rows(grid());
    }
    QString keyPrinted()
    {
        click("cmdPrint");
        ::click(program->print(), "Command2");
        return program->fakes.jobs.constLast().join(u'/');
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); } // settings of the tests' own
    void init()
    {
        QSettings().clear();
        program = std::make_unique<Program>();
    }
    void cleanup() { program.reset(); }

    void controls_data()
    {
        QTest::addColumn<Seen>("expected");
        const QString arial = u"Arial 8"_s;
        const auto row = [](const char *name, const Seen &seen) { QTest::newRow(name) << seen; };
        row("frmDisplay", {u"Lexmire - Puzzle"_s, {0, 0, 513, 596}, arial, white, black});
        row("Progress", {{}, {8, 6, 497, 22}, arial, white, black});
        row("LblDone", {u"DONE!"_s, {8, 2, 497, 32}, u"Arial 21.75 bold"_s, {}, orange});
        row("GrdGridder", {{}, {8, 36, 377, 377}, u"MS Sans Serif 8.25"_s, white, black});
        row("lstWerds", {{}, {392, 36, 113, 377}, {}, white, red});
        row("cmdGenerate", {u"Generate"_s, {8, 419, 67, 26}, arial, orange, black});
        row("cmdPuzzle", {u"Display Whole Puzzle"_s, {79, 419, 123, 26}, arial, orange, brown});
        row("cmdAnswer", {u"Display Answer Key"_s, {206, 419, 117, 26}, arial, orange, brown});
        row("cmdPrint", {u"Print Options"_s, {327, 419, 87, 26}, arial, orange, brown});
        row("Command1", {u"Back to Main"_s, {418, 419, 87, 26}, arial, orange, black});
        row("lblGenerating", {u"GENERATING PUZZLE..."_s, {8, 415, 497, 34}, u"Times New Roman 30"_s, {}, orange});
        row("band", {{}, {4, 451, 505, 33}, arial, orange, black});
        row("lblcaption", {u"Level of Thought:"_s, {12, 453, 180, 29}, u"Arial 14.25 bold italic"_s, orange, black});
        row("optvf", {u"No Brainer"_s, {200, 456, 92, 23}, arial, orange, black});
        row("optm", {u"Thoughtful"_s, {300, 456, 92, 23}, arial, orange, black});
        row("optvs", {u"Quillo Bashing"_s, {400, 456, 104, 23}, arial, orange, black});
        row("chkEveryWord", {u"Place every word"_s, {12, 493, 120, 23}, arial, white, black});
        row("chkCheckWords", {u"Check for unwanted words"_s, {136, 493, 160, 23}, arial, white, black});
        row("cmdUnwanted", {u"Unwanted Words..."_s, {298, 491, 116, 26}, arial, orange, black});
        row("cmdRefill", {u"Refill"_s, {418, 491, 87, 26}, arial, orange, brown});
        row("cmdNumber", {u"Generate Number..."_s, {206, 523, 117, 26}, arial, orange, black});
        row("cmdSavePuzzle", {u"Save Puzzle..."_s, {327, 523, 87, 26}, arial, orange, brown});
        row("cmdOpenPuzzle", {u"Open Puzzle..."_s, {418, 523, 87, 26}, arial, orange, black});
    }
    void controls()
    {
        QFETCH(Seen, expected);
        start({u"cat"_s}, 15, 15);
        QCOMPARE(seen(control<QWidget>(puzzle(), QTest::currentDataTag()), expected), expected);
    }

    // The first appearance: the grids sized, the editor's words listed, the generator reseeded, Thoughtful chosen,
    // nothing to display yet; then a list emptied in the editor, with nothing to place.
    void handOff()
    {
        start({u"one"_s, u"two"_s, u"six"_s}, 40, 10);
        QCOMPARE(program->fakes.random.reseeds, 2); // when it loads, and at the hand-off
        QCOMPARE(shown(puzzle()).join(u' '), fresh);
        QCOMPARE(disabled(puzzle()).join(u' '), u"cmdAnswer cmdPrint cmdPuzzle cmdRefill cmdSavePuzzle"_s);
        QVERIFY(control<QRadioButton>(puzzle(), "optm")->isChecked());
        QCOMPARE(QStringList({focused(), accessibleName(grid()), entries(words()).join(u' '), text("lblNumber")}),
                 QStringList({u"cmdGenerate"_s, u"Empty grid, 40 columns by 10 rows"_s, u"ONE TWO SIX"_s, QString()}));
        auto *table = control<QTableView>(puzzle(), "GrdGridder"); // 260 x 240 twips a cell
        QCOMPARE(QList({table->columnWidth(39), table->rowHeight(9), int(rows(grid()).count(u'.'))}),
                 QList({17, 16, 400}));

        click("Command1"); // emptied one by one, the editor's list leaves the main window's copy
        ::click(program->main(), "cmdWords");
        for (int i = 0; i < 3; ++i) {
            clickEntry(control<QAbstractItemView>(program->editor(), "lstWord"), 0);
            ::click(program->editor(), "cmdDelete");
        }
        ::click(program->editor(), "cmdBack");
        ::click(program->main(), "cmdPrint");
        spoken();
        click("cmdGenerate");
        QCOMPARE(QStringList({text("lblNotice"), spoken().join(u'|')}), QStringList(2, u"The word list is empty."_s));
        QVERIFY(visible("lblNotice") && !visible("Progress") && !visible("LblDone")); // in place of the bar
    }

    // TAC leftward along the top row of 4 x 3, then the fill letters. While the run holds the thread the buttons give
    // way to "GENERATING PUZZLE..."; afterwards "DONE!" stands for a tick in place of the bar, and the grid is blank
    // until a display button is pressed. The grid's lines are white, so that letters stand alone.
    void generateAndDisplay()
    {
        start({u"tac"_s}, 4, 3);
        generate(tacDraws(4, 3)); // a first puzzle, shown, then made again
        click("cmdPuzzle");
        QString during;
        program->fakes.random.onNext = [&] {
            if (during.isEmpty())
                during = shown(puzzle()).join(u' ') + u'|' + disabled(puzzle()).join(u' ');
        };
        auto *timer = control<QTimer>(puzzle(), "TmrDone");
        const auto done = [&] { return QList({visible("LblDone"), visible("Progress"), timer->isActive()}); };
        spoken();
        generate(tacDraws(4, 3));
        QCOMPARE(during,
                 u"GrdGridder LblDone band chkCheckWords chkEveryWord cmdNumber cmdOpenPuzzle cmdRefill "
                 "cmdSavePuzzle cmdUnwanted lblGenerating lblNumber lblReport lblcaption lstWerds optm optvf "
                 "optvs|"_s); // "DONE!" of the last run still up
        QCOMPARE(QList({done(), QList({timer->interval() == 1000})}), QList({QList({true, false, true}), {true}}));
        QCOMPARE(spoken(), QStringList({u"DONE!"_s}));
        tick(puzzle(), "TmrDone");
        QCOMPARE(done(), QList({false, true, false}));
        QCOMPARE(QList({rows(grid()), QString::number(inkedCells(grid()))}), QList({u"..../..../...."_s, u"0"_s}));
        QCOMPARE(QList({shownGrid("cmdPuzzle"), QString::number(inkedCells(grid())), accessibleName(grid())}),
                 QList({u"CATB/CDEF/GHIJ"_s, u"12"_s, u"Puzzle, 4 columns by 3 rows"_s}));
        const QRect cell = grid()->visualRect(grid()->model()->index(1, 1));
        QCOMPARE(onScreen(grid()->viewport()).pixelColor(cell.right() + 1, cell.top() + 2), white);
        QCOMPARE(QList({shownGrid("cmdAnswer"), QString::number(inkedCells(grid())), accessibleName(grid())}),
                 QList({u"CAT./..../...."_s, u"3"_s, u"Answer key, 4 columns by 3 rows"_s}));
    }

    // Other sizes between visits show the old puzzle cut or padded; the key never shows an earlier, larger one's.
    void sizesBetweenVisits()
    {
        start({u"tac"_s}, 4, 3);
        generate(tacDraws(4, 3));
        start({}, 6, 4);
        QCOMPARE(QStringList({rows(grid()), shownGrid("cmdPuzzle"), shownGrid("cmdAnswer")}).join(u' '),
                 u"....../....../....../...... CATB../CDEF../GHIJ../...... CAT.../....../....../......"_s);
        generate(tacDraws(6, 4, 6, 4)); // TAC at the end of the bottom row, then a smaller puzzle
        start({}, 4, 3);
        generate(tacDraws(4, 3));
        start({}, 6, 4);
        QCOMPARE(QList({shownGrid("cmdAnswer"), QString::number(inkedCells(grid()))}),
                 QList({u"CAT.../....../....../......"_s, u"3"_s}));
    }

    // A blank inside an entry counts towards its length, never as a letter; too long for the grid, there is nothing to
    // place. The level sets the attempt limit: CD never fits beside AB in 3 x 3, so it takes every attempt, three draws
    // each, then 7 fill letters.
    void blanksNoticesAndLevels()
    {
        start({u"new york"_s}, 8, 8);
        generate(spreadDraws(10000));
        const QString puzzleRows = shownGrid("cmdPuzzle");
        QVERIFY2(puzzleRows.size() == 8 * 9 - 1 && !puzzleRows.contains(u' ') && !puzzleRows.contains(u'.'),
                 qPrintable(puzzleRows));
        QCOMPARE(shownGrid("cmdAnswer").remove(u'/').remove(u'.').size(), 7);
        start({}, 7, 6);
        click("cmdGenerate");
        QCOMPARE(text("lblNotice"), u"No word fits a 7 x 6 puzzle."_s);
        QVERIFY(!control<QWidget>(puzzle(), "cmdSavePuzzle")->isEnabled()); // no puzzle to save
        start({u"emu"_s}, 7, 6); // a run that places a word takes the notice away
        generate(spreadDraws(10000));
        QVERIFY(!visible("lblNotice") && visible("LblDone"));
        program = std::make_unique<Program>();
        start({u"ab"_s, u"cd"_s}, 3, 3);
        for (const auto &[option, limit] :
             {std::pair("optvf", 1000), std::pair("optm", 10000), std::pair("optvs", 50000)}) {
            ::click(puzzle(), option);
            generate({});
            QCOMPARE(int(program->fakes.random.position), 3 * limit + 10);
            QCOMPARE(shownGrid("cmdAnswer") + ::marks(words()), u"AB./.../...-+"_s);
        }
    }

    // A word given up is greyed, struck out and said so; a list in another order is not marked.
    void marks()
    {
        start({u"cat"_s, u"elephants"_s}, 7, 7);
        generate(spreadDraws(100000));
        QCOMPARE(QStringList({::marks(words()), words()->model()->index(1, 0).data(Qt::AccessibleTextRole).toString()}),
                 QStringList({u"-+"_s, u"ELEPHANTS, not hidden"_s}));
        click("Command1");
        ::click(program->main(), "cmdWords");
        ::click(program->editor(), "optdescend1");
        ::click(program->editor(), "cmdSort");
        ::click(program->editor(), "cmdBack");
        ::click(program->main(), "cmdPrint");
        QCOMPARE(::marks(words()), u"--"_s);
    }

    // What a screen reader is told: a frame, the level options as a group, the bar and the number named, and the grid
    // as a table of its cells alone, the current one focused while the grid has the focus. The keyboard: the stops, the
    // keys on a button, and the focus kept on Generate through a run, with what came in meanwhile dropped.
    void accessibilityAndKeyboard()
    {
        start({u"tac"_s}, 4, 3);
        ::click(puzzle(), "optvs");
        generate(tacDraws(4, 3));
        click("cmdPuzzle");
        QCOMPARE(QAccessible::queryAccessibleInterface(puzzle())->role(), QAccessible::Window);
        QAccessibleInterface *band = QAccessible::queryAccessibleInterface(control<QWidget>(puzzle(), "band"));
        QCOMPARE(band->role(), QAccessible::Grouping);
        QCOMPARE(QStringList({band->text(QAccessible::Name), accessibleName(control<QWidget>(puzzle(), "Progress")),
                              accessibleName(control<QWidget>(puzzle(), "lblNumber"))}),
                 QStringList({u"Level of Thought"_s, u"Progress"_s, u"Puzzle number"_s}));
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid());
        QString letters;
        for (int i = 0; i < table->childCount(); ++i)
            letters += table->child(i)->text(QAccessible::Name).leftJustified(1, u'.');
        QCOMPARE(QList({int(table->role()), table->tableInterface()->rowCount()}), QList({int(QAccessible::Table), 3}));
        QCOMPARE(letters, u"CATBCDEFGHIJ"_s);
        QAccessibleInterface *cell = table->tableInterface()->cellAt(1, 2);
        grid()->setCurrentIndex(grid()->model()->index(1, 2));
        grid()->setFocus();
        QVERIFY(cell->state().focused && table->focusChild() == cell);
        const QRect at = grid()->visualRect(grid()->model()->index(1, 2)); // and framed for the eye
        QCOMPARE(onScreen(grid()->viewport()).pixelColor(at.left() + 1, at.center().y()), black);

        control<QWidget>(puzzle(), "cmdGenerate")->setFocus();
        QCOMPARE(tabOrder(15).join(u' '),
                 u"cmdPuzzle cmdAnswer cmdPrint Command1 optvs chkEveryWord chkCheckWords "
                 "cmdUnwanted cmdRefill cmdNumber cmdSavePuzzle cmdOpenPuzzle GrdGridder "
                 "lstWerds cmdGenerate"_s);
        program->fakes.random.draws = tacDraws(4, 3);
        program->fakes.random.position = 0;
        QStringList seen;        // focus changes, then the buttons pressed
        const QObject listening; // this test's alone
        connect(qApp, &QApplication::focusChanged, &listening,
                [&](QWidget *, QWidget *now) { seen << (now ? now->objectName() : u"-"_s); });
        for (QPushButton *button : puzzle()->findChildren<QPushButton *>())
            connect(button, &QPushButton::clicked, &listening, [&seen, button] { seen << button->objectName(); });
        program->fakes.random.onNext = [&] { // a click and a key on Generate while it runs
            QWidget *button = control<QWidget>(puzzle(), "cmdGenerate");
            const QPointF centre(button->width() / 2.0, button->height() / 2.0);
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(button,
                                            new QMouseEvent(type, centre, button->mapToGlobal(centre), Qt::LeftButton,
                                                            Qt::LeftButton, Qt::NoModifier));
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(button, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier, u" "_s));
            program->fakes.random.onNext = nullptr;
        };
        press(Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(QStringList({seen.join(u' '), focused()}), QStringList({u"cmdGenerate"_s, u"cmdGenerate"_s}));
        closeFromTitleBar(puzzle()); // a window manager's close goes back to the main window
        QVERIFY(program->main()->isVisible() && !puzzle()->isVisible());
    }

    // "Place every word": AB, CD and EF in 3 x 3, where puzzle number n hides the first hidden[n - 1] of them. The
    // tries run with the window live, Generate alone shown to stop them; the best is made again and shown.
    void everyWord_data()
    {
        QTest::addColumn<int>("stop"); // how the tries end
        QTest::addColumn<QList<int>>("hidden");
        QTest::newRow("all placed") << int(AllPlaced) << QList({1, 2, 1, 3});
        QTest::newRow("Escape") << int(Escape) << QList({1, 2, 1, 1});
        QTest::newRow("Generate again") << int(GenerateAgain) << QList({1, 2, 1, 1});
        QTest::newRow("window closed") << int(Closed) << QList({1, 2, 1, 1});
        QTest::newRow("out of tries") << int(OutOfTries) << QList({1, 2});
    }
    void everyWord()
    {
        QFETCH(int, stop);
        QFETCH(QList<int>, hidden);
        start({u"ab"_s, u"cd"_s, u"ef"_s}, 3, 3);
        ::click(puzzle(), "optvf");
        ScriptedRandom &random = program->fakes.random;
        random.seeded = [hidden](quint32 number) {
            std::vector<float> draws;
            for (int row = 1; row <= hidden.value(number - 1, 1); ++row)
                draws.insert(draws.end(), {drawFor(1, 3), drawFor(row, 3), drawFor(1, 8)});
            return draws;
        };
        QString during;
        random.onNext = [&] {
            if (random.seeds.size() != 3 || !during.isEmpty())
                return;
            during = focused() + u'|' + disabled(puzzle()).join(u' ') + u'|' + text("lblTrying");
            QTimer::singleShot(0, this, [&] { // as the user's would, between two tries
                if (stop == Escape)
                    press(Qt::Key_Escape);
                else if (stop == GenerateAgain)
                    click("cmdGenerate");
                else if (stop == Closed)
                    closeFromTitleBar(puzzle());
            });
        };
        ::click(puzzle(), "chkEveryWord");
        spoken();
        click("cmdGenerate");
        QTRY_VERIFY(!visible("lblTrying"));
        random.onNext = nullptr;
        QCOMPARE(during,
                 u"cmdGenerate|chkCheckWords chkEveryWord cmdAnswer cmdNumber cmdOpenPuzzle cmdPrint cmdPuzzle "
                 "cmdRefill cmdSavePuzzle cmdUnwanted optm optvf optvs|Try 2 of 200: at best 2 of 3 placed. "
                 "Generate or Esc stops and keeps the best."_s); // Generate alone live
        const int tries = int(random.seeds.size()) - 1;          // a fresh number for each, then the best made again
        const bool all = stop == AllPlaced;
        QCOMPARE(random.seeds.last(), all ? 4u : 2u);
        const QString report = all ? u"All 3 words placed (try 4)"_s
                                   : u"2 of 3 placed after %1 tries"_s.arg(stop == OutOfTries ? 200 : tries);
        QCOMPARE(spoken(), QStringList({u"DONE! "_s + report + u'.'}));
        QCOMPARE(QList({puzzle()->isVisible(), program->main()->isVisible()}), QList({stop != Closed, stop == Closed}));
        if (stop == Closed)
            start({}, 3, 3);
        QCOMPARE(QStringList({text("lblReport"), text("lblNumber"), ::marks(words()), shownGrid("cmdAnswer")}),
                 all ? QStringList({report, u"Puzzle 4"_s, u"---"_s, u"AB./CD./EF."_s})
                     : QStringList({report, u"Puzzle 2"_s, u"--+"_s, u"AB./CD./..."_s}));
        QCOMPARE(keyPrinted(), // the print window's key is the puzzle shown
                 all ? u"Puzzle Key//A B   /C D   /E F   "_s : u"Puzzle Key//A B   /C D   /      "_s);
    }

    // Every Generate shows its number; the number asked for makes the same puzzle again.
    void puzzleNumbers()
    {
        program->fakes.random.seeded = [](quint32 number) { return spreadDraws(20000, number); };
        start({u"cat"_s, u"dog"_s, u"emu"_s}, 6, 5);
        const auto made = [&] {
            return QStringList({shownGrid("cmdPuzzle"), shownGrid("cmdAnswer"), ::marks(words()), text("lblNumber")});
        };
        click("cmdGenerate");
        const QStringList first = made();
        click("cmdGenerate");
        QVERIFY(shownGrid("cmdPuzzle") != first[0] && text("lblNumber") == u"Puzzle 2"_s);
        click("cmdNumber"); // cancelled
        program->fakes.numberAnswers = {1};
        click("cmdNumber");
        QCOMPARE(made(), first);
        QCOMPARE(QList({first[3], program->fakes.dialogs.constLast()}),
                 QList({u"Puzzle 1"_s,
                        u"Lexmire - Puzzle|Puzzle number (the same list, size and level make the same puzzle):"_s}));
        QCOMPARE(program->fakes.random.seeds, QList<quint32>({1, 2, 1}));
    }

    // A puzzle saved, and opened by another run of the program: shown ready to print, its list, size and level the
    // program's. What cannot be opened changes nothing.
    void saveAndOpen()
    {
        start({u"tac"_s}, 4, 3);
        ::click(puzzle(), "optvs");
        generate(tacDraws(4, 3));
        click("cmdSavePuzzle"); // cancelled
        program->fakes.saveAnswers = {program->path(u"none/tac.lexpuzzle"_s), program->path(u"tac.lexpuzzle"_s)};
        click("cmdSavePuzzle");
        QVERIFY(program->fakes.shown.value(0).startsWith(u"Lexmire - Puzzle|The puzzle file \u2068"_s)
                && program->fakes.shown.value(0).contains(u"could not be saved:\r\n"_s));
        spoken();
        click("cmdSavePuzzle");
        QCOMPARE(
            QStringList({spoken().join(u'|'), program->fakes.dialogs.constLast()}),
            QStringList({u"Saved the puzzle to \u2068tac.lexpuzzle\u2069"_s,
                         u"Lexmire Puzzles (*.lexpuzzle)|*.lexpuzzle|All Files (*.*)|*.*|Save Puzzle|lexpuzzle"_s}));

        const std::unique_ptr<Program> first = std::move(program); // its folder holds the file
        program = std::make_unique<Program>();
        FakePlatform &fakes = program->fakes;
        start({u"zebra"_s}, 15, 15);
        click("cmdGenerate");
        QFile cut(program->path(u"cut.lexpuzzle"_s));
        QVERIFY(cut.open(QIODevice::WriteOnly) && cut.write("{\"format\": \"Lexmire puzzle\", \"vers") > 0);
        fakes.openAnswers = {cut.fileName()};
        const QString before = shownGrid("cmdPuzzle");
        for (int i = 0; i < 2; ++i) // the last cancelled
            click("cmdOpenPuzzle");
        QCOMPARE(fakes.shown.size(), 1);
        QVERIFY(fakes.shown[0].endsWith(u"could not be opened:\r\nit is not a puzzle file, or it is cut short."_s));
        QCOMPARE(QStringList({rows(grid()), entries(words()).join(u' '), text("lblNumber")}),
                 QStringList({before, u"ZEBRA"_s, u"Puzzle 1"_s}));

        fakes.openAnswers = {first->path(u"tac.lexpuzzle"_s)};
        spoken();
        click("cmdOpenPuzzle");
        QCOMPARE(QStringList({rows(grid()), shownGrid("cmdAnswer"), entries(words()).join(u' '), text("lblNumber")}),
                 QStringList({u"CATB/CDEF/GHIJ"_s, u"CAT./..../...."_s, u"TAC"_s, u"Puzzle 1"_s}));
        QVERIFY(control<QRadioButton>(puzzle(), "optvs")->isChecked());
        QCOMPARE(spoken(), QStringList({u"Opened \u2068tac.lexpuzzle\u2069, Puzzle 1."_s}));
        click("Command1");
        ::click(program->main(), "cmdWords");
        QCOMPARE(QStringList({control<QLabel>(program->main(), "lblDimDisplay")->text(),
                              control<QLabel>(program->main(), "lblWordcount")->text(),
                              control<QLabel>(program->editor(), "lblnumber")->text()}),
                 QStringList({u" 4 x  3"_s, u"Words in Puzzle:  1"_s, u"1"_s}));
        ::click(program->editor(), "cmdBack");
        ::click(program->main(), "cmdPrint"); // the editor's list, handed over, is the puzzle's
        QCOMPARE(QStringList({entries(words()).join(u' '), keyPrinted()}),
                 QStringList({u"TAC"_s, u"Puzzle Key//C A T   /        /        "_s}));
    }

    // The check for unwanted words in the filler, the list the user keeps, and Refill, which draws the filler anew and
    // never moves a word.
    void unwantedWords()
    {
        start({u"tac"_s}, 4, 3);
        ::click(puzzle(), "chkCheckWords");
        QCOMPARE(text("lblReport"), QString()); // nothing made yet
        std::vector<float> draws = tacDraws(4, 3);
        draws.resize(3);
        for (const int letter : {24, 2, 21, 13, 24, 24, 24, 24, 24}) // X, then BUMX, XXXX
            draws.push_back(drawFor(letter, 26));
        spoken();
        generate(draws);
        const QString bum = u"Unwanted words in the filler: BUM (row 2, column 1, rightward)."_s;
        QCOMPARE(QStringList({text("lblReport"), spoken().join(u'|')}), QStringList({bum, u"DONE! "_s + bum}));
        program->fakes.random.draws.assign(9, drawFor(24, 26));
        program->fakes.random.position = 0;
        click("cmdPuzzle");
        click("cmdRefill");
        QCOMPARE(QStringList({rows(grid()), text("lblReport"), text("lblNumber"), spoken().join(u'|')}),
                 QStringList({u"CATX/XXXX/XXXX"_s, u"No unwanted word in the filler."_s, u"Puzzle 1 (refilled)"_s,
                              u"New filler letters drawn. No unwanted word in the filler."_s}));
        click("cmdUnwanted"); // cancelled: the list as it starts
        QVERIFY(program->fakes.offeredWords.contains(u"BUM"_s));
        program->fakes.wordAnswers = {{u"cat"_s, u"xxxx"_s}}; // CAT is the puzzle's own
        click("cmdUnwanted");
        QVERIFY(text("lblReport").startsWith(u"Unwanted words in the filler: XXXX (row 2, column 1, rightward);"_s));
    }
};

QTEST_MAIN(TestPuzzleWindow)
#include "tst_puzzle_window.moc"
