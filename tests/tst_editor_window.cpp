// The word list editor: its controls, adding and its refusals, the blinking
// alert line, deleting, leaving, files and sorting.
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "program.h"
#include "widgets/shown_name.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolTip>

#include <unistd.h>

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
    QString alert() const { return control<QLabel>(editor(), "lblalert")->text(); }
    QString count() const { return control<QLabel>(editor(), "lblnumber")->text(); }
    bool blinking() const { return control<QTimer>(editor(), "tmralert")->isActive(); }
    void click(const char *button) const { ::click(editor(), button); }
    // The alert line after each tick, until its timer stops.
    QStringList blinks() const
    {
        QStringList texts;
        for (int tick = 0; tick < 6 && blinking(); ++tick) {
            ::tick(editor(), "tmralert");
            texts.append(alert());
        }
        return texts;
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
        QTest::newRow("Shape1") << Seen{{}, {16, 316, 200, 108}, arial, orange, black};
        QTest::newRow("Shape2") << Seen{{}, {240, 316, 232, 28}, arial, orange, black};
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

    // The first open, and the same state found again on the next visit.
    void opening()
    {
        const QStringList all{u"Shape1"_s,      u"Shape2"_s,         u"cmdBack"_s,       u"cmdClear"_s,
                              u"cmdDelete"_s,   u"cmdLoad"_s,        u"cmdSave"_s,       u"cmdSort"_s,
                              u"cmdadd"_s,      u"lblalert"_s,       u"lblcaption"_s,    u"lblcaption2"_s,
                              u"lblcaption3"_s, u"lblcaption4"_s,    u"lblnumber"_s,     u"lstWord"_s,
                              u"optascend1"_s,  u"optascend2"_s,     u"optascendlast"_s, u"optdescend1"_s,
                              u"optdescend2"_s, u"optdescendlast"_s, u"txtinput"_s};
        QCOMPARE(shown(editor()), all);
        QCOMPARE(disabled(editor()), QStringList({u"cmdDelete"_s, u"cmdadd"_s}));
        QVERIFY(control<QRadioButton>(editor(), "optascend1")->isChecked());
        QCOMPARE(focused(), u"txtinput"_s);
        QCOMPARE(QList({alert(), count()}), QList({QString(), u"0"_s}));
        QVERIFY(!blinking());
        QVERIFY(!(editor()->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(QList({accessibleName(box()), accessibleName(list()),
                        accessibleName(control<QLabel>(editor(), "lblnumber"))}),
                 QList({u"Word to add"_s, u"Word list"_s, u"Number of Words: 0"_s}));

        addWords(*program, {u"cat"_s, u"dog"_s});
        clickEntry(list(), 1);
        ::click(editor(), "optdescend2");
        box()->setText(u"1"_s);
        click("cmdadd"); // refused: blinks on while the editor is away
        click("cmdBack");
        ::tick(editor(), "tmralert");
        ::click(program->main(), "cmdWords");
        QCOMPARE(entries(list()), QStringList({u"CAT"_s, u"DOG"_s}));
        QCOMPARE(box()->text(), u"1"_s);
        QVERIFY(control<QRadioButton>(editor(), "optdescend2")->isChecked());
        QCOMPARE(disabled(editor()), QStringList());
        QCOMPARE(focused(), u"txtinput"_s);
        QCOMPARE(blinks(), QStringList({invalid, QString(), invalid, QString()}));
    }

    // The checks in their order, and what a refusal leaves where it was.
    void adding_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byButton"); // else Return in the box
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("message");
        const QStringList cat{u"CAT"_s};
        QTest::newRow("blanks trimmed") << QStringList() << u"  cat  "_s << true << cat << QString();
        QTest::newRow("blanks inside kept")
            << cat << u"new  york"_s << false << cat + QStringList{u"NEW  YORK"_s} << QString();
        QTest::newRow("upper-cased") << cat << u"AZaz"_s << false << cat + QStringList{u"AZAZ"_s} << QString();
        QTest::newRow("same but for case") << cat << u"Cat"_s << false << cat << duplicate;
        QTest::newRow("same but for blanks") << cat << u" cAt "_s << true << cat << duplicate;
        QTest::newRow("nothing, by Return") << cat << QString() << false << cat << empty;
        QTest::newRow("only blanks, by the button") << cat << u"   "_s << true << cat << empty;
        // Refused for a character, whichever: the full table is the word rules' own.
        for (const char *bad : {"don't", "\tdog", "caf\xc3\xa9"})
            QTest::addRow("invalid %s", bad) << cat << QString::fromUtf8(bad) << false << cat << invalid;
    }
    void adding()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, typed);
        QFETCH(bool, byButton);
        QFETCH(QStringList, after);
        QFETCH(QString, message);
        addWords(*program, before);
        box()->setText(typed);
        byButton ? click("cmdadd") : QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(entries(list()), after);
        QCOMPARE(count(), QString::number(after.size()));
        QCOMPARE(alert(), message);
        QCOMPARE(spoken(), message.isEmpty() ? QStringList() : QStringList{message}); // once, blinking or not
        QCOMPARE(blinking(), !message.isEmpty());
        QCOMPARE(box()->text(), message.isEmpty() ? QString() : typed);
        QCOMPARE(focused(), u"txtinput"_s); // the next word goes where this one did
        QCOMPARE(control<QPushButton>(editor(), "cmdadd")->isEnabled(), !box()->text().isEmpty());
    }

    // Every change ends in a refresh of the count and the buttons.
    void refreshing()
    {
        addWords(*program, {u"ant"_s, u"bee"_s, u"cat"_s});
        QTest::keyClicks(box(), u"q"_s);
        QCOMPARE(disabled(editor()), QStringList({u"cmdDelete"_s}));
        QTest::keyClick(box(), Qt::Key_Backspace);
        QCOMPARE(disabled(editor()), QStringList({u"cmdDelete"_s, u"cmdadd"_s}));
        clickEntry(list(), 1);
        QCOMPARE(disabled(editor()), QStringList({u"cmdadd"_s}));
        click("cmdDelete");
        QCOMPARE(entries(list()), QStringList({u"ANT"_s, u"CAT"_s}));
        QCOMPARE(QList({count(), disabled(editor()).join(u' ')}), QList({u"2"_s, u"cmdDelete cmdadd"_s}));
        addWords(*program, {u"bee"_s});
        clickEntry(list(), 0);
        clickEntry(list(), 2, true); // the entry under the pointer goes
        QCOMPARE(entries(list()), QStringList({u"ANT"_s, u"CAT"_s}));
        QCOMPARE(QList({count(), disabled(editor()).join(u' ')}), QList({u"2"_s, u"cmdDelete cmdadd"_s}));
        box()->setText(u"typed"_s);
        clickEntry(list(), -1, true); // empty space: nothing goes
        QCOMPARE(entries(list()), QStringList({u"ANT"_s, u"CAT"_s}));
        QCOMPARE(box()->text(), u"typed"_s);
        click("cmdClear");
        QCOMPARE(QList({count(), entries(list()).join(u',')}), QList({u"0"_s, QString()}));
    }

    // From the keyboard, the work goes on where it was: after Add Word in the
    // box, after Delete Word in the list at the entry that took the deleted
    // one's place (the new last, at the end), nothing selected; in the box
    // when the list is empty.
    void keyboardDeletes()
    {
        addWords(*program, {u"ant"_s, u"bee"_s, u"cat"_s});
        box()->setText(u"dog"_s);
        control<QWidget>(editor(), "cmdadd")->setFocus();
        press(Qt::Key_Space);
        QCOMPARE(QList({focused(), entries(list()).join(u',')}), QList({u"txtinput"_s, u"ANT,BEE,CAT,DOG"_s}));
        const auto current = [this] { return list()->currentIndex().row(); };
        for (const auto &[row, left, focus, at] :
             {std::tuple(1, u"ANT,CAT,DOG"_s, u"lstWord"_s, 1), std::tuple(2, u"ANT,CAT"_s, u"lstWord"_s, 1),
              std::tuple(0, u"CAT"_s, u"lstWord"_s, 0), std::tuple(0, QString(), u"txtinput"_s, -1)}) {
            clickEntry(list(), row);
            control<QWidget>(editor(), "cmdDelete")->setFocus();
            press(Qt::Key_Return);
            QCOMPARE(entries(list()).join(u','), left);
            QCOMPARE(QList({focused(), disabled(editor()).join(u' ')}), QList({focus, u"cmdDelete cmdadd"_s}));
            QCOMPARE(focus == u"lstWord" ? current() : -1, at);
        }
    }

    // What a screen reader is told besides the controls' names: a group for
    // the orders, the count with its caption, no decoration.
    void accessibility()
    {
        addWords(*program, {u"cat"_s, u"dog"_s});
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(editor());
        QCOMPARE(window->role(), QAccessible::Window);
        QStringList children;
        for (int i = 0; i < window->childCount(); ++i)
            children << window->child(i)->object()->objectName();
        for (const char *decoration : {"Shape2", "lblcaption3", "lblcaption4"})
            QVERIFY2(!children.contains(QLatin1String(decoration)), decoration);
        QAccessibleInterface *group = QAccessible::queryAccessibleInterface(control<QWidget>(editor(), "Shape1"));
        QCOMPARE(QList({int(group->role()), group->childCount()}), QList({int(QAccessible::Grouping), 6}));
        QCOMPARE(group->text(QAccessible::Name), u"Sort List by..."_s);
        QCOMPARE(accessibleName(control<QLabel>(editor(), "lblnumber")), u"Number of Words: 2"_s);
        // An entry is focused while the list has the focus, and then no more.
        editor()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor()));
        clickEntry(list(), 1);
        QAccessibleInterface *entry = QAccessible::queryAccessibleInterface(list())->child(1);
        QVERIFY(entry->state().focused);
        box()->setFocus();
        QVERIFY(!entry->state().focused);
        list()->setFocus();
        QCOMPARE(list()->currentIndex().row(), 1); // and back where it was
    }

    // What is saved can be loaded back: a list that would come out larger
    // than a load takes is not saved, and says so.
    void loadBack()
    {
        const qsizetype limit = 16 * 1024 * 1024;
        const auto write = [this](const QString &name, const QByteArray &bytes) {
            QFile file(program->path(name));
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        // One word each: with its quotes and line end, the first would come
        // out past the limit, the second at it to the byte.
        QVERIFY(write(u"over.lx"_s, QByteArray(limit - 2, 'A')) && write(u"at.lx"_s, QByteArray(limit - 4, 'B')));
        program->fakes.openAnswers << program->path(u"over.lx"_s) << program->path(u"at.lx"_s)
                                   << program->path(u"out.lx"_s);
        program->fakes.saveAnswers << program->path(u"out.lx"_s) << program->path(u"out.lx"_s);
        click("cmdLoad");
        click("cmdSave");
        QCOMPARE(alert(), u"Could not save \u2068out.lx\u2069: it is larger than 16 MB, the limit for a word list"_s);
        QVERIFY(!QFile::exists(program->path(u"out.lx"_s)));
        click("cmdClear");
        click("cmdLoad");
        spoken();
        click("cmdSave");
        QCOMPARE(QList({alert(), spoken().join(u'|')}), QList({QString(), u"Saved 1 word to \u2068out.lx\u2069"_s}));
        click("cmdClear");
        click("cmdLoad");
        QCOMPARE(QList({alert(), entries(list()).join(u',').left(3)}), QList({QString(), u"BBB"_s}));
    }

    // A list with other names (hard links) is saved under this one; the
    // others keep the old list, and the alert says so.
    void hardLinks()
    {
        QFile old(program->path(u"a.lx"_s));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("\"OLD\"\r\n") == 7);
        old.close();
        QCOMPARE(::link(QFile::encodeName(old.fileName()).constData(),
                        QFile::encodeName(program->path(u"b.lx"_s)).constData()),
                 0);
        addWords(*program, {u"new"_s});
        program->fakes.saveAnswers << old.fileName();
        click("cmdSave");
        QCOMPARE(alert(), u"Saved \u2068a.lx\u2069; its other names keep the old list"_s);
        QFile other(program->path(u"b.lx"_s));
        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(other.readAll(), QByteArray("\"OLD\"\r\n"));
    }

    // Shown, blank, shown, blank, shown on a 1 s tick; a new refusal restarts
    // it, any refresh (typing, a click in the list) ends it.
    void alertLine_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("blinks");
        const QStringList schedule{QString(), duplicate, QString(), duplicate, QString()};
        QTest::newRow("a refusal") << QStringList({u"cat"_s}) << schedule;
        QTest::newRow("restarted") << QStringList({u"cat"_s, u"tick"_s, u"tick"_s, u"tick"_s, u"cat"_s}) << schedule;
        QTest::newRow("ended by typing") << QStringList({u"cat"_s, u"tick"_s, u"type"_s}) << QStringList();
        QTest::newRow("ended by a click") << QStringList({u"cat"_s, u"click"_s}) << QStringList();
    }
    void alertLine()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, blinks);
        QCOMPARE(control<QTimer>(editor(), "tmralert")->interval(), 1000);
        addWords(*program, {u"cat"_s});
        for (const QString &step : steps) {
            if (step == u"tick")
                ::tick(editor(), "tmralert");
            else if (step == u"type")
                QTest::keyClicks(box(), u"s"_s);
            else if (step == u"click")
                clickEntry(list(), 0);
            else
                addWords(*program, {step});
        }
        QCOMPARE(alert(), blinks.isEmpty() ? QString() : duplicate);
        QCOMPARE(this->blinks(), blinks);
        QVERIFY(!blinking());
        QCOMPARE(accessibleName(control<QLabel>(editor(), "lblalert")), QString()); // nothing stale
    }

    // Going back hands the list and its count to the main window; an emptied
    // list leaves the main window's copy as it was, a cleared one does not.
    void leaving()
    {
        QWidget *main = program->main();
        auto *words = control<QAbstractItemView>(main, "lstWords");
        auto *label = control<QLabel>(main, "lblWordcount");
        addWords(*program, {u"cat"_s, u"dog"_s});
        click("cmdBack");
        QVERIFY(main->isVisible() && !editor()->isVisible());
        QCOMPARE(entries(words), QStringList({u"CAT"_s, u"DOG"_s}));
        QCOMPARE(label->text(), u"Words in Puzzle:  2"_s);
        ::click(main, "cmdWords");
        for (int i = 0; i < 2; ++i) {
            clickEntry(list(), 0);
            click("cmdDelete");
        }
        click("cmdBack");
        QCOMPARE(entries(words), QStringList({u"CAT"_s, u"DOG"_s}));
        QCOMPARE(label->text(), u"Words in Puzzle:  0"_s);
        ::click(main, "cmdWords");
        addWords(*program, {u"emu"_s});
        click("cmdClear");
        QCOMPARE(entries(words), QStringList());
        QCOMPARE(label->text(), u"Words in Puzzle:  0"_s); // set only on the way back
        addWords(*program, {u"owl"_s});
        click("cmdBack");
        QCOMPARE(label->text(), u"Words in Puzzle:  1"_s);
        ::click(main, "cmdWords");
        closeFromTitleBar(editor()); // a window manager's close goes back too
        QVERIFY(main->isVisible() && !editor()->isVisible());
    }

    // Bytes in, list out, bytes written; a failure is reported as a refusal is.
    void files_data()
    {
        QTest::addColumn<QByteArray>("file"); // in.lx, if any
        QTest::addColumn<bool>("save");       // else load
        QTest::addColumn<QString>("answer");  // the dialog's; "" a cancel
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("written"); // out.lx after
        const QStringList two{u"CAT"_s, u"NEW YORK"_s};
        const QByteArray none;
        QTest::newRow("save") << none << true << u"out.lx"_s << two << QString() << QString()
                              << QByteArray("\"CAT\"\r\n\"NEW YORK\"\r\n");
        QTest::newRow("save cancelled") << none << true << QString() << two << u"typed"_s << QString() << none;
        QTest::newRow("save where no folder is")
            << none << true << u"none/x.lx"_s << two << u"typed"_s
            << u"Could not save \u2068x.lx\u2069: its folder does not exist"_s << none;
        QTest::newRow("load") << QByteArray("zebra\r\n\r\n42,caf\xe9,cat\r\n\"apple, pear\",\"NEW YORK\"\nant\rZebra")
                              << false << u"in.lx"_s << two + QStringList{u"ZEBRA"_s, u"ANT"_s} << QString()
                              << QString() << none;
        QTest::newRow("load cancelled") << QByteArray("emu") << false << QString() << two << u"typed"_s << QString()
                                        << none;
        QTest::newRow("load what is there") << QByteArray("\"CAT\"\r\n\"NEW YORK\"\r\n") << false << u"in.lx"_s << two
                                            << QString() << QString() << none;
        QTest::newRow("load a missing file")
            << none << false << u"in.lx"_s << two << u"typed"_s
            << u"Could not load \u2068in.lx\u2069: No such file or directory"_s << none;
        QTest::newRow("load a quote that never closes")
            << QByteArray("owl\r\n42,\"dog\r\n") << false << u"in.lx"_s << two + QStringList{u"OWL"_s} << u"42"_s
            << u"Could not load \u2068in.lx\u2069: a quoted word runs past the end of the file"_s << none;
    }
    void files()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, save);
        QFETCH(QString, answer);
        QFETCH(QStringList, list);
        QFETCH(QString, box);
        QFETCH(QString, message);
        QFETCH(QByteArray, written);
        addWords(*program, {u"cat"_s, u"new york"_s});
        if (!file.isNull()) {
            QFile in(program->path(u"in.lx"_s));
            QVERIFY(in.open(QIODevice::WriteOnly) && in.write(file) == file.size());
        }
        this->box()->setText(u"typed"_s);
        (save ? program->fakes.saveAnswers : program->fakes.openAnswers)
            << (answer.isEmpty() ? answer : program->path(answer));
        click(save ? "cmdSave" : "cmdLoad");
        QCOMPARE(program->fakes.dialogs, QStringList(save ? filter + u"||"_s : filter));
        QCOMPARE(entries(this->list()), list);
        QCOMPARE(this->box()->text(), box);
        QCOMPARE(alert(), message);
        QCOMPARE(blinking(), !message.isEmpty());
        QFile out(program->path(u"out.lx"_s));
        QCOMPARE(out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray(), written);
    }

    // Ties on both keys, and a second-word key that begins with a blank; sorted
    // twice, a list stays as it is. A sort leaves nothing selected.
    void sorting_data()
    {
        QTest::addColumn<QByteArray>("option");
        QTest::addColumn<QString>("sorted");
        QTest::newRow("Ascending by 1st Word")
            << QByteArray("optascend1") << u"A  ZOO,A DOG,BIG CAT,NEW YORK CITY,WILD CAT,ZEBRA"_s;
        QTest::newRow("Ascending by 2nd Word")
            << QByteArray("optascend2") << u"A  ZOO,WILD CAT,BIG CAT,A DOG,NEW YORK CITY,ZEBRA"_s;
        QTest::newRow("Ascending by Last Word")
            << QByteArray("optascendlast") << u"WILD CAT,BIG CAT,NEW YORK CITY,A DOG,ZEBRA,A  ZOO"_s;
        QTest::newRow("Descending by 1st Word")
            << QByteArray("optdescend1") << u"ZEBRA,WILD CAT,NEW YORK CITY,BIG CAT,A DOG,A  ZOO"_s;
        QTest::newRow("Descending by 2nd Word")
            << QByteArray("optdescend2") << u"ZEBRA,NEW YORK CITY,A DOG,BIG CAT,WILD CAT,A  ZOO"_s;
        QTest::newRow("Descending by Last Word")
            << QByteArray("optdescendlast") << u"A  ZOO,ZEBRA,A DOG,NEW YORK CITY,BIG CAT,WILD CAT"_s;
    }
    void sorting()
    {
        QFETCH(QByteArray, option);
        QFETCH(QString, sorted);
        addWords(*program, u"NEW YORK CITY,WILD CAT,ZEBRA,A DOG,BIG CAT,a  zoo"_s.split(u','));
        clickEntry(list(), 0);
        addWords(*program, {u"1"_s});
        ::click(editor(), option);
        click("cmdSort");
        QCOMPARE(entries(list()).join(u','), sorted);
        QCOMPARE(disabled(editor()), QStringList({u"cmdDelete"_s}));
        QVERIFY(!blinking() && alert().isEmpty());
        click("cmdSort");
        QCOMPARE(entries(list()).join(u','), sorted);
        addWords(*program, {u"emu"_s}); // new entries go to the end
        QCOMPARE(entries(list()).constLast(), u"EMU"_s);
    }

    // One rule for every list: cut at the right with "…", the whole entry in
    // the tooltip up to 100 characters.
    void longEntries()
    {
        addWords(*program, {QString(300, u'A'), u"CAT"_s});
        QCOMPARE(entries(list()), QStringList({QString(256, u'A') + QChar(0x2026), u"CAT"_s}));
        QCOMPARE(QStringList({toolTip(list(), 0), toolTip(list(), 1)}),
                 QStringList({QString(100, u'A') + QChar(0x2026), QString()}));
    }

    // Whatever a name holds, a message shows it on one line, in its own
    // direction, and whole where it fits.
    void shownNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("characters"); // 0: no limit
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << u"words.lx"_s << 0 << u"\u2068words.lx\u2069"_s;
        QTest::newRow("line ends") << u"a\nb\rc\td"_s << 0 << u"\u2068a\u240Ab\u240Dc\u2409d\u2069"_s;
        QTest::newRow("overrides") << u"\u202Eabc\u2066d\u200F"_s << 0 << u"\u2068[U+202E]abc[U+2066]d[U+200F]\u2069"_s;
        QTest::newRow("C1 and DEL") << u"a\u0085b\u007F"_s << 0 << u"\u2068a[U+0085]b\u2421\u2069"_s;
        QTest::newRow("shortened in the middle") << u"abcdefghij"_s << 7 << u"\u2068abc\u2026hij\u2069"_s;
        QTest::newRow("short enough") << u"abcdefg"_s << 7 << u"\u2068abcdefg\u2069"_s;
    }
    void shownNames()
    {
        QFETCH(QString, name);
        QFETCH(int, characters);
        QFETCH(QString, shown);
        QCOMPARE(characters ? ShownName::of(name, characters) : ShownName::of(name), shown);
    }

    // A name from outside shows as text: too long for the line, it gives way
    // in its middle, the reason stays, and the whole text is the tooltip
    // until the alert ends. The real dialogs read it as text too.
    void namesShowAsText()
    {
        const QString name = u"<h1><font color=blue>HUGE%1<img src=x>.lx"_s.arg(QString(80, u'x'));
        const QString full = u"Could not save \u2068"_s + name + u"\u2069: it is a folder"_s;
        QVERIFY(QDir(program->path(QString())).mkdir(name));
        program->fakes.saveAnswers << program->path(name);
        click("cmdSave");
        auto *line = control<QLabel>(editor(), "lblalert");
        QVERIFY2(alert().startsWith(u"Could not save \u2068<h1><font"_s) && alert().contains(QChar(0x2026))
                     && alert().endsWith(u"img src=x>.lx\u2069: it is a folder"_s)
                     && line->textFormat() == Qt::PlainText
                     && line->fontMetrics().horizontalAdvance(alert()) <= line->width(),
                 qPrintable(alert()));
        QCOMPARE(line->toolTip(), full.toHtmlEscaped());
        blinks();
        QCOMPARE(line->toolTip(), QString());

        QStringList seen;
        const auto answer = [this](auto look) { // the next modal dialog, once it is open
            QTimer::singleShot(0, this, [look] { look(QApplication::activeModalWidget()); });
        };
        answer([&](QWidget *modal) {
            auto *dialog = static_cast<QFileDialog *>(modal);
            seen << dialog->nameFilters().join(u';') << dialog->selectedNameFilter();
            dialog->setDirectory(program->path(QString()));
            dialog->selectFile(name.chopped(3)); // the suffix comes from the dialog
            answer([&](QWidget *question) {
                auto *box = static_cast<QMessageBox *>(question);
                seen << box->text() << QString::number(box->textFormat()) << box->defaultButton()->text();
                box->defaultButton()->click();
            });
            static_cast<QDialog *>(dialog)->accept();
            seen << QString::number(dialog->isVisible()); // No goes back to the dialog
            dialog->reject();
        });
        QVERIFY(QDir(program->path(QString())).rmdir(name) && QFile(program->path(name)).open(QIODevice::WriteOnly));
        QCOMPARE(QtFileDialog().saveFile(editor(), filter, QString(), u"lx"_s), QString());
        answer([&](QWidget *modal) {
            seen << static_cast<QMessageBox *>(modal)->text()
                 << QString::number(static_cast<QMessageBox *>(modal)->textFormat());
            static_cast<QMessageBox *>(modal)->accept();
        });
        QtMessageBox().show(full, u"Lexmire - Print Options"_s);
        const QString plain = QString::number(Qt::PlainText);
        QCOMPARE(seen,
                 QStringList({u"All Files (*);Lexmire Files (*.lx);Text Files (*.txt)"_s, u"All Files (*)"_s,
                              name + u" already exists.\nDo you want to replace it?"_s, plain, u"&No"_s, u"1"_s, full,
                              plain}));
    }
};

QTEST_MAIN(TestEditorWindow)
#include "tst_editor_window.moc"
