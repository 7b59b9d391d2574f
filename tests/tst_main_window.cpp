// The main window: its controls, the two views and the dimensions, Clear
// All, the message boxes, the ways out and the keyboard.
#include "program.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {
const QColor orange(255, 128, 0), white(Qt::white), black(Qt::black), red(Qt::red);
const QString normalView = u"cmdAbout cmdAllClear cmdDimensions cmdExit cmdPrint cmdWords imgWordsearch lblDimDisplay "
                           "lblDimensionsDisplay lblWordcount lstWords whiteBar"_s;
const QString stuff = u"Enter the puzzle dimensions.  For either direction, the maximum is 100 and the minimum is 3.  "
                      "When finished, click the Done button."_s;
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> program;
    QStringList closed; // windows closed, then "exit", in order

    QWidget *main() const { return program->main(); }
    QString text(const char *label) const { return control<QLabel>(main(), label)->text(); }
    QScrollBar *bar(const char *name) const { return control<QScrollBar>(main(), name); }
    void click(const char *button) const { ::click(main(), button); }
    // What the user sees: the captions that show dimensions and words, the list, the view and the focus.
    QString state() const
    {
        return QStringList({text("lblDimDisplay"), text("lblCurrentDim"), text("lblWordcount"),
                            entries(control<QAbstractItemView>(main(), "lstWords")).join(u','),
                            shown(main()).join(u' '), focused()})
            .join(u" | ");
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && watched->objectName().startsWith(u"frm") && watched->isWidgetType())
            closed.append(watched->objectName());
        return false;
    }

private slots:
    void init()
    {
        program = std::make_unique<Program>();
        closed.clear();
        qApp->installEventFilter(this);
        program->fakes.onExit = [this] { closed.append(u"exit"_s); };
    }
    void cleanup() { program.reset(); }

    void controls_data()
    {
        QTest::addColumn<Seen>("expected");
        const QString large = u"Arial 9 bold italic"_s, arial = u"Arial 8"_s, sans = u"MS Sans Serif 13.5"_s;
        QTest::newRow("frmMain") << Seen{u"Lexmire"_s, {0, 0, 372, 351}, arial, white, black};
        QTest::newRow("cmdWords") << Seen{u"Edit Word List"_s, {8, 8, 137, 33}, large, orange, black};
        QTest::newRow("cmdDimensions") << Seen{u"Set Dimensions"_s, {8, 45, 137, 33}, large, orange, black};
        QTest::newRow("cmdAllClear") << Seen{u"Clear All"_s, {8, 82, 137, 33}, large, orange, black};
        QTest::newRow("lstWords") << Seen{{}, {8, 123, 137, 160}, {}, white, red};
        QTest::newRow("lblWordcount") << Seen{u"Words in Puzzle:  0"_s, {8, 286, 137, 19}, arial, white, orange};
        QTest::newRow("lblDimensionsDisplay")
            << Seen{u"Current Dimensions ="_s, {160, 8, 204, 25}, sans, white, orange};
        QTest::newRow("lblDimDisplay") << Seen{
            u"Default (15 x 15)"_s, {160, 33, 204, 23}, u"MS Sans Serif 12 bold"_s, white, orange};
        QTest::newRow("imgWordsearch") << Seen{{}, {160, 95, 204, 176}, arial, {}, orange};
        QTest::newRow("cmdAbout") << Seen{u"About"_s, {304, 62, 60, 25}, arial, orange, black};
        QTest::newRow("cmdPrint") << Seen{u"Display/Print Puzzle"_s, {8, 312, 217, 31}, large, orange, black};
        QTest::newRow("cmdExit") << Seen{u"Exit"_s, {233, 312, 131, 31}, large, orange, black};
        QTest::newRow("hsbLength") << Seen{{}, {40, 324, 324, 19}, arial, {}, black};
        QTest::newRow("vsbHeight") << Seen{{}, {8, 104, 19, 208}, arial, {}, black};
        QTest::newRow("lblStuff") << Seen{stuff, {40, 12, 316, 84}, u"Times New Roman 9.75"_s, white, orange};
        QTest::newRow("lblCurrentDim") << Seen{u"15 x 15"_s, {104, 208, 164, 29}, sans + u" bold"_s, black, orange};
        QTest::newRow("cmdDimDone") << Seen{u"Done"_s, {136, 152, 100, 33}, arial, orange, black};
    }
    void controls()
    {
        QFETCH(Seen, expected);
        QWidget *c = control<QWidget>(main(), QTest::currentDataTag());
        if (!c->isVisibleTo(main()))
            click("cmdDimensions");
        QCOMPARE(seen(c, expected), expected);
    }

    // Each view shows its own controls, the focus where the view's work is.
    // Width first, height second, each a blank and its digits; Done commits
    // the live caption, which the next visit shows as it was. About, and
    // Display/Print with no words, answer with a message box alone. The title
    // bar's close is a way out.
    void views()
    {
        QCOMPARE(main()->minimumSize(), main()->maximumSize()); // fixed: nothing moves when dragged larger
        click("cmdAbout");
        click("cmdPrint");
        QCOMPARE(program->fakes.shown,
                 QStringList({u"Lexmire|This program is a combined effort by\r\nthe Lexmire team, who made the "
                              "puzzles,\r\nand everyone who hunted the words.\r\n\r\nWinter 2026"_s,
                              u"You Must Enter Words!|Please enter some words first; otherwise,\r\nsearching will be "
                              "harder than it should be."_s}));
        QCOMPARE(windowsMade(), QStringList({u"frmMain+"_s}));
        QCOMPARE(state() + disabled(main()).join(u' '),
                 u"Default (15 x 15) | 15 x 15 | Words in Puzzle:  0 |  | %1 | cmdWords"_s.arg(normalView));
        QCOMPARE(tabOrder(7).join(u' '), u"cmdDimensions cmdAllClear cmdPrint cmdExit cmdAbout lstWords cmdWords"_s);
        QCOMPARE(tabOrder(2, true).join(u' '), u"lstWords cmdAbout"_s);
        click("cmdDimensions");
        const QString dimensionView = u"cmdDimDone hsbLength lblCurrentDim lblStuff vsbHeight | cmdDimDone"_s;
        QCOMPARE(state(), u"Default (15 x 15) | 15 x 15 | Words in Puzzle:  0 |  | "_s + dimensionView);
        QCOMPARE(tabOrder(3).join(u' ') + u" / "_s + tabOrder(3, true).join(u' '),
                 u"hsbLength vsbHeight cmdDimDone / vsbHeight hsbLength cmdDimDone"_s);
        click("cmdDimDone"); // unmoved: the default's text gives way to the dimension text
        click("cmdDimensions");
        bar("hsbLength")->setValue(40);
        bar("vsbHeight")->setValue(10);
        QCOMPARE(state(), u" 15 x  15 |  40 x  10 | Words in Puzzle:  0 |  | "_s + dimensionView);
        click("cmdDimDone"); // the focus back where the view was entered
        QCOMPARE(state(), u" 40 x  10 |  40 x  10 | Words in Puzzle:  0 |  | %1 | cmdDimensions"_s.arg(normalView));
        click("cmdDimensions");
        bar("hsbLength")->setValue(250); // the bars stop at their ends
        bar("vsbHeight")->setValue(-5);
        click("cmdDimDone");
        QCOMPARE(text("lblDimDisplay"), u" 100 x  3"_s);
        closeFromTitleBar(main()); // ends the program too, once
        QCOMPARE(closed, QStringList({u"frmMain"_s, u"frmMain"_s, u"exit"_s}));
    }

    // Keys where the focus is. A focused button takes Return, Enter and Space;
    // Enter from elsewhere presses the view's default, "Edit Word List" or
    // "Done". On a bar Right and Down raise, Left and Up lower, a page is 1,
    // Home and End go to the ends. Ctrl+X, and no other X, closes the puzzle
    // window, the editor, the print window and the main window, in that
    // order, and ends the process once.
    void keys_data()
    {
        QTest::addColumn<QByteArray>("focus");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("after"); // the buttons pressed, the live dimensions, what closed
        const QString exited = u"frmDisplay frmEdit frmPrint frmMain exit"_s;
        const auto row = [](const char *focus, QKeyCombination key, const QString &after) {
            QTest::addRow("%s on %s", qPrintable(QKeySequence(key).toString()), focus)
                << QByteArray(focus) << key << after;
        };
        for (const char *button : {"cmdAllClear", "cmdAbout", "cmdDimDone", "cmdExit"})
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
                row(button, key,
                    u"%1 | 15 x 15 | %2"_s.arg(QLatin1String(button), qstrcmp(button, "cmdExit") ? QString() : exited));
        row("lstWords", Qt::Key_Enter, u"cmdWords | 15 x 15 | "_s);
        row("vsbHeight", Qt::Key_Return, u"cmdDimDone | 15 x 15 | "_s);
        row("lstWords", Qt::Key_Space, u" | 15 x 15 | "_s);
        row("lstWords", Qt::SHIFT | Qt::Key_Return, u" | 15 x 15 | "_s); // with a modifier, no default
        const std::pair<Qt::Key, int> steps[]
            = {{Qt::Key_Right, 16},    {Qt::Key_Left, 14},   {Qt::Key_Down, 16}, {Qt::Key_Up, 14},
               {Qt::Key_PageDown, 16}, {Qt::Key_PageUp, 14}, {Qt::Key_End, 100}, {Qt::Key_Home, 3}};
        for (const auto &[key, value] : steps) {
            row("hsbLength", key, u" |  %1 x  15 | "_s.arg(value));
            row("vsbHeight", key, u" |  15 x  %1 | "_s.arg(value));
        }
        row("lstWords", Qt::CTRL | Qt::Key_X, u" | 15 x 15 | "_s + exited);
        row("hsbLength", Qt::CTRL | Qt::Key_X, u" | 15 x 15 | "_s + exited);
        for (const QKeyCombination key : {Qt::Key_X | Qt::NoModifier, Qt::SHIFT | Qt::Key_X,
                                          Qt::CTRL | Qt::SHIFT | Qt::Key_X, Qt::CTRL | Qt::ALT | Qt::Key_X})
            row("lstWords", key, u" | 15 x 15 | "_s);
    }
    void keys()
    {
        QFETCH(QByteArray, focus);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, after);
        program->editor(), program->puzzle(), program->print(); // every window made, and hidden
        QWidget *target = control<QWidget>(main(), focus);
        if (!target->isVisibleTo(main()))
            click("cmdDimensions");
        QStringList presses;
        for (QPushButton *button : main()->findChildren<QPushButton *>())
            connect(button, &QPushButton::clicked, this, [&presses, button] { presses << button->objectName(); });
        target->setFocus(Qt::TabFocusReason);
        closed.clear();
        press(key);
        QCOMPARE(u"%1 | %2 | %3"_s.arg(presses.join(u' '), text("lblCurrentDim"), closed.join(u' ')), after);
    }

    // Clear All before the other windows exist creates them hidden; later it
    // resets all but the puzzle window's list and results.
    void clearAll()
    {
        click("cmdAllClear");
        QCOMPARE(windowsMade(), QStringList({u"frmDisplay"_s, u"frmEdit"_s, u"frmMain+"_s}));
        program->fakes.random.draws = spreadDraws(50000);
        click("cmdWords");
        addWords(*program, {u"cat"_s, u"dog"_s});
        ::click(program->editor(), "cmdBack");
        bar("hsbLength")->setValue(20);
        bar("vsbHeight")->setValue(12);
        click("cmdDimensions");
        click("cmdDimDone");
        click("cmdPrint");
        for (const char *button : {"optvs", "cmdGenerate", "cmdPuzzle", "Command1"})
            ::click(program->puzzle(), button);
        click("cmdAllClear");
        QCOMPARE(
            state() + u" | "_s + windowsMade().join(u' '),
            u"Default (15 x 15) | 15 x 15 | Words in Puzzle:  0 |  | %1 | cmdPrint | frmDisplay frmEdit frmMain+"_s.arg(
                normalView));
        QCOMPARE(QList({bar("hsbLength")->value(), bar("vsbHeight")->value()}), QList({15, 15}));
        QCOMPARE(entries(control<QAbstractItemView>(program->editor(), "lstWord")).join(u',')
                     + control<QLabel>(program->editor(), "lblnumber")->text(),
                 u"0"_s);
        QVERIFY(control<QRadioButton>(program->puzzle(), "optm")->isChecked());
        auto *grid = control<QAbstractItemView>(program->puzzle(), "GrdGridder");
        QCOMPARE(rows(grid), QStringList(12, QString(20, u'.')).join(u'/'));
        QCOMPARE(accessibleName(grid), u"Empty grid, 20 columns by 12 rows"_s);
        QCOMPARE(entries(control<QAbstractItemView>(program->puzzle(), "lstWerds")), QStringList({u"CAT"_s, u"DOG"_s}));
    }

    // Every window is a frame to a screen reader, without its decorations;
    // the dimension view's instruction is read with its controls.
    void accessibility()
    {
        const QStringList decorations{u"imgWordsearch"_s, u"whiteBar"_s,    u"Image1"_s,
                                      u"Shape2"_s,        u"lblcaption3"_s, u"lblcaption4"_s};
        for (QWidget *window : {program->main(), program->editor(), program->puzzle(), program->print()}) {
            QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(window);
            QCOMPARE(frame->role(), QAccessible::Window);
            for (int i = 0; i < frame->childCount(); ++i)
                QVERIFY2(!decorations.contains(frame->child(i)->object()->objectName()),
                         qPrintable(frame->child(i)->object()->objectName()));
        }
        QCOMPARE(QStringList({accessibleName(bar("hsbLength")), accessibleName(bar("vsbHeight")),
                              accessibleName(control<QWidget>(main(), "lstWords"))}),
                 QStringList({u"Puzzle width"_s, u"Puzzle height"_s, u"Word list"_s}));
        for (const char *name : {"cmdDimDone", "hsbLength", "vsbHeight"})
            QCOMPARE(control<QWidget>(main(), name)->accessibleDescription(), stuff);
    }

    // Windows open centred the first time and stay where the user puts them;
    // one larger than the screen (run at a large scale too) opens with its
    // top left corner in reach.
    void placement()
    {
        const auto placed = [](QWidget *window) {
            const QRect room = window->screen()->availableGeometry(), frame = window->frameGeometry();
            if (frame.width() > room.width() || frame.height() > room.height())
                return room.contains(frame.topLeft());
            return (frame.center() - room.center()).manhattanLength() <= 6;
        };
        QVERIFY(placed(main()));
        click("cmdWords");
        QVERIFY(placed(program->editor()));
        const QPoint moved = program->editor()->pos() + QPoint(40, 30);
        program->editor()->move(moved);
        ::click(program->editor(), "cmdBack");
        click("cmdWords");
        QCOMPARE(program->editor()->pos(), moved);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
