#pragma once

// Made-up input: draws played back.

#include "platform/random_source.h"

#include <QStringList>

#include <cstddef>
#include <functional>
#include <vector>

// Plays back a fixed sequence of draws; past its end it returns 0.
class ScriptedRandom final : public RandomSource
{
public:
    float next() override;
    void reseedFromTimeOfDay() override { ++reseeds; }
    // Numbers 1, 2, 3, ...; seeding with one plays `seeded(number)` from its start, if set.
    quint32 freshNumber() override { return ++numbers; }
    void seed(quint32 number) override;

    std::vector<float> draws;
    std::size_t position = 0;
    // Called at every draw: a window can be looked at while a run holds the thread.
    std::function<void()> onNext;
    int reseeds = 0;
    quint32 numbers = 0;
    QList<quint32> seeds;
    std::function<std::vector<float>(quint32)> seeded;
};

// The draw that makes floor(r * n + 1) == k.
float drawFor(int k, int n);

// A fixed, evenly spread sequence of draws for tests that need variety but not particular values.
std::vector<float> spreadDraws(std::size_t count, unsigned seed = 1);
