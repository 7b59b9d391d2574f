// The print window: its controls, the five jobs line by line, the way back,
// and the real printer's path to a PDF file: saved, cancelled, failed.
#include "pdf.h"
#include "print/qt_text_printer.h"
#include "print/worksheet_window.h"
#include "program.h"

#include <QAbstractItemView>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {
const QColor orange(255, 128, 0), black(Qt::black);
const QString everything = u"Puzzle//C A T /B C D /E F G ///List of Words//TAC//Puzzle Key//C A T /      /      "_s;

} // namespace

class TestPrintWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> program;

    QWidget *print() const { return program->print(); }
    void click(const QByteArray &button) const { ::click(print(), button); }
    // Back to the main window, to these dimensions, and on to the print window.
    void reopen(int width, int height, bool generate = false)
    {
        QWidget *puzzle = program->puzzle();
        if (print()->isVisible())
            click("cmdhide");
        if (puzzle->isVisible())
            ::click(puzzle, "Command1");
        control<QScrollBar>(program->main(), "hsbLength")->setValue(width);
        control<QScrollBar>(program->main(), "vsbHeight")->setValue(height);
        ::click(program->main(), "cmdPrint");
        if (generate)
            ::click(puzzle, "cmdGenerate");
        ::click(puzzle, "cmdPrint");
    }
    QString job(const QByteArray &button)
    {
        click(button);
        return program->fakes.jobs.value(program->fakes.jobs.size() - 1).join(u'/');
    }

private slots:
    // A 3 x 3 puzzle: TAC leftward along the top row, the fill letters B to G below.
    void init()
    {
        program = std::make_unique<Program>(qstrcmp(QTest::currentTestFunction(), "toPdf") == 0);
        ::click(program->main(), "cmdWords");
        addWords(*program, {u"tac"_s});
        ::click(program->editor(), "cmdBack");
        ::click(program->main(), "cmdPrint");
        program->fakes.random.draws = {drawFor(3, 3), drawFor(1, 3), drawFor(5, 8)};
        for (int letter = 2; letter <= 7; ++letter)
            program->fakes.random.draws.push_back(drawFor(letter, 26));
        reopen(3, 3, true);
    }
    void cleanup() { program.reset(); }

    void controls_data()
    {
        QTest::addColumn<Seen>("expected");
        QTest::newRow("frmPrint") << Seen{u"Lexmire - Print Options"_s, {0, 0, 207, 231}, u"Arial 8"_s, {}, black};
        QTest::newRow("Image1") << Seen{{}, {0, 0, 207, 231}, u"Arial 8"_s, {}, orange};
        const char *buttons[][2] = {{"Command1", "Print Everything"},
                                    {"Command2", "Print Key Only"},
                                    {"Command3", "Print List Only"},
                                    {"Command4", "Print Puzzle Only"},
                                    {"Command5", "Print Puzzle and List Only"},
                                    {"cmdhide", "Back to Display/Print"},
                                    {"cmdWorksheet", "Worksheet..."}};
        for (int i = 0; i < 7; ++i)
            QTest::newRow(buttons[i][0]) << Seen{
                QString::fromLatin1(buttons[i][1]), {12, 12 + 30 * i, 183, 25}, u"Arial 8"_s, orange, black};
    }
    void controls()
    {
        QFETCH(Seen, expected);
        QCOMPARE(seen(control<QWidget>(print(), QTest::currentDataTag()), expected), expected);
        QCOMPARE(print()->minimumSize(), print()->maximumSize());
    }

    // An empty key cell is two blanks wide, as a letter and its blank are.
    void jobs_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("lines");
        QTest::newRow("Print Everything") << QByteArray("Command1") << everything;
        QTest::newRow("Print Key Only") << QByteArray("Command2") << u"Puzzle Key//C A T /      /      "_s;
        QTest::newRow("Print List Only") << QByteArray("Command3") << u"List of Words//TAC"_s;
        QTest::newRow("Print Puzzle Only") << QByteArray("Command4") << u"Puzzle//C A T /B C D /E F G "_s;
        QTest::newRow("Print Puzzle and List Only")
            << QByteArray("Command5") << u"Puzzle//C A T /B C D /E F G ///List of Words//TAC"_s;
    }
    void jobs()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, lines);
        QCOMPARE(job(button), lines);
        QCOMPARE(job(button), lines); // a press a job
        QCOMPARE(program->fakes.jobs.size(), 2);
        QVERIFY(print()->isVisible() && !program->puzzle()->isVisible());
        QCOMPARE(program->fakes.fontNames, QStringList({u"Ms Sans Serif"_s}));
    }

    // What a job reads when the puzzle changed under it: a new size without
    // Generate, and a Generate that had nothing to place.
    void changedPuzzles()
    {
        reopen(5, 4);
        QCOMPARE(job("Command4"), u"Puzzle//C A T     /B C D     /E F G     /          "_s);
        click("cmdhide");
        ::click(program->puzzle(), "Command1");
        ::click(program->main(), "cmdWords"); // emptied one by one: the main window's copy stays
        clickEntry(control<QAbstractItemView>(program->editor(), "lstWord"), 0);
        ::click(program->editor(), "cmdDelete");
        ::click(program->editor(), "cmdBack");
        reopen(3, 3, true);
        QCOMPARE(job("Command3"), u"List of Words/"_s);
        QCOMPARE(job("Command2"), u"Puzzle Key//C A T /      /      "_s);
        QCOMPARE(program->fakes.fontNames.size(), 1); // set once for the life of the program
    }

    void navigation()
    {
        QCOMPARE(focused(), u"Command1"_s);
        QCOMPARE(tabOrder(7),
                 QStringList({u"Command2"_s, u"Command3"_s, u"Command4"_s, u"Command5"_s, u"cmdhide"_s,
                              u"cmdWorksheet"_s, u"Command1"_s}));
        QStringList pressed;
        for (QPushButton *button : print()->findChildren<QPushButton *>())
            connect(button, &QPushButton::clicked, this, [&pressed, button] { pressed << button->objectName(); });
        for (const char *button : {"Command3", "cmdhide", "cmdWorksheet"})
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
                if (program->windows->frmWorksheet()->isVisible())
                    ::click(program->windows->frmWorksheet(), "cmdBack");
                if (!print()->isVisible())
                    ::click(program->puzzle(), "cmdPrint");
                control<QWidget>(print(), button)->setFocus();
                press(key);
            }
        QCOMPARE(pressed.join(u' '),
                 u"Command3 Command3 Command3 cmdhide cmdhide cmdhide cmdWorksheet cmdWorksheet "
                 "cmdWorksheet"_s);
        ::click(program->windows->frmWorksheet(), "cmdBack");
        ::click(print(), "cmdhide");
        QVERIFY(program->puzzle()->isVisible() && !print()->isVisible());
        ::click(program->puzzle(), "cmdPrint");
        closeFromTitleBar(print()); // a window manager's close goes back too
        QVERIFY(program->puzzle()->isVisible() && !print()->isVisible());
    }

    // With no printer the job goes to a PDF file the user names; a cancel
    // drops the job, and a failure is told, in a box of its own.
    void toPdf()
    {
        if (!canReadPdfs())
            QSKIP("needs pdftotext, and no printer, so that jobs go to PDF files");
        FakePlatform &fakes = program->fakes;
        fakes.saveAnswers << program->path(u"everything.pdf"_s);
        spoken();
        click("Command1");
        QCOMPARE(spoken(), QStringList({u"Saved the job to \u2068everything.pdf\u2069"_s}));
        QCOMPARE(fakes.dialogs,
                 QStringList({u"PDF Files (*.pdf)|*.pdf|No Printer Found - Save the Job as a PDF File|pdf"_s}));
        QCOMPARE(printedText(program->path(u"everything.pdf"_s)),
                 u"Puzzle C A T B C D E F G List of Words TAC Puzzle Key C A T"_s);
        click("Command2"); // cancelled: no file, no box, nothing said, and nothing left for the next job
        QCOMPARE(spoken(), QStringList());
        fakes.saveAnswers << program->path(u"list.pdf"_s);
        click("Command3");
        QCOMPARE(spoken(), QStringList({u"Saved the job to \u2068list.pdf\u2069"_s}));
        QCOMPARE(printedText(program->path(u"list.pdf"_s)), u"List of Words TAC"_s);
        QCOMPARE(fakes.shown, QStringList());
        fakes.saveAnswers << program->path(u"none/x.pdf"_s);
        click("Command4");
        QCOMPARE(fakes.shown,
                 QStringList({u"Lexmire - Print Options|The PDF file \u2068%1\u2069 could not be saved:\r\nits "
                              "folder does not exist."_s.arg(program->path(u"none/x.pdf"_s))}));
        // A path too long for the box gives way in its middle, never the verb or the reason.
        const QString deep = program->path(QString(300, u'd') + u"/x.pdf"_s);
        fakes.saveAnswers << deep;
        click("Command4");
        const QString box = fakes.shown.constLast();
        QVERIFY2(box.size() < 220 && box.contains(u"could not be saved:\r\nits folder does not exist."_s)
                     && box.contains(deep.left(40)) && box.contains(u"/x.pdf"_s) && box.contains(QChar(0x2026)),
                 qPrintable(box));
        QCOMPARE(spoken(), QStringList()); // a failure is the box's to tell
        program->printer->endDocument();   // an empty job asks nothing
        QCOMPARE(fakes.dialogs.size(), 5);
        QVERIFY(print()->isVisible());
    }
};

QTEST_MAIN(TestPrintWindow)
#include "tst_print_window.moc"
