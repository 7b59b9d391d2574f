#pragma once

#include "platform/platform.h"

#include <memory>

class EditorWindow;
class MainWindow;
class PrintWindow;
class PuzzleWindow;
class QCloseEvent;
class QWidget;

// The four windows, each a single instance created - and its Form_Load run -
// the first time anything refers to it; afterwards only shown and hidden.
// Windows reach each other only through here.
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

    // Whether a window exists yet, without creating it.
    bool hasFrmEdit() const { return m_edit != nullptr; }
    bool hasFrmDisplay() const { return m_display != nullptr; }
    bool hasFrmPrint() const { return m_print != nullptr; }

    // Shows a top-level window modeless and ownerless, centred the first time.
    static void show(QWidget *window);

    // True for a close that comes from the window manager (a title-bar button)
    // rather than from Exit: the window then takes its back button's way
    // instead, and the event is ignored, so the user is never left without a window.
    bool closeMeansBack(QCloseEvent *event) const;

    // Closes the puzzle window, the editor, the print window and the main
    // window, in that order, then ends the process. Runs at most once.
    void exitApplication();
    bool isExiting() const { return m_exiting; }

    const Platform &platform() const { return m_platform; }

private:
    Platform m_platform;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<EditorWindow> m_edit;
    std::unique_ptr<PuzzleWindow> m_display;
    std::unique_ptr<PrintWindow> m_print;
    bool m_exiting = false;
};
