#pragma once

#include <QElapsedTimer>
#include <QStringList>

#include <cstdint>

class RandomSource;

// "Place every word": the generator run again and again, each time from a
// fresh puzzle number and each run the generator's own, until every entry is
// hidden or the budget is spent. The best run is kept: the most entries
// hidden, the first such run on a tie; its number makes the puzzle again.
// A try at a time, so that a window stays live between tries.
class EveryWordSearch
{
public:
    struct Budget
    {
        int tries = 200;
        qint64 milliseconds = 2000;
    };

    EveryWordSearch(const QStringList &entries, int width, int height, std::int64_t attemptLimit, RandomSource &random,
                    Budget budget);

    // One more try; false once the search is over.
    bool step();
    // Over now, the best so far kept.
    void stop() { m_over = true; }

    bool over() const { return m_over; }
    int tries() const { return m_tries; }
    int budgetTries() const { return m_budget.tries; }
    quint32 bestNumber() const { return m_bestNumber; }
    int bestTry() const { return m_bestTry; }
    qsizetype bestHidden() const { return m_bestHidden; }
    qsizetype entryCount() const { return m_entries.size(); }

    // "All 15 words placed (try 3)", or "14 of 15 placed after 200 tries".
    QString summary() const;

private:
    QStringList m_entries;
    int m_width;
    int m_height;
    std::int64_t m_limit;
    RandomSource &m_random;
    Budget m_budget;
    QElapsedTimer m_clock;
    int m_tries = 0;
    int m_bestTry = 0;
    quint32 m_bestNumber = 0;
    qsizetype m_bestHidden = -1;
    bool m_over = false;
};
