// The word list editor: its controls, adding and its refusals, the blinking
// alert line, deleting, leaving, files and sorting.
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "program.h"

#include <QAbstractItemView>
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
                        accessibleName(control<QLabel>(editor(), "lblalert"))}),
                 QList({u"Word to add"_s, u"Word list"_s, u"Alert line"_s}));

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
        QCOMPARE(blinking(), !message.isEmpty());
        QCOMPARE(box()->text(), message.isEmpty() ? QString() : typed);
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
        QTest::newRow("save where no folder is") << none << true << u"none/x.lx"_s << two << u"typed"_s
                                                 << u"Could not save x.lx: its folder does not exist"_s << none;
        QTest::newRow("load") << QByteArray("zebra\r\n\r\n42,caf\xe9,cat\r\n\"apple, pear\",\"NEW YORK\"\nant\rZebra")
                              << false << u"in.lx"_s << two + QStringList{u"ZEBRA"_s, u"ANT"_s} << QString()
                              << QString() << none;
        QTest::newRow("load cancelled") << QByteArray("emu") << false << QString() << two << u"typed"_s << QString()
                                        << none;
        QTest::newRow("load what is there") << QByteArray("\"CAT\"\r\n\"NEW YORK\"\r\n") << false << u"in.lx"_s << two
                                            << QString() << QString() << none;
        QTest::newRow("load a missing file") << none << false << u"in.lx"_s << two << u"typed"_s
                                             << u"Could not load in.lx: No such file or directory"_s << none;
        QTest::newRow("load a quote that never closes")
            << QByteArray("owl\r\n42,\"dog\r\n") << false << u"in.lx"_s << two + QStringList{u"OWL"_s} << u"42"_s
            << u"Could not load in.lx: a quoted word runs past the end of the file"_s << none;
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

    // A name from outside shows as text: too long for the line, it gives way
    // in its middle, the reason stays, and the whole text is the tooltip
    // until the alert ends. The real dialogs read it as text too.
    void namesShowAsText()
    {
        const QString name = u"<h1><font color=blue>HUGE%1<img src=x>.lx"_s.arg(QString(80, u'x'));
        const QString full = u"Could not save "_s + name + u": it is a folder"_s;
        QVERIFY(QDir(program->path(QString())).mkdir(name));
        program->fakes.saveAnswers << program->path(name);
        click("cmdSave");
        auto *line = control<QLabel>(editor(), "lblalert");
        QVERIFY2(alert().startsWith(u"Could not save <h1><font"_s) && alert().contains(QChar(0x2026))
                     && alert().endsWith(u"img src=x>.lx: it is a folder"_s) && line->textFormat() == Qt::PlainText
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
