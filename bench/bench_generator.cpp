#include "inputs.h"
#include "lists.h"
#include "platform/random_source.h"
#include "puzzle/generator.h"

#include <benchmark/benchmark.h>

namespace {

void runGenerator(benchmark::State &state, int size, std::int64_t limit)
{
    const QStringList words = distinctEntries(static_cast<int>(state.range(0)), 12345);
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
