#include "app/windows.h"

#include "app/main_window.h"
#include "editor/editor_window.h"
#include "platform/process_exit.h"
#include "print/print_window.h"
#include "puzzle/puzzle_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

const char *const centredProperty = "lexmireCentred";

void centre(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->ensurePolished();
    window->adjustSize();
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace

Windows::Windows(const Platform &platform)
    : m_platform(platform)
{
}

Windows::~Windows() = default;

MainWindow *Windows::frmMain()
{
    if (!m_main)
        m_main = std::make_unique<MainWindow>(*this);
    return m_main.get();
}

EditorWindow *Windows::frmEdit()
{
    if (!m_edit)
        m_edit = std::make_unique<EditorWindow>(*this);
    return m_edit.get();
}

PuzzleWindow *Windows::frmDisplay()
{
    if (!m_display)
        m_display = std::make_unique<PuzzleWindow>(*this);
    return m_display.get();
}

PrintWindow *Windows::frmPrint()
{
    if (!m_print)
        m_print = std::make_unique<PrintWindow>(*this);
    return m_print.get();
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

bool Windows::closeMeansBack(QCloseEvent *event) const
{
    if (!event->spontaneous() || m_exiting) {
        event->accept();
        return false;
    }
    event->ignore();
    return true;
}

void Windows::exitApplication()
{
    if (m_exiting)
        return;
    m_exiting = true;
    // Plain closes: no window takes them for its back button.
    if (m_display)
        m_display->close();
    if (m_edit)
        m_edit->close();
    if (m_print)
        m_print->close();
    if (m_main)
        m_main->close();
    m_platform.processExit->exitNow();
}
