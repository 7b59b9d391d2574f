#pragma once

#include "platform/random_source.h"

#include <cstddef>
#include <vector>

// Plays back a fixed sequence of draws; past its end it keeps returning `fallback`.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<float> sequence) : draws(std::move(sequence)) {}

    float next() override;
    void reseedFromTimeOfDay() override { ++reseeds; }

    std::vector<float> draws;
    std::size_t position = 0;
    float fallback = 0.0f;
    int reseeds = 0;
};

// The draw that makes floor(r * n + 1) == k.
float drawFor(int k, int n);

// A fixed, evenly spread sequence of draws for tests that need variety but
// not particular values.
std::vector<float> spreadDraws(std::size_t count, unsigned seed = 1);
