#include "inputs.h"

#include <QSet>

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

QStringList distinctEntries(int count, unsigned seed, int maxWords, int minLetters, int maxLetters, int alphabet)
{
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> words(1, maxWords);
    std::uniform_int_distribution<int> letters(minLetters, maxLetters);
    std::uniform_int_distribution<int> letter(0, alphabet - 1);
    QStringList entries;
    entries.reserve(count);
    QSet<QString> seen;
    while (entries.size() < count) {
        QString entry;
        for (int w = words(engine); w > 0; --w) {
            if (!entry.isEmpty())
                entry += QLatin1Char(' ');
            for (int l = letters(engine); l > 0; --l)
                entry += QLatin1Char(static_cast<char>('A' + letter(engine)));
        }
        if (!seen.contains(entry)) {
            seen.insert(entry);
            entries.append(entry);
        }
    }
    return entries;
}
