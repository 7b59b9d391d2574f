#include "random_source.h"

#include <QTime>

#include <algorithm>
#include <bit>
#include <cmath>

int drawWhole(RandomSource &random, int n)
{
    const double r = static_cast<double>(random.next());
    const int value = static_cast<int>(std::floor(r * n + 1.0));
    return std::clamp(value, 1, n);
}

char drawLetter(RandomSource &random)
{
    return static_cast<char>('A' + drawWhole(random, 26) - 1);
}

ClockSeededRandom::ClockSeededRandom()
{
    reseedFromTimeOfDay();
}

float ClockSeededRandom::next()
{
    // The top 24 bits give every float of the form k / 2^24 exactly, all below 1;
    // std::generate_canonical<float> may return 1.0f on some libraries.
    return static_cast<float>(m_engine() >> 8) * 0x1.0p-24f;
}

void ClockSeededRandom::reseedFromTimeOfDay()
{
    reseed(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

void ClockSeededRandom::reseed(double secondsSinceMidnight)
{
    const auto bits = std::bit_cast<std::uint64_t>(secondsSinceMidnight);
    std::seed_seq seq{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    m_engine.seed(seq);
}
