#include "app/main_window.h"
#include "editor/editor_window.h"
#include "window_test.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <memory>

enum class Press { Button, Enter };
Q_DECLARE_METATYPE(Press)

namespace {

const QString duplicateMessage = QStringLiteral("You already have that word in the list you idiot!!");
const QString invalidMessage = QStringLiteral("You have an invalid character in the word you idiot!!");
const QString emptyMessage = QStringLiteral("Please enter a word first you idiot.");

// What the title-bar close of a window manager delivers: a spontaneous close.
// sendEvent() would clear the flag, so notify() directly as QTest does.
void windowManagerClose(QWidget *window)
{
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::instance()->notify(window, &event);
    if (event.isAccepted())
        window->hide();
}

} // namespace

class TestEditorWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsEmptyAndIdle();
    void refusals_data();
    void refusals();
    void accepted_data();
    void accepted();
    void enabledStates_data();
    void enabledStates();
    void blinkSchedule();
    void secondRefusalRestartsSchedule();
    void refreshEndsBlink_data();
    void refreshEndsBlink();
    void deleteEntry_data();
    void deleteEntry();
    void doubleClickInEmptyList();
    void backToMain_data();
    void backToMain();
    void deletingAllLeavesMainListAlone();
    void clearEmptiesBothLists();
    void secondVisitFindsEverythingAsLeft();
    void exitsPlainCloseIsNotBack();

private:
    EditorWindow *editor() { return program->windows->frmEdit(); }
    MainWindow *main() { return program->windows->frmMain(); }
    void openEditor();
    void add(const QString &text);
    void press(Press how);
    QStringList listed() const;
    QStringList mainListed() const;
    QPoint rowCentre(int row) const;
    void clickRow(int row);
    void doubleClickAt(QPoint point);
    void tick() { QVERIFY(QMetaObject::invokeMethod(editor(), "tmralert_Timer")); }

    std::unique_ptr<TestProgram> program;
};

void TestEditorWindow::init()
{
    program = std::make_unique<TestProgram>();
    QVERIFY(QTest::qWaitForWindowExposed(main()));
    openEditor();
}

void TestEditorWindow::cleanup()
{
    program.reset();
}

void TestEditorWindow::openEditor()
{
    QTest::mouseClick(main()->cmdWords, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(editor()));
}

void TestEditorWindow::add(const QString &text)
{
    editor()->txtinput->setText(text);
    QTest::keyClick(editor()->txtinput, Qt::Key_Return);
}

void TestEditorWindow::press(Press how)
{
    if (how == Press::Enter)
        QTest::keyClick(editor()->txtinput, Qt::Key_Return);
    else
        QTest::mouseClick(editor()->cmdadd, Qt::LeftButton);
}

// What the list view shows, read through its model rather than the WordList.
QStringList TestEditorWindow::listed() const
{
    QStringList rows;
    const QAbstractItemModel *model = program->windows->frmEdit()->lstWord->model();
    for (int row = 0; row < model->rowCount(); ++row)
        rows.append(model->index(row, 0).data().toString());
    return rows;
}

QStringList TestEditorWindow::mainListed() const
{
    QStringList rows;
    const QListWidget *list = program->windows->frmMain()->lstWords;
    for (int row = 0; row < list->count(); ++row)
        rows.append(list->item(row)->text());
    return rows;
}

QPoint TestEditorWindow::rowCentre(int row) const
{
    QListView *list = program->windows->frmEdit()->lstWord;
    return list->visualRect(list->model()->index(row, 0)).center();
}

void TestEditorWindow::clickRow(int row)
{
    QTest::mouseClick(editor()->lstWord->viewport(), Qt::LeftButton, {}, rowCentre(row));
}

// A real double-click: press and release, then the double-click event and its release.
void TestEditorWindow::doubleClickAt(QPoint point)
{
    QWidget *viewport = editor()->lstWord->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, point);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, point);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, point);
}

void TestEditorWindow::startsEmptyAndIdle()
{
    QCOMPARE(editor()->windowTitle(), QStringLiteral("Lexmire - Edit Word List"));
    QVERIFY(!main()->isVisible());
    QCOMPARE(editor()->focusWidget(), editor()->txtinput);
    QCOMPARE(listed(), QStringList());
    QCOMPARE(editor()->lblnumber->text(), QStringLiteral("0"));
    QVERIFY(!editor()->cmdadd->isEnabled());
    QVERIFY(!editor()->cmdDelete->isEnabled());
    QVERIFY(editor()->optascend1->isChecked());
    QVERIFY(!editor()->tmralert->isActive());
    QCOMPARE(editor()->tmralert->interval(), 1000);
    QCOMPARE(editor()->lblalert->text(), QString());
    QVERIFY(editor()->lblalert->isVisible());
}

void TestEditorWindow::refusals_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("input");
    QTest::addColumn<Press>("how");
    QTest::addColumn<QString>("message");

    const QStringList cat{QStringLiteral("CAT")};
    QTest::newRow("same word") << cat << QStringLiteral("CAT") << Press::Button << duplicateMessage;
    QTest::newRow("lower case") << cat << QStringLiteral("cat") << Press::Enter << duplicateMessage;
    QTest::newRow("mixed case") << cat << QStringLiteral("Cat") << Press::Button << duplicateMessage;
    QTest::newRow("leading blank") << cat << QStringLiteral(" cat") << Press::Enter << duplicateMessage;
    QTest::newRow("blanks around") << cat << QStringLiteral("  cAt  ") << Press::Button << duplicateMessage;
    QTest::newRow("inner blanks must match")
        << QStringList{QStringLiteral("NEW  YORK")} << QStringLiteral("new  york") << Press::Enter << duplicateMessage;
    QTest::newRow("not the first entry")
        << QStringList{QStringLiteral("DOG"), QStringLiteral("EMU"), QStringLiteral("CAT")} << QStringLiteral("cat")
        << Press::Enter << duplicateMessage;

    QTest::newRow("apostrophe") << cat << QStringLiteral("don't") << Press::Button << invalidMessage;
    QTest::newRow("digit") << cat << QStringLiteral("cat9") << Press::Enter << invalidMessage;
    QTest::newRow("number") << QStringList() << QStringLiteral("42") << Press::Enter << invalidMessage;
    QTest::newRow("underscore") << cat << QStringLiteral("big_cat") << Press::Button << invalidMessage;
    QTest::newRow("caret") << cat << QStringLiteral("ca^t") << Press::Enter << invalidMessage;
    QTest::newRow("hyphen") << cat << QStringLiteral("x-ray") << Press::Button << invalidMessage;
    QTest::newRow("tab inside") << cat << QStringLiteral("cat\tdog") << Press::Enter << invalidMessage;
    QTest::newRow("tab is not trimmed") << cat << QStringLiteral("\tdog") << Press::Button << invalidMessage;
    QTest::newRow("no-break space is not trimmed")
        << cat << QStringLiteral("dog\u00a0") << Press::Enter << invalidMessage;
    QTest::newRow("bracket, code 91") << cat << QStringLiteral("a[b") << Press::Enter << invalidMessage;
    QTest::newRow("backquote, code 96") << cat << QStringLiteral("a`b") << Press::Enter << invalidMessage;
    QTest::newRow("at sign, code 64") << cat << QStringLiteral("@") << Press::Enter << invalidMessage;
    QTest::newRow("brace, code 123") << cat << QStringLiteral("{") << Press::Enter << invalidMessage;
    QTest::newRow("accented letter") << cat << QStringLiteral("caf\u00e9") << Press::Button << invalidMessage;
    // A locale-aware upper-casing would make these duplicates.
    QTest::newRow("sharp s with SS listed")
        << QStringList{QStringLiteral("SS")} << QStringLiteral("\u00df") << Press::Enter << invalidMessage;
    QTest::newRow("dotless i with I listed")
        << QStringList{QStringLiteral("I")} << QStringLiteral("\u0131") << Press::Button << invalidMessage;
    QTest::newRow("long s with S listed")
        << QStringList{QStringLiteral("S")} << QStringLiteral("\u017f") << Press::Enter << invalidMessage;
    QTest::newRow("non-Latin letter") << cat << QStringLiteral("\u03b1") << Press::Enter << invalidMessage;

    QTest::newRow("blanks only, Add Word") << cat << QStringLiteral("   ") << Press::Button << emptyMessage;
    QTest::newRow("blanks only, Enter") << cat << QStringLiteral(" ") << Press::Enter << emptyMessage;
    QTest::newRow("empty box, Enter") << cat << QString() << Press::Enter << emptyMessage;
    QTest::newRow("empty box, empty list, Enter") << QStringList() << QString() << Press::Enter << emptyMessage;
}

void TestEditorWindow::refusals()
{
    QFETCH(QStringList, list);
    QFETCH(QString, input);
    QFETCH(Press, how);
    QFETCH(QString, message);

    for (const QString &word : list)
        add(word);
    QCOMPARE(listed(), list);
    editor()->txtinput->setText(input);
    // The raw text decides: blanks alone enable the button.
    QCOMPARE(editor()->cmdadd->isEnabled(), !input.isEmpty());

    press(how);

    QCOMPARE(editor()->lblalert->text(), message);
    QVERIFY(editor()->tmralert->isActive());
    QCOMPARE(listed(), list);
    QCOMPARE(editor()->txtinput->text(), input);
    QCOMPARE(editor()->lblnumber->text(), QString::number(list.size()));
}

void TestEditorWindow::accepted_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Press>("how");
    QTest::addColumn<QString>("stored");

    QTest::newRow("blanks around are trimmed")
        << QStringList() << QStringLiteral("  cat  ") << Press::Button << QStringLiteral("CAT");
    QTest::newRow("inner blanks stay as typed")
        << QStringList() << QStringLiteral("new  york") << Press::Enter << QStringLiteral("NEW  YORK");
    QTest::newRow("differs only in inner blanks")
        << QStringList{QStringLiteral("NEW YORK")} << QStringLiteral("new  york") << Press::Enter
        << QStringLiteral("NEW  YORK");
    QTest::newRow("letter range ends")
        << QStringList() << QStringLiteral("AZaz") << Press::Button << QStringLiteral("AZAZ");
    QTest::newRow("goes to the end")
        << QStringList{QStringLiteral("ZEBRA"), QStringLiteral("BEE")} << QStringLiteral("Ant") << Press::Enter
        << QStringLiteral("ANT");
    QTest::newRow("prefix of an entry") << QStringList{QStringLiteral("NEWARK")} << QStringLiteral("new")
                                        << Press::Button << QStringLiteral("NEW");
}

void TestEditorWindow::accepted()
{
    QFETCH(QStringList, list);
    QFETCH(QString, typed);
    QFETCH(Press, how);
    QFETCH(QString, stored);

    for (const QString &word : list)
        add(word);
    QTest::keyClicks(editor()->txtinput, typed);
    QCOMPARE(editor()->txtinput->text(), typed);

    press(how);

    QCOMPARE(listed(), list + QStringList{stored});
    QCOMPARE(editor()->words().entries(), list + QStringList{stored});
    QCOMPARE(editor()->txtinput->text(), QString());
    QCOMPARE(editor()->lblnumber->text(), QString::number(list.size() + 1));
    QVERIFY(!editor()->cmdadd->isEnabled());
    QVERIFY(!editor()->cmdDelete->isEnabled());
    QVERIFY(!editor()->lstWord->selectionModel()->hasSelection());
    QCOMPARE(editor()->lblalert->text(), QString());
    QVERIFY(!editor()->tmralert->isActive());
}

enum class Change {
    Type,
    TypeThenErase,
    TypeBlanks,
    Select,
    SelectThenType,
    DeleteByButton,
    DeleteByDoubleClick,
    ClearList,
    Sort,
    AddWhileSelected,
    RefuseWhileSelected,
};
Q_DECLARE_METATYPE(Change)

void TestEditorWindow::enabledStates_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("addEnabled");
    QTest::addColumn<bool>("deleteEnabled");
    QTest::addColumn<QString>("count");

    QTest::newRow("typing") << Change::Type << true << false << QStringLiteral("3");
    QTest::newRow("typing then erasing") << Change::TypeThenErase << false << false << QStringLiteral("3");
    QTest::newRow("blanks only") << Change::TypeBlanks << true << false << QStringLiteral("3");
    QTest::newRow("selecting") << Change::Select << false << true << QStringLiteral("3");
    QTest::newRow("selecting then typing") << Change::SelectThenType << true << true << QStringLiteral("3");
    QTest::newRow("Delete Word") << Change::DeleteByButton << false << false << QStringLiteral("2");
    QTest::newRow("double-click") << Change::DeleteByDoubleClick << false << false << QStringLiteral("2");
    QTest::newRow("Clear Word List") << Change::ClearList << false << false << QStringLiteral("0");
    QTest::newRow("Sort Word List") << Change::Sort << false << false << QStringLiteral("3");
    // Adding makes no selection and takes none away.
    QTest::newRow("adding while selected") << Change::AddWhileSelected << false << true << QStringLiteral("4");
    QTest::newRow("refusal while selected") << Change::RefuseWhileSelected << true << true << QStringLiteral("3");
}

void TestEditorWindow::enabledStates()
{
    QFETCH(Change, change);
    QFETCH(bool, addEnabled);
    QFETCH(bool, deleteEnabled);
    QFETCH(QString, count);

    for (const char *word : {"CAT", "DOG", "EMU"})
        add(QString::fromLatin1(word));
    QVERIFY(!editor()->cmdadd->isEnabled());
    QVERIFY(!editor()->cmdDelete->isEnabled());

    QLineEdit *input = editor()->txtinput;
    switch (change) {
    case Change::Type:
        QTest::keyClicks(input, QStringLiteral("q"));
        break;
    case Change::TypeThenErase:
        QTest::keyClicks(input, QStringLiteral("q"));
        QVERIFY(editor()->cmdadd->isEnabled());
        QTest::keyClick(input, Qt::Key_Backspace);
        break;
    case Change::TypeBlanks:
        QTest::keyClicks(input, QStringLiteral("  "));
        break;
    case Change::Select:
        clickRow(1);
        break;
    case Change::SelectThenType:
        clickRow(1);
        QTest::keyClicks(input, QStringLiteral("q"));
        break;
    case Change::DeleteByButton:
        clickRow(1);
        QVERIFY(editor()->cmdDelete->isEnabled());
        QTest::mouseClick(editor()->cmdDelete, Qt::LeftButton);
        break;
    case Change::DeleteByDoubleClick:
        doubleClickAt(rowCentre(1));
        break;
    case Change::ClearList:
        clickRow(1);
        QTest::mouseClick(editor()->cmdClear, Qt::LeftButton);
        break;
    case Change::Sort:
        clickRow(1);
        QTest::mouseClick(editor()->cmdSort, Qt::LeftButton);
        break;
    case Change::AddWhileSelected:
        clickRow(1);
        add(QStringLiteral("ant"));
        break;
    case Change::RefuseWhileSelected:
        clickRow(1);
        add(QStringLiteral("dog"));
        QCOMPARE(editor()->lblalert->text(), duplicateMessage);
        break;
    }

    QCOMPARE(editor()->cmdadd->isEnabled(), addEnabled);
    QCOMPARE(editor()->cmdDelete->isEnabled(), deleteEnabled);
    QCOMPARE(editor()->lblnumber->text(), count);
    QCOMPARE(editor()->lstWord->selectionModel()->hasSelection(), deleteEnabled);
}

void TestEditorWindow::blinkSchedule()
{
    add(QStringLiteral("cat9"));
    QCOMPARE(editor()->lblalert->text(), invalidMessage);
    QVERIFY(editor()->lblalert->isVisible());
    QVERIFY(editor()->tmralert->isActive());

    const QString shown = invalidMessage;
    const QString blank;
    const QString expected[] = {blank, shown, blank, shown};
    for (int i = 0; i < 4; ++i) {
        tick();
        QVERIFY2(editor()->lblalert->text() == expected[i], qPrintable(QStringLiteral("tick %1").arg(i + 1)));
        QVERIFY(editor()->tmralert->isActive());
    }
    tick();
    QCOMPARE(editor()->lblalert->text(), blank);
    QVERIFY(!editor()->tmralert->isActive());
}

void TestEditorWindow::secondRefusalRestartsSchedule()
{
    add(QStringLiteral("cat"));
    add(QStringLiteral("CAT"));
    tick();
    tick();
    tick();
    QCOMPARE(editor()->lblalert->text(), QString());

    add(QStringLiteral("cat-fish"));
    QCOMPARE(editor()->lblalert->text(), invalidMessage);
    QVERIFY(editor()->tmralert->isActive());
    // A schedule that carried on from tick 3 would stop after two more ticks.
    const QString expected[] = {QString(), invalidMessage, QString(), invalidMessage};
    for (int i = 0; i < 4; ++i) {
        tick();
        QCOMPARE(editor()->lblalert->text(), expected[i]);
        QVERIFY(editor()->tmralert->isActive());
    }
    tick();
    QCOMPARE(editor()->lblalert->text(), QString());
    QVERIFY(!editor()->tmralert->isActive());
}

void TestEditorWindow::refreshEndsBlink_data()
{
    QTest::addColumn<bool>("byTyping");
    QTest::addColumn<int>("ticksBefore");
    QTest::newRow("typing while shown") << true << 0;
    QTest::newRow("typing while blank") << true << 1;
    QTest::newRow("clicking the list while shown") << false << 2;
    QTest::newRow("clicking the list while blank") << false << 3;
}

void TestEditorWindow::refreshEndsBlink()
{
    QFETCH(bool, byTyping);
    QFETCH(int, ticksBefore);

    add(QStringLiteral("cat"));
    add(QStringLiteral("cat"));
    for (int i = 0; i < ticksBefore; ++i)
        tick();
    QVERIFY(editor()->tmralert->isActive());

    if (byTyping)
        QTest::keyClicks(editor()->txtinput, QStringLiteral("s"));
    else
        clickRow(0);

    QCOMPARE(editor()->lblalert->text(), QString());
    QVERIFY(!editor()->tmralert->isActive());
    QCOMPARE(listed(), QStringList{QStringLiteral("CAT")});
}

void TestEditorWindow::deleteEntry_data()
{
    QTest::addColumn<bool>("byDoubleClick");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("remaining");

    const QString a = QStringLiteral("ANT"), b = QStringLiteral("BEE"), c = QStringLiteral("CAT"),
                  d = QStringLiteral("DOG"), e = QStringLiteral("EMU");
    QTest::newRow("button, middle") << false << 2 << QStringList{a, b, d, e};
    QTest::newRow("button, first") << false << 0 << QStringList{b, c, d, e};
    QTest::newRow("button, last") << false << 4 << QStringList{a, b, c, d};
    QTest::newRow("double-click, middle") << true << 2 << QStringList{a, b, d, e};
    QTest::newRow("double-click, first") << true << 0 << QStringList{b, c, d, e};
    QTest::newRow("double-click, last") << true << 4 << QStringList{a, b, c, d};
}

void TestEditorWindow::deleteEntry()
{
    QFETCH(bool, byDoubleClick);
    QFETCH(int, row);
    QFETCH(QStringList, remaining);

    for (const char *word : {"ant", "bee", "cat", "dog", "emu"})
        add(QString::fromLatin1(word));
    // Another entry selected first: the double-click must take the one under the pointer.
    clickRow(row == 0 ? 1 : 0);

    if (byDoubleClick) {
        doubleClickAt(rowCentre(row));
    } else {
        clickRow(row);
        QTest::mouseClick(editor()->cmdDelete, Qt::LeftButton);
    }

    QCOMPARE(listed(), remaining);
    QCOMPARE(editor()->words().entries(), remaining);
    QCOMPARE(editor()->lblnumber->text(), QStringLiteral("4"));
    QVERIFY(!editor()->cmdDelete->isEnabled());
    QVERIFY(!editor()->lstWord->selectionModel()->hasSelection());

    // The index goes with the entry: the removed word can be added again.
    const QStringList all{QStringLiteral("ANT"), QStringLiteral("BEE"), QStringLiteral("CAT"), QStringLiteral("DOG"),
                          QStringLiteral("EMU")};
    add(all.at(row).toLower());
    QCOMPARE(editor()->lblalert->text(), QString());
    QCOMPARE(listed(), remaining + QStringList{all.at(row)});
}

void TestEditorWindow::doubleClickInEmptyList()
{
    editor()->txtinput->setText(QStringLiteral("typed"));
    doubleClickAt(editor()->lstWord->viewport()->rect().center());
    QCOMPARE(listed(), QStringList());
    QCOMPARE(editor()->lblnumber->text(), QStringLiteral("0"));
    QVERIFY(!editor()->cmdDelete->isEnabled());
    QCOMPARE(editor()->txtinput->text(), QStringLiteral("typed"));
}

void TestEditorWindow::backToMain_data()
{
    QTest::addColumn<bool>("byWindowManager");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("mainAfter");
    QTest::addColumn<QString>("label");

    const QStringList catDog{QStringLiteral("CAT"), QStringLiteral("DOG")};
    const QStringList old{QStringLiteral("OLD"), QStringLiteral("COPY"), QStringLiteral("GONE")};
    QTest::newRow("button, CAT DOG")
        << false << QStringList() << catDog << catDog << QStringLiteral("Words in Puzzle:  2");
    QTest::newRow("button, replaces an older copy")
        << false << old << catDog << catDog << QStringLiteral("Words in Puzzle:  2");
    QTest::newRow("button, empty list leaves the copy")
        << false << old << QStringList() << old << QStringLiteral("Words in Puzzle:  0");
    QTest::newRow("window manager, CAT DOG")
        << true << old << catDog << catDog << QStringLiteral("Words in Puzzle:  2");
    QTest::newRow("window manager, empty list")
        << true << old << QStringList() << old << QStringLiteral("Words in Puzzle:  0");
}

void TestEditorWindow::backToMain()
{
    QFETCH(bool, byWindowManager);
    QFETCH(QStringList, before);
    QFETCH(QStringList, words);
    QFETCH(QStringList, mainAfter);
    QFETCH(QString, label);

    main()->lstWords->addItems(before);
    for (const QString &word : words)
        add(word.toLower());

    if (byWindowManager)
        windowManagerClose(editor());
    else
        QTest::mouseClick(editor()->cmdBack, Qt::LeftButton);

    QVERIFY(!editor()->isVisible());
    QVERIFY(main()->isVisible());
    QCOMPARE(mainListed(), mainAfter);
    QCOMPARE(main()->lblWordcount->text(), label);
    QCOMPARE(program->fakes.processExit.exits, 0);
    QCOMPARE(listed(), words);
}

void TestEditorWindow::deletingAllLeavesMainListAlone()
{
    add(QStringLiteral("cat"));
    add(QStringLiteral("dog"));
    QTest::mouseClick(editor()->cmdBack, Qt::LeftButton);
    openEditor();

    while (!listed().isEmpty()) {
        clickRow(0);
        QTest::mouseClick(editor()->cmdDelete, Qt::LeftButton);
    }
    QTest::mouseClick(editor()->cmdBack, Qt::LeftButton);

    QCOMPARE(mainListed(), (QStringList{QStringLiteral("CAT"), QStringLiteral("DOG")}));
    QCOMPARE(main()->lblWordcount->text(), QStringLiteral("Words in Puzzle:  0"));
}

void TestEditorWindow::clearEmptiesBothLists()
{
    add(QStringLiteral("cat"));
    add(QStringLiteral("dog"));
    QTest::mouseClick(editor()->cmdBack, Qt::LeftButton);
    openEditor();

    QTest::mouseClick(editor()->cmdClear, Qt::LeftButton);
    QCOMPARE(listed(), QStringList());
    QCOMPARE(editor()->lblnumber->text(), QStringLiteral("0"));
    QCOMPARE(mainListed(), QStringList());
    // The label waits for the way back.
    QCOMPARE(main()->lblWordcount->text(), QStringLiteral("Words in Puzzle:  2"));

    QTest::mouseClick(editor()->cmdBack, Qt::LeftButton);
    QCOMPARE(mainListed(), QStringList());
    QCOMPARE(main()->lblWordcount->text(), QStringLiteral("Words in Puzzle:  0"));

    // The index went too: the cleared words can come back.
    openEditor();
    add(QStringLiteral("cat"));
    QCOMPARE(listed(), QStringList{QStringLiteral("CAT")});
}

void TestEditorWindow::secondVisitFindsEverythingAsLeft()
{
    add(QStringLiteral("cat"));
    add(QStringLiteral("dog"));
    editor()->optdescend2->setChecked(true);
    clickRow(1);
    add(QStringLiteral("half9"));
    QCOMPARE(editor()->lblalert->text(), invalidMessage);
    tick();
    editor()->lstWord->setFocus();

    QTest::mouseClick(editor()->cmdBack, Qt::LeftButton);
    openEditor();

    QCOMPARE(listed(), (QStringList{QStringLiteral("CAT"), QStringLiteral("DOG")}));
    QCOMPARE(editor()->txtinput->text(), QStringLiteral("half9"));
    QVERIFY(editor()->optdescend2->isChecked());
    QCOMPARE(editor()->focusWidget(), editor()->txtinput);
    QVERIFY(editor()->cmdDelete->isEnabled());
    QCOMPARE(editor()->lstWord->selectionModel()->selectedRows().value(0).row(), 1);
    QCOMPARE(editor()->lblnumber->text(), QStringLiteral("2"));
    // The blink went on unseen and no refresh ended it on the way back in.
    QVERIFY(editor()->tmralert->isActive());
    tick();
    QCOMPARE(editor()->lblalert->text(), invalidMessage);
}

void TestEditorWindow::exitsPlainCloseIsNotBack()
{
    add(QStringLiteral("cat"));
    QVERIFY(!main()->isVisible());

    program->windows->exitApplication();

    QCOMPARE(program->fakes.processExit.exits, 1);
    QVERIFY(!editor()->isVisible());
    QVERIFY(!main()->isVisible());
    QCOMPARE(mainListed(), QStringList());
    QCOMPARE(main()->lblWordcount->text(), QStringLiteral("Words in Puzzle:  0"));
}

QTEST_MAIN(TestEditorWindow)
#include "tst_editor_window.moc"
