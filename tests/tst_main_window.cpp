#include "platform/list_box.h"
#include "app/main_window.h"
#include "editor/editor_window.h"
#include "platform/grid_view.h"
#include "print/print_window.h"
#include "puzzle/puzzle_window.h"
#include "window_test.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QToolTip>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsInNormalView();
    void dimensionViewShowsOnlyItsControls();
    void dimensionCaptions_data();
    void dimensionCaptions();
    void clearAll_data();
    void clearAll();
    void ctrlX_data();
    void ctrlX();
    void exitClosesCreatedWindowsInOrder_data();
    void exitClosesCreatedWindowsInOrder();
    void closingMainWindowExitsOnce();
    void aboutBox();
    void dialogsAndTooltipsKeepTheDesktopLook();

private:
    MainWindow *main() { return program->windows->frmMain(); }
    QWidget *child(const char *name) { return main()->findChild<QWidget *>(QString::fromLatin1(name)); }
    void activate();

    std::unique_ptr<TestProgram> program;
};

static const char *const normalView[] = {"cmdWords", "cmdDimensions", "cmdAllClear", "lstWords", "lblWordcount",
                                         "lblDimensionsDisplay", "lblDimDisplay", "imgWordsearch", "cmdAbout",
                                         "cmdPrint", "cmdExit"};
static const char *const dimensionControls[] = {"hsbLength", "vsbHeight", "lblStuff", "lblCurrentDim", "cmdDimDone"};

void TestMainWindow::init()
{
    program = std::make_unique<TestProgram>();
    QVERIFY(QTest::qWaitForWindowExposed(main()));
}

void TestMainWindow::cleanup()
{
    program.reset();
}

void TestMainWindow::activate()
{
    main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main()));
}

void TestMainWindow::startsInNormalView()
{
    QCOMPARE(main()->windowTitle(), QStringLiteral("Lexmire"));
    for (const char *name : normalView)
        QVERIFY2(child(name) && child(name)->isVisible(), name);
    for (const char *name : dimensionControls)
        QVERIFY2(child(name) && !child(name)->isVisible(), name);
    QCOMPARE(main()->lblWordcount->text(), QStringLiteral("Words in Puzzle:  0"));
    QCOMPARE(main()->lblDimDisplay->text(), QStringLiteral("Default (15 x 15)"));
    QCOMPARE(main()->lblDimensionsDisplay->text(), QStringLiteral("Current Dimensions ="));
    QCOMPARE(main()->lstWords->count(), 0);
    QCOMPARE(main()->puzzleWidth(), 15);
    QCOMPARE(main()->puzzleHeight(), 15);
    QVERIFY(!program->windows->hasFrmEdit());
    QVERIFY(!program->windows->hasFrmDisplay());
    QVERIFY(!program->windows->hasFrmPrint());
}

void TestMainWindow::dimensionViewShowsOnlyItsControls()
{
    QTest::mouseClick(main()->cmdDimensions, Qt::LeftButton);
    for (const char *name : normalView)
        QVERIFY2(!child(name)->isVisible(), name);
    for (const char *name : dimensionControls)
        QVERIFY2(child(name)->isVisible(), name);
    QCOMPARE(main()->lblCurrentDim->text(), QStringLiteral("15 x 15"));
    QCOMPARE(main()->vsbHeight->orientation(), Qt::Vertical);
    for (QScrollBar *bar : {main()->hsbLength, main()->vsbHeight}) {
        QCOMPARE(bar->minimum(), 3);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 1);
    }

    QTest::mouseClick(main()->cmdDimDone, Qt::LeftButton);
    for (const char *name : normalView)
        QVERIFY2(child(name)->isVisible(), name);
    for (const char *name : dimensionControls)
        QVERIFY2(!child(name)->isVisible(), name);
}

void TestMainWindow::dimensionCaptions_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("caption");
    QTest::newRow("unmoved") << 15 << 15 << QStringLiteral(" 15 x  15");
    QTest::newRow("different") << 40 << 10 << QStringLiteral(" 40 x  10");
    QTest::newRow("20 by 30") << 20 << 30 << QStringLiteral(" 20 x  30");
    QTest::newRow("past the top stops at 100") << 250 << 100 << QStringLiteral(" 100 x  100");
    QTest::newRow("past the bottom stops at 3") << 0 << -5 << QStringLiteral(" 3 x  3");
}

void TestMainWindow::dimensionCaptions()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, caption);

    QTest::mouseClick(main()->cmdDimensions, Qt::LeftButton);
    main()->hsbLength->setValue(width);
    main()->vsbHeight->setValue(height);
    if (width != 15 || height != 15)
        QCOMPARE(main()->lblCurrentDim->text(), caption);
    QTest::mouseClick(main()->cmdDimDone, Qt::LeftButton);
    QCOMPARE(main()->lblDimDisplay->text(), caption);

    // The live caption keeps its text for the next visit.
    const QString live = main()->lblCurrentDim->text();
    QTest::mouseClick(main()->cmdDimensions, Qt::LeftButton);
    QCOMPARE(main()->lblCurrentDim->text(), live);
}

void TestMainWindow::clearAll_data()
{
    QTest::addColumn<bool>("openEditorFirst");
    QTest::addColumn<bool>("openPuzzleFirst");
    QTest::addColumn<bool>("changeDimensions");
    QTest::newRow("nothing opened yet") << false << false << false;
    QTest::newRow("after dimensions changed") << false << false << true;
    QTest::newRow("editor and puzzle already exist") << true << true << true;
}

void TestMainWindow::clearAll()
{
    QFETCH(bool, openEditorFirst);
    QFETCH(bool, openPuzzleFirst);
    QFETCH(bool, changeDimensions);

    if (changeDimensions) {
        QTest::mouseClick(main()->cmdDimensions, Qt::LeftButton);
        main()->hsbLength->setValue(40);
        main()->vsbHeight->setValue(12);
        QTest::mouseClick(main()->cmdDimDone, Qt::LeftButton);
    }
    if (openEditorFirst) {
        EditorWindow *editor = program->windows->frmEdit();
        for (const char *word : {"CAT", "DOG"}) {
            editor->txtinput->setText(QString::fromLatin1(word));
            QTest::mouseClick(editor->cmdadd, Qt::LeftButton);
        }
        main()->lstWords->setEntries({QStringLiteral("CAT"), QStringLiteral("DOG")});
        main()->lblWordcount->setText(QStringLiteral("Words in Puzzle:  2"));
    }
    if (openPuzzleFirst) {
        PuzzleWindow *puzzle = program->windows->frmDisplay();
        puzzle->optvs->setChecked(true);
        puzzle->GrdGridder->setText(0, 0, QStringLiteral("Q"));
    }

    QTest::mouseClick(main()->cmdAllClear, Qt::LeftButton);

    QCOMPARE(main()->puzzleWidth(), 15);
    QCOMPARE(main()->puzzleHeight(), 15);
    QCOMPARE(main()->lblDimDisplay->text(), QStringLiteral("Default (15 x 15)"));
    QCOMPARE(main()->lblCurrentDim->text(), QStringLiteral("15 x 15"));
    QCOMPARE(main()->lblWordcount->text(), QStringLiteral("Words in Puzzle:  0"));
    QCOMPARE(main()->lstWords->count(), 0);
    QVERIFY(main()->cmdWords->isVisible());

    QVERIFY(program->windows->hasFrmEdit());
    EditorWindow *editor = program->windows->frmEdit();
    QVERIFY(!editor->isVisible());
    QCOMPARE(editor->words().size(), 0);
    QCOMPARE(editor->lblnumber->text(), QStringLiteral("0"));
    QVERIFY(!editor->cmdDelete->isEnabled());

    QVERIFY(program->windows->hasFrmDisplay());
    PuzzleWindow *puzzle = program->windows->frmDisplay();
    QVERIFY(!puzzle->isVisible());
    QVERIFY(puzzle->optm->isChecked());
    for (int r = 0; r < puzzle->GrdGridder->rows(); ++r)
        for (int c = 0; c < puzzle->GrdGridder->cols(); ++c)
            QCOMPARE(puzzle->GrdGridder->text(r, c), QString());
    QVERIFY(!program->windows->hasFrmPrint());
}

void TestMainWindow::ctrlX_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("dimensionView");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("exits");
    QTest::newRow("Ctrl on a button") << int(Qt::ControlModifier) << false << QStringLiteral("cmdAbout") << true;
    QTest::newRow("Ctrl in the list") << int(Qt::ControlModifier) << false << QStringLiteral("lstWords") << true;
    QTest::newRow("Ctrl in the dimension view")
        << int(Qt::ControlModifier) << true << QStringLiteral("hsbLength") << true;
    QTest::newRow("X alone") << int(Qt::NoModifier) << false << QStringLiteral("lstWords") << false;
    QTest::newRow("Shift") << int(Qt::ShiftModifier) << false << QStringLiteral("lstWords") << false;
    QTest::newRow("Ctrl+Shift") << int(Qt::ControlModifier | Qt::ShiftModifier) << false
                                << QStringLiteral("lstWords") << false;
    QTest::newRow("Ctrl+Alt") << int(Qt::ControlModifier | Qt::AltModifier) << false << QStringLiteral("cmdExit")
                              << false;
}

void TestMainWindow::ctrlX()
{
    QFETCH(int, modifiers);
    QFETCH(bool, dimensionView);
    QFETCH(QString, focus);
    QFETCH(bool, exits);

    if (dimensionView)
        QTest::mouseClick(main()->cmdDimensions, Qt::LeftButton);
    activate();
    QWidget *target = main()->findChild<QWidget *>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_X, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(program->fakes.processExit.exits, exits ? 1 : 0);
    QCOMPARE(main()->isVisible(), !exits);
}

void TestMainWindow::exitClosesCreatedWindowsInOrder_data()
{
    QTest::addColumn<bool>("withOthers");
    QTest::newRow("only the main window exists") << false;
    QTest::newRow("every window exists, hidden") << true;
}

void TestMainWindow::exitClosesCreatedWindowsInOrder()
{
    QFETCH(bool, withOthers);
    CloseRecorder recorder;
    recorder.watch(main());
    if (withOthers) {
        recorder.watch(program->windows->frmPrint());
        recorder.watch(program->windows->frmEdit());
        recorder.watch(program->windows->frmDisplay());
    }
    // The process must end after every close, not before.
    QStringList closedAtExit;
    program->fakes.processExit.onExit = [&] { closedAtExit = recorder.closed; };

    QTest::mouseClick(main()->cmdExit, Qt::LeftButton);

    const QStringList expected = withOthers ? QStringList{QStringLiteral("frmDisplay"), QStringLiteral("frmEdit"),
                                                          QStringLiteral("frmPrint"), QStringLiteral("frmMain")}
                                            : QStringList{QStringLiteral("frmMain")};
    QCOMPARE(closedAtExit, expected);
    QCOMPARE(program->fakes.processExit.exits, 1);
    QCOMPARE(program->windows->hasFrmEdit(), withOthers);
    QCOMPARE(program->windows->hasFrmDisplay(), withOthers);
    QCOMPARE(program->windows->hasFrmPrint(), withOthers);
}

void TestMainWindow::closingMainWindowExitsOnce()
{
    CloseRecorder recorder;
    recorder.watch(main());
    recorder.watch(program->windows->frmDisplay());
    main()->close();
    QCOMPARE(program->fakes.processExit.exits, 1);
    QCOMPARE(recorder.closed.first(), QStringLiteral("frmMain"));
    QVERIFY(recorder.closed.contains(QStringLiteral("frmDisplay")));
    QVERIFY(!main()->isVisible());
    // A second way out after the first does nothing more.
    QTest::mouseClick(main()->cmdExit, Qt::LeftButton);
    QCOMPARE(program->fakes.processExit.exits, 1);
}

void TestMainWindow::aboutBox()
{
    QTest::mouseClick(main()->cmdAbout, Qt::LeftButton);
    QCOMPARE(program->fakes.messageBox.shown.size(), 1);
    const ShownMessage &box = program->fakes.messageBox.shown.first();
    QCOMPARE(box.title, QStringLiteral("Lexmire"));
    const QStringList lines = box.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QStringLiteral("This program is a combined effort by"));
    QVERIFY(!lines[1].isEmpty() && !lines[2].isEmpty());
    QCOMPARE(lines[3], QString());
    QVERIFY(lines[4].contains(QStringLiteral("2026")));
    QVERIFY(!box.text.contains(QLatin1Char('\n')) || box.text.count(QLatin1Char('\n')) == 4);
}

// The orange look is the windows' own: a message box, a file dialog or a
// tooltip opened from a window keeps the desktop's colours.
void TestMainWindow::dialogsAndTooltipsKeepTheDesktopLook()
{
    const QColor orange(255, 128, 0);
    const auto face = [](QWidget *button) {
        return button->grab().toImage().pixelColor(3, button->height() / 2);
    };
    program->windows->frmPrint(); // creates all four
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->objectName().startsWith(QLatin1String("frm")))
            continue;
        Windows::show(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(face(window->findChild<QPushButton *>()), orange);
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), QStringLiteral("text"), QMessageBox::Ok, window);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY2(face(box.button(QMessageBox::Ok)) != orange, qPrintable(window->objectName()));
        QVERIFY(box.findChild<QLabel *>()->palette().color(QPalette::WindowText) != orange);
        QWidget *list = window->findChild<QListView *>();
        if (!list)
            continue;
        QToolTip::showText(list->mapToGlobal(QPoint(5, 5)), QStringLiteral("tip"), list);
        QLabel *tip = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel"))
                tip = static_cast<QLabel *>(w);
        QVERIFY(tip);
        tip->ensurePolished();
        QCOMPARE(tip->palette().color(QPalette::WindowText), QToolTip::palette().color(QPalette::ToolTipText));
        QToolTip::hideText();
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
