#pragma once

#include "app/windows.h"
#include "fakes.h"

#include <QHash>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QtTextPrinter;

// A fresh program for one test: fake seams, the registry, the main window
// shown. With `toPdf`, jobs go through the real printer, which (with no
// printer installed) saves them where the fake save dialog says.
struct TestProgram
{
    explicit TestProgram(bool toPdf = false);
    ~TestProgram();

    MainWindow *main() const { return windows->frmMain(); }
    EditorWindow *editor() const { return windows->frmEdit(); }
    PuzzleWindow *puzzle() const { return windows->frmDisplay(); }

    FakePlatform fakes;
    std::unique_ptr<QtTextPrinter> printer;
    std::unique_ptr<Windows> windows;
};

// Plays a user's steps on a TestProgram, in order, and checks what the user would see. Actions:
// click N | type T, add W,W (typed into the editor's box; add presses Return after each) | keys T |
// press K (Return, Enter, Space, Tab, Shift+Tab, Ctrl+X...) | focus N | activate N | close N (from
// the title bar) | set N V | wheel N n (notches down) | tick N (a timer) | row N I | dblclick N I
// (-1: empty space) | file F BYTES | open F, save F (the next dialog's answer) | draws spread,
// draws k/n ... (each the draw giving k of n) | watch W (shown:W, disabled:W at the next run).
// Checks: N:shown|hidden|on|off|checked|focus|running|stopped|centred|moved | N=TEXT, with what
// N shows (a list's entries joined by ","; a grid's rows by "/", "." for an empty cell; a bar's
// value; a progress bar's "value/maximum"; a timer's interval) or a reading: box ("title|text"),
// boxes, job (lines joined by "/"), jobs, blinks (the alert line at each tick), marks ("+" struck
// out), lstUsed, lstnotused, GrdPuzzle, GrdAnswer, widths, cells, limit, reseeds, exits, closed (in
// order), pressed (by the last key), fonts, dialog ("filter|title|suffix"), file:F, name:N, tip:N,
// shown:W, disabled:W, unnamed (focusable, without a name). W.N names N's window.
class Script : public QObject
{
public:
    explicit Script(TestProgram &program);

    // Runs `steps`; "" when every check held, else the first failure.
    QString run(const QStringList &steps);
    QString path(const QString &file) const { return m_dir.filePath(file); }
    // What N shows, or a reading: the left side of an N=TEXT check.
    QString read(const QString &name);

private:
    QWidget *find(const QString &name) const;
    QString check(const QString &step);
    QString act(const QString &verb, const QString &argument);
    bool eventFilter(QObject *watched, QEvent *event) override;

    TestProgram &m_program;
    QTemporaryDir m_dir;
    QStringList m_closed;
    QStringList m_pressed;
    QHash<QString, QString> m_watched;
};

// Steps written as plain literals.
QStringList steps(std::initializer_list<const char *> list);

// Fails the running test at the first step that does not hold.
#define QPLAY(script, ...)                                                                                             \
    do {                                                                                                               \
        const QString failed_ = (script).run(__VA_ARGS__);                                                             \
        QVERIFY2(failed_.isEmpty(), qPrintable(failed_));                                                              \
    } while (false)
