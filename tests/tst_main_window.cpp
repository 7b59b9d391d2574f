// The main window: its controls, the two views and the dimensions, Clear
// All, the message boxes, the ways out and the keyboard.
#include "program.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {
const QColor orange(255, 128, 0), white(Qt::white), black(Qt::black), red(Qt::red), none;
const QStringList normalView{
    u"cmdAbout"_s,      u"cmdAllClear"_s,   u"cmdDimensions"_s,        u"cmdExit"_s,      u"cmdPrint"_s, u"cmdWords"_s,
    u"imgWordsearch"_s, u"lblDimDisplay"_s, u"lblDimensionsDisplay"_s, u"lblWordcount"_s, u"lstWords"_s, u"whiteBar"_s};
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> program;
    QStringList closed; // windows closed, then "exit", in order

    QWidget *main() const { return program->main(); }
    QString text(const char *label) const { return control<QLabel>(main(), label)->text(); }
    void click(const char *button) const { ::click(main(), button); }
    void setDimensions(int width, int height) const
    {
        control<QScrollBar>(main(), "hsbLength")->setValue(width);
        control<QScrollBar>(main(), "vsbHeight")->setValue(height);
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
        QTest::newRow("lblStuff") << Seen{u"Enter the puzzle dimensions.  For either direction, the maximum is 100 "
                                          "and the minimum is 3.  When finished, click the Done button."_s,
                                          {40, 12, 316, 84},
                                          u"Times New Roman 9.75"_s,
                                          white,
                                          orange};
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
        QCOMPARE(main()->minimumSize(), main()->maximumSize()); // fixed: nothing moves when dragged larger
    }

    // Each view shows its own controls, the focus where the view's work is.
    // Width first, height second, each a blank and its digits; Done commits
    // the live caption, which the next visit shows as it was.
    void views()
    {
        QCOMPARE(shown(main()), normalView);
        QCOMPARE(QList({disabled(main()).join(u' '), focused()}), QList({QString(), u"cmdWords"_s}));
        QCOMPARE(tabOrder(7),
                 QStringList({u"cmdDimensions"_s, u"cmdAllClear"_s, u"cmdPrint"_s, u"cmdExit"_s, u"cmdAbout"_s,
                              u"lstWords"_s, u"cmdWords"_s}));
        QCOMPARE(tabOrder(2, true), QStringList({u"lstWords"_s, u"cmdAbout"_s}));
        click("cmdDimensions");
        QCOMPARE(QList({shown(main()).join(u' '), focused()}),
                 QList({u"cmdDimDone hsbLength lblCurrentDim lblStuff vsbHeight"_s, u"cmdDimDone"_s}));
        QCOMPARE(tabOrder(3), QStringList({u"hsbLength"_s, u"vsbHeight"_s, u"cmdDimDone"_s}));
        QCOMPARE(tabOrder(3, true), QStringList({u"vsbHeight"_s, u"hsbLength"_s, u"cmdDimDone"_s}));
        QCOMPARE(QList({accessibleName(control<QWidget>(main(), "hsbLength")),
                        accessibleName(control<QWidget>(main(), "vsbHeight")),
                        accessibleName(control<QWidget>(main(), "lstWords"))}),
                 QList({u"Puzzle width"_s, u"Puzzle height"_s, u"Word list"_s}));
        click("cmdDimDone"); // unmoved: the default's text gives way to the dimension text
        QCOMPARE(text("lblDimDisplay"), u" 15 x  15"_s);
        click("cmdDimensions");
        QCOMPARE(text("lblCurrentDim"), u"15 x 15"_s); // not refreshed by entering
        control<QScrollBar>(main(), "hsbLength")->setValue(40);
        QCOMPARE(text("lblCurrentDim"), u" 40 x  15"_s);
        control<QScrollBar>(main(), "vsbHeight")->setValue(10);
        QCOMPARE(QList({text("lblCurrentDim"), text("lblDimDisplay")}), QList({u" 40 x  10"_s, u" 15 x  15"_s}));
        click("cmdDimDone"); // the focus back where the view was entered
        QCOMPARE(QList({shown(main()).join(u' '), focused()}), QList({normalView.join(u' '), u"cmdDimensions"_s}));
        QCOMPARE(text("lblDimDisplay"), u" 40 x  10"_s);
        click("cmdDimensions");
        QCOMPARE(text("lblCurrentDim"), u" 40 x  10"_s);
        setDimensions(250, -5); // the bars stop at their ends
        click("cmdDimDone");
        QCOMPARE(text("lblDimDisplay"), u" 100 x  3"_s);
    }

    // Keys on a focused bar: Right and Down raise, Left and Up lower, a page
    // is 1, Home and End go to the ends; the wheel keeps its own direction.
    void dimensionKeys_data()
    {
        QTest::addColumn<QByteArray>("bar");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<int>("value");
        const std::pair<Qt::Key, int> keys[]
            = {{Qt::Key_Right, 16},    {Qt::Key_Left, 14},   {Qt::Key_Down, 16}, {Qt::Key_Up, 14},
               {Qt::Key_PageDown, 16}, {Qt::Key_PageUp, 14}, {Qt::Key_End, 100}, {Qt::Key_Home, 3}};
        for (const char *bar : {"hsbLength", "vsbHeight"})
            for (const auto &[key, value] : keys)
                QTest::addRow("%s %s", bar, qPrintable(QKeySequence(key).toString()))
                    << QByteArray(bar) << QKeyCombination(key) << value;
    }
    void dimensionKeys()
    {
        QFETCH(QByteArray, bar);
        QFETCH(QKeyCombination, key);
        QFETCH(int, value);
        click("cmdDimensions");
        auto *focusedBar = control<QScrollBar>(main(), bar);
        focusedBar->setFocus(Qt::TabFocusReason);
        press(key);
        QCOMPARE(text("lblCurrentDim"), bar == "hsbLength" ? u" %1 x  15"_s.arg(value) : u" 15 x  %1"_s.arg(value));
        const QPointF centre = QRectF(focusedBar->rect()).center();
        QWheelEvent down(centre, focusedBar->mapToGlobal(centre), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(focusedBar, &down);
        QCOMPARE(focusedBar->value(), value == 100 ? 100 : value + 1);
    }

    // Clear All before the other windows exist creates them hidden; later it
    // resets all but the puzzle window's list and results.
    void clearAll()
    {
        click("cmdAllClear");
        QCOMPARE(windowsMade(), QStringList({u"frmDisplay"_s, u"frmEdit"_s, u"frmMain+"_s}));
        QVERIFY(control<QRadioButton>(program->puzzle(), "optm")->isChecked());
        QCOMPARE(control<QLabel>(program->editor(), "lblnumber")->text(), u"0"_s);

        program->fakes.random.draws = spreadDraws(50000);
        click("cmdWords");
        addWords(*program, {u"cat"_s, u"dog"_s});
        ::click(program->editor(), "cmdBack");
        setDimensions(20, 12);
        click("cmdDimensions");
        click("cmdDimDone");
        click("cmdPrint");
        ::click(program->puzzle(), "optvs");
        ::click(program->puzzle(), "cmdGenerate");
        ::click(program->puzzle(), "cmdPuzzle");
        ::click(program->puzzle(), "Command1");
        click("cmdAllClear");
        QCOMPARE(QList({text("lblDimDisplay"), text("lblCurrentDim"), text("lblWordcount")}),
                 QList({u"Default (15 x 15)"_s, u"15 x 15"_s, u"Words in Puzzle:  0"_s}));
        QCOMPARE(QList({control<QScrollBar>(main(), "hsbLength")->value(),
                        control<QScrollBar>(main(), "vsbHeight")->value()}),
                 QList({15, 15}));
        QCOMPARE(entries(control<QAbstractItemView>(main(), "lstWords")), QStringList());
        QCOMPARE(entries(control<QAbstractItemView>(program->editor(), "lstWord")), QStringList());
        QCOMPARE(control<QLabel>(program->editor(), "lblnumber")->text(), u"0"_s);
        QVERIFY(!control<QPushButton>(program->editor(), "cmdDelete")->isEnabled());
        QVERIFY(control<QRadioButton>(program->puzzle(), "optm")->isChecked());
        auto *grid = control<QAbstractItemView>(program->puzzle(), "GrdGridder");
        QCOMPARE(rows(grid), QStringList(12, QString(20, u'.')).join(u'/'));
        QCOMPARE(accessibleName(grid), u"Empty grid, 20 columns by 12 rows"_s);
        QCOMPARE(entries(control<QAbstractItemView>(program->puzzle(), "lstWerds")), QStringList({u"CAT"_s, u"DOG"_s}));
        QCOMPARE(shown(main()), normalView);
        QCOMPARE(windowsMade(), QStringList({u"frmDisplay"_s, u"frmEdit"_s, u"frmMain+"_s}));
        click("cmdWords"); // the editor opens on the emptied list
        QCOMPARE(control<QLabel>(program->editor(), "lblnumber")->text(), u"0"_s);
    }

    void messageBoxes()
    {
        click("cmdAbout");
        click("cmdPrint"); // no words: refused, nothing else made or shown
        QCOMPARE(program->fakes.shown,
                 QStringList({u"Lexmire|This program is a combined effort by\r\nthe Lexmire team, who made the "
                              "puzzles,\r\nand everyone who hunted the words.\r\n\r\nWinter 2026"_s,
                              u"You Must Enter Words!|Please enter some words first; otherwise,\r\nsearching will be "
                              "harder than it should be."_s}));
        QCOMPARE(windowsMade(), QStringList({u"frmMain+"_s}));
    }

    // Every way out closes the puzzle window, the editor, the print window and
    // the main window, in that order, and ends the process once.
    void exits_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QStringList>("closes");
        const QStringList inOrder{u"frmDisplay"_s, u"frmEdit"_s, u"frmPrint"_s, u"frmMain"_s, u"exit"_s};
        QTest::newRow("Exit") << u"cmdExit"_s << inOrder;
        QTest::newRow("title bar") << u"title bar"_s << QStringList{u"frmMain"_s} + inOrder;
        QTest::newRow("Ctrl+X in the list") << u"Ctrl+X"_s << inOrder;
        QTest::newRow("Ctrl+X in the dimension view") << u"cmdDimensions Ctrl+X"_s << inOrder;
        QTest::newRow("X, Shift+X, Ctrl+Shift+X, Ctrl+Alt+X")
            << u"X Shift+X Ctrl+Shift+X Ctrl+Alt+X"_s << QStringList();
    }
    void exits()
    {
        QFETCH(QString, way);
        QFETCH(QStringList, closes);
        program->fakes.random.draws = spreadDraws(1000);
        click("cmdWords"); // every window made and hidden, the main one active again
        addWords(*program, {u"cat"_s});
        ::click(program->editor(), "cmdBack");
        click("cmdPrint");
        ::click(program->puzzle(), "cmdGenerate");
        ::click(program->puzzle(), "cmdPrint");
        ::click(program->print(), "cmdhide");
        ::click(program->puzzle(), "Command1");
        main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main()));
        control<QWidget>(main(), "lstWords")->setFocus();
        closed.clear();
        for (const QString &step : way.split(u' ')) {
            if (step.startsWith(u"cmd"))
                click(qPrintable(step));
            else if (step == u"title")
                closeFromTitleBar(main());
            else if (step != u"bar")
                press(QKeySequence::fromString(step)[0]);
        }
        QCOMPARE(closed, closes); // the exit's own close of the main window ends nothing twice
    }

    // A focused button takes Return, Enter and Space; Enter from elsewhere
    // presses the view's default, "Edit Word List" or "Done".
    void buttonKeys_data()
    {
        QTest::addColumn<QByteArray>("focus");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("pressed");
        for (const char *button : {"cmdAllClear", "cmdAbout", "cmdDimDone", "cmdExit"})
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
                QTest::addRow("%s on %s", qPrintable(QKeySequence(key).toString()), button)
                    << QByteArray(button) << QKeyCombination(key) << QString::fromLatin1(button);
        QTest::newRow("Enter in the list") << QByteArray("lstWords") << QKeyCombination(Qt::Key_Enter) << u"cmdWords"_s;
        QTest::newRow("Return on a bar") << QByteArray("vsbHeight") << QKeyCombination(Qt::Key_Return)
                                         << u"cmdDimDone"_s;
        QTest::newRow("Space in the list") << QByteArray("lstWords") << QKeyCombination(Qt::Key_Space) << QString();
    }
    void buttonKeys()
    {
        QFETCH(QByteArray, focus);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, pressed);
        QWidget *target = control<QWidget>(main(), focus);
        if (!target->isVisibleTo(main()))
            click("cmdDimensions");
        QStringList presses;
        for (QPushButton *button : main()->findChildren<QPushButton *>())
            connect(button, &QPushButton::clicked, this, [&presses, button] { presses << button->objectName(); });
        target->setFocus(Qt::TabFocusReason);
        press(key);
        QCOMPARE(presses.join(u' '), pressed);
    }

    // Every window is a frame to a screen reader, without its decorations;
    // the dimension view's instruction is read with its controls.
    void accessibility()
    {
        click("cmdAllClear"); // the editor and the puzzle window made
        for (QWidget *window : {program->main(), program->editor(), program->puzzle(), program->print()}) {
            QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(window);
            QCOMPARE(frame->role(), QAccessible::Window);
            for (int i = 0; i < frame->childCount(); ++i) {
                const QString name = frame->child(i)->object()->objectName();
                QVERIFY2(!QStringList({u"imgWordsearch"_s, u"whiteBar"_s, u"Image1"_s, u"Shape2"_s}).contains(name),
                         qPrintable(name));
            }
        }
        click("cmdDimensions");
        for (const char *name : {"cmdDimDone", "hsbLength", "vsbHeight"})
            QCOMPARE(
                QAccessible::queryAccessibleInterface(control<QWidget>(main(), name))->text(QAccessible::Description),
                text("lblStuff"));
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
        QCOMPARE(focused(), u"txtinput"_s);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
