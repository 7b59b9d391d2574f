#include "platform/random_source.h"

#include <QRandomGenerator>
#include <QTime>

#include <bit>
#include <cstdint>

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

quint32 ClockSeededRandom::freshNumber()
{
    // Apart from the draws, so that picking a number draws nothing of a puzzle's.
    return QRandomGenerator::global()->bounded(1u, lastPuzzleNumber + 1);
}

void ClockSeededRandom::seed(quint32 number)
{
    std::seed_seq seq{number};
    m_engine.seed(seq);
}

void ClockSeededRandom::reseed(double secondsSinceMidnight)
{
    const auto bits = std::bit_cast<std::uint64_t>(secondsSinceMidnight);
    std::seed_seq seq{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    m_engine.seed(seq);
}
