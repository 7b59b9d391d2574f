// Grid size, level, word list and every random draw come from the input, so
// libFuzzer steers the generator itself. Input layout:
//   byte 0   width  3 + b % 98
//   byte 1   height 3 + b % 98
//   byte 2   level  b % 3: No Brainer, Thoughtful, Quillo Bashing
//   then     entries separated by '\n', up to a 0 byte or the end; letters
//            are upper-cased, a blank stays, any other byte becomes a letter
//   then     one draw per byte, b / 256 (255 gives the largest float below
//            1); past the last, draws from a generator seeded by these bytes

#include "platform/random_source.h"
#include "puzzle/generator.h"

#include "fuzz_check.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Bounds that keep one run short: the attempt limit is the cost that stays.
constexpr qsizetype maxEntries = 64;
constexpr qsizetype maxEntryLength = 120;

class ByteDraws final : public RandomSource
{
public:
    explicit ByteDraws(std::vector<std::uint8_t> bytes)
        : m_bytes(std::move(bytes))
    {
        for (const std::uint8_t b : m_bytes)
            m_state = (m_state ^ b) * 0x100000001B3u;
    }

    float next() override
    {
        ++count;
        if (m_position < m_bytes.size()) {
            const std::uint8_t b = m_bytes[m_position++];
            return b == 255 ? std::nextafter(1.0f, 0.0f) : static_cast<float>(b) / 256.0f;
        }
        return static_cast<float>(mix() >> 40) * 0x1.0p-24f;
    }
    void reseedFromTimeOfDay() override { FUZZ_CHECK(false); }
    quint32 freshNumber() override { return 1; }
    void seed(quint32) override { FUZZ_CHECK(false); }

    std::int64_t count = 0;

private:
    // Past the script, draws go on from a seed of it: replaying a short
    // script would repeat a few attempts until the limit, and most runs
    // would place nothing.
    std::uint64_t mix()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    std::vector<std::uint8_t> m_bytes;
    std::size_t m_position = 0;
    std::uint64_t m_state = 0xCBF29CE484222325u;
};

struct Input
{
    int width = 3;
    int height = 3;
    std::int64_t limit = AttemptLimit::NoBrainer;
    QStringList entries;
    std::vector<std::uint8_t> draws;
};

char entryChar(std::uint8_t b)
{
    if (b == ' ' || (b >= 'A' && b <= 'Z'))
        return static_cast<char>(b);
    if (b >= 'a' && b <= 'z')
        return static_cast<char>(b - 'a' + 'A');
    return static_cast<char>('A' + b % 26);
}

Input decode(const std::uint8_t *data, std::size_t size)
{
    Input in;
    if (size < 3)
        return in;
    in.width = 3 + data[0] % 98;
    in.height = 3 + data[1] % 98;
    constexpr std::array limits{AttemptLimit::NoBrainer, AttemptLimit::Thoughtful, AttemptLimit::QuilloBashing};
    in.limit = limits[data[2] % 3];

    std::size_t i = 3;
    QString entry;
    for (; i < size && data[i] != 0; ++i) {
        if (data[i] == '\n') {
            if (in.entries.size() < maxEntries)
                in.entries.append(entry);
            entry.clear();
        } else if (entry.size() < maxEntryLength) {
            entry += QLatin1Char(entryChar(data[i]));
        }
    }
    if (in.entries.size() < maxEntries)
        in.entries.append(entry);
    if (i < size)
        in.draws.assign(data + i + 1, data + size);
    return in;
}

// The words the generator must take up: those that fit one side with their
// blanks and keep a letter once the blanks are gone.
QStringList wordsToPlace(const Input &in)
{
    QStringList words;
    for (const QString &entry : in.entries) {
        if (entry.size() > in.width && entry.size() > in.height)
            continue;
        QString word = entry;
        word.remove(QLatin1Char(' '));
        if (!word.isEmpty())
            words.append(word);
    }
    return words;
}

constexpr std::array<std::array<int, 2>, 8> lineSteps{{
    {0, 1},
    {1, 1},
    {1, 0},
    {1, -1},
    {0, -1},
    {-1, -1},
    {-1, 0},
    {-1, 1},
}};

// Marks the cells of every straight line that spells `word`; false if none does.
bool markLines(const GeneratorResult &r, const QString &word, std::vector<bool> &covered)
{
    bool found = false;
    const qsizetype length = word.size();
    for (int row = 0; row < r.height; ++row) {
        for (int col = 0; col < r.width; ++col) {
            if (r.cell(row, col) != word[0].toLatin1())
                continue;
            for (const auto &[dr, dc] : lineSteps) {
                const qsizetype endRow = row + dr * (length - 1);
                const qsizetype endCol = col + dc * (length - 1);
                if (endRow < 0 || endRow >= r.height || endCol < 0 || endCol >= r.width)
                    continue;
                qsizetype i = 1;
                while (i < length
                       && r.cell(row + dr * static_cast<int>(i), col + dc * static_cast<int>(i)) == word[i].toLatin1())
                    ++i;
                if (i < length)
                    continue;
                found = true;
                for (i = 0; i < length; ++i) {
                    const qsizetype cell = (row + dr * i) * r.width + col + dc * i;
                    covered[static_cast<std::size_t>(cell)] = true;
                }
            }
        }
    }
    return found;
}

void checkGrid(const Input &in, const GeneratorResult &r)
{
    FUZZ_CHECK(r.width == in.width && r.height == in.height);
    FUZZ_CHECK(r.cells.size() == static_cast<std::size_t>(in.width) * static_cast<std::size_t>(in.height));
    std::int64_t filled = 0;
    for (const char c : r.cells) {
        FUZZ_CHECK(c == '\0' || (c >= 'A' && c <= 'Z'));
        filled += c != '\0';
    }

    // Every placed word reads along a straight line, and no letter stands
    // outside such a line.
    std::vector<bool> covered(r.cells.size(), false);
    QSet<QString> searched;
    std::int64_t placedLetters = 0;
    for (const QString &word : r.placed) {
        placedLetters += word.size();
        if (searched.contains(word))
            continue;
        searched.insert(word);
        FUZZ_CHECK(markLines(r, word, covered));
    }
    for (std::size_t i = 0; i < r.cells.size(); ++i)
        FUZZ_CHECK(r.cells[i] == '\0' || covered[i]);
    // Crossings are only ever asked for above No Brainer; without them a
    // crossing pass can never be written.
    if (in.limit == AttemptLimit::NoBrainer)
        FUZZ_CHECK(filled == placedLetters);
    else
        FUZZ_CHECK(filled <= placedLetters);
}

// Words finish in order, and the one that runs past the limit and every one
// after it (one attempt each) are not placed; any of those may still have been
// written by its last attempt, and then stands in both lists.
void checkLists(const QStringList &words, const GeneratorResult &r)
{
    FUZZ_CHECK(r.notPlaced.size() <= words.size());
    const qsizetype inTime = words.size() - r.notPlaced.size();
    FUZZ_CHECK(r.notPlaced == words.sliced(inTime));
    FUZZ_CHECK(r.placed.size() >= inTime && r.placed.first(inTime) == words.first(inTime));
    qsizetype p = inTime;
    for (qsizetype i = inTime; i < words.size() && p < r.placed.size(); ++i)
        p += r.placed[p] == words[i];
    FUZZ_CHECK(p == r.placed.size());
}

bool sameResult(const GeneratorResult &a, const GeneratorResult &b)
{
    return a.noWords == b.noWords && a.width == b.width && a.height == b.height && a.wordCount == b.wordCount
        && a.cells == b.cells && a.placed == b.placed && a.notPlaced == b.notPlaced;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Input in = decode(data, size);
    const QStringList words = wordsToPlace(in);

    ByteDraws random(in.draws);
    qsizetype startedWith = -1;
    qsizetype finished = 0;
    GeneratorProgress progress;
    progress.started = [&](qsizetype m) {
        FUZZ_CHECK(startedWith == -1 && finished == 0);
        startedWith = m;
    };
    progress.wordFinished = [&] {
        FUZZ_CHECK(startedWith >= 0);
        ++finished;
    };
    const GeneratorResult r = generate(in.entries, in.width, in.height, in.limit, random, progress);

    FUZZ_CHECK(r.noWords == words.isEmpty());
    if (r.noWords) {
        FUZZ_CHECK(r.cells.empty() && r.placed.isEmpty() && r.notPlaced.isEmpty() && r.wordCount == 0);
        FUZZ_CHECK(startedWith == -1 && finished == 0 && random.count == 0);
        return 0;
    }
    FUZZ_CHECK(r.wordCount == words.size());
    FUZZ_CHECK(startedWith == r.wordCount && finished == r.wordCount);

    // Three draws per attempt; once past the limit, one attempt per word left.
    FUZZ_CHECK(random.count % 3 == 0);
    const std::int64_t attempts = random.count / 3;
    FUZZ_CHECK(attempts >= r.wordCount);
    if (r.notPlaced.isEmpty())
        FUZZ_CHECK(attempts <= in.limit);
    else
        FUZZ_CHECK(attempts == in.limit + r.notPlaced.size());

    for (const QString &word : r.placed + r.notPlaced) {
        FUZZ_CHECK(!word.isEmpty());
        for (const QChar c : word)
            FUZZ_CHECK(c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    }
    checkLists(words, r);
    checkGrid(in, r);

    // The same draws give the same puzzle. Checked on short runs only: long
    // ones would halve the pace of the whole search.
    if (attempts <= AttemptLimit::NoBrainer) {
        ByteDraws again(in.draws);
        FUZZ_CHECK(sameResult(generate(in.entries, in.width, in.height, in.limit, again), r));
    }
    return 0;
}
