// The word list editor: its controls, adding and its refusals, deleting, leaving, files and sorting.
#include "program.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
const QString duplicate = u"You already have that word in the list you idiot!!"_s;
const QString invalid = u"You have an invalid character in the word you idiot!!"_s;
const QString empty = u"Please enter a word first you idiot."_s;
const QString filter = u"All Files (*.*)|*.*|Lexmire Files (*.lx)|*.lx|Text Files (*.txt)|*.txt"_s;
const QColor orange(255, 128, 0), white(Qt::white), black(Qt::black), red(Qt::red), brown(128, 64, 0);
} // namespace

class TestEditorWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> program;

    QWidget *editor() const { return program->editor(); }
    QAbstractItemView *list() const { return control<QAbstractItemView>(editor(), "lstWord"); }
    QLineEdit *box() const { return control<QLineEdit>(editor(), "txtinput"); }
    QLabel *label(const char *name) const { return control<QLabel>(editor(), name); }
    QString alert() const { return label("lblalert")->text(); }
    bool blinking() const { return control<QTimer>(editor(), "tmralert")->isActive(); }
    void click(const char *button) const { ::click(editor(), button); }
    // What the user sees: the list, count, box, alert line ("*" while it blinks), focus and disabled controls.
    QString state() const
    {
        return QStringList({entries(list()).join(u','), label("lblnumber")->text(), box()->text(),
                            alert() + (blinking() ? u"*"_s : QString()), focused(), disabled(editor()).join(u',')})
            .join(u" | ");
    }

private slots:
    void init()
    {
        program = std::make_unique<Program>();
        ::click(program->main(), "cmdWords");
    }
    void cleanup() { program.reset(); }

    void controls_data()
    {
        QTest::addColumn<Seen>("expected");
        const QString arial = u"Arial 8"_s;
        QTest::newRow("frmEdit") << Seen{u"Lexmire - Edit Word List"_s, {0, 0, 488, 436}, arial, white, black};
        QTest::newRow("lblalert") << Seen{{}, {0, 4, 488, 22}, u"Arial 10 bold"_s, white, red};
        QTest::newRow("lblcaption") << Seen{u"Enter Word:"_s, {16, 30, 200, 17}, arial, white, orange};
        QTest::newRow("txtinput") << Seen{{}, {16, 48, 200, 23}, arial, white, red};
        const char *buttons[][2]
            = {{"cmdadd", "Add Word"},        {"cmdDelete", "Delete Word"},    {"cmdLoad", "Load Word List"},
               {"cmdSave", "Save Word List"}, {"cmdClear", "Clear Word List"}, {"cmdSort", "Sort Word List"},
               {"cmdBack", "Back to Main"}};
        for (int i = 0; i < 7; ++i) // the first two disabled
            QTest::newRow(buttons[i][0]) << Seen{
                QString::fromLatin1(buttons[i][1]), {16, 82 + 30 * i, 200, 25}, arial, orange, i < 2 ? brown : black};
        QTest::newRow("lblcaption2") << Seen{u"List of Words"_s, {240, 30, 232, 17}, arial, white, orange};
        QTest::newRow("lstWord") << Seen{{}, {240, 48, 232, 260}, {}, white, red};
        QTest::newRow("lblcaption4") << Seen{u"Number of Words:"_s, {248, 320, 136, 20}, arial, orange, black};
        QTest::newRow("lblnumber") << Seen{u"0"_s, {384, 320, 80, 20}, u"Arial 11 bold"_s, orange, black};
        QTest::newRow("lblcaption3") << Seen{
            u"Sort List by..."_s, {16, 298, 200, 17}, u"Arial 9 bold"_s, white, orange};
        const char *options[][2]
            = {{"optascend1", "Ascending by 1st Word"},     {"optascend2", "Ascending by 2nd Word"},
               {"optascendlast", "Ascending by Last Word"}, {"optdescend1", "Descending by 1st Word"},
               {"optdescend2", "Descending by 2nd Word"},   {"optdescendlast", "Descending by Last Word"}};
        for (int i = 0; i < 6; ++i)
            QTest::newRow(options[i][0]) << Seen{
                QString::fromLatin1(options[i][1]), {22, 320 + 17 * i, 188, 16}, arial, orange, black};
    }
    void controls()
    {
        QFETCH(Seen, expected);
        QCOMPARE(seen(control<QWidget>(editor(), QTest::currentDataTag()), expected), expected);
    }

    // The box focused at first; the checks, and what a refusal leaves where it was, spoken once, blinking or not.
    void adding()
    {
        QCOMPARE(state(), u" | 0 |  |  | txtinput | cmdDelete,cmdadd"_s);
        addWords(*program, {u"cat"_s});
        const QString refused = u"CAT | 1 | %1 | %2* | txtinput | cmdDelete"_s;
        for (const auto &[typed, byButton, after] :
             {std::tuple(u" cAt "_s, false, refused.arg(u" cAt "_s, duplicate)),
              std::tuple(u"don't"_s, false, refused.arg(u"don't"_s, invalid)),
              std::tuple(u"\tcat"_s, false, refused.arg(u"\tcat"_s, invalid)), // only blanks are trimmed
              std::tuple(QString(), false, u"CAT | 1 |  | %1* | txtinput | cmdDelete,cmdadd"_s.arg(empty)),
              std::tuple(u"   "_s, true, refused.arg(u"   "_s, empty)),
              std::tuple(u"  new  York "_s, true, u"CAT,NEW  YORK | 2 |  |  | txtinput | cmdDelete,cmdadd"_s)}) {
            box()->setText(typed);
            byButton ? click("cmdadd") : QTest::keyClick(box(), Qt::Key_Return);
            QCOMPARE(state(), after);
            QCOMPARE(spoken(), blinking() ? QStringList{alert()} : QStringList());
        }
        addWords(*program, {u"cat"_s}); // the line blinks on the timer's tick, then is gone
        ::tick(editor(), "tmralert"), ::tick(editor(), "tmralert");
        addWords(*program, {u"cat"_s}); // a refusal while it blinks starts it over
        for (const QString &next : {QString(), duplicate, QString(), duplicate, QString()})
            QCOMPARE((::tick(editor(), "tmralert"), alert()), next);
        QVERIFY(!blinking());
    }

    // Every change refreshes the count and the buttons. After a delete, by key or double-click, the work goes on in
    // the list at the entry that took the deleted one's place (the new last, at the end), nothing selected; in the box
    // once the list is empty ("@": the list's current entry).
    void deleting()
    {
        addWords(*program, {u"ant"_s, u"bee"_s, u"cat"_s});
        for (const auto &[row, byKey, after] :
             {std::tuple(1, true, u"ANT,CAT | 2 |  |  | lstWord | cmdDelete,cmdadd @1"_s),
              std::tuple(1, false, u"ANT | 1 |  |  | lstWord | cmdDelete,cmdadd @0"_s),
              std::tuple(0, true, u" | 0 |  |  | txtinput | cmdDelete,cmdadd @-1"_s)}) {
            clickEntry(list(), row, !byKey);
            if (byKey) {
                control<QWidget>(editor(), "cmdDelete")->setFocus();
                press(Qt::Key_Return);
            }
            QCOMPARE(state() + u" @"_s + QString::number(list()->currentIndex().row()), after);
        }
        addWords(*program, {u"bee"_s}); // a deleted word may come back
        QCOMPARE(entries(list()), QStringList({u"BEE"_s}));
    }

    // Going back hands the list and its count to the main window, and the editor is found again as it was left, a
    // refusal still blinking. A cleared list empties the main window's at once, its count on the way back.
    void leaving()
    {
        QWidget *main = program->main();
        const auto mainSees = [main, this]() -> QString { // and which is shown: 1 the main window, 2 the editor
            return entries(control<QAbstractItemView>(main, "lstWords")).join(u',') + u" | "_s
                + control<QLabel>(main, "lblWordcount")->text() + u" | "_s
                + QString::number(main->isVisible() + 2 * editor()->isVisible());
        };
        addWords(*program, {u"cat"_s, u"dog"_s, u"1"_s});
        click("cmdBack");
        QCOMPARE(mainSees(), u"CAT,DOG | Words in Puzzle:  2 | 1"_s);
        ::tick(editor(), "tmralert");
        ::click(main, "cmdWords");
        QCOMPARE(state(), u"CAT,DOG | 2 | 1 | * | txtinput | cmdDelete"_s);
        addWords(*program, {u"emu"_s});
        click("cmdClear");
        QCOMPARE(label("lblnumber")->text() + mainSees(), u"0 | Words in Puzzle:  2 | 2"_s);
        addWords(*program, {u"emu"_s}); // a cleared word may come back
        closeFromTitleBar(editor());    // a window manager's close goes back too
        QCOMPARE(mainSees(), u"EMU | Words in Puzzle:  1 | 1"_s);
    }

    // Bytes in, list out, bytes written; a failure is told and spoken as a refusal is, a save spoken with its count.
    void files_data()
    {
        QTest::addColumn<QByteArray>("file"); // in.lx, if any
        QTest::addColumn<bool>("save");       // else load
        QTest::addColumn<QString>("answer");  // the dialog's; "" a cancel
        QTest::addColumn<QString>("after");   // the list, the box, the alert line, what was spoken
        const QString kept = u"CAT,NEW YORK | typed | "_s;
        const auto refused = [](const QString &before, const QString &why) -> QString { // the alert, then as spoken
            return before + u"Could not "_s + why + u"* | Could not "_s + why;
        };
        QTest::newRow("save") << QByteArray() << true << u"out.lx"_s
                              << u"CAT,NEW YORK |  |  | Saved 2 words to \u2068out.lx\u2069"_s;
        QTest::newRow("save cancelled") << QByteArray() << true << QString() << kept;
        QTest::newRow("save where no folder is")
            << QByteArray() << true << u"none/x.lx"_s
            << refused(kept, u"save \u2068x.lx\u2069: its folder does not exist"_s);
        QTest::newRow("load") << QByteArray("zebra\r\n\r\n42,caf\xe9,cat\r\n\"apple, pear\",\"NEW YORK\"\nant\rZebra")
                              << false << u"in.lx"_s << u"CAT,NEW YORK,ZEBRA,ANT |  | "_s;
        QTest::newRow("load cancelled") << QByteArray("emu") << false << QString() << kept;
        QTest::newRow("load a quote that never closes")
            << QByteArray("owl\r\n42,\"dog\r\n") << false << u"in.lx"_s
            << refused(u"CAT,NEW YORK,OWL | 42 | "_s,
                       u"load \u2068in.lx\u2069: a quoted word runs past the end of the file"_s);
    }
    void files()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, save);
        QFETCH(QString, answer);
        QFETCH(QString, after);
        addWords(*program, {u"cat"_s, u"new york"_s});
        QFile in(program->path(u"in.lx"_s));
        QVERIFY(file.isNull() || (in.open(QIODevice::WriteOnly) && in.write(file) == file.size() && in.flush()));
        box()->setText(u"typed"_s);
        (save ? program->fakes.saveAnswers : program->fakes.openAnswers)
            << (answer.isEmpty() ? answer : program->path(answer));
        click(save ? "cmdSave" : "cmdLoad");
        QCOMPARE(program->fakes.dialogs, QStringList(save ? filter + u"||"_s : filter));
        const QStringList seen = state().split(u" | "_s);
        QCOMPARE((QStringList({seen[0], seen[2], seen[3]}) + spoken()).join(u" | "), after);
        QFile out(program->path(u"out.lx"_s));
        QCOMPARE(out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray(),
                 answer == u"out.lx" ? QByteArray("\"CAT\"\r\n\"NEW YORK\"\r\n") : QByteArray());
    }

    // Ties on both keys, and a second-word key that begins with a blank; each order sorts what the last one left.
    void sorting()
    {
        addWords(*program, u"NEW YORK CITY,WILD CAT,ZEBRA,A DOG,BIG CAT,a  zoo"_s.split(u','));
        for (const auto &[option, sorted] :
             {std::pair("optascend2", u"A  ZOO,WILD CAT,BIG CAT,A DOG,NEW YORK CITY,ZEBRA"_s),
              std::pair("optdescendlast", u"A  ZOO,ZEBRA,A DOG,NEW YORK CITY,BIG CAT,WILD CAT"_s),
              std::pair("optascend1", u"A  ZOO,A DOG,BIG CAT,NEW YORK CITY,WILD CAT,ZEBRA"_s),
              std::pair("optdescend2", u"ZEBRA,NEW YORK CITY,A DOG,BIG CAT,WILD CAT,A  ZOO"_s),
              std::pair("optascendlast", u"BIG CAT,WILD CAT,NEW YORK CITY,A DOG,ZEBRA,A  ZOO"_s),
              std::pair("optdescend1", u"ZEBRA,WILD CAT,NEW YORK CITY,BIG CAT,A DOG,A  ZOO"_s)}) {
            ::click(editor(), option);
            click("cmdSort");
            QCOMPARE(state(), sorted + u" | 6 |  |  | txtinput | cmdDelete,cmdadd"_s);
        }
    }
};

QTEST_MAIN(TestEditorWindow)
#include "tst_editor_window.moc"
