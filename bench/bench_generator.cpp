#include "platform/random_source.h"
#include "puzzle/generator.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <unordered_set>

namespace {

// Distinct words of 3-12 letters, the same on every run.
QStringList makeWords(int count)
{
    std::mt19937 rng(12345);
    std::unordered_set<std::string> seen;
    QStringList words;
    words.reserve(count);
    while (words.size() < count) {
        std::string word(3 + rng() % 10, ' ');
        for (char &letter : word)
            letter = static_cast<char>('A' + rng() % 26);
        if (seen.insert(word).second)
            words << QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
    }
    return words;
}

void runGenerator(benchmark::State &state, int size, std::int64_t limit)
{
    const QStringList words = makeWords(static_cast<int>(state.range(0)));
    ClockSeededRandom random;
    qsizetype placed = 0;
    for (auto _ : state) {
        random.reseed(43210.5);
        const GeneratorResult result = generate(words, size, size, limit, random);
        placed = result.placed.size();
        benchmark::DoNotOptimize(result.cells.data());
    }
    state.counters["placed"] = static_cast<double>(placed);
}

void BM_Thoughtful15x15(benchmark::State &state)
{
    runGenerator(state, 15, AttemptLimit::Thoughtful);
}

void BM_QuilloBashing100x100(benchmark::State &state)
{
    runGenerator(state, 100, AttemptLimit::QuilloBashing);
}

} // namespace

BENCHMARK(BM_Thoughtful15x15)->Arg(15)->Unit(benchmark::kMillisecond);
// Goals: 1,000 words under 20 ms, 32,767 under 200 ms.
BENCHMARK(BM_QuilloBashing100x100)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
