#pragma once

#include "app/windows.h"
#include "fakes.h"

#include <QObject>
#include <QWidget>
#include <QStringList>

#include <memory>

class EditorWindow;
class GridView;

class QtTextPrinter;

// A fresh program for one test: fake seams, the registry, the main window
// shown. With `toPdf`, jobs go through the real printer, which (with no
// printer installed) saves them where the fake save dialog says.
struct TestProgram
{
    explicit TestProgram(bool toPdf = false);
    ~TestProgram();

    FakePlatform fakes;
    std::unique_ptr<QtTextPrinter> printer;
    std::unique_ptr<Windows> windows;
};

// Types each word into the editor and adds it, then goes back to the main window.
void enterWords(Windows &windows, const QStringList &words);

// The visible grid row by row, an empty cell as ".".
QStringList gridRows(const GridView *grid);

// Ticks the editor's alert timer until it stops (at most six ticks) and
// returns the alert line's text after each tick. A blink started afresh gives
// "", message, "", message, "".
QStringList blinkToEnd(EditorWindow *editor);

// Sends the close a window manager would (its title-bar button): a spontaneous one.
void closeFromWindowManager(QWidget *window);

// Records the objectName of every top-level window that receives a close.
class CloseRecorder final : public QObject
{
public:
    using QObject::QObject;
    void watch(QObject *window) { window->installEventFilter(this); }
    QStringList closed;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
