#pragma once

#include "platform/platform.h"

#include <memory>

class EditorWindow;
class MainWindow;
class PrintWindow;
class PuzzleWindow;
class WorksheetWindow;
class QWidget;

// The four windows, each a single instance created - and its Form_Load run -
// the first time anything refers to it; afterwards only shown and hidden.
// The windows know nothing of each other: what one does to another goes
// from its signals to the other's intents, wired here.
class Windows
{
public:
    explicit Windows(const Platform &platform);
    ~Windows();

    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    MainWindow *frmMain();
    EditorWindow *frmEdit();
    PuzzleWindow *frmDisplay();
    PrintWindow *frmPrint();
    WorksheetWindow *frmWorksheet();

    // Shows a top-level window modeless and ownerless, centred the first time.
    static void show(QWidget *window);

    // Closes the puzzle window, the editor, the print window, the worksheet
    // and the main window, in that order, then ends the program. Runs at most once.
    void exitApplication();

private:
    const Platform m_platform;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<EditorWindow> m_edit;
    std::unique_ptr<PuzzleWindow> m_display;
    std::unique_ptr<PrintWindow> m_print;
    std::unique_ptr<WorksheetWindow> m_worksheet;
    bool m_exiting = false;
};
