#pragma once

#include <algorithm>
#include <cmath>
#include <random>

#include <QtGlobal>

// The program's one source of uniform draws r with 0 <= r < 1. The generator
// and the fill need only this interface and the two draws below, which stay
// inline so that pure logic takes nothing else from here.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual float next() = 0;
    // Reseeds from the time of day (seconds since midnight, fraction included).
    virtual void reseedFromTimeOfDay() = 0;
    // A puzzle number for the next Generate, from 1 to lastPuzzleNumber.
    virtual quint32 freshNumber() = 0;
    // Reseeds from a puzzle number: the same number gives the same draws.
    virtual void seed(quint32 number) = 0;
};

// Nine digits at most: a number a teacher can read out and type again.
inline constexpr quint32 lastPuzzleNumber = 999'999'999;

// floor(r * n + 1) for n >= 1: a whole number from 1 to n. Computed in double
// and capped, so a draw just below 1 can never round up to n + 1.
inline int drawWhole(RandomSource &random, int n)
{
    const double r = static_cast<double>(random.next());
    return std::clamp(static_cast<int>(std::floor(r * n + 1.0)), 1, n);
}

// 'A' + floor(r * 26): never past 'Z'.
inline char drawLetter(RandomSource &random)
{
    return static_cast<char>('A' + drawWhole(random, 26) - 1);
}

// The production source: a Mersenne twister seeded from the clock.
class ClockSeededRandom final : public RandomSource
{
public:
    ClockSeededRandom();

    float next() override;
    void reseedFromTimeOfDay() override;
    quint32 freshNumber() override;
    void seed(quint32 number) override;
    void reseed(double secondsSinceMidnight);

private:
    std::mt19937 m_engine;
};
