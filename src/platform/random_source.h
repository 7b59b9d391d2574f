#pragma once

#include <cstdint>
#include <random>

// The program's one source of uniform draws r with 0 <= r < 1.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual float next() = 0;
    // Reseeds from the time of day (seconds since midnight, fraction included).
    virtual void reseedFromTimeOfDay() = 0;
};

// floor(r * n + 1) for n >= 1: a whole number from 1 to n. Computed in double
// and capped, so a draw just below 1 can never round up to n + 1.
int drawWhole(RandomSource &random, int n);

// 'A' + floor(r * 26): never past 'Z'.
char drawLetter(RandomSource &random);

// The production source: a Mersenne twister seeded from the clock.
class ClockSeededRandom final : public RandomSource
{
public:
    ClockSeededRandom();

    float next() override;
    void reseedFromTimeOfDay() override;
    void reseed(double secondsSinceMidnight);

private:
    std::mt19937 m_engine;
};
