#include "puzzle/every_word.h"

#include "platform/random_source.h"
#include "puzzle/generator.h"
#include "puzzle/puzzle.h"

#include <algorithm>

EveryWordSearch::EveryWordSearch(const QStringList &entries, int width, int height, std::int64_t attemptLimit,
                                 RandomSource &random, Budget budget)
    : m_entries(entries)
    , m_width(width)
    , m_height(height)
    , m_limit(attemptLimit)
    , m_random(random)
    , m_budget(budget)
{
    m_clock.start();
}

bool EveryWordSearch::step()
{
    if (m_over)
        return false;
    const quint32 number = m_random.freshNumber();
    m_random.seed(number);
    const GeneratorResult result = generate(m_entries, m_width, m_height, m_limit, m_random);
    ++m_tries;
    const QList<bool> marks = notHiddenMarks(m_entries, m_entries, result.placed);
    const qsizetype hidden = m_entries.size() - std::count(marks.begin(), marks.end(), true);
    if (hidden > m_bestHidden) {
        m_bestHidden = hidden;
        m_bestNumber = number;
        m_bestTry = m_tries;
    }
    // Nothing to place is the same every time.
    m_over = result.noWords || hidden == m_entries.size() || m_tries >= m_budget.tries
        || m_clock.elapsed() >= m_budget.milliseconds;
    return !m_over;
}

QString EveryWordSearch::summary() const
{
    if (m_bestHidden == m_entries.size())
        return m_entries.size() == 1
            ? QStringLiteral("The word placed (try %1)").arg(m_bestTry)
            : QStringLiteral("All %1 words placed (try %2)").arg(m_entries.size()).arg(m_bestTry);
    return QStringLiteral("%1 of %2 placed after %3 %4")
        .arg(std::max<qsizetype>(m_bestHidden, 0))
        .arg(m_entries.size())
        .arg(m_tries)
        .arg(m_tries == 1 ? QStringLiteral("try") : QStringLiteral("tries"));
}
