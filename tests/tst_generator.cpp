#include "puzzle/generator.h"
#include "scripted_random.h"
#include "word_lists.h"

#include <QTest>

#include <algorithm>
#include <random>

// A line of cells, 0-based, with the step from one letter to the next.
struct Line
{
    int row, col, rowStep, colStep;
    bool operator==(const Line &) const = default;
};
Q_DECLARE_METATYPE(Line)

namespace {

// Attempts as (column, row, direction) triples, turned into the draws that yield them.
ScriptedRandom scriptedAttempts(const QList<int> &attempts, int width, int height)
{
    ScriptedRandom random;
    for (qsizetype i = 0; i + 2 < attempts.size(); i += 3) {
        random.draws.push_back(drawFor(attempts[i], width));
        random.draws.push_back(drawFor(attempts[i + 1], height));
        random.draws.push_back(drawFor(attempts[i + 2], 8));
    }
    return random;
}

// The progress calls as text: "M=<count> " once, then "." per finished word.
struct ProgressLog
{
    QString text;
    GeneratorProgress progress()
    {
        return {[this](qsizetype m) { text += QStringLiteral("M=%1 ").arg(m); }, [this] { text += u'.'; }};
    }
};

QString readLine(const GeneratorResult &result, const Line &line, qsizetype length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += QLatin1Char(result.cell(line.row + i * line.rowStep, line.col + i * line.colStep));
    return text;
}

qsizetype filledCells(const GeneratorResult &result)
{
    return std::count_if(result.cells.begin(), result.cells.end(), [](char c) { return c != '\0'; });
}

// Whether the word reads along a line the generator could have used: one
// whose column (row) numbers grow never touches the last column (row).
bool readsAlongALine(const GeneratorResult &result, const QString &word)
{
    const int length = static_cast<int>(word.size());
    for (int rowStep = -1; rowStep <= 1; ++rowStep) {
        for (int colStep = -1; colStep <= 1; ++colStep) {
            for (int row = 0; row < result.height && (rowStep || colStep); ++row) {
                for (int col = 0; col < result.width; ++col) {
                    const int lastRow = row + (length - 1) * rowStep;
                    const int lastCol = col + (length - 1) * colStep;
                    if (lastRow >= 0 && lastCol >= 0 && lastRow < result.height - (rowStep > 0 ? 1 : 0)
                        && lastCol < result.width - (colStep > 0 ? 1 : 0)
                        && readLine(result, {row, col, rowStep, colStep}, length) == word)
                        return true;
                }
            }
        }
    }
    return false;
}

const QString cat = QStringLiteral("CAT");
const QString tac = QStringLiteral("TAC");
const QString dog = QStringLiteral("DOG");

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void firstFittingPass_data();
    void firstFittingPass();
    void crossingQuota_data();
    void crossingQuota();
    void quotaAtTheLimit_data();
    void quotaAtTheLimit();
    void equalWords_data();
    void equalWords();
    void oneAttemptEachPastTheLimit_data();
    void oneAttemptEachPastTheLimit();
    void noSharedCellsAtNoBrainer();
    void invariantSweep();
};

void TestGenerator::firstFittingPass_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QList<int>>("attempts");
    QTest::addColumn<QString>("placed");
    QTest::addColumn<Line>("line");
    const auto row = [](const char *name, int width, int height, const QStringList &entries,
                        const QList<int> &attempts, const QString &placed, Line line) {
        QTest::newRow(name) << width << height << entries << attempts << placed << line;
    };
    const QString five = QStringLiteral("HELLO");
    const QString four = QStringLiteral("LEXM");
    const QString eight = QStringLiteral("ABCDEFGH");

    // A failed fit test turns the line and ends the pass; the next one starts from the same cell.
    row("8,3 rightward turns downward", 10, 10, {five}, {8, 3, 1}, five, {2, 7, 1, 0});
    row("2,1 down-left doubles into rightward", 10, 10, {five}, {2, 1, 4}, five, {0, 1, 0, 1});

    // The diagonals; the straight lines show in the rows below.
    row("2 down-right", 10, 10, {four}, {5, 5, 2}, four, {4, 4, 1, 1});
    row("4 down-left", 10, 10, {four}, {5, 5, 4}, four, {4, 4, 1, -1});
    row("6 up-left", 10, 10, {four}, {5, 5, 6}, four, {4, 4, -1, -1});
    row("8 up-right", 10, 10, {four}, {5, 5, 8}, four, {4, 4, -1, 1});

    row("2 short of columns -> 3", 10, 10, {five}, {8, 2, 2}, five, {1, 7, 1, 0});
    row("2 short of rows -> 5", 10, 10, {five}, {5, 8, 2}, five, {7, 4, 0, -1});
    row("3 short -> 5", 10, 10, {five}, {9, 7, 3}, five, {6, 8, 0, -1});
    row("4 short of rows -> 5", 10, 10, {five}, {6, 8, 4}, five, {7, 5, 0, -1});
    row("5 short -> 7", 10, 10, {five}, {3, 9, 5}, five, {8, 2, -1, 0});
    row("6 short of columns -> 7", 10, 10, {five}, {2, 8, 6}, five, {7, 1, -1, 0});
    row("6 short of rows -> 1", 10, 10, {five}, {5, 2, 6}, five, {1, 4, 0, 1});
    row("7 short -> 1", 10, 10, {five}, {2, 3, 7}, five, {2, 1, 0, 1});
    row("8 short of rows -> 1", 10, 10, {five}, {3, 2, 8}, five, {1, 2, 0, 1});
    row("8 short of columns -> 3", 10, 10, {five}, {8, 5, 8}, five, {4, 7, 1, 0});

    // Growing lines stop short of the last column and row; shrinking ones reach column and row 1.
    // A word as long as one side and longer than the other fits nowhere from the near side.
    row("as wide as W: only leftward from column W", 8, 5, {eight}, {1, 3, 1, 8, 3, 5}, eight, {2, 7, 0, -1});
    row("as tall as H: only upward from row H", 5, 8, {eight}, {3, 1, 3, 3, 8, 7}, eight, {7, 2, -1, 0});
    row("W = H = L up-left from the corner", 5, 5, {five}, {5, 5, 6}, five, {4, 4, -1, -1});
    // From 2,2 in 4x4 no direction holds 3 letters: the passes run out and a new cell is drawn.
    row("no direction fits: new draws", 4, 4, {cat}, {2, 2, 1, 4, 1, 5}, cat, {0, 3, 0, -1});
    row("no direction fits via doubling", 4, 4, {cat}, {2, 2, 4, 1, 4, 7}, cat, {3, 0, -1, 0});

    // Measured with the blank: 8 letters do not fit 7 x 7, although NEWYORK would.
    row("CAT kept, CATS dropped at 3x3", 3, 3, {QStringLiteral("CATS"), cat}, {3, 2, 5}, cat, {1, 2, 0, -1});
    row("NEW YORK dropped at 7x7", 7, 7, {QStringLiteral("NEW YORK"), dog}, {1, 1, 1}, dog, {0, 0, 0, 1});
    row("NEW YORK placed as NEWYORK at 8x7", 8, 7, {QStringLiteral("NEW YORK")}, {1, 4, 1},
        QStringLiteral("NEWYORK"), {3, 0, 0, 1});
}

void TestGenerator::firstFittingPass()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QStringList, entries);
    QFETCH(QList<int>, attempts);
    QFETCH(QString, placed);
    QFETCH(Line, line);

    ScriptedRandom random = scriptedAttempts(attempts, width, height);
    const GeneratorResult result = generate(entries, width, height, AttemptLimit::NoBrainer, random);

    QCOMPARE(random.position, random.draws.size());
    QCOMPARE(result.placed, QStringList{placed});
    QVERIFY(result.notPlaced.isEmpty());
    QCOMPARE(readLine(result, line, placed.size()), placed);
    QCOMPARE(filledCells(result), placed.size());
}

void TestGenerator::crossingQuota_data()
{
    // The second word's quota starts at its pair count (CAT then TAC: 3; EVE then
    // EEL: 2 + 2 + 0 = 4) and drops by its crossings at every conflict-free pass;
    // it is placed only when that reaches exactly 0. With one crossing the word
    // therefore needs as many passes as its quota, which exposes how many passes
    // the failed fit tests (and their extras) left over.
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QList<int>>("attempts");
    QTest::addColumn<bool>("placedAtOnce");
    QTest::addColumn<Line>("line");
    const auto row = [](const char *name, int width, int height, const QStringList &words, const QList<int> &attempts,
                        bool placedAtOnce, Line line) {
        QTest::newRow(name) << width << height << words << attempts << placedAtOnce << line;
    };
    const QStringList catTac{cat, tac};
    const QStringList eveEel{QStringLiteral("EVE"), QStringLiteral("EEL")};

    row("3 crossings at the first pass", 10, 10, catTac, {2, 5, 1, 4, 5, 5}, true, {4, 3, 0, -1});
    row("3 crossings count 3 in one pass", 4, 10, catTac, {2, 4, 7, 2, 2, 4}, true, {1, 1, 1, 0});
    row("1, 3, 5 fail (+1 each): 3 passes", 4, 10, catTac, {1, 7, 1, 2, 8, 1}, true, {7, 1, -1, 0});
    row("4 doubles, 7, 1 fail: 2 passes", 4, 10, catTac, {1, 3, 1, 2, 2, 4}, false, {1, 1, 1, 0});
    row("8 short of columns (+2), 3, 5 fail: 2 passes", 4, 10, catTac, {1, 7, 1, 2, 8, 8}, false, {7, 1, -1, 0});
    row("2 short of rows (+2), 5, 7 fail: 2 passes", 10, 4, catTac, {3, 1, 3, 2, 2, 2}, false, {1, 1, 0, 1});
    row("6 short of rows (+2), 1, 3 fail: 2 passes", 10, 4, catTac, {8, 1, 3, 9, 2, 6}, false, {1, 8, 0, -1});
    row("repeated letters: 3 passes too few", 4, 10, eveEel, {4, 6, 4, 2, 8, 1}, false, {7, 1, -1, 0});
    row("2 short of columns (+0), 3, 5 fail: 4 passes", 4, 10, eveEel, {4, 6, 4, 2, 8, 2}, true, {7, 1, -1, 0});
    row("6 short of columns (+0), 7, 1 fail: 4 passes", 4, 10, eveEel, {4, 1, 4, 2, 2, 6}, true, {1, 1, 1, 0});
    row("8 short of rows (+0), 1, 3 fail: 4 passes", 10, 4, eveEel, {9, 4, 7, 9, 2, 8}, true, {1, 8, 0, -1});
}

void TestGenerator::crossingQuota()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QStringList, words);
    QFETCH(QList<int>, attempts);
    QFETCH(bool, placedAtOnce);
    QFETCH(Line, line);

    // Past the script every draw is 0 (column 1, row 1, rightward): never the line checked here.
    ScriptedRandom random = scriptedAttempts(attempts, width, height);
    const GeneratorResult result = generate(words, width, height, AttemptLimit::Thoughtful, random);
    QCOMPARE(random.position == 6, placedAtOnce);
    QCOMPARE(readLine(result, line, 3) == words[1], placedAtOnce);
}

void TestGenerator::quotaAtTheLimit_data()
{
    QTest::addColumn<int>("burnt");
    QTest::addColumn<QStringList>("placed");
    const std::int64_t limit = AttemptLimit::Thoughtful;
    // TAC's first attempt is number 10,000: (0 + 1) x 9,999 < limit raises the
    // quota to 3, one crossing on two passes leaves 1, and 1 x 10,000 > 5,000
    // lowers it to 0, so the free spot of its last attempt takes it.
    QTest::newRow("raised, then lowered by the half-limit rule") << static_cast<int>(limit - 3)
                                                                 << QStringList{cat, dog, tac};
    // One attempt later 1 x 10,000 is not below the limit: quota 0, so the
    // crossing spot drives it negative for good.
    QTest::newRow("not raised at the limit") << static_cast<int>(limit - 2) << QStringList{cat, dog};
}

void TestGenerator::quotaAtTheLimit()
{
    QFETCH(int, burnt);
    QFETCH(QStringList, placed);

    // 4 x 10. CAT in row 3; DOG conflicts with it `burnt` times, then lies in
    // row 9; TAC's spot from 2,2 is downward through CAT's A with two passes left.
    QList<int> attempts{1, 3, 1};
    for (int i = 0; i < burnt; ++i)
        attempts << 1 << 3 << 1;
    attempts << 1 << 9 << 1 << 2 << 2 << 4;
    ScriptedRandom random = scriptedAttempts(attempts, 4, 10);
    const GeneratorResult result = generate({cat, dog, tac}, 4, 10, AttemptLimit::Thoughtful, random);

    QCOMPARE(random.position, static_cast<std::size_t>(3 * (AttemptLimit::Thoughtful + 1)));
    QCOMPARE(result.placed, placed);
    QCOMPARE(result.notPlaced, QStringList{tac});
}

void TestGenerator::equalWords_data()
{
    QTest::addColumn<std::int64_t>("limit");
    QTest::addColumn<QStringList>("placed");
    QTest::addColumn<QStringList>("notPlaced");
    QTest::newRow("Thoughtful: stacked") << AttemptLimit::Thoughtful << QStringList{cat, cat} << QStringList{};
    // The crossings drive the quota below 0 for good; the word runs out the attempts.
    QTest::newRow("No Brainer: never placed") << AttemptLimit::NoBrainer << QStringList{cat} << QStringList{cat};
}

void TestGenerator::equalWords()
{
    QFETCH(std::int64_t, limit);
    QFETCH(QStringList, placed);
    QFETCH(QStringList, notPlaced);
    // Both attempts draw the same spot; later draws (all 0) give row 1 rightward, crossing nothing.
    ScriptedRandom random = scriptedAttempts({2, 5, 1, 2, 5, 1}, 10, 10);
    const GeneratorResult result = generate({cat, cat}, 10, 10, limit, random);
    QCOMPARE(filledCells(result), 3);
    QCOMPARE(result.placed, placed);
    QCOMPARE(result.notPlaced, notPlaced);
}

void TestGenerator::oneAttemptEachPastTheLimit_data()
{
    QTest::addColumn<std::int64_t>("limit");
    QTest::newRow("No Brainer") << AttemptLimit::NoBrainer;
    QTest::newRow("Thoughtful") << AttemptLimit::Thoughtful;
}

void TestGenerator::oneAttemptEachPastTheLimit()
{
    QFETCH(std::int64_t, limit);
    // 3x3: CATS is dropped; CAT fills row 1. From column 1, row 1 no direction
    // holds 3 letters, so DOG uses up attempts 2..limit + 1; EMU then fits in
    // its single attempt and FOX (all-0 draws) does not.
    QList<int> attempts{3, 1, 5};
    for (std::int64_t i = 0; i < limit; ++i)
        attempts << 1 << 1 << 1;
    attempts << 3 << 2 << 5;
    ScriptedRandom random = scriptedAttempts(attempts, 3, 3);
    const QString emu = QStringLiteral("EMU");
    const QString fox = QStringLiteral("FOX");
    const QStringList words{cat, QStringLiteral("CATS"), dog, emu, fox};
    ProgressLog log;
    const GeneratorResult result = generate(words, 3, 3, limit, random, log.progress());

    QCOMPARE(random.position, static_cast<std::size_t>(3 * (limit + 3)));
    QCOMPARE(result.placed, (QStringList{cat, emu}));
    QCOMPARE(result.notPlaced, (QStringList{dog, emu, fox}));
    QCOMPARE(readLine(result, {1, 2, 0, -1}, 3), emu);
    QCOMPARE(log.text, QStringLiteral("M=4 ...."));
}

void TestGenerator::noSharedCellsAtNoBrainer()
{
    // Crowded grids and few letters give many chances to cross.
    std::mt19937 rng(20240611);
    for (unsigned run = 0; run < 1000; ++run) {
        const int width = 3 + static_cast<int>(rng() % 8);
        const int height = 3 + static_cast<int>(rng() % 8);
        const QStringList words = distinctEntries(1 + static_cast<int>(rng() % 20), run, EntryShape{1, 1, 1, 5, 3});
        ClockSeededRandom random;
        random.reseed(run);
        const GeneratorResult result = generate(words, width, height, AttemptLimit::NoBrainer, random);
        qsizetype letters = 0;
        for (const QString &word : result.placed)
            letters += word.size();
        QVERIFY2(filledCells(result) == letters, qPrintable(QStringLiteral("run %1").arg(run)));
    }
}

void TestGenerator::invariantSweep()
{
    std::mt19937 rng(7);
    const std::int64_t limits[] = {AttemptLimit::NoBrainer, AttemptLimit::Thoughtful, AttemptLimit::QuilloBashing};
    for (unsigned run = 0; run < 500; ++run) {
        const int width = 3 + static_cast<int>(rng() % (run % 4 == 0 ? 98 : 12));
        const int height = 3 + static_cast<int>(rng() % (run % 4 == 1 ? 98 : 12));
        const std::int64_t limit = limits[rng() % 3];
        // Up to two words each, reaching past the longer side so that some are dropped.
        const int longer = std::max(width, height);
        const EntryShape shape{1, 2, 1, longer / 2 + 1, 2 + static_cast<int>(rng() % 25)};
        const QStringList entries = distinctEntries(static_cast<int>(rng() % 30), run, shape);
        ClockSeededRandom random;
        random.reseed(run + 0.25);
        ProgressLog log;
        const GeneratorResult result = generate(entries, width, height, limit, random, log.progress());

        const QString where = QStringLiteral("run %1: %2x%3, limit %4").arg(run).arg(width).arg(height).arg(limit);
        const auto kept =
            std::count_if(entries.begin(), entries.end(), [&](const QString &e) { return e.size() <= longer; });
        // With no words (an empty list, or every entry too long) there is no grid and no progress.
        QVERIFY2(result.noWords == (kept == 0), qPrintable(where));
        QCOMPARE(log.text, kept ? QStringLiteral("M=%1 ").arg(kept) + QString(kept, u'.') : QString());
        if (result.noWords) {
            QVERIFY2(result.cells.empty(), qPrintable(where));
            continue;
        }
        QCOMPARE(result.wordCount, kept);
        QVERIFY2(result.placed.size() + result.notPlaced.size() >= kept, qPrintable(where));
        QCOMPARE(result.cells.size(), static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        QVERIFY2(std::all_of(result.cells.begin(), result.cells.end(),
                             [](char c) { return c == '\0' || (c >= 'A' && c <= 'Z'); }),
                 qPrintable(where));

        for (const QString &word : result.placed)
            QVERIFY2(readsAlongALine(result, word), qPrintable(where + QStringLiteral(": ") + word));
    }
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
