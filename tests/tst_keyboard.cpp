// Every window from the keyboard alone, and named for screen readers.
#include "app/main_window.h"
#include "editor/editor_window.h"
#include "platform/grid_view.h"
#include "platform/list_box.h"
#include "print/print_window.h"
#include "puzzle/puzzle_window.h"
#include "window_test.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

// The views a keyboard user meets, each brought up as the user would.
enum class View { Main, Dimensions, Editor, Puzzle, Print };

QWidget *bringUp(TestProgram &program, View view)
{
    Windows &windows = *program.windows;
    MainWindow *main = windows.frmMain();
    QWidget *window = main;
    switch (view) {
    case View::Main:
        break;
    case View::Dimensions:
        main->cmdDimensions->click();
        break;
    case View::Editor:
        main->cmdWords->click();
        window = windows.frmEdit();
        // A typed word and a selected entry enable every button.
        windows.frmEdit()->txtinput->setText(QStringLiteral("typed"));
        break;
    case View::Puzzle:
    case View::Print:
        enterWords(windows, {QStringLiteral("CAT"), QStringLiteral("DOG")});
        main->cmdPrint->click();
        windows.frmDisplay()->cmdGenerate->click();
        window = windows.frmDisplay();
        if (view == View::Print) {
            windows.frmDisplay()->cmdPrint->click();
            window = windows.frmPrint();
        }
        break;
    }
    window->activateWindow();
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

QStringList names(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *name : list)
        result.append(QString::fromLatin1(name));
    return result;
}

QList<QAccessible::Event> alertEvents;
QObject *alertLine = nullptr;

void recordAlertEvents(QAccessibleEvent *event)
{
    if (event->object() == alertLine)
        alertEvents.append(event->type());
}

} // namespace

Q_DECLARE_METATYPE(View)

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init() { program = std::make_unique<TestProgram>(); }
    void cleanup() { program.reset(); }

    void tabVisitsEveryStopOnce_data();
    void tabVisitsEveryStopOnce();
    void enterAndSpacePressTheFocusedButton_data();
    void enterAndSpacePressTheFocusedButton();
    void dimensionBarKeys_data();
    void dimensionBarKeys();
    void windowsOpenWithFocusWhereUsersStart();
    void everyFocusableControlIsNamed();
    void alertIsAnnouncedOncePerRefusal();

private:
    std::unique_ptr<TestProgram> program;
};

void TestKeyboard::tabVisitsEveryStopOnce_data()
{
    QTest::addColumn<View>("view");
    QTest::addColumn<QStringList>("stops");
    QTest::newRow("main window") << View::Main
                                 << names({"cmdWords", "cmdDimensions", "cmdAllClear", "cmdPrint", "cmdExit", "cmdAbout",
                                           "lstWords"});
    QTest::newRow("dimension view") << View::Dimensions << names({"cmdDimDone", "hsbLength", "vsbHeight"});
    // Each group of options is one stop, at its selected option.
    QTest::newRow("editor") << View::Editor
                            << names({"txtinput", "cmdadd", "cmdLoad", "cmdSave", "cmdClear", "cmdSort", "cmdBack",
                                      "optdescend2", "lstWord"});
    QTest::newRow("puzzle window") << View::Puzzle
                                   << names({"cmdGenerate", "cmdPuzzle", "cmdAnswer", "cmdPrint", "Command1", "optvs",
                                             "GrdGridder", "lstWerds"});
    QTest::newRow("print window") << View::Print
                                  << names({"Command1", "Command2", "Command3", "Command4", "Command5", "cmdhide"});
}

void TestKeyboard::tabVisitsEveryStopOnce()
{
    QFETCH(View, view);
    QFETCH(QStringList, stops);
    QWidget *window = bringUp(*program, view);
    QVERIFY(window);
    if (view == View::Editor)
        program->windows->frmEdit()->optdescend2->setChecked(true);
    if (view == View::Puzzle)
        program->windows->frmDisplay()->optvs->setChecked(true);

    window->findChild<QWidget *>(stops.first())->setFocus(Qt::TabFocusReason);
    for (const Qt::KeyboardModifier direction : {Qt::NoModifier, Qt::ShiftModifier}) {
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < stops.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, direction);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QStringList expected = stops;
        if (direction == Qt::ShiftModifier)
            std::reverse(expected.begin() + 1, expected.end());
        expected.append(stops.first()); // back where it started
        QCOMPARE(visited, expected);
    }
}

void TestKeyboard::enterAndSpacePressTheFocusedButton_data()
{
    QTest::addColumn<View>("view");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed"); // the button whose handler ran
    const std::pair<Qt::Key, const char *> keys[] = {
        {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "keypad Enter"}, {Qt::Key_Space, "Space"}};
    const struct
    {
        View view;
        const char *button;
    } buttons[] = {
        {View::Main, "cmdAllClear"},   {View::Main, "cmdAbout"},    {View::Dimensions, "cmdDimDone"},
        {View::Editor, "cmdBack"},     {View::Editor, "cmdSort"},   {View::Puzzle, "cmdAnswer"},
        {View::Puzzle, "Command1"},    {View::Print, "Command3"},   {View::Print, "cmdhide"},
    };
    for (const auto &button : buttons) {
        for (const auto &[key, keyName] : keys) {
            QTest::addRow("%s, %s", button.button, keyName)
                << button.view << QString::fromLatin1(button.button) << int(key) << QString::fromLatin1(button.button);
        }
    }
    // Enter from a control that is not a button presses the view's default.
    QTest::newRow("Return in the main list") << View::Main << QStringLiteral("lstWords") << int(Qt::Key_Return)
                                             << QStringLiteral("cmdWords");
    QTest::newRow("keypad Enter on a dimension bar")
        << View::Dimensions << QStringLiteral("vsbHeight") << int(Qt::Key_Enter) << QStringLiteral("cmdDimDone");
    // Enter in the input box adds, even with "Add Word" disabled; the button is not pressed.
    QTest::newRow("Return in the input box") << View::Editor << QStringLiteral("txtinput") << int(Qt::Key_Return)
                                             << QString();
}

void TestKeyboard::enterAndSpacePressTheFocusedButton()
{
    QFETCH(View, view);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, pressed);
    QWidget *window = bringUp(*program, view);
    QVERIFY(window);
    QList<std::pair<QString, std::shared_ptr<QSignalSpy>>> spies;
    for (QPushButton *button : window->findChildren<QPushButton *>())
        spies.append({button->objectName(), std::make_shared<QSignalSpy>(button, &QPushButton::clicked)});
    const int wordsBefore = int(program->windows->frmEdit()->words().size());
    if (view == View::Editor)
        program->windows->frmEdit()->txtinput->setText(QStringLiteral("emu"));

    QWidget *target = window->findChild<QWidget *>(focus);
    target->setFocus();
    const auto modifier = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(target, Qt::Key(key), modifier);

    QStringList clicked;
    for (const auto &[name, spy] : std::as_const(spies))
        if (!spy->isEmpty())
            clicked.append(name);
    QCOMPARE(clicked, pressed.isEmpty() ? QStringList() : QStringList{pressed});
    if (focus == QLatin1String("txtinput"))
        QCOMPARE(program->windows->frmEdit()->words().size(), wordsBefore + 1);
}

void TestKeyboard::dimensionBarKeys_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("value"); // from 15
    for (const char *bar : {"hsbLength", "vsbHeight"}) {
        const std::tuple<Qt::Key, const char *, int> keys[] = {
            {Qt::Key_Right, "Right", 16},   {Qt::Key_Down, "Down", 16},         {Qt::Key_Left, "Left", 14},
            {Qt::Key_Up, "Up", 14},         {Qt::Key_PageDown, "Page Down", 16}, {Qt::Key_PageUp, "Page Up", 14},
            {Qt::Key_Home, "Home", 3},      {Qt::Key_End, "End", 100},
            // The wheel keeps its own direction: rolled down, a bar goes down or right.
            {Qt::Key_unknown, "wheel down", 16},
        };
        for (const auto &[key, name, value] : keys)
            QTest::addRow("%s, %s", bar, name) << QString::fromLatin1(bar) << int(key) << value;
    }
}

void TestKeyboard::dimensionBarKeys()
{
    QFETCH(QString, bar);
    QFETCH(int, key);
    QFETCH(int, value);
    QVERIFY(bringUp(*program, View::Dimensions));
    MainWindow *main = program->windows->frmMain();
    auto *scrollBar = main->findChild<QScrollBar *>(bar);
    scrollBar->setFocus(Qt::TabFocusReason);
    if (key == Qt::Key_unknown) {
        const QPointF centre = scrollBar->rect().center();
        QWheelEvent wheel(centre, scrollBar->mapToGlobal(centre), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(scrollBar, &wheel);
    } else {
        QTest::keyClick(scrollBar, Qt::Key(key));
    }
    QCOMPARE(scrollBar->value(), value);
    const int width = bar == QLatin1String("hsbLength") ? value : 15;
    const int height = bar == QLatin1String("vsbHeight") ? value : 15;
    QCOMPARE(main->lblCurrentDim->text(), QStringLiteral(" %1 x  %2").arg(width).arg(height));
}

void TestKeyboard::windowsOpenWithFocusWhereUsersStart()
{
    const std::pair<View, const char *> starts[] = {
        {View::Main, "cmdWords"},        {View::Dimensions, "cmdDimDone"}, {View::Editor, "txtinput"},
        {View::Puzzle, "cmdGenerate"},   {View::Print, "Command1"},
    };
    for (const auto &[view, control] : starts) {
        TestProgram fresh;
        QWidget *window = bringUp(fresh, view);
        QVERIFY(window);
        QVERIFY2(window->focusWidget() && window->focusWidget()->objectName() == QLatin1String(control), control);
    }
    // Done takes the main window back to its first button; a run gives the
    // focus back to the button that started it.
    QWidget *main = bringUp(*program, View::Dimensions);
    program->windows->frmMain()->cmdDimDone->click();
    QCOMPARE(main->focusWidget(), program->windows->frmMain()->cmdWords);
    PuzzleWindow *puzzle = static_cast<PuzzleWindow *>(bringUp(*program, View::Puzzle));
    puzzle->cmdAnswer->setFocus();
    QTest::keyClick(puzzle->cmdAnswer, Qt::Key_Return);
    puzzle->cmdGenerate->setFocus();
    QTest::keyClick(puzzle->cmdGenerate, Qt::Key_Space);
    QCOMPARE(puzzle->focusWidget(), puzzle->cmdGenerate);
}

void TestKeyboard::everyFocusableControlIsNamed()
{
    Windows &windows = *program->windows;
    QVERIFY(bringUp(*program, View::Print));
    for (QWidget *window : {static_cast<QWidget *>(windows.frmMain()), static_cast<QWidget *>(windows.frmEdit()),
                            static_cast<QWidget *>(windows.frmDisplay()), static_cast<QWidget *>(windows.frmPrint())}) {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || control->isWindow() || !control->isVisibleTo(window))
                continue;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY(accessible);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
        }
    }
    const auto name = [](QWidget *control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    MainWindow *main = windows.frmMain();
    QCOMPARE(name(main->hsbLength), QStringLiteral("Puzzle width"));
    QCOMPARE(name(main->vsbHeight), QStringLiteral("Puzzle height"));
    main->vsbHeight->setValue(20);
    QCOMPARE(QAccessible::queryAccessibleInterface(main->vsbHeight)->valueInterface()->currentValue().toInt(), 20);
    main->vsbHeight->setValue(15);
    QCOMPARE(name(main->lstWords), QStringLiteral("Word list"));
    QCOMPARE(name(windows.frmEdit()->lstWord), QStringLiteral("Word list"));
    PuzzleWindow *puzzle = windows.frmDisplay();
    QCOMPARE(name(puzzle->lstWerds), QStringLiteral("Words in the puzzle"));
    QCOMPARE(name(puzzle->GrdGridder), QStringLiteral("Empty grid, 15 columns by 15 rows"));
    puzzle->cmdPuzzle->click();
    QCOMPARE(name(puzzle->GrdGridder), QStringLiteral("Puzzle, 15 columns by 15 rows"));
    puzzle->cmdAnswer->click();
    QCOMPARE(name(puzzle->GrdGridder), QStringLiteral("Answer key, 15 columns by 15 rows"));
    main->cmdAllClear->click();
    QCOMPARE(name(puzzle->GrdGridder), QStringLiteral("Empty grid, 15 columns by 15 rows"));
}

// Once per refusal or failure, not once per blink: the alert line carries the
// message as its accessible name from the start of the alert, through every
// blink. Events reach an update handler only where the platform has an
// accessibility bridge (the offscreen one has none); there, each refusal,
// the same one again included, is exactly one event.
void TestKeyboard::alertIsAnnouncedOncePerRefusal()
{
    QVERIFY(bringUp(*program, View::Editor));
    EditorWindow *editor = program->windows->frmEdit();
    alertLine = editor->lblalert;
    alertEvents.clear();
    QAccessible::installUpdateHandler(recordAlertEvents);
    const auto heard = [editor] {
        return QAccessible::queryAccessibleInterface(editor->lblalert)->text(QAccessible::Name);
    };
    const QString invalid = QStringLiteral("You have an invalid character in the word you idiot!!");
    const QString empty = QStringLiteral("Please enter a word first you idiot.");
    for (const auto &[typed, message] : {std::pair{"bad1", invalid}, std::pair{"bad2", invalid}, std::pair{"", empty}}) {
        editor->txtinput->setText(QString::fromLatin1(typed));
        QTest::keyClick(editor->txtinput, Qt::Key_Return);
        QCOMPARE(heard(), message);
        for (const QString &shown : blinkToEnd(editor)) {
            QVERIFY(shown.isEmpty() || shown == message);
            QCOMPARE(heard(), message);
        }
    }
    QAccessible::installUpdateHandler(nullptr);
    if (QAccessible::isActive())
        QCOMPARE(alertEvents, QList<QAccessible::Event>(3, QAccessible::NameChanged));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
