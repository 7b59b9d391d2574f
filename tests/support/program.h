#pragma once

// What the window tests share: a fresh program, its controls found by name and type, the user's ways in (words, keys,
// clicks), and projections of what the user sees, to be compared at the test's own line.

#include "app/main_window.h"
#include "app/windows.h"
#include "editor/editor_window.h"
#include "fakes.h"
#include "print/print_window.h"
#include "puzzle/puzzle_window.h"

#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <source_location>
#include <type_traits>

class QtTextPrinter;

// A fresh program for one test: fake seams, the window registry, the main window shown. With `realPrinter`, jobs go
// through the real printer, which (with no printer installed) saves them where the fake save dialog says.
struct Program
{
    explicit Program(bool realPrinter = false);
    ~Program();
    QWidget *main() const { return windows->frmMain(); }
    QWidget *editor() const { return windows->frmEdit(); }
    QWidget *puzzle() const { return windows->frmDisplay(); }
    QWidget *print() const { return windows->frmPrint(); }
    QString path(const QString &name) const { return dir.filePath(name); } // in a folder of its own

    FakePlatform fakes;
    QTemporaryDir dir;
    std::unique_ptr<QtTextPrinter> printer;
    std::unique_ptr<Windows> windows;
};

namespace Detail {
QObject *find(QWidget *window, const char *name, const QMetaObject &type, const std::source_location &at);
// What stands in for a missing T: one that can be made.
template<typename T>
using StandIn = std::conditional_t<std::is_same_v<T, QAbstractItemView>, QListView,
                                   std::conditional_t<std::is_same_v<T, QAbstractButton>, QPushButton, T>>;
} // namespace Detail

// The control `name` of `window` (or the window itself). When it is missing or not a T, the test fails at the caller's
// line, naming the control, and gets a stand-in, so that it ends without a crash.
template<typename T>
T *control(QWidget *window, const QByteArray &name, std::source_location at = std::source_location::current())
{
    QObject *found = Detail::find(window, name.constData(), T::staticMetaObject, at);
    if (auto *typed = qobject_cast<T *>(found))
        return typed;
    static auto *standIn = new Detail::StandIn<T>; // kept: the failed test ends soon
    return standIn;
}

// Clicks a button as a user can: one that is shown and enabled, else the test fails.
void click(QWidget *window, const QByteArray &name, std::source_location at = std::source_location::current());
// Types each word into the editor's input box and presses Return.
void addWords(Program &program, const QStringList &words);
// A key pressed where the focus is, in the window the user works in (made active first).
void press(QKeyCombination key);
// Clicks a list's entry; twice, a double-click.
void clickEntry(QAbstractItemView *list, int row, bool twice = false);
void closeFromTitleBar(QWidget *window);
void tick(QWidget *window, const char *timer); // as a tick of the window's timer does

// A control as the user meets it. A field left empty in `expected` is not measured.
struct Seen
{
    QString caption; // a window's title, a button's or a label's text
    QRect place;     // in the window
    QString font;    // "Arial 9 bold italic"; lists keep the desktop's
    QColor face;     // on the screen, just inside its right edge
    QColor ink;      // the colour its text is drawn in
    friend bool operator==(const Seen &, const Seen &) = default;
};
Q_DECLARE_METATYPE(Seen)
char *toString(const Seen &seen);
Seen seen(QWidget *control, const Seen &expected);

QStringList entries(QAbstractItemView *list); // as shown
QString rows(QAbstractItemView *grid);        // "CAT./..../....": "." an empty cell, "/" between rows
QString marks(QAbstractItemView *list);       // "+" greyed and struck out, "-" neither, "?" one of the two
QStringList shown(QWidget *window);           // its visible controls, by name
QStringList disabled(QWidget *window);        // its disabled controls, by name
QString focused();                            // in the window the user works in
QString accessibleName(QWidget *control);
QStringList spoken();                    // what notifications said since the last call
QStringList tabOrder(int stops);         // where Tab goes from the focus
QImage onScreen(QWidget *control);       // as painted on the screen, not as it would paint now
int inkedCells(QAbstractItemView *grid); // the cells that show a letter on the screen
