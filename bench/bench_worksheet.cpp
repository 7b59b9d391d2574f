// Worksheets at their largest and at their most common: a 100 x 100 puzzle
// of 1,000 words laid out and written as a PDF file, and the preview drawn
// again at 15 x 15 when a choice changes (goal: no pause one can see, under
// 100 ms).
#include "inputs.h"
#include "lists.h"
#include "print/worksheet_pages.h"
#include "print/worksheet_window.h"
#include "program.h"
#include "puzzle/puzzle.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

namespace {

// A generated puzzle of `count` words in `size` x `size`.
Puzzle made(int size, int count)
{
    Puzzle puzzle;
    puzzle.entries = distinctEntries(count, 17, 1, 3, 10);
    ClockSeededRandom random;
    random.reseed(5);
    const GeneratorResult result = generate(puzzle.entries, size, size, AttemptLimit::QuilloBashing, random);
    CellGrid table(size, size);
    puzzle.grid.resize(size, size);
    puzzle.answer.resize(size, size);
    PuzzleFill::fill(result, random, table, puzzle.answer, puzzle.grid);
    puzzle.used = result.placed;
    puzzle.notUsed = result.notPlaced;
    puzzle.placements = result.placements;
    return puzzle;
}

void BM_WorksheetPdf100x100(benchmark::State &state)
{
    const Puzzle puzzle = made(100, 1000);
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            if (!WorksheetPages::draw(writer, puzzle, WorksheetLayout::Options()))
                state.SkipWithError("the worksheet was not drawn");
        }
        bytes = pdf.size();
    }
    state.counters["pdf_KiB"] = static_cast<double>(bytes) / 1024;
}

void BM_PreviewRedraw15x15(benchmark::State &state)
{
    Program program;
    WorksheetWindow *sheet = program.windows->frmWorksheet();
    Windows::show(sheet);
    sheet->takePuzzle(made(15, 15));
    QApplication::processEvents();
    auto *lowerCase = control<QCheckBox>(sheet, "chkLowerCase");
    for (auto _ : state) {
        lowerCase->toggle(); // a choice changed: the preview is drawn again
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_WorksheetPdf100x100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewRedraw15x15)->Unit(benchmark::kMillisecond);
