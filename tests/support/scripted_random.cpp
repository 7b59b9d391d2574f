#include "scripted_random.h"

#include <random>

float ScriptedRandom::next()
{
    if (position < draws.size())
        return draws[position++];
    ++position;
    return fallback;
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
