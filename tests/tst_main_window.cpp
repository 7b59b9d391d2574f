// The main window: its controls, the two views and the dimensions, Clear All, the message boxes, the ways out.
#include "program.h"

#include <QLabel>
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
    int exits = 0;

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

private slots:
    void init()
    {
        program = std::make_unique<Program>();
        exits = 0;
        program->fakes.onExit = [this] { ++exits; };
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

    // Each view shows its own controls, the focus where the view's work is. Width first, height second, each a blank
    // and its digits. On a bar Right and Down raise, Left and Up lower, a page is 1, Home and End go to the ends; Done,
    // or Enter from a bar, commits the live caption, which the next visit shows as it was. About, and Display/Print
    // with no words, answer with a message box alone. Ctrl+X, and the title bar's close after it, end the program once.
    void views()
    {
        click("cmdAbout");
        click("cmdPrint");
        QCOMPARE(program->fakes.shown,
                 QStringList({u"Lexmire|This program is a combined effort by\r\nthe Lexmire team, who made the "
                              "puzzles,\r\nand everyone who hunted the words.\r\n\r\nWinter 2026"_s,
                              u"You Must Enter Words!|Please enter some words first; otherwise,\r\nsearching will be "
                              "harder than it should be."_s}));
        QCOMPARE(state() + disabled(main()).join(u' '),
                 u"Default (15 x 15) | 15 x 15 | Words in Puzzle:  0 |  | %1 | cmdWords"_s.arg(normalView));
        QCOMPARE(tabOrder(7).join(u' '), u"cmdDimensions cmdAllClear cmdPrint cmdExit cmdAbout lstWords cmdWords"_s);
        click("cmdDimensions");
        const QString dimensionView = u"cmdDimDone hsbLength lblCurrentDim lblStuff vsbHeight | "_s;
        QCOMPARE(state(),
                 u"Default (15 x 15) | 15 x 15 | Words in Puzzle:  0 |  | "_s + dimensionView + u"cmdDimDone"_s);
        bar("hsbLength")->setValue(40);
        bar("vsbHeight")->setFocus();
        QStringList heights;
        for (const Qt::Key key : {Qt::Key_End, Qt::Key_Home, Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown,
                                  Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp})
            heights << (press(key), text("lblCurrentDim").section(u'x', 1).trimmed());
        QCOMPARE(heights.join(u' '), u"100 3 4 5 6 5 4 3"_s);
        QCOMPARE(state(),
                 u"Default (15 x 15) |  40 x  3 | Words in Puzzle:  0 |  | "_s + dimensionView + u"vsbHeight"_s);
        press(Qt::Key_Return); // the focus back where the view was entered
        QCOMPARE(state(), u" 40 x  3 |  40 x  3 | Words in Puzzle:  0 |  | %1 | cmdDimensions"_s.arg(normalView));
        press(Qt::Key_Enter); // a focused button takes it itself
        QCOMPARE(focused(), u"cmdDimDone"_s);
        press(Qt::CTRL | Qt::Key_X);
        closeFromTitleBar(main());
        QCOMPARE(exits, 1);
    }

    // Clear All resets the dimensions and both word lists.
    void clearAll()
    {
        click("cmdWords");
        addWords(*program, {u"cat"_s, u"dog"_s});
        ::click(program->editor(), "cmdBack");
        bar("hsbLength")->setValue(20);
        click("cmdDimensions");
        click("cmdDimDone");
        click("cmdAllClear");
        QCOMPARE(state(),
                 u"Default (15 x 15) | 15 x 15 | Words in Puzzle:  0 |  | %1 | cmdDimensions"_s.arg(normalView));
        QVERIFY(entries(control<QAbstractItemView>(program->editor(), "lstWord")).isEmpty()
                && control<QLabel>(program->editor(), "lblnumber")->text() == u"0");
    }

    // Windows open centred; one larger than the screen (run at a large scale too) with its top left corner in reach.
    void placement()
    {
        click("cmdWords");
        for (QWidget *window : {main(), program->editor()}) {
            const QRect room = window->screen()->availableGeometry(), frame = window->frameGeometry();
            QVERIFY(frame.width() > room.width() || frame.height() > room.height()
                        ? room.contains(frame.topLeft())
                        : (frame.center() - room.center()).manhattanLength() <= 6);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
