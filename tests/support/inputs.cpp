#include "inputs.h"

#include <random>

float ScriptedRandom::next()
{
    if (onNext)
        onNext();
    return position++ < draws.size() ? draws[position - 1] : 0.0f;
}

void ScriptedRandom::seed(quint32 number)
{
    seeds.append(number);
    if (seeded) {
        draws = seeded(number);
        position = 0;
    }
}

float drawFor(int k, int n)
{
    // The middle of the k-th of n equal slices of [0, 1).
    return static_cast<float>((k - 0.5) / n);
}

std::vector<float> spreadDraws(std::size_t count, unsigned seed)
{
    std::mt19937 engine(seed);
    std::vector<float> draws(count);
    for (float &draw : draws)
        draw = static_cast<float>(engine() >> 8) * 0x1.0p-24f;
    return draws;
}
