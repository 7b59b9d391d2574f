// "Place every word" against a single Generate: the share of a list of words
// of 3 to 9 letters hidden, and the time it takes, at the sizes a class uses
// and at the largest.
#include "inputs.h"
#include "lists.h"
#include "platform/random_source.h"
#include "puzzle/every_word.h"
#include "puzzle/generator.h"

#include <benchmark/benchmark.h>

namespace {

struct Case
{
    int words;
    int side;
};
constexpr Case cases[] = {{15, 15}, {60, 30}, {500, 100}};

// A single Generate from a fresh number, as the window makes it.
void BM_Generate(benchmark::State &state)
{
    const Case c = cases[state.range(0)];
    const QStringList words = distinctEntries(c.words, 2024, 1, 3, 9);
    ClockSeededRandom random;
    double share = 0;
    for (auto _ : state) {
        random.seed(random.freshNumber());
        const GeneratorResult result = generate(words, c.side, c.side, AttemptLimit::Thoughtful, random);
        share += static_cast<double>(result.placed.size()) / c.words;
    }
    state.counters["placed%"] = 100 * share / static_cast<double>(state.iterations());
    state.SetLabel(std::to_string(c.words) + " words, " + std::to_string(c.side) + "x" + std::to_string(c.side));
}

// The tries with the window's budget, until every word is hidden or it runs out.
void BM_PlaceEveryWord(benchmark::State &state)
{
    const Case c = cases[state.range(0)];
    const QStringList words = distinctEntries(c.words, 2024, 1, 3, 9);
    ClockSeededRandom random;
    double share = 0, tries = 0, all = 0;
    for (auto _ : state) {
        EveryWordSearch search(words, c.side, c.side, AttemptLimit::Thoughtful, random, {});
        while (search.step()) { }
        share += static_cast<double>(search.bestHidden()) / c.words;
        tries += search.tries();
        all += search.bestHidden() == c.words;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["placed%"] = 100 * share / runs;
    state.counters["all%"] = 100 * all / runs;
    state.counters["tries"] = tries / runs;
    state.SetLabel(std::to_string(c.words) + " words, " + std::to_string(c.side) + "x" + std::to_string(c.side));
}

} // namespace

BENCHMARK(BM_Generate)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
// Goal: never past the budget of 2 s; most lists of a class done in a blink.
BENCHMARK(BM_PlaceEveryWord)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
