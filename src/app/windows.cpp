#include "app/windows.h"

#include "app/main_window.h"
#include "editor/editor_window.h"
#include "platform/process_exit.h"
#include "print/print_window.h"
#include "print/worksheet_window.h"
#include "puzzle/puzzle_window.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

const char *const centredProperty = "lexmireCentred";

void centre(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->ensurePolished();
    window->adjustSize();
    // Centred, but never past the top or left of the room the desktop leaves:
    // a window larger than the screen (at a large scale factor) keeps its
    // title bar, and the start of the window, within reach.
    const QRect room = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(room.center());
    window->move(std::max(frame.left(), room.left()), std::max(frame.top(), room.top()));
}

} // namespace

Windows::Windows(const Platform &platform)
    : m_platform(platform)
{
}

Windows::~Windows() = default;

MainWindow *Windows::frmMain()
{
    if (m_main)
        return m_main.get();
    m_main = std::make_unique<MainWindow>(m_platform);
    MainWindow *main = m_main.get();
    QObject::connect(main, &MainWindow::editRequested, main, [this] {
        EditorWindow *editor = frmEdit();
        show(editor);
        editor->focusInput();
    });
    // The puzzle window loads (and sizes its grids) before the hand-off sizes them again.
    QObject::connect(main, &MainWindow::puzzleRequested, main, [this](QSize dimensions) {
        PuzzleWindow *puzzle = frmDisplay();
        show(puzzle);
        m_main->hide();
        // The editor's list, not the main window's copy, which may be stale.
        puzzle->takeWords(frmEdit()->entries(), dimensions);
    });
    QObject::connect(main, &MainWindow::clearAllRequested, main, [this] {
        frmEdit()->clearList();
        frmDisplay()->reset();
    });
    QObject::connect(main, &MainWindow::exitRequested, main, [this] { exitApplication(); });
    return main;
}

EditorWindow *Windows::frmEdit()
{
    if (m_edit)
        return m_edit.get();
    m_edit = std::make_unique<EditorWindow>(m_platform);
    EditorWindow *editor = m_edit.get();
    QObject::connect(editor, &EditorWindow::backToMain, editor, [this](const QStringList &entries) {
        show(frmMain());
        m_main->takeWordList(entries);
    });
    QObject::connect(editor, &EditorWindow::listCleared, editor, [this] { frmMain()->clearWordCopy(); });
    return editor;
}

PuzzleWindow *Windows::frmDisplay()
{
    if (m_display)
        return m_display.get();
    m_display = std::make_unique<PuzzleWindow>(m_platform, frmEdit()->entries(), frmMain()->dimensions());
    PuzzleWindow *puzzle = m_display.get();
    QObject::connect(puzzle, &PuzzleWindow::backToMain, puzzle, [this] { show(frmMain()); });
    QObject::connect(puzzle, &PuzzleWindow::printRequested, puzzle, [this] {
        PrintWindow *print = frmPrint();
        show(print);
        print->takePuzzle(m_display->puzzle());
        m_display->hide();
    });
    QObject::connect(puzzle, &PuzzleWindow::puzzleOpened, puzzle, [this](const QStringList &entries, QSize size) {
        frmEdit()->takeEntries(entries);
        frmMain()->takeWordList(entries);
        m_main->takeDimensions(size);
    });
    return puzzle;
}

PrintWindow *Windows::frmPrint()
{
    if (m_print)
        return m_print.get();
    m_print = std::make_unique<PrintWindow>(m_platform);
    PrintWindow *print = m_print.get();
    QObject::connect(print, &PrintWindow::backToPuzzle, print, [this] {
        show(frmDisplay());
        m_print->hide();
    });
    QObject::connect(print, &PrintWindow::worksheetRequested, print, [this] {
        WorksheetWindow *worksheet = frmWorksheet();
        show(worksheet);
        worksheet->takePuzzle(frmDisplay()->puzzle());
        m_print->hide();
    });
    return print;
}

WorksheetWindow *Windows::frmWorksheet()
{
    if (m_worksheet)
        return m_worksheet.get();
    m_worksheet = std::make_unique<WorksheetWindow>(m_platform);
    WorksheetWindow *worksheet = m_worksheet.get();
    QObject::connect(worksheet, &WorksheetWindow::backToPrint, worksheet, [this] {
        show(frmPrint());
        m_worksheet->hide();
    });
    return worksheet;
}

void Windows::show(QWidget *window)
{
    if (!window->property(centredProperty).toBool()) {
        window->setProperty(centredProperty, true);
        centre(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void Windows::exitApplication()
{
    if (m_exiting)
        return;
    m_exiting = true;
    // Plain closes, not the window manager's: no window takes them for its back button.
    if (m_display)
        m_display->close();
    if (m_edit)
        m_edit->close();
    if (m_print)
        m_print->close();
    if (m_worksheet)
        m_worksheet->close();
    if (m_main)
        m_main->close();
    m_platform.processExit.exitNow();
}
