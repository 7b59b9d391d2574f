#include "platform/list_box.h"
#include "app/main_window.h"
#include "editor/editor_window.h"
#include "window_test.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

enum class Press { Button, Enter };
Q_DECLARE_METATYPE(Press)
using Step = std::function<void()>;
Q_DECLARE_METATYPE(Step)

namespace {

const QString duplicateMessage = QStringLiteral("You already have that word in the list you idiot!!");
const QString invalidMessage = QStringLiteral("You have an invalid character in the word you idiot!!");
const QString emptyMessage = QStringLiteral("Please enter a word first you idiot.");

QStringList list(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result.append(QString::fromLatin1(text));
    return result;
}

const QStringList olderCopy = list({"OLD", "COPY", "GONE"});

QStringList rows(const QAbstractItemView *view)
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts.append(view->model()->index(row, 0).data().toString());
    return texts;
}

} // namespace

class TestEditorWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { program.reset(); }

    void adding_data();
    void adding();
    void enabledStates_data();
    void enabledStates();
    void blink_data();
    void blink();
    void deleteEntry_data();
    void deleteEntry();
    void emptyListDeletesNothing();
    void leaving_data();
    void leaving();
    void clearEmptiesBothLists();
    void secondVisitFindsEverythingAsLeft();

private:
    EditorWindow *editor() { return program->windows->frmEdit(); }
    MainWindow *main() { return program->windows->frmMain(); }
    void tick() { QVERIFY(QMetaObject::invokeMethod(editor(), "tmralert_Timer")); }
    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void openEditor();
    void add(const QString &text);
    void addAll(const QStringList &words) { for (const QString &word : words) add(word); }
    // What the lists show, read through their models rather than the WordList.
    QStringList listed() { return rows(editor()->lstWord); }
    QStringList mainListed() { return rows(main()->lstWords); }
    QPoint rowCentre(int row) { auto *v = editor()->lstWord; return v->visualRect(v->model()->index(row, 0)).center(); }
    void clickRow(int row) { QTest::mouseClick(editor()->lstWord->viewport(), Qt::LeftButton, {}, rowCentre(row)); }
    void doubleClickAt(QPoint point);

    std::unique_ptr<TestProgram> program;
};

void TestEditorWindow::init()
{
    program = std::make_unique<TestProgram>();
    QVERIFY(QTest::qWaitForWindowExposed(main()));
    openEditor();
}

void TestEditorWindow::openEditor()
{
    click(main()->cmdWords);
    QVERIFY(QTest::qWaitForWindowExposed(editor()));
}

void TestEditorWindow::add(const QString &text)
{
    editor()->txtinput->setText(text);
    QTest::keyClick(editor()->txtinput, Qt::Key_Return);
}

// A real double-click: press and release, then the double-click event and its release.
void TestEditorWindow::doubleClickAt(QPoint point)
{
    QWidget *viewport = editor()->lstWord->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, point);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, point);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, point);
}

void TestEditorWindow::adding_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("input");
    QTest::addColumn<Press>("how");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");

    // Rows without a message are accepted; "stored" is what joins the list.
    const auto row = [](const char *name, const char16_t *input, Press how, const QString &message,
                        const char16_t *stored = u"", const QStringList &listed = list({"DOG", "CAT", "EMU"})) {
        QTest::newRow(name) << listed << QString::fromUtf16(input) << how << message << QString::fromUtf16(stored);
    };
    row("duplicate, lower case", u"cat", Press::Enter, duplicateMessage);
    row("duplicate, blanks around", u"  cAt  ", Press::Button, duplicateMessage);
    row("apostrophe", u"don't", Press::Button, invalidMessage);
    row("digit", u"cat9", Press::Enter, invalidMessage);
    row("underscore", u"big_cat", Press::Button, invalidMessage);
    row("caret", u"ca^t", Press::Enter, invalidMessage);
    row("hyphen", u"x-ray", Press::Button, invalidMessage);
    row("tab, not trimmed", u"\tdog", Press::Enter, invalidMessage);
    row("accented letter", u"caf\u00e9", Press::Button, invalidMessage);
    // A locale-aware upper-casing would make these duplicates.
    row("sharp s with SS listed", u"\u00df", Press::Enter, invalidMessage, u"", list({"SS"}));
    row("dotless i with I listed", u"\u0131", Press::Button, invalidMessage, u"", list({"I"}));
    row("long s with S listed", u"\u017f", Press::Enter, invalidMessage, u"", list({"S"}));
    row("blanks only, Add Word", u"   ", Press::Button, emptyMessage);
    row("blanks only, Enter", u" ", Press::Enter, emptyMessage);
    row("empty box, Enter while Add Word is disabled", u"", Press::Enter, emptyMessage);

    row("blanks around trimmed, inner blanks kept", u"  new  york  ", Press::Button, {}, u"NEW  YORK",
        list({"NEW YORK"}));
    row("letter range ends", u"AZaz", Press::Enter, {}, u"AZAZ", {});
    // Appended, not sorted in; a prefix of an entry is no duplicate.
    row("after an entry it begins", u"New", Press::Enter, {}, u"NEW", list({"ZEBRA", "NEWARK"}));
}

void TestEditorWindow::adding()
{
    QFETCH(QStringList, list);
    QFETCH(QString, input);
    QFETCH(Press, how);
    QFETCH(QString, message);
    QFETCH(QString, stored);

    addAll(list);
    editor()->txtinput->setText(input);
    if (how == Press::Enter)
        QTest::keyClick(editor()->txtinput, Qt::Key_Return);
    else
        click(editor()->cmdadd);

    QCOMPARE(editor()->lblalert->text(), message);
    QCOMPARE(editor()->tmralert->isActive(), !message.isEmpty());
    QCOMPARE(listed(), stored.isEmpty() ? list : list + QStringList{stored});
    QCOMPARE(editor()->txtinput->text(), stored.isEmpty() ? input : QString());
}

void TestEditorWindow::enabledStates_data()
{
    QTest::addColumn<Step>("change");
    QTest::addColumn<bool>("addEnabled");
    QTest::addColumn<bool>("deleteEnabled");
    QTest::addColumn<int>("count");

    const auto row = [](const char *name, const Step &change, bool add, bool del, int count) {
        QTest::newRow(name) << change << add << del << count;
    };
    const auto type = [this](const QString &text) { QTest::keyClicks(editor()->txtinput, text); };
    const auto select = [this] { clickRow(1); };
    const QString q = QStringLiteral("q");

    row("typing", [=] { type(q); }, true, false, 3);
    row("typing then erasing", [=, this] { type(q); QTest::keyClick(editor()->txtinput, Qt::Key_Backspace); },
        false, false, 3);
    row("blanks only", [=] { type(QStringLiteral("  ")); }, true, false, 3);
    row("selecting", select, false, true, 3);
    row("selecting then typing", [=] { select(); type(q); }, true, true, 3);
    row("Delete Word", [=, this] { select(); click(editor()->cmdDelete); }, false, false, 2);
    row("double-click", [this] { doubleClickAt(rowCentre(1)); }, false, false, 2);
    row("Clear Word List", [=, this] { select(); click(editor()->cmdClear); }, false, false, 0);
    row("Sort Word List", [=, this] { select(); click(editor()->cmdSort); }, false, false, 3);
    // Adding makes no selection and takes none away.
    row("adding while selected", [=, this] { select(); add(QStringLiteral("ant")); }, false, true, 4);
    row("refusal while selected", [=, this] { select(); add(QStringLiteral("dog")); }, true, true, 3);
}

void TestEditorWindow::enabledStates()
{
    QFETCH(Step, change);
    QFETCH(bool, addEnabled);
    QFETCH(bool, deleteEnabled);
    QFETCH(int, count);

    addAll(list({"CAT", "DOG", "EMU"}));
    change();

    QCOMPARE(editor()->cmdadd->isEnabled(), addEnabled);
    QCOMPARE(editor()->cmdDelete->isEnabled(), deleteEnabled);
    QCOMPARE(editor()->lblnumber->text(), QString::number(count));
    QCOMPARE(editor()->lstWord->selectionModel()->hasSelection(), deleteEnabled);
}

void TestEditorWindow::blink_data()
{
    QTest::addColumn<int>("ticksFirst");
    QTest::addColumn<Step>("then");
    QTest::addColumn<QString>("message");

    QTest::newRow("one refusal") << 0 << Step([] {}) << duplicateMessage;
    // Carried on from tick 3, the schedule would stop two ticks early.
    QTest::newRow("a new refusal restarts it")
        << 3 << Step([this] { add(QStringLiteral("cat-fish")); }) << invalidMessage;
    // Any refresh ends it at once.
    QTest::newRow("typing while shown")
        << 0 << Step([this] { QTest::keyClicks(editor()->txtinput, QStringLiteral("s")); }) << QString();
    QTest::newRow("clicking the list while blank") << 1 << Step([this] { clickRow(0); }) << QString();
}

void TestEditorWindow::blink()
{
    QFETCH(int, ticksFirst);
    QFETCH(Step, then);
    QFETCH(QString, message);

    QCOMPARE(editor()->tmralert->interval(), 1000);
    add(QStringLiteral("cat"));
    add(QStringLiteral("cat"));
    for (int i = 0; i < ticksFirst; ++i)
        tick();
    then();

    QVERIFY(editor()->lblalert->isVisible());
    QCOMPARE(editor()->lblalert->text(), message);
    if (message.isEmpty()) {
        QVERIFY(!editor()->tmralert->isActive());
        return;
    }
    // From a fresh start: shown, blank, shown, blank, shown, then idle.
    QCOMPARE(blinkToEnd(editor()), (QStringList{QString(), message, QString(), message, QString()}));
}

void TestEditorWindow::deleteEntry_data()
{
    QTest::addColumn<bool>("byDoubleClick");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("remaining");

    QTest::newRow("button, first") << false << 0 << list({"BEE", "CAT", "DOG", "EMU"});
    QTest::newRow("double-click, last") << true << 4 << list({"ANT", "BEE", "CAT", "DOG"});
}

void TestEditorWindow::deleteEntry()
{
    QFETCH(bool, byDoubleClick);
    QFETCH(int, row);
    QFETCH(QStringList, remaining);

    const QStringList all = list({"ANT", "BEE", "CAT", "DOG", "EMU"});
    addAll(all);
    // Another entry selected first: the double-click must take the one under the pointer.
    clickRow(row == 0 ? 1 : 0);

    if (byDoubleClick) {
        doubleClickAt(rowCentre(row));
    } else {
        clickRow(row);
        click(editor()->cmdDelete);
    }
    QCOMPARE(listed(), remaining);

    // The index goes with the entry: the removed word can be added again.
    add(all.at(row).toLower());
    QCOMPARE(listed(), remaining + QStringList{all.at(row)});
}

void TestEditorWindow::emptyListDeletesNothing()
{
    QVERIFY(editor()->optascend1->isChecked());
    editor()->txtinput->setText(QStringLiteral("typed"));

    doubleClickAt(editor()->lstWord->viewport()->rect().center());

    QCOMPARE(editor()->lblnumber->text(), QStringLiteral("0"));
    QVERIFY(!editor()->cmdDelete->isEnabled());
    QCOMPARE(editor()->txtinput->text(), QStringLiteral("typed"));
}

void TestEditorWindow::leaving_data()
{
    QTest::addColumn<Step>("leave");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("exits");
    QTest::addColumn<QStringList>("mainAfter");
    QTest::addColumn<QString>("label");

    const Step back = [this] { click(editor()->cmdBack); };
    const QStringList catDog = list({"CAT", "DOG"});
    QTest::newRow("Back to Main replaces the copy") << back << catDog << 0 << catDog
                                                    << QStringLiteral("Words in Puzzle:  2");
    QTest::newRow("an empty list leaves the copy") << back << QStringList() << 0 << olderCopy
                                                   << QStringLiteral("Words in Puzzle:  0");
    QTest::newRow("window manager, as Back to Main")
        << Step([this] { closeFromWindowManager(editor()); }) << catDog << 0 << catDog
        << QStringLiteral("Words in Puzzle:  2");
    // Closing on the way out is no way back: nothing is handed over.
    QTest::newRow("exit") << Step([this] { program->windows->exitApplication(); }) << catDog << 1 << olderCopy
                          << QStringLiteral("Words in Puzzle:  3");
}

void TestEditorWindow::leaving()
{
    QFETCH(Step, leave);
    QFETCH(QStringList, words);
    QFETCH(int, exits);
    QFETCH(QStringList, mainAfter);
    QFETCH(QString, label);

    main()->lstWords->setEntries(olderCopy);
    main()->lblWordcount->setText(QStringLiteral("Words in Puzzle:  3"));
    addAll(words);
    leave();

    QVERIFY(!editor()->isVisible());
    QCOMPARE(main()->isVisible(), exits == 0);
    QCOMPARE(mainListed(), mainAfter);
    QCOMPARE(main()->lblWordcount->text(), label);
    QCOMPARE(program->fakes.processExit.exits, exits);
}

void TestEditorWindow::clearEmptiesBothLists()
{
    enterWords(*program->windows, list({"cat", "dog"}));
    openEditor();

    click(editor()->cmdClear);
    QCOMPARE(listed(), QStringList());
    QCOMPARE(mainListed(), QStringList());
    // The label waits for the way back.
    QCOMPARE(main()->lblWordcount->text(), QStringLiteral("Words in Puzzle:  2"));

    // The index went too: the cleared words can come back.
    add(QStringLiteral("cat"));
    QCOMPARE(listed(), list({"CAT"}));
}

void TestEditorWindow::secondVisitFindsEverythingAsLeft()
{
    addAll(list({"cat", "dog"}));
    editor()->optdescend2->setChecked(true);
    clickRow(1);
    add(QStringLiteral("half9"));
    tick();
    editor()->lstWord->setFocus();

    click(editor()->cmdBack);
    openEditor();

    QCOMPARE(listed(), list({"CAT", "DOG"}));
    QCOMPARE(editor()->txtinput->text(), QStringLiteral("half9"));
    QVERIFY(editor()->optdescend2->isChecked());
    QCOMPARE(editor()->focusWidget(), editor()->txtinput);
    QCOMPARE(editor()->lstWord->selectionModel()->selectedRows().value(0).row(), 1);
    QVERIFY(editor()->cmdDelete->isEnabled());
    // The blink went on unseen and no refresh ended it on the way back in.
    QVERIFY(editor()->tmralert->isActive());
    tick();
    QCOMPARE(editor()->lblalert->text(), invalidMessage);
}

QTEST_MAIN(TestEditorWindow)
#include "tst_editor_window.moc"
