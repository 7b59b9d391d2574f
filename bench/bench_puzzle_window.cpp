// The puzzle window at its largest: Generate at 100 x 100 "Quillo Bashing"
// (goals: 1,000 words under 50 ms, 30,000 under 300 ms) and Display Whole
// Puzzle of a 100 x 100 puzzle (goal: under 30 ms), each including the paint.
#include "app/main_window.h"
#include "editor/editor_window.h"
#include "inputs.h"
#include "lists.h"
#include "platform/random_source.h"
#include "program.h"
#include "puzzle/puzzle_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Adds each word in the editor, then goes back to the main window.
void enterWords(Windows &windows, const QStringList &words)
{
    EditorWindow *editor = windows.frmEdit();
    for (const QString &word : words) {
        control<QLineEdit>(editor, "txtinput")->setText(word);
        QMetaObject::invokeMethod(editor, "cmdadd_Click");
    }
    control<QPushButton>(editor, "cmdBack")->click();
}

// A 100 x 100 puzzle window, shown, with `count` words handed over.
struct BigPuzzle
{
    explicit BigPuzzle(int count)
    {
        Platform platform = fakes.platform();
        windows = std::make_unique<Windows>(Platform{platform.messageBox, platform.fileDialog, platform.printer, random,
                                                     platform.processExit, platform.dialogs});
        Windows::show(windows->frmMain());
        enterWords(*windows, distinctEntries(count, 99));
        control<QScrollBar>(windows->frmMain(), "hsbLength")->setValue(100);
        control<QScrollBar>(windows->frmMain(), "vsbHeight")->setValue(100);
        control<QPushButton>(windows->frmMain(), "cmdPrint")->click();
        puzzle = windows->frmDisplay();
        control<QRadioButton>(puzzle, "optvs")->setChecked(true);
        QApplication::processEvents();
    }

    FakePlatform fakes;
    ClockSeededRandom random;
    std::unique_ptr<Windows> windows;
    PuzzleWindow *puzzle = nullptr;
};

void BM_GenerateClick(benchmark::State &state)
{
    BigPuzzle big(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        big.random.reseed(1234.5);
        control<QPushButton>(big.puzzle, "cmdGenerate")->click();
        QApplication::processEvents(); // the paint that follows the click
    }
    state.counters["placed"] = static_cast<double>(big.puzzle->puzzle().used.size());
}
BENCHMARK(BM_GenerateClick)->Arg(1000)->Arg(30000)->Unit(benchmark::kMillisecond);

void BM_DisplayWholePuzzle(benchmark::State &state)
{
    BigPuzzle big(1000);
    control<QPushButton>(big.puzzle, "cmdGenerate")->click();
    for (auto _ : state) {
        state.PauseTiming();
        control<QPushButton>(big.puzzle, "cmdAnswer")->click(); // so every display changes the cells
        big.puzzle->repaint();
        state.ResumeTiming();
        control<QPushButton>(big.puzzle, "cmdPuzzle")->click();
        big.puzzle->repaint();
    }
}
BENCHMARK(BM_DisplayWholePuzzle)->Unit(benchmark::kMillisecond);

} // namespace
