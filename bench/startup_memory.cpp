// Measures start-up to the main window shown, and resident memory after a
// 100 x 100 puzzle of 1,000 words is generated and shown. Run it a few times:
//   QT_QPA_PLATFORM=offscreen bench/startup_memory
#include "app/main_window.h"
#include "app/qt_platform.h"
#include "app/windows.h"
#include "editor/editor_window.h"
#include "inputs.h"
#include "lists.h"
#include "program.h"
#include "puzzle/puzzle_window.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <chrono>
#include <cstdio>

namespace {

class NoExit final : public ProcessExit
{
public:
    void exitNow() override { }
};

// Resident set size in MiB, from /proc.
double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    const auto started = std::chrono::steady_clock::now();
    QApplication app(argc, argv);

    QtPlatform qt;
    NoExit noExit;
    const Platform real = qt.platform();
    Windows windows(Platform{real.messageBox, real.fileDialog, real.printer, real.random, noExit, real.dialogs});
    MainWindow *main = windows.frmMain();
    Windows::show(main);
    if (!QTest::qWaitForWindowExposed(main))
        return 1;
    const double startupMs
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    const double startupMiB = residentMiB();

    EditorWindow *editor = windows.frmEdit();
    for (const QString &word : distinctEntries(1000, 7)) {
        control<QLineEdit>(editor, "txtinput")->setText(word);
        QMetaObject::invokeMethod(editor, "cmdadd_Click");
    }
    QMetaObject::invokeMethod(editor, "cmdBack_Click");
    control<QScrollBar>(main, "hsbLength")->setValue(100);
    control<QScrollBar>(main, "vsbHeight")->setValue(100);
    control<QPushButton>(main, "cmdPrint")->click();
    PuzzleWindow *puzzle = windows.frmDisplay();
    control<QRadioButton>(puzzle, "optvs")->setChecked(true);
    control<QPushButton>(puzzle, "cmdGenerate")->click();
    control<QPushButton>(puzzle, "cmdPuzzle")->click();
    QTest::qWait(50);

    std::printf("start-up to main window shown: %.1f ms (resident %.1f MiB)\n", startupMs, startupMiB);
    std::printf("resident after a 100 x 100 puzzle of 1,000 words: %.1f MiB\n", residentMiB());
    return 0;
}
