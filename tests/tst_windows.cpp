// The program as its user meets it, by mouse, keyboard and screen reader:
// each window's captions, places and faces, the user's sessions, step by
// step, with what each step shows, and the printed pages as they read.
#include "app/main_window.h"
#include "editor/editor_window.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/qt_text_printer.h"
#include "print/print_window.h"
#include "puzzle/puzzle_window.h"
#include "inputs.h"
#include "script.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <cmath>

using namespace Qt::StringLiterals;

#define DUPLICATE "You already have that word in the list you idiot!!"
#define INVALID "You have an invalid character in the word you idiot!!"
#define EMPTY "Please enter a word first you idiot."
#define FRESH "Command1 GrdGridder Progress band cmdAnswer cmdGenerate cmdPrint cmdPuzzle lblcaption lstWerds optm " \
    "optvf optvs"
#define FILTER "All Files (*.*)|*.*|Lexmire Files (*.lx)|*.lx|Text Files (*.txt)|*.txt"

namespace {

struct Word { int page; qreal x, y, right, height; QString text; }; // a printed word and its box, in points

// The words of a PDF in reading order, with the pages' sizes.
QList<Word> readBack(const QString &pdf, QList<QSizeF> *pages = nullptr)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    static const QRegularExpression item(QStringLiteral(
        "<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
        "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> words;
    int page = -1;
    for (const QRegularExpressionMatch &m : item.globalMatch(QString::fromUtf8(process.readAllStandardOutput()))) {
        if (!m.captured(1).isEmpty()) {
            ++page;
            if (pages)
                pages->append({m.captured(1).toDouble(), m.captured(2).toDouble()});
            continue;
        }
        const qreal top = m.captured(4).toDouble();
        words.append({page, m.captured(3).toDouble(), top, m.captured(5).toDouble(), m.captured(6).toDouble() - top,
                      m.captured(7)});
    }
    return words;
}

bool near(qreal a, qreal b, qreal within = 0.05)
{
    return std::abs(a - b) <= within;
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void captionsPlacesAndFaces();
    void sessions_data();
    void sessions();
    void namesShowAsTextInTheDesktopLook();
    void pagesReadWellAtEverySize_data();
    void pagesReadWellAtEverySize();
    void longLineBreaksInsideTheMargins();
};

void TestWindows::captionsPlacesAndFaces()
{
    const char *const windows[] = { // main, editor, puzzle, print
        "frmMain|Lexmire|0 0 372 351|A8;cmdWords|Edit Word List|8 8 137 33|A9bi;cmdDimensions|Set Dimensions|8 "
         "45 137 33|A9bi;cmdAllClear|Clear All|8 82 137 33|A9bi;lstWords||8 123 137 160|-;lblWordcount|Words in Puzzle:"
         "  0|8 286 137 19|A8;lblDimensionsDisplay|Current Dimensions =|160 8 204 25|M13.5;lblDimDisplay|Default (15 x "
         "15)|160 33 204 23|M12b;imgWordsearch||160 95 204 176|A8;cmdAbout|About|304 62 60 25|A8;cmdPrint|Display/Print"
         " Puzzle|8 312 217 31|A9bi;cmdExit|Exit|233 312 131 31|A9bi;hsbLength||40 324 324 19|A8;vsbHeight||8 104 19 "
         "208|A8;lblStuff|Enter the puzzle dimensions.  For either direction, the maximum is 100 and the minimum is 3. "
         " When finished, click the Done button.|40 12 316 84|T9.75;lblCurrentDim|15 x 15|104 208 164 29|M13.5b;"
         "cmdDimDone|Done|136 152 100 33|A8",
        "frmEdit|Lexmire - Edit Word List|0 0 488 436|A8;lblalert||0 4 488 22|A10b;lblcaption|Enter Word:|16 30 "
         "200 17|A8;txtinput||16 48 200 23|A8;cmdadd|Add Word|16 82 200 25|A8;cmdDelete|Delete Word|16 112 200 25|A8;"
         "cmdLoad|Load Word List|16 142 200 25|A8;cmdSave|Save Word List|16 172 200 25|A8;cmdClear|Clear Word List|16 "
         "202 200 25|A8;cmdSort|Sort Word List|16 232 200 25|A8;cmdBack|Back to Main|16 262 200 25|A8;lblcaption2|List"
         " of Words|240 30 232 17|A8;lstWord||240 48 232 260|-;lblcaption4|Number of Words:|248 320 136 20|A8;lblnumber"
         "|0|384 320 80 20|A11b;lblcaption3|Sort List by...|16 298 200 17|A9b;Shape1||16 316 200 108|A8;Shape2||240 316"
         " 232 28|A8;optascend1|Ascending by 1st Word|22 320 188 16|A8;optascend2|Ascending by 2nd Word|22 337 188 16|"
         "A8;optascendlast|Ascending by Last Word|22 354 188 16|A8;optdescend1|Descending by 1st Word|22 371 188 16|A8;"
         "optdescend2|Descending by 2nd Word|22 388 188 16|A8;optdescendlast|Descending by Last Word|22 405 188 16|A8",
        "frmDisplay|Lexmire - Puzzle|0 0 513 488|A8;Progress||8 6 497 22|A8;LblDone|DONE!|8 2 497 32|A21.75b;"
         "GrdGridder||8 36 377 377|M8.25;lstWerds||392 36 113 377|-;cmdGenerate|Generate|8 419 67 26|A8;cmdPuzzle|"
         "Display Whole Puzzle|79 419 123 26|A8;cmdAnswer|Display Answer Key|206 419 117 26|A8;cmdPrint|Print Options|"
         "327 419 87 26|A8;Command1|Back to Main|418 419 87 26|A8;lblGenerating|GENERATING PUZZLE...|8 415 497 34|T30;"
         "band||4 451 505 33|A8;lblcaption|Level of Thought:|12 453 180 29|A14.25bi;optvf|No Brainer|200 456 92 23|A8;"
         "optm|Thoughtful|300 456 92 23|A8;optvs|Quillo Bashing|400 456 104 23|A8",
        "frmPrint|Lexmire - Print Options|0 0 207 201|A8;Image1||0 0 207 201|A8;Command1|Print Everything|12 12 "
         "183 25|A8;Command2|Print Key Only|12 42 183 25|A8;Command3|Print List Only|12 72 183 25|A8;Command4|Print "
         "Puzzle Only|12 102 183 25|A8;Command5|Print Puzzle and List Only|12 132 183 25|A8;cmdhide|Back to Display/"
         "Print|12 162 183 25|A8"};
    TestProgram program;
    Windows &w = *program.windows;
    QWidget *const tops[] = {w.frmMain(), w.frmEdit(), w.frmDisplay(), w.frmPrint()};
    for (int i = 0; QWidget *top : tops) {
        QCOMPARE(top->minimumSize(), top->maximumSize()); // fixed: nothing moves when dragged larger
        for (const QString &entry : QString::fromLatin1(windows[i++]).split(u';')) {
            const QStringList f = entry.split(u'|');
            QWidget *control = f[0] == top->objectName() ? top : top->findChild<QWidget *>(f[0]);
            QVERIFY2(control, qPrintable(f[0]));
            const auto *button = qobject_cast<QAbstractButton *>(control);
            const auto *label = qobject_cast<QLabel *>(control);
            const QString caption = control == top ? top->windowTitle() : button ? button->text()
                                  : label ? label->text() : QString();
            const QRect place = control == top ? QRect(QPoint(), top->size()) : control->geometry();
            const QFont font = control->font();
            const QString face = QString(font.family().at(0)) + QString::number(font.pointSizeF())
                + (font.bold() ? QStringLiteral("b") : QString()) + (font.italic() ? QStringLiteral("i") : QString());
            const QString seen = QStringLiteral("%1|%2|%3 %4 %5 %6|%7").arg(f[0], caption).arg(place.x()).arg(place.y())
                .arg(place.width()).arg(place.height()).arg(f[3] == QLatin1String("-") ? f[3] : face);
            QCOMPARE(seen, entry);
        }
    }
}

void TestWindows::sessions_data()
{
    QTest::addColumn<QStringList>("script");
    using Steps = std::initializer_list<const char *>;
    const auto row = [](const char *name, Steps list) { QTest::newRow(name) << steps(list); };
    // Width first; the live caption kept for the next visit; the bars stop at
    // 3 and 100. Windows open centred, and stay where the user moves them.
    row("the main window", {"frmMain:centred", "shown:frmMain=cmdAbout cmdAllClear cmdDimensions cmdExit cmdPrint "
        "cmdWords imgWordsearch lblDimDisplay lblDimensionsDisplay lblWordcount lstWords whiteBar", "disabled:frmMain=",
        "name:lstWords=Word list", "click cmdDimensions", "shown:frmMain=cmdDimDone hsbLength lblCurrentDim lblStuff "
        "vsbHeight", "name:hsbLength=Puzzle width", "name:vsbHeight=Puzzle height", "cmdDimDone:focus",
        "click cmdDimDone", "lblDimDisplay= 15 x  15", "cmdWords:focus", "click cmdDimensions", "set hsbLength 40",
        "lblCurrentDim= 40 x  15", "set vsbHeight 10", "lblCurrentDim= 40 x  10", "click cmdDimDone",
        "lblDimDisplay= 40 x  10", "click cmdDimensions", "lblCurrentDim= 40 x  10", "set hsbLength 250",
        "set vsbHeight -5", "click cmdDimDone", "lblDimDisplay= 100 x  3", "click cmdAbout", "box=Lexmire|This program "
        "is a combined effort by\r\nthe Lexmire team, who made the puzzles,\r\nand everyone who hunted the "
        "words.\r\n\r\nWinter 2026", "click cmdPrint", "box=You Must Enter Words!|Please enter some words first; "
        "otherwise,\r\nsearching will be harder than it should be.", "frmMain:shown", "boxes=2", "click cmdAllClear",
        "frmEdit:hidden", "frmDisplay:hidden", "optm:checked", "lblnumber=0", "name:GrdGridder=Empty grid, 15 columns "
        "by 15 rows", "lblDimDisplay=Default (15 x 15)", "click cmdWords", "frmEdit:centred", "move frmEdit",
        "click cmdBack", "click cmdWords", "frmEdit:moved", "txtinput:focus"});
    // Clear All resets all but the puzzle window's list and results; the
    // title bar's close of another window takes its way back.
    row("Clear All and the title bar", {"draws spread", "click cmdWords", "add cat,dog", "click cmdBack",
        "set hsbLength 20", "click cmdDimensions", "click cmdDimDone", "click cmdPrint", "frmDisplay:centred",
        "click optvs", "click cmdGenerate", "click cmdPrint", "Command1:focus", "unnamed=", "focus Command3",
        "close frmPrint", "frmDisplay:shown", "frmPrint:hidden", "cmdGenerate:focus", "click cmdPrint",
        "Command1:focus", "click cmdPuzzle", "close frmDisplay", "frmMain:shown", "click cmdAllClear",
        "lblDimDisplay=Default (15 x 15)", "lblCurrentDim=15 x 15", "hsbLength=15", "lblWordcount=Words in Puzzle:  0",
        "lstWords=", "lstWord=", "lblnumber=0", "cmdDelete:off", "optm:checked", "frmDisplay:hidden",
        "name:GrdGridder=Empty grid, 20 columns by 15 rows", "lstWerds=CAT,DOG", "lstUsed=CAT,DOG", "click cmdWords",
        "close frmEdit", "frmMain:shown", "frmEdit:hidden", "exits=0"});
    // Every way out closes the puzzle window, the editor, the print window and
    // the main window, in that order, then ends the process, once.
    const QStringList made = steps({"draws spread", "click cmdWords", "add cat", "click cmdBack", "click cmdPrint",
                                    "click cmdGenerate"}), print = made + steps({"click cmdPrint"});
    const QStringList all = print + steps({"click cmdhide", "click Command1", "activate frmMain"});
    const char *inOrder = "closed=frmDisplay,frmEdit,frmPrint,frmMain,exit";
    const std::pair<const char *, QStringList> ways[] = {{"Exit", steps({"click cmdExit", inOrder})},
        {"the main window's title bar",
         steps({"close frmMain", "closed=frmMain,frmDisplay,frmEdit,frmPrint,frmMain,exit"})},
        {"Ctrl+X in the list", steps({"focus lstWords", "press Ctrl+X", inOrder})},
        {"Ctrl+X in the dimension view", steps({"click cmdDimensions", "focus hsbLength", "press Ctrl+X", inOrder})},
        {"X with no Ctrl, or Shift or Alt with it", steps({"focus lstWords", "press X", "press Shift+X",
            "press Ctrl+Shift+X", "press Ctrl+Alt+X", "closed=", "click cmdExit", inOrder})}};
    for (const auto &[way, list] : ways)
        QTest::newRow(way) << all + list + steps({"click cmdExit", "exits=1"});
    // Tab visits each stop once and comes back, Shift+Tab the other way; a
    // group of options is one stop, at the selected option.
    const auto chain = [](const char *name, const QStringList &before, const char *stops) {
        const QStringList names = QString::fromLatin1(stops).split(u' ');
        QStringList script = before + QStringList{u"focus "_s + names.first()};
        for (qsizetype i = 1; i <= names.size(); ++i)
            script << u"press Tab"_s << names.at(i % names.size()) + u":focus"_s;
        for (qsizetype i = names.size() - 1; i >= 0; --i)
            script << u"press Shift+Tab"_s << names.at(i) + u":focus"_s;
        QTest::newRow(name) << script;
    };
    const QStringList open = steps({"click cmdWords"}), dimensions = steps({"click cmdDimensions"});
    chain("Tab: main window", {}, "cmdWords cmdDimensions cmdAllClear cmdPrint cmdExit cmdAbout lstWords");
    chain("Tab: dimension view", dimensions, "cmdDimDone hsbLength vsbHeight");
    chain("Tab: editor", open + steps({"add cat", "row lstWord 0", "type typed", "click optdescend2"}),
          "txtinput cmdadd cmdDelete cmdLoad cmdSave cmdClear cmdSort cmdBack optdescend2 lstWord");
    chain("Tab: puzzle window", made + steps({"click optvs"}),
          "cmdGenerate cmdPuzzle cmdAnswer cmdPrint Command1 optvs GrdGridder lstWerds");
    chain("Tab: print window", print, "Command1 Command2 Command3 Command4 Command5 cmdhide");
    // The dimension bars: Right and Down raise, Left and Up lower, pages of 1,
    // Home and End, the caption as with the mouse; the wheel keeps its direction.
    for (const QString &bar : {u"hsbLength"_s, u"vsbHeight"_s}) {
        QStringList script = dimensions + QStringList{u"focus "_s + bar};
        for (const auto &[key, value] : {std::pair{"Right", 16}, {"Left", 15}, {"Down", 16}, {"Up", 15}, {"PgDown", 16},
                                         {"PgUp", 15}, {"End", 100}, {"Home", 3}})
            script << u"press "_s + QLatin1String(key) << (bar == u"hsbLength" ? u"lblCurrentDim= %1 x  15"_s
                                                                              : u"lblCurrentDim= 15 x  %1"_s).arg(value);
        QTest::newRow(qPrintable(bar)) << script + QStringList{u"wheel %1 1"_s.arg(bar), bar + u"=4"_s};
    }
    // Return, keypad Enter and Space press the focused button; Enter from
    // elsewhere presses the view's default ("Edit Word List", "Done"); in the
    // input box it adds, and presses nothing.
    const std::pair<const char *, QStringList> focused[] = {{"cmdAllClear", {}}, {"cmdAbout", {}},
        {"cmdDimDone", dimensions}, {"cmdBack", open}, {"cmdSort", open}, {"cmdAnswer", made}, {"Command1", made},
        {"Command3", print}, {"cmdhide", print}};
    for (const auto &[button, before] : focused)
        for (const char *key : {"Return", "Enter", "Space"})
            QTest::addRow("%s on %s", key, button) << before + QStringList{u"focus "_s + QLatin1String(button),
                u"press "_s + QLatin1String(key), u"pressed="_s + QLatin1String(button)};
    row("Enter elsewhere", {"focus lstWords", "press Enter", "pressed=cmdWords", "frmEdit:shown", "cmdadd:off",
        "press Return", "pressed=", "add emu", "pressed=", "lstWord=EMU", "click cmdBack", "click cmdDimensions",
        "focus vsbHeight", "press Return", "pressed=cmdDimDone"});
    // The whole road, from the keyboard alone.
    row("the keyboard road", {"file in.lx giraffe,lion\r\n", "press Return", "keys cat", "press Return", "keys dog",
        "press Enter", "press Tab", "cmdLoad:focus", "open in.lx", "press Space", "lstWord=CAT,DOG,GIRAFFE,LION",
        "press Tab", "save out.lx", "press Return", "file:out.lx=\"CAT\"\r\n\"DOG\"\r\n\"GIRAFFE\"\r\n\"LION\"\r\n",
        "press Tab", "press Tab", "press Tab", "cmdBack:focus", "press Enter", "lstWords=CAT,DOG,GIRAFFE,LION",
        "press Tab", "press Return", "press Tab", "press Right", "press Tab", "press Up", "press Return",
        "lblDimDisplay= 16 x  14", "press Tab", "press Tab", "press Tab", "cmdPrint:focus", "draws spread",
        "press Return", "cmdGenerate:focus", "press Return", "LblDone:shown", "cmdGenerate:focus", "press Tab",
        "press Return", "name:GrdGridder=Puzzle, 16 columns by 14 rows", "press Tab", "press Space",
        "name:GrdGridder=Answer key, 16 columns by 14 rows", "press Tab", "press Return", "press Tab", "press Tab",
        "press Return", "jobs=1", "press Tab", "press Tab", "press Tab", "cmdhide:focus", "press Return", "press Tab",
        "press Return", "frmMain:shown", "press Tab", "cmdExit:focus", "press Space", "exits=1"});
    const auto editor = [&](const char *name, Steps list) { QTest::newRow(name) << open + steps(list); };
    QStringList invalid = open + steps({"add CAT"}); // nothing but A-Z, a-z and the blank
    for (const char *bad : {"don't", "cat9", "big_cat", "ca^t", "x-ray", "\tdog", "caf\xc3\xa9", "[", "`", "{", "@"})
        invalid << u"type "_s + QString::fromUtf8(bad) << u"press Return"_s << u"lblalert=" INVALID ""_s
                << u"lstWord=CAT"_s;
    QTest::newRow("invalid characters") << invalid;
    // The checks in their order; what a refusal leaves where it was; a
    // locale-aware upper-casing would make the sharp s and dotless i duplicates.
    editor("adding", {"shown:frmEdit=Shape1 Shape2 cmdBack cmdClear cmdDelete cmdLoad cmdSave cmdSort cmdadd lblalert "
        "lblcaption lblcaption2 lblcaption3 lblcaption4 lblnumber lstWord optascend1 optascend2 optascendlast "
        "optdescend1 optdescend2 optdescendlast txtinput", "disabled:frmEdit=cmdDelete cmdadd",
        "name:txtinput=Word to add", "name:lstWord=Word list", "name:lblalert=Alert line", "cmdadd:off", "press Return",
        "lblalert=" EMPTY, "tmralert:running", "add DOG,CAT", "add cat", "lblalert=" DUPLICATE, "txtinput=cat",
        "lstWord=DOG,CAT", "lblnumber=2", "type   cAt  ", "click cmdadd", "lblalert=" DUPLICATE, "type    ",
        "cmdadd:on", "click cmdadd", "lblalert=" EMPTY, "add SS,\xc3\x9f", "lblalert=" INVALID, "add I,\xc4\xb1",
        "lblalert=" INVALID, "add   new  york  ", "txtinput=", "lblalert=", "tmralert:stopped", "add AZaz,New",
        "lstWord=DOG,CAT,SS,I,NEW  YORK,AZAZ,NEW", "lblnumber=7"});
    // Every change ends in a refresh of the count and the buttons.
    editor("refreshes", {"add ant,bee,cat", "keys q", "cmdadd:on", "cmdDelete:off", "keys \b", "cmdadd:off",
        "row lstWord 1", "cmdDelete:on", "add dog", "cmdDelete:on", "lblnumber=4", "click cmdDelete",
        "lstWord=ANT,CAT,DOG", "cmdDelete:off", "lblnumber=3", "add bee", "row lstWord 0", "dblclick lstWord 2",
        "lstWord=ANT,CAT,BEE", "lblnumber=3", "cmdDelete:off", "click cmdClear", "lstWord=", "lblnumber=0",
        "frmMain.lstWords=", "type typed", "dblclick lstWord -1", "txtinput=typed", "add ant", "lstWord=ANT"});
    // Shown, blank, shown, blank, shown on a 1 s tick; a new refusal restarts
    // it, any refresh ends it.
    editor("the alert line blinks", {"tmralert=1000", "add cat,cat", "blinks=|" DUPLICATE "||" DUPLICATE "|",
        "tmralert:stopped", "add cat", "tick tmralert", "tick tmralert", "tick tmralert", "add 1", "lblalert=" INVALID,
        "name:lblalert=" INVALID, "blinks=|" INVALID "||" INVALID "|", "name:lblalert=" INVALID, "add cat", "keys s",
        "lblalert=", "tmralert:stopped", "add cat", "tick tmralert", "row lstWord 0", "tmralert:stopped"});
    editor("leaving", {"add cat,dog", "click optdescend2", "row lstWord 1", "add 1", "tick tmralert", "click cmdBack",
        "frmEdit:hidden", "lstWords=CAT,DOG", "lblWordcount=Words in Puzzle:  2", "click cmdWords", "lstWord=CAT,DOG",
        "txtinput=1", "optdescend2:checked", "cmdDelete:on", "txtinput:focus", "tick tmralert", "lblalert=" INVALID,
        "click cmdDelete", "row lstWord 0", "click cmdDelete", "click cmdBack", "lstWords=CAT,DOG",
        "lblWordcount=Words in Puzzle:  0", "click cmdWords", "add emu", "click cmdClear",
        "frmMain.lblWordcount=Words in Puzzle:  0", "frmMain.lstWords=", "click cmdBack", "lstWords="});
    // Ties on both keys; sorted twice, a list stays as it is.
    const char *orders[][2] = {{"optascend1", "A DOG,BIG CAT,NEW YORK CITY,WILD CAT,ZEBRA"},
        {"optascend2", "WILD CAT,BIG CAT,A DOG,NEW YORK CITY,ZEBRA"},
        {"optascendlast", "WILD CAT,BIG CAT,NEW YORK CITY,A DOG,ZEBRA"},
        {"optdescend1", "ZEBRA,WILD CAT,NEW YORK CITY,BIG CAT,A DOG"},
        {"optdescend2", "ZEBRA,NEW YORK CITY,A DOG,BIG CAT,WILD CAT"},
        {"optdescendlast", "ZEBRA,A DOG,NEW YORK CITY,BIG CAT,WILD CAT"}};
    const QStringList unsorted = steps({"add NEW YORK CITY,WILD CAT,ZEBRA,A DOG,BIG CAT", "row lstWord 0", "add 1"});
    for (const auto &[option, sorted] : orders) {
        const QString result = u"lstWord="_s + QLatin1String(sorted);
        QTest::newRow(option) << open + unsorted
            + QStringList{u"click "_s + QLatin1String(option), u"click cmdSort"_s, result, u"click cmdSort"_s, result}
            + steps({"cmdDelete:off", "add zebra", "lblalert=" DUPLICATE});
    }
    // Bytes in, list out, bytes written; a failure reported as a refusal is.
    editor("files", {"open", "click cmdLoad", "add cat,new york,1", "save", "click cmdSave", "txtinput=1",
        "lblalert=" INVALID, "save words", "click cmdSave", "dialog=" FILTER "||",
        "file:words=\"CAT\"\r\n\"NEW YORK\"\r\n", "txtinput=", "click cmdClear", "open words", "click cmdLoad",
        "open words", "click cmdLoad", "lstWord=CAT,NEW YORK", "click cmdClear", "save words", "click cmdSave",
        "file:words=", "add emu", "file in zebra\r\n\r\n42,caf\xc3\xa9,emu\r\n\"apple, pear\",\"NEW YORK\"\nant\rZebra "
        " \r\n  \r\n", "open in", "click cmdLoad", "lstWord=EMU,ZEBRA,NEW YORK,ANT", "txtinput=", "lblalert=",
        "tmralert:stopped", "add 1", "open missing", "click cmdLoad", "txtinput=1", "lblalert=Could not load missing: "
        "No such file or directory", "file in cat\r\nowl,42,\"dog\r\n", "open in", "click cmdLoad",
        "lstWord=EMU,ZEBRA,NEW YORK,ANT,CAT,OWL", "txtinput=42", "lblnumber=6", "lblalert=Could not load in: a quoted "
        "word runs past the end of the file", "save in/x", "click cmdSave", "lblalert=Could not save x: its folder "
        "does not exist", "tmralert:running"});
    // The hand-off sizes the grids and lists the editor's own words: emptied one
    // by one, they leave the main window's copy, and the start goes on.
    editor("the hand-off", {"add one,two,six", "click cmdBack", "set hsbLength 40", "set vsbHeight 10",
        "click cmdPrint", "frmDisplay:shown", "frmMain:hidden", "reseeds=2", "name:GrdGridder=Empty grid, 40 columns "
        "by 10 rows", "shown:frmDisplay=" FRESH, "disabled:frmDisplay=cmdAnswer cmdPrint cmdPuzzle",
        "name:lstWerds=Words in the puzzle", "widths=260,240,240", "cells=17x16 centred", "lstWerds=ONE,TWO,SIX",
        "limit=10000", "click optvf", "limit=1000", "click optvs", "limit=50000", "click Command1", "click cmdWords",
        "row lstWord 0", "click cmdDelete", "row lstWord 0", "click cmdDelete", "row lstWord 0", "click cmdDelete",
        "click cmdBack", "click cmdPrint", "lstWerds=", "reseeds=3", "boxes=0", "click cmdGenerate",
        "lblNotice=The word list is empty."});
    // TAC leftward from column 3 of row 1, then the fill letters B, C, ...,
    // shown on demand; other sizes between visits show the old puzzle cut or
    // padded, and the key never what an earlier, larger puzzle left; "DONE!"
    // stands for one tick, also through another run and a visit away.
    const char *small = "draws 3/4 1/3 5/8 2/26 3/26 4/26 5/26 6/26 7/26 8/26 9/26 10/26";
    editor("Generate and the grids", {"add tac", "click cmdBack", "set hsbLength 4", "set vsbHeight 3",
        "click cmdPrint", small, "watch frmDisplay", "click cmdGenerate", "shown:frmDisplay=GrdGridder Progress band "
        "lblGenerating lblcaption lstWerds optm optvf optvs", "disabled:frmDisplay=", "shown:frmDisplay=Command1 "
        "GrdGridder LblDone band cmdAnswer cmdGenerate cmdPrint cmdPuzzle lblcaption lstWerds optm optvf optvs",
        "lstUsed=TAC", "lstnotused=", "GrdPuzzle=CATB/CDEF/GHIJ", "GrdAnswer=CAT./..../....",
        "GrdGridder=..../..../....", "click cmdPuzzle", "GrdGridder=CATB/CDEF/GHIJ",
        "name:GrdGridder=Puzzle, 4 columns by 3 rows", "click cmdAnswer", "GrdGridder=CAT./..../....",
        "click cmdPuzzle", "GrdGridder=CATB/CDEF/GHIJ", "TmrDone=1000", "TmrDone:running", "LblDone:shown",
        "Progress:hidden", "click Command1", "tick TmrDone", "TmrDone:stopped", "set hsbLength 6", "set vsbHeight 4",
        "click cmdPrint", "Progress:shown", "LblDone:hidden", "Progress=1/1", "cmdPuzzle:on",
        "GrdGridder=CATB../CDEF../GHIJ../......", "click cmdPuzzle", "GrdGridder=CATB../CDEF../GHIJ../......",
        "click cmdAnswer", "GrdGridder=CAT.../....../....../......", "click Command1", "set hsbLength 3",
        "click cmdPrint", "click cmdPuzzle", "GrdGridder=CAT/CDE/GHI/...", "click Command1", "set hsbLength 6",
        "click cmdPrint", "draws 6/6 1/4 5/8", "click cmdGenerate", "click Command1", "set hsbLength 4",
        "set vsbHeight 3", "click cmdPrint", small, "click cmdGenerate", "click Command1", "set hsbLength 6",
        "set vsbHeight 4", "click cmdPrint", "click cmdAnswer", "GrdGridder=CAT.../....../....../......", "click optvs",
        "click cmdGenerate", "optvs:checked", "LblDone:shown", "Progress:hidden", "tick TmrDone", "Progress:shown",
        "TmrDone:stopped", "shown:frmDisplay=" FRESH, "click Command1", "click cmdWords", "click cmdClear",
        "add elephant", "click cmdBack", "click cmdPrint", "click cmdGenerate",
        "lblNotice=No word fits a 6 x 4 puzzle.", "lstUsed=", "shown:frmDisplay=Command1 GrdGridder band cmdAnswer "
        "cmdGenerate cmdPrint cmdPuzzle lblNotice lblcaption lstWerds optm optvf optvs", "click Command1",
        "click cmdWords", "add emu", "click cmdBack", "click cmdPrint", "click cmdGenerate", "lblNotice:hidden",
        "LblDone:shown", "lstUsed=EMU"});
    // CAT is hidden in 7 x 7; ELEPHANTS never fits. Marks are true only of the
    // list the last Generate used, the same entries in the same order.
    editor("the marks", {"draws spread", "add cat,elephants", "click cmdBack", "set hsbLength 7", "set vsbHeight 7",
        "click cmdPrint", "marks=--", "click cmdGenerate", "marks=-+", "click Command1", "click cmdPrint", "marks=-+",
        "click Command1", "click cmdAllClear", "lstWerds=CAT,ELEPHANTS", "marks=-+", "set hsbLength 7",
        "set vsbHeight 7", "click cmdWords", "add dog,elephants", "click cmdBack", "click cmdPrint", "marks=--",
        "click Command1", "click cmdWords", "click cmdClear", "add cat,elephants", "click cmdBack", "click cmdPrint",
        "marks=-+", "click Command1", "click cmdWords", "click cmdClear", "add elephants,cat", "click cmdBack",
        "click cmdPrint", "marks=--", "click cmdGenerate", "marks=+-", "click Command1", "click cmdWords",
        "click cmdClear", "add newyork,new york,cat", "click cmdBack", "click cmdPrint", "click cmdGenerate",
        "marks=-+-"}); // one placement of NEWYORK vouches for one entry that reads so
    // A 3 x 3 puzzle: TAC leftward along the top row, the fill letters B to G
    // below it. An empty key cell is two blanks wide, as a letter and its blank.
    editor("print jobs", {"add tac", "click cmdBack", "set hsbLength 3", "set vsbHeight 3", "click cmdPrint",
        "draws 3/3 1/3 5/8 2/26 3/26 4/26 5/26 6/26 7/26", "click cmdGenerate", "click cmdPrint", "fonts=Ms Sans Serif",
        "click Command1", "job=Puzzle//C A T /B C D /E F G ///List of Words//TAC//Puzzle Key//C A T /      /      ",
        "frmPrint:shown", "click Command2", "job=Puzzle Key//C A T /      /      ", "click Command3",
        "job=List of Words//TAC", "click Command4", "job=Puzzle//C A T /B C D /E F G ", "click Command5",
        "job=Puzzle//C A T /B C D /E F G ///List of Words//TAC", "jobs=5", "click cmdhide", "frmDisplay:shown",
        "frmPrint:hidden", "click Command1", "set hsbLength 5", "set vsbHeight 4", "click cmdPrint", "click cmdPrint",
        "click Command4", "job=Puzzle//C A T     /B C D     /E F G     /          ", "jobs=6", "fonts=Ms Sans Serif"});
    // One rule for the three lists: cut at the right with "…", the whole entry
    // in the tooltip up to 100 characters, and there a mark's note too.
    const QString cut = QString(100, u'A') + QChar(0x2026);
    QTest::newRow("long entries") << open + QStringList{u"add "_s + QString(300, u'A') + u",CAT"_s,
        u"lstWord="_s + QString(256, u'A') + QChar(0x2026) + u",CAT"_s, u"tip:lstWord="_s + cut, u"click cmdBack"_s,
        u"tip:lstWords="_s + cut, u"click cmdPrint"_s, u"click cmdGenerate"_s,
        u"tip:lstWerds="_s + cut + u"<br>Not hidden in this puzzle"_s};
}

void TestWindows::sessions()
{
    QFETCH(QStringList, script);
    TestProgram program;
    Script player(program);
    QPLAY(player, script);
}

// A tag must neither vanish nor make a box fetch an image. The orange look is
// the windows' own: tooltips and dialogs keep the desktop's colours.
void TestWindows::namesShowAsTextInTheDesktopLook()
{
    TestProgram program;
    Script player(program);
    const QString name = u"<h1><font color=blue>HUGE%1<img src=x>.lx"_s.arg(QString(80, u'x'));
    const QString full = u"Could not save "_s + name + u": it is a folder"_s;
    QVERIFY(QDir(player.path(QString())).mkdir(name)); // saving over a folder fails
    QPLAY(player, QStringList{u"click cmdWords"_s, u"save "_s + name, u"click cmdSave"_s});
    // Too long for the line: the name gives way in its middle, the reason
    // stays, the whole text is the tooltip until the alert ends.
    QLabel *alert = program.editor()->lblalert;
    QVERIFY2(alert->text().startsWith(u"Could not save <h1><font"_s) && alert->text().contains(QChar(0x2026))
                 && alert->text().endsWith(u"img src=x>.lx: it is a folder"_s) && alert->textFormat() == Qt::PlainText
                 && alert->fontMetrics().horizontalAdvance(alert->text()) <= alert->width(), qPrintable(alert->text()));
    QCOMPARE(alert->toolTip(), full.toHtmlEscaped());
    QToolTip::showText(QPoint(5, 5), alert->toolTip(), alert);
    const QWidgetList tops = QApplication::topLevelWidgets();
    QWidget *tip = *std::find_if(tops.begin(), tops.end(), [](QWidget *w) { return w->inherits("QTipLabel"); });
    tip->ensurePolished();
    QCOMPARE(tip->palette().color(QPalette::WindowText), QToolTip::palette().color(QPalette::ToolTipText));
    QPLAY(player, steps({"tick tmralert", "tick tmralert", "tick tmralert", "tick tmralert", "tick tmralert",
                         "tmralert:stopped", "lblalert="}));
    QCOMPARE(alert->toolTip(), QString());

    // The boxes the program and its dialogs show read a name as text; the
    // overwrite question defaults to No, which goes back to the dialog.
    QStringList seen;
    const auto answer = [this](auto look) { // the next modal dialog, once it is open
        QTimer::singleShot(0, this, [look] { look(QApplication::activeModalWidget()); });
    };
    answer([&](QWidget *modal) {
        auto *dialog = static_cast<QFileDialog *>(modal);
        QWidget *button = dialog->findChild<QPushButton *>();
        const QColor face = button->grab().toImage().pixelColor(3, button->height() / 2);
        seen << dialog->nameFilters().join(u';') << dialog->selectedNameFilter()
             << (face == QColor(255, 128, 0) ? u"orange"_s : u"own"_s);
        dialog->setDirectory(player.path(QString()));
        dialog->selectFile(name.chopped(3)); // the suffix comes from the dialog
        answer([&](QWidget *question) {
            auto *box = static_cast<QMessageBox *>(question);
            seen << box->text() << QString::number(box->textFormat()) << box->defaultButton()->text();
            box->defaultButton()->click();
        });
        static_cast<QDialog *>(dialog)->accept();
        seen << QString::number(dialog->isVisible());
        dialog->reject();
    });
    QVERIFY(QDir(player.path(QString())).rmdir(name) && QFile(player.path(name)).open(QIODevice::WriteOnly));
    QCOMPARE(QtFileDialog().saveFile(program.editor(), u"" FILTER ""_s, QString(), u"lx"_s), QString());
    answer([&](QWidget *modal) {
        auto *box = static_cast<QMessageBox *>(modal);
        seen << box->text() << QString::number(box->textFormat());
        box->accept();
    });
    QtMessageBox().show(full, u"Lexmire - Print Options"_s);
    // "*.*" would hide files without a dot, which "All Files" must list.
    const QString plain = QString::number(Qt::PlainText);
    QCOMPARE(seen, (QStringList{u"All Files (*);Lexmire Files (*.lx);Text Files (*.txt)"_s, u"All Files (*)"_s,
        u"own"_s, name + u" already exists.\nDo you want to replace it?"_s, plain, u"&No"_s, u"1"_s, full, plain}));
}

void TestWindows::pagesReadWellAtEverySize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<qreal>("gridPoints");
    QTest::addColumn<int>("pages");
    QTest::newRow("3 x 3") << 3 << 3 << false << 12.0 << 1;
    QTest::newRow("15 x 15") << 15 << 15 << false << 12.0 << 1;
    // Turned: a row of 80 characters fits across at 12 pt, not down.
    QTest::newRow("40 x 12") << 40 << 12 << true << 12.0 << 3;
    // Landscape would give 6.3 pt, but 100 rows would overrun the page.
    QTest::newRow("100 x 100") << 100 << 100 << false << 4.2 << 7;
}

// "Print Everything" at each size, as the pages read.
void TestWindows::pagesReadWellAtEverySize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, landscape);
    QFETCH(qreal, gridPoints);
    QFETCH(int, pages);
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty() || !QPrinterInfo::defaultPrinter().isNull())
        QSKIP("needs pdftotext, and no printer, so that jobs go to PDF files");
    TestProgram fresh(true);
    const QStringList words = distinctEntries(width * height / 8 + 3, 11, 1, 3, 3 + width / 4);
    Script player(fresh);
    QPLAY(player, QStringList{u"file in "_s + words.join(u','), u"set hsbLength %1"_s.arg(width),
        u"set vsbHeight %1"_s.arg(height)} + steps({"click cmdWords", "open in", "click cmdLoad", "click cmdBack",
        "draws spread", "click cmdPrint", "click optvf", "click cmdGenerate", "click cmdPrint", "save everything.pdf",
        "click Command1", "boxes=0", "dialog=PDF Files (*.pdf)|*.pdf|No Printer Found - Save the Job as a PDF File|pdf",
        "save second.pdf", "click Command3", "save none/x.pdf", "click Command2", "boxes=1"}));
    QCOMPARE(fresh.fakes.shown.value(0), u"Lexmire - Print Options|The PDF file %1 could not be saved:\r\nits folder "
             "does not exist."_s.arg(player.path(u"none/x.pdf"_s)));

    QList<QSizeF> sheets;
    const QList<Word> printed = readBack(player.path(u"everything.pdf"_s), &sheets);
    QCOMPARE(sheets.size(), pages); // a grid section moves to a new page only when it must
    for (const QSizeF &sheet : sheets)
        QCOMPARE(sheet.width() > sheet.height(), landscape);
    // Sort the words into titles, puzzle letters, listed words and key letters.
    QList<Word> titles, sections[3];
    for (qsizetype i = 0; i < printed.size(); ++i) {
        const QString &text = printed.at(i).text;
        if (text != u"Puzzle" && text != u"List") {
            sections[qMax(titles.size(), 1) - 1].append(printed.at(i));
            continue;
        }
        titles.append(printed.at(i));
        i += text == u"List" ? 2 : printed.value(i + 1).text == u"Key"; // past "of Words" or "Key"
    }
    const auto &[puzzle, list, key] = sections;
    QCOMPARE(titles.size(), 3);
    QCOMPARE(puzzle.size(), width * height);
    QCOMPARE(list.size(), fresh.puzzle()->lstUsed.size());
    // Titles and words at 12 pt, both grids at the one size that fits a row.
    const qreal twelve = titles.first().height;
    for (const Word &word : titles + list)
        QVERIFY2(near(word.height, twelve), qPrintable(word.text));
    for (const Word &letter : puzzle + key)
        QVERIFY2(near(letter.height / twelve * 12, gridPoints), qPrintable(QString::number(letter.height)));
    // Each grid section, title and rows, stands on one page.
    QVERIFY(titles[0].page == puzzle.first().page && puzzle.first().page == puzzle.last().page);
    QVERIFY(titles[2].page == key.first().page && key.first().page == key.last().page);
    // Every key letter stands over the same letter of the puzzle, row for row.
    const qreal pitch = height > 1 ? (puzzle.last().y - puzzle.first().y) / (height - 1) : 1;
    const qreal keyTop = titles[2].y + (puzzle.first().y - titles[0].y);
    const QString answer = player.read(u"GrdAnswer"_s); // rows split by "/", "." for an empty cell
    QCOMPARE(key.size(), answer.size() - answer.count(u'.') - answer.count(u'/'));
    for (const Word &letter : key) {
        const qreal row = (letter.y - keyTop) / pitch;
        const bool over = std::any_of(puzzle.cbegin(), puzzle.cend(), [&](const Word &p) {
            return p.text == letter.text && near(p.x, letter.x) && near((p.y - puzzle.first().y) / pitch, row);
        });
        QVERIFY2(over, qPrintable(QStringLiteral("%1 at row %2, x %3").arg(letter.text).arg(row).arg(letter.x)));
    }
    // Whatever became of a job, the next one is printed on its own.
    QCOMPARE(readBack(player.path(QStringLiteral("second.pdf"))).first().text, QStringLiteral("List"));
}

// A line too wide at 4 pt breaks rather than loses its end, inside the margins.
void TestWindows::longLineBreaksInsideTheMargins()
{
    const QString pdf = QDir::temp().filePath(QStringLiteral("lexmire-line.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QVERIFY(QtTextPrinter::render(printer, {QString(400, u'M')}, QStringLiteral("Ms Sans Serif")));
    const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Point);
    const QList<Word> words = readBack(pdf);
    QFile::remove(pdf);
    QCOMPARE(words.size(), 2);
    QCOMPARE(words[0].text + words[1].text, QString(400, u'M'));
    for (const Word &word : words)
        QVERIFY(word.x >= paint.left() - 0.5 && word.right <= paint.right() + 0.5 && word.y >= paint.top() - 0.5
                && near(word.height / 1.164, 4.0)); // the glyph box of this face at 4 pt
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
