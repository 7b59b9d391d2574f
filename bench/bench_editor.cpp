// The editor's add path at scale: 30,000 typed words, and a 30,000-word file
// loaded through "Load Word List". Goal for each: under 1 s.
#include "editor/editor_window.h"
#include "editor/word_list_file.h"
#include "inputs.h"
#include "lists.h"
#include "program.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int wordCount = 30000;

// Distinct lower-case words of 1-2 parts, as a user would type them.
const QStringList &words()
{
    static const QStringList list = [] {
        QStringList typed = distinctEntries(wordCount, 4711, 2, 3, 9);
        for (QString &word : typed)
            word = word.toLower();
        return typed;
    }();
    return list;
}

// A fresh program with the editor shown, as the user sees it.
std::unique_ptr<Program> openEditor()
{
    auto program = std::make_unique<Program>();
    Windows::show(program->windows->frmEdit());
    QApplication::processEvents();
    return program;
}

void BM_AddTypedWords(benchmark::State &state)
{
    const QStringList &input = words();
    for (auto _ : state) {
        state.PauseTiming();
        auto program = openEditor();
        EditorWindow *editor = program->windows->frmEdit();
        auto *box = control<QLineEdit>(editor, "txtinput");
        state.ResumeTiming();

        for (const QString &word : input) {
            box->setText(word);
            QMetaObject::invokeMethod(editor, "cmdadd_Click");
        }
        // Let the list view lay itself out and paint, as it would on screen.
        QApplication::processEvents();

        state.PauseTiming();
        if (editor->entries().size() != input.size())
            state.SkipWithError("not every word was added");
        program.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * input.size());
}

void BM_LoadFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.lx"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(WordListFile::format(words())) < 0) {
            state.SkipWithError("could not write the word file");
            return;
        }
    }

    for (auto _ : state) {
        state.PauseTiming();
        auto program = openEditor();
        EditorWindow *editor = program->windows->frmEdit();
        program->fakes.openAnswers.append(path);
        state.ResumeTiming();

        QMetaObject::invokeMethod(editor, "cmdLoad_Click");
        QApplication::processEvents();

        state.PauseTiming();
        if (editor->entries().size() != words().size())
            state.SkipWithError("not every word was loaded");
        program.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * words().size());
}

} // namespace

BENCHMARK(BM_AddTypedWords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);
