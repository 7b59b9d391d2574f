// The print window: its controls, the five jobs line by line, the way back, and the printer's path to a PDF file.
#include "pdf.h"
#include "program.h"

#include <QScrollBar>

using namespace Qt::StringLiterals;

class TestPrintWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> program;

    QWidget *print() const { return program->print(); }
    // From the main window: a Generate, and on to the print window.
    void generate()
    {
        click(program->main(), "cmdPrint");
        click(program->puzzle(), "cmdGenerate");
        click(program->puzzle(), "cmdPrint");
    }
    QString job(const QByteArray &button)
    {
        click(print(), button);
        return program->fakes.jobs.value(program->fakes.jobs.size() - 1).join(u'/');
    }

private slots:
    // A 3 x 3 puzzle: TAC leftward along the top row, the fill letters B to G below.
    void init()
    {
        program = std::make_unique<Program>(qstrcmp(QTest::currentTestFunction(), "toPdf") == 0);
        click(program->main(), "cmdWords");
        addWords(*program, {u"tac"_s});
        click(program->editor(), "cmdBack");
        control<QScrollBar>(program->main(), "hsbLength")->setValue(3);
        control<QScrollBar>(program->main(), "vsbHeight")->setValue(3);
        program->fakes.random.draws = {drawFor(3, 3), drawFor(1, 3), drawFor(5, 8)};
        for (int letter = 2; letter <= 7; ++letter)
            program->fakes.random.draws.push_back(drawFor(letter, 26));
        generate();
    }
    void cleanup() { program.reset(); }

    // The window as first met: its controls, focus and tab order; the title bar's close goes back, as Back does.
    void firstMet()
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
        closeFromTitleBar(print());
        QVERIFY(program->fakes.jobs.isEmpty() && program->puzzle()->isVisible() && !print()->isVisible());
    }

    // An empty key cell is two blanks wide, as a letter and its blank are; two empty lines part the puzzle from
    // the list, one the list from the key. A press a job, the face set once for the life of the program.
    void jobs()
    {
        const QString puzzle = u"Puzzle//C A T /B C D /E F G "_s, list = u"List of Words//TAC"_s,
                      key = u"Puzzle Key//C A T /      /      "_s;
        using Job = std::pair<const char *, QString>;
        for (const auto &[button, lines] :
             {Job("Command1", puzzle + u"///"_s + list + u"//"_s + key), Job("Command2", key), Job("Command3", list),
              Job("Command4", puzzle), Job("Command5", puzzle + u"///"_s + list)})
            for (int press = 0; press < 2; ++press)
                QCOMPARE(job(button), lines);
        QCOMPARE(program->fakes.jobs.size(), 10);
        QVERIFY(print()->isVisible() && !program->puzzle()->isVisible());
        // A Generate with nothing to place (the list emptied one by one) lists no word; the old puzzle stands.
        click(print(), "cmdhide"), click(program->puzzle(), "Command1"), click(program->main(), "cmdWords");
        clickEntry(control<QAbstractItemView>(program->editor(), "lstWord"), 0);
        click(program->editor(), "cmdDelete"), click(program->editor(), "cmdBack");
        generate();
        QCOMPARE(QStringList({job("Command3"), job("Command2")}), QStringList({u"List of Words/"_s, key}));
        QCOMPARE(program->fakes.fontNames, QStringList({u"Ms Sans Serif"_s}));
    }

    // With no printer the job goes to a PDF file the user names; a cancel drops it; a failure is told in a box.
    void toPdf()
    {
        if (!canReadPdfs())
            QSKIP("needs pdftotext, and no printer, so that jobs go to PDF files");
        FakePlatform &fakes = program->fakes;
        spoken();
        click(print(), "Command2"); // cancelled: nothing said, nothing shown, nothing left for the next job
        fakes.saveAnswers << program->path(u"list.pdf"_s);
        click(print(), "Command3");
        QCOMPARE(printedText(program->path(u"list.pdf"_s)), u"List of Words TAC"_s);
        QCOMPARE(spoken(), QStringList({u"Saved the job to \u2068list.pdf\u2069"_s}));
        QCOMPARE(fakes.dialogs,
                 QStringList(2, u"PDF Files (*.pdf)|*.pdf|No Printer Found - Save the Job as a PDF File|pdf"_s));
        fakes.saveAnswers << program->path(u"none/x.pdf"_s);
        click(print(), "Command4");
        QCOMPARE(fakes.shown,
                 QStringList({u"Lexmire - Print Options|The PDF file \u2068%1\u2069 could not be saved:\r\nits "
                              "folder does not exist."_s.arg(program->path(u"none/x.pdf"_s))}));
        QCOMPARE(spoken(), QStringList()); // a failure is the box's to tell
    }
};

QTEST_MAIN(TestPrintWindow)
#include "tst_print_window.moc"
