// The print window: its controls, the five jobs line by line and the way back.
#include "program.h"

#include <QScrollBar>

using namespace Qt::StringLiterals;

class TestPrintWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> program;

    QWidget *print() const { return program->print(); }
    QString job(const QByteArray &button)
    {
        click(print(), button);
        return program->fakes.jobs.value(program->fakes.jobs.size() - 1).join(u'/');
    }

private slots:
    // A 3 x 3 puzzle: TAC leftward along the top row, the fill letters B to G below.
    void init()
    {
        program = std::make_unique<Program>();
        click(program->main(), "cmdWords");
        addWords(*program, {u"tac"_s});
        click(program->editor(), "cmdBack");
        control<QScrollBar>(program->main(), "hsbLength")->setValue(3);
        control<QScrollBar>(program->main(), "vsbHeight")->setValue(3);
        program->fakes.random.draws = {drawFor(3, 3), drawFor(1, 3), drawFor(5, 8)};
        for (int letter = 2; letter <= 7; ++letter)
            program->fakes.random.draws.push_back(drawFor(letter, 26));
        click(program->main(), "cmdPrint");
        click(program->puzzle(), "cmdGenerate");
        click(program->puzzle(), "cmdPrint");
    }
    void cleanup() { program.reset(); }

    // The window as first met: its controls, focus and tab order. An empty key cell is two blanks wide, as a letter and
    // its blank are; two empty lines part the puzzle from the list, one the list from the key. A press a job, the face
    // set once for the life of the program. The title bar's close goes back, as Back does.
    void firstMetAndPrinted()
    {
        const QColor orange(255, 128, 0), black(Qt::black);
        const QList<QByteArray> names
            = QByteArray("frmPrint Image1 Command1 Command2 Command3 Command4 Command5 cmdhide cmdWorksheet")
                  .split(' ');
        const QStringList captions
            = u"Lexmire - Print Options||Print Everything|Print Key Only|Print List Only|"
              "Print Puzzle Only|Print Puzzle and List Only|Back to Display/Print|Worksheet..."_s.split(u'|');
        for (int i = 0; i < 9; ++i) {
            const Seen expected = i < 2 ? Seen{captions[i], {0, 0, 207, 231}, u"Arial 8"_s, {}, i ? orange : black}
                                        : Seen{captions[i], {12, 30 * i - 48, 183, 25}, u"Arial 8"_s, orange, black};
            QCOMPARE(seen(control<QWidget>(print(), names[i]), expected), expected);
        }
        QCOMPARE(focused(), u"Command1"_s);
        QCOMPARE(tabOrder(7), u"Command2 Command3 Command4 Command5 cmdhide cmdWorksheet Command1"_s.split(u' '));
        const QString puzzle = u"Puzzle//C A T /B C D /E F G "_s, list = u"List of Words//TAC"_s,
                      key = u"Puzzle Key//C A T /      /      "_s;
        using Job = std::pair<const char *, QString>;
        for (const auto &[button, lines] :
             {Job("Command1", puzzle + u"///"_s + list + u"//"_s + key), Job("Command2", key), Job("Command3", list),
              Job("Command4", puzzle), Job("Command5", puzzle + u"///"_s + list)})
            for (int press = 0; press < 2; ++press)
                QCOMPARE(job(button), lines);
        QCOMPARE(program->fakes.jobs.size(), 10);
        QCOMPARE(program->fakes.fontNames, QStringList({u"Ms Sans Serif"_s}));
        closeFromTitleBar(print());
        QVERIFY(program->puzzle()->isVisible() && !print()->isVisible());
    }
};

QTEST_MAIN(TestPrintWindow)
#include "tst_print_window.moc"
