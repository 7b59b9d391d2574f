#include "puzzle/generator.h"

#include "platform/random_source.h"

#include <array>
#include <cstddef>
#include <string>

namespace {

// Which side of the start cell a fit test measures the room on.
enum class Room : unsigned char { Right, Down, Left, Up };

struct FitTest
{
    Room room;
    int next;         // direction taken when the test fails
    int extra;        // added to the pass counter on failure
    bool doublesPass; // direction 4: the pass counter p becomes 2p + 1 instead
};

struct Direction
{
    int rowStep;
    int colStep;
    int testCount;
    std::array<FitTest, 2> tests;
};

// Indexed by direction number 1..8; the order of the tests matters, because
// the first failure decides the next direction and the extra.
constexpr std::array<Direction, 9> directions{{
    {0, 0, 0, {}},
    {0, +1, 1, {{{Room::Right, 3, 1, false}, {}}}},
    {+1, +1, 2, {{{Room::Right, 3, 0, false}, {Room::Down, 5, 2, false}}}},
    {+1, 0, 1, {{{Room::Down, 5, 1, false}, {}}}},
    {+1, -1, 2, {{{Room::Left, 7, 0, true}, {Room::Down, 5, 0, false}}}},
    {0, -1, 1, {{{Room::Left, 7, 1, false}, {}}}},
    {-1, -1, 2, {{{Room::Left, 7, 0, false}, {Room::Up, 1, 2, false}}}},
    {-1, 0, 1, {{{Room::Up, 1, 1, false}, {}}}},
    {-1, +1, 2, {{{Room::Up, 1, 0, false}, {Room::Right, 3, 2, false}}}},
}};

constexpr int passesPerAttempt = 9;

struct Word
{
    QString text;      // blank-free, as it goes into the lists
    std::string bytes; // the same letters, compared byte by byte
};

// Entries longer than both sides are dropped, measured with their blanks (NEW
// YORK does not fit 7 x 7 although NEWYORK would); the rest keep their order.
std::vector<Word> prepareWords(const QStringList &entries, int width, int height)
{
    std::vector<Word> words;
    words.reserve(static_cast<std::size_t>(entries.size()));
    for (const QString &entry : entries) {
        if (entry.isEmpty() || (entry.size() > height && entry.size() > width))
            continue;
        Word word;
        word.text = entry;
        word.text.remove(QLatin1Char(' '));
        if (word.text.isEmpty())
            continue;
        const QByteArray latin1 = word.text.toLatin1();
        word.bytes.assign(latin1.constData(), static_cast<std::size_t>(latin1.size()));
        words.push_back(std::move(word));
    }
    return words;
}

bool fits(Room room, int length, int x, int y, int width, int height)
{
    // Growing coordinates use L <= W - X, not W - X + 1: such a line never
    // reaches the last column or row. Shrinking ones may end in column or row 1.
    switch (room) {
    case Room::Right:
        return length <= width - x;
    case Room::Down:
        return length <= height - y;
    case Room::Left:
        return length <= x;
    case Room::Up:
        return length <= y;
    }
    return false;
}

class Run
{
public:
    Run(int width, int height, std::int64_t attemptLimit, RandomSource &random)
        : m_width(width)
        , m_height(height)
        , m_limit(attemptLimit)
        , m_random(random)
        , m_grid(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), '\0')
    {
    }

    // Attempts until the word is written or the run's attempts are used up.
    void placeWord(const Word &word, bool first, GeneratorResult &result)
    {
        // Only the harder levels push words to cross earlier ones.
        const bool raisesQuota = !first && m_limit > 1500;
        // Earlier words never change while this one is tried, so its pair count
        // is a constant; counted from letter totals, it equals the letter-by-letter pairing.
        std::int64_t pairCount = 0;
        if (raisesQuota) {
            for (const char letter : word.bytes)
                pairCount += m_earlierLetters[static_cast<unsigned char>(letter)];
        }

        std::int64_t quota = 0;
        bool done = false;
        while (!done) {
            if (raisesQuota && (quota + 1) * m_attempts < m_limit)
                quota += pairCount;
            ++m_attempts;
            const bool wrote = attempt(word, quota, result.placements);
            if (quota * m_attempts > m_limit / 2)
                --quota;
            if (wrote) {
                result.placed.append(word.text);
                done = true;
            }
            if (m_attempts > m_limit) {
                result.notPlaced.append(word.text);
                done = true;
            }
        }

        for (const char letter : word.bytes)
            ++m_earlierLetters[static_cast<unsigned char>(letter)];
    }

    std::vector<char> takeGrid() { return std::move(m_grid); }

private:
    // One start cell and direction, up to nine passes; true when the word was
    // written, and then where it went is recorded, which draws nothing.
    bool attempt(const Word &placing, std::int64_t &quota, QList<Placement> &placements)
    {
        const std::string &word = placing.bytes;
        const int x = drawWhole(m_random, m_width);
        const int y = drawWhole(m_random, m_height);
        int d = drawWhole(m_random, 8);
        const int length = static_cast<int>(word.size());

        int pass = 0;
        while (pass < passesPerAttempt) {
            ++pass;
            const Direction &dir = directions[static_cast<std::size_t>(d)];
            bool fitted = true;
            for (int t = 0; t < dir.testCount; ++t) {
                const FitTest &test = dir.tests[static_cast<std::size_t>(t)];
                if (!fits(test.room, length, x, y, m_width, m_height)) {
                    d = test.next;
                    pass = test.doublesPass ? 2 * pass + 1 : pass + test.extra;
                    fitted = false;
                    break;
                }
            }
            if (!fitted)
                continue;

            const std::ptrdiff_t step = static_cast<std::ptrdiff_t>(dir.rowStep) * m_width + dir.colStep;
            const std::ptrdiff_t start = static_cast<std::ptrdiff_t>(y - 1) * m_width + (x - 1);
            char *const cells = m_grid.data() + start;
            // Stopping at the first conflict gives the same outcome as scanning
            // all L cells: a conflicting pass changes nothing.
            bool conflict = false;
            int crossings = 0;
            for (int i = 0; i < length; ++i) {
                const char cell = cells[i * step];
                if (cell == '\0')
                    continue;
                if (cell != word[static_cast<std::size_t>(i)]) {
                    conflict = true;
                    break;
                }
                ++crossings;
            }
            if (conflict)
                continue;
            quota -= crossings;
            if (quota == 0) {
                for (int i = 0; i < length; ++i)
                    cells[i * step] = word[static_cast<std::size_t>(i)];
                placements.append({placing.text, y - 1, x - 1, dir.rowStep, dir.colStep, length});
                return true;
            }
        }
        return false;
    }

    const int m_width;
    const int m_height;
    const std::int64_t m_limit;
    RandomSource &m_random;
    std::vector<char> m_grid; // work-grid cell (r, c), 1-based, at (r - 1) * W + (c - 1)
    std::int64_t m_attempts = 0;
    // How often each byte occurs in the words already taken up, placed or not.
    std::array<std::int64_t, 256> m_earlierLetters{};
};

} // namespace

GeneratorResult generate(const QStringList &entries, int width, int height, std::int64_t attemptLimit,
                         RandomSource &random, const GeneratorProgress &progress)
{
    GeneratorResult result;
    const std::vector<Word> words = prepareWords(entries, width, height);
    if (words.empty()) {
        result.noWords = true;
        return result;
    }

    result.width = width;
    result.height = height;
    result.wordCount = static_cast<qsizetype>(words.size());
    if (progress.started)
        progress.started(result.wordCount);

    Run run(width, height, attemptLimit, random);
    bool first = true;
    for (const Word &word : words) {
        run.placeWord(word, first, result);
        first = false;
        if (progress.wordFinished)
            progress.wordFinished();
    }
    result.cells = run.takeGrid();
    return result;
}
