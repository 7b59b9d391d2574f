#include "scripted_random.h"

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
