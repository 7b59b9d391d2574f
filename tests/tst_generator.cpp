#include "puzzle/generator.h"
#include "scripted_random.h"

#include <QTest>

#include <algorithm>
#include <random>

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

class CountingRandom final : public RandomSource
{
public:
    explicit CountingRandom(double seed) { m_source.reseed(seed); }
    float next() override
    {
        ++draws;
        return m_source.next();
    }
    void reseedFromTimeOfDay() override {}

    std::int64_t draws = 0;

private:
    ClockSeededRandom m_source;
};

QString readLine(const GeneratorResult &result, int row, int col, int rowStep, int colStep, int length)
{
    QString text;
    for (int i = 0; i < length; ++i) {
        const int r = row + i * rowStep;
        const int c = col + i * colStep;
        if (r < 0 || r >= result.height || c < 0 || c >= result.width)
            return text;
        text += QLatin1Char(result.cell(r, c));
    }
    return text;
}

int filledCells(const GeneratorResult &result)
{
    return static_cast<int>(std::count_if(result.cells.begin(), result.cells.end(), [](char c) { return c != '\0'; }));
}

struct Line
{
    int row, col, rowStep, colStep;
};

// Every way the word reads in the grid along a line the generator could have
// used: a line whose column (row) numbers grow never touches the last column (row).
QList<Line> placements(const GeneratorResult &result, const QString &word)
{
    QList<Line> found;
    const int length = static_cast<int>(word.size());
    for (int rowStep = -1; rowStep <= 1; ++rowStep) {
        for (int colStep = -1; colStep <= 1; ++colStep) {
            if (rowStep == 0 && colStep == 0)
                continue;
            for (int row = 0; row < result.height; ++row) {
                for (int col = 0; col < result.width; ++col) {
                    const int lastRow = row + (length - 1) * rowStep;
                    const int lastCol = col + (length - 1) * colStep;
                    if (lastRow < 0 || lastCol < 0 || lastRow >= result.height - (rowStep > 0 ? 1 : 0)
                        || lastCol >= result.width - (colStep > 0 ? 1 : 0))
                        continue;
                    if (readLine(result, row, col, rowStep, colStep, length) == word)
                        found.append({row, col, rowStep, colStep});
                }
            }
        }
    }
    return found;
}

bool isSubsequence(const QStringList &part, const QStringList &whole)
{
    qsizetype at = 0;
    for (const QString &word : part) {
        while (at < whole.size() && whole[at] != word)
            ++at;
        if (at == whole.size())
            return false;
        ++at;
    }
    return true;
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void firstWordTakesFirstFittingDirection_data();
    void firstWordTakesFirstFittingDirection();
    void lengthRules_data();
    void lengthRules();
    void wordAsLongAsOneSideGoesOneWay_data();
    void wordAsLongAsOneSideGoesOneWay();
    void noWords_data();
    void noWords();
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

void TestGenerator::firstWordTakesFirstFittingDirection_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QList<int>>("attempts");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("rowStep");
    QTest::addColumn<int>("colStep");

    const QString five = QStringLiteral("HELLO");
    // A failed fit test turns the line and ends the pass; the next one starts from the same cell.
    QTest::newRow("8,3 rightward turns downward") << 10 << 10 << five << QList<int>{8, 3, 1} << 2 << 7 << 1 << 0;
    QTest::newRow("2,1 down-left doubles into rightward") << 10 << 10 << five << QList<int>{2, 1, 4} << 0 << 1 << 0 << 1;

    // Every direction where it fits at once.
    const QString four = QStringLiteral("LEXM");
    QTest::newRow("1 rightward") << 10 << 10 << four << QList<int>{5, 5, 1} << 4 << 4 << 0 << 1;
    QTest::newRow("2 down-right") << 10 << 10 << four << QList<int>{5, 5, 2} << 4 << 4 << 1 << 1;
    QTest::newRow("3 downward") << 10 << 10 << four << QList<int>{5, 5, 3} << 4 << 4 << 1 << 0;
    QTest::newRow("4 down-left") << 10 << 10 << four << QList<int>{5, 5, 4} << 4 << 4 << 1 << -1;
    QTest::newRow("5 leftward") << 10 << 10 << four << QList<int>{5, 5, 5} << 4 << 4 << 0 << -1;
    QTest::newRow("6 up-left") << 10 << 10 << four << QList<int>{5, 5, 6} << 4 << 4 << -1 << -1;
    QTest::newRow("7 upward") << 10 << 10 << four << QList<int>{5, 5, 7} << 4 << 4 << -1 << 0;
    QTest::newRow("8 up-right") << 10 << 10 << four << QList<int>{5, 5, 8} << 4 << 4 << -1 << 1;

    // The next direction of every fit test.
    QTest::newRow("2 short of columns -> 3") << 10 << 10 << five << QList<int>{8, 2, 2} << 1 << 7 << 1 << 0;
    QTest::newRow("2 short of rows -> 5") << 10 << 10 << five << QList<int>{5, 8, 2} << 7 << 4 << 0 << -1;
    QTest::newRow("3 short -> 5") << 10 << 10 << five << QList<int>{9, 7, 3} << 6 << 8 << 0 << -1;
    QTest::newRow("4 short of rows -> 5") << 10 << 10 << five << QList<int>{6, 8, 4} << 7 << 5 << 0 << -1;
    QTest::newRow("5 short -> 7") << 10 << 10 << five << QList<int>{3, 9, 5} << 8 << 2 << -1 << 0;
    QTest::newRow("6 short of columns -> 7") << 10 << 10 << five << QList<int>{2, 8, 6} << 7 << 1 << -1 << 0;
    QTest::newRow("6 short of rows -> 1") << 10 << 10 << five << QList<int>{5, 2, 6} << 1 << 4 << 0 << 1;
    QTest::newRow("7 short -> 1") << 10 << 10 << five << QList<int>{2, 3, 7} << 2 << 1 << 0 << 1;
    QTest::newRow("8 short of rows -> 1") << 10 << 10 << five << QList<int>{3, 2, 8} << 1 << 2 << 0 << 1;
    QTest::newRow("8 short of columns -> 3") << 10 << 10 << five << QList<int>{8, 5, 8} << 4 << 7 << 1 << 0;

    // Growing lines stop short of the last column and row; shrinking ones reach column and row 1.
    QTest::newRow("full length only leftward from column W") << 8 << 5 << QStringLiteral("ABCDEFGH")
                                                             << QList<int>{8, 3, 5} << 2 << 7 << 0 << -1;
    QTest::newRow("full length only upward from row H") << 5 << 8 << QStringLiteral("ABCDEFGH")
                                                        << QList<int>{3, 8, 7} << 7 << 2 << -1 << 0;
    QTest::newRow("W = H = L up-left from the corner") << 5 << 5 << five << QList<int>{5, 5, 6} << 4 << 4 << -1 << -1;
    QTest::newRow("3x3 corner: right, down fail, left fits") << 3 << 3 << QStringLiteral("CAT")
                                                             << QList<int>{3, 3, 1} << 2 << 2 << 0 << -1;
    // From 2,2 in 4x4 no direction holds 3 letters: the passes run out and a new cell is drawn.
    QTest::newRow("no direction fits: new draws") << 4 << 4 << QStringLiteral("CAT")
                                                  << QList<int>{2, 2, 1, 4, 1, 5} << 0 << 3 << 0 << -1;
    QTest::newRow("no direction fits via doubling: new draws") << 4 << 4 << QStringLiteral("CAT")
                                                               << QList<int>{2, 2, 4, 1, 4, 7} << 3 << 0 << -1 << 0;
}

void TestGenerator::firstWordTakesFirstFittingDirection()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, word);
    QFETCH(QList<int>, attempts);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, rowStep);
    QFETCH(int, colStep);

    ScriptedRandom random = scriptedAttempts(attempts, width, height);
    const GeneratorResult result = generate({word}, width, height, AttemptLimit::NoBrainer, random);

    QCOMPARE(random.position, random.draws.size());
    QCOMPARE(result.placed, QStringList{word});
    QVERIFY(result.notPlaced.isEmpty());
    QCOMPARE(readLine(result, row, col, rowStep, colStep, static_cast<int>(word.size())), word);
    QCOMPARE(filledCells(result), word.size());
}

void TestGenerator::lengthRules_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QList<int>>("attempts");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("colStep");

    QTest::newRow("CAT stays, CATS dropped at 3x3")
        << QStringList{QStringLiteral("CATS"), QStringLiteral("CAT")} << 3 << 3 << QList<int>{3, 2, 5}
        << QStringLiteral("CAT") << 1 << 2 << -1;
    // Measured with the blank: 8 letters do not fit 7 x 7, although NEWYORK would.
    QTest::newRow("NEW YORK dropped at 7x7")
        << QStringList{QStringLiteral("NEW YORK"), QStringLiteral("DOG")} << 7 << 7 << QList<int>{1, 1, 1}
        << QStringLiteral("DOG") << 0 << 0 << 1;
    QTest::newRow("NEW YORK placed as NEWYORK at 8x7")
        << QStringList{QStringLiteral("NEW YORK")} << 8 << 7 << QList<int>{1, 4, 1} << QStringLiteral("NEWYORK") << 3
        << 0 << 1;
}

void TestGenerator::lengthRules()
{
    QFETCH(QStringList, entries);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QList<int>, attempts);
    QFETCH(QString, expected);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, colStep);

    ScriptedRandom random = scriptedAttempts(attempts, width, height);
    qsizetype announced = -1;
    int finished = 0;
    GeneratorProgress progress;
    progress.started = [&](qsizetype m) { announced = m; };
    progress.wordFinished = [&] { ++finished; };
    const GeneratorResult result = generate(entries, width, height, AttemptLimit::Thoughtful, random, progress);

    QVERIFY(!result.noWords);
    QCOMPARE(result.wordCount, 1);
    QCOMPARE(announced, 1);
    QCOMPARE(finished, 1);
    QCOMPARE(result.placed, QStringList{expected});
    QVERIFY(result.notPlaced.isEmpty());
    QCOMPARE(readLine(result, row, col, 0, colStep, static_cast<int>(expected.size())), expected);
}

void TestGenerator::wordAsLongAsOneSideGoesOneWay_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<std::int64_t>("limit");
    for (const std::int64_t limit : {AttemptLimit::NoBrainer, AttemptLimit::QuilloBashing}) {
        QTest::addRow("as wide as W, limit %lld", static_cast<long long>(limit)) << 8 << 5 << limit;
        QTest::addRow("as tall as H, limit %lld", static_cast<long long>(limit)) << 5 << 8 << limit;
    }
}

void TestGenerator::wordAsLongAsOneSideGoesOneWay()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(std::int64_t, limit);
    const QString word = QStringLiteral("ABCDEFGH");
    const bool alongRows = width == 8;
    for (int seed = 1; seed <= 40; ++seed) {
        ClockSeededRandom random;
        random.reseed(seed * 1.5);
        const GeneratorResult result = generate({word}, width, height, limit, random);
        QCOMPARE(result.placed, QStringList{word});
        const QList<Line> found = placements(result, word);
        QCOMPARE(found.size(), 1);
        const Line line = found.front();
        if (alongRows) {
            QCOMPARE(line.col, width - 1);
            QCOMPARE(line.colStep, -1);
            QCOMPARE(line.rowStep, 0);
        } else {
            QCOMPARE(line.row, height - 1);
            QCOMPARE(line.rowStep, -1);
            QCOMPARE(line.colStep, 0);
        }
    }
}

void TestGenerator::noWords_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty list") << QStringList{};
    QTest::newRow("every entry longer than both sides")
        << QStringList{QStringLiteral("ABCD"), QStringLiteral("NEW YORK")};
    QTest::newRow("blank counts towards the length") << QStringList{QStringLiteral("AB C")};
}

void TestGenerator::noWords()
{
    QFETCH(QStringList, entries);
    ScriptedRandom random;
    int calls = 0;
    GeneratorProgress progress;
    progress.started = [&](qsizetype) { ++calls; };
    progress.wordFinished = [&] { ++calls; };
    const GeneratorResult result = generate(entries, 3, 3, AttemptLimit::Thoughtful, random, progress);
    QVERIFY(result.noWords);
    QCOMPARE(result.wordCount, 0);
    QVERIFY(result.cells.empty());
    QVERIFY(result.placed.isEmpty());
    QVERIFY(result.notPlaced.isEmpty());
    QCOMPARE(calls, 0);
    QCOMPARE(random.position, std::size_t{0});
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
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QList<int>>("attempts");
    QTest::addColumn<bool>("placedAtOnce");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("rowStep");
    QTest::addColumn<int>("colStep");

    const QString cat = QStringLiteral("CAT");
    const QString tac = QStringLiteral("TAC");
    QTest::newRow("3 crossings at the first pass")
        << 10 << 10 << cat << tac << QList<int>{2, 5, 1, 4, 5, 5} << true << 4 << 3 << 0 << -1;
    QTest::newRow("1 crossing at the third pass")
        << 10 << 10 << cat << tac << QList<int>{2, 5, 1, 3, 4, 3} << true << 3 << 2 << 1 << 0;
    QTest::newRow("3 crossings count 3 in one pass")
        << 4 << 10 << cat << tac << QList<int>{2, 4, 7, 2, 2, 4} << true << 1 << 1 << 1 << 0;
    QTest::newRow("1, 3, 5 fail (+1 each): 3 passes")
        << 4 << 10 << cat << tac << QList<int>{1, 7, 1, 2, 8, 1} << true << 7 << 1 << -1 << 0;
    QTest::newRow("4 doubles, 7, 1 fail: 2 passes")
        << 4 << 10 << cat << tac << QList<int>{1, 3, 1, 2, 2, 4} << false << 1 << 1 << 1 << 0;
    QTest::newRow("8 short of columns (+2), 3, 5 fail: 2 passes")
        << 4 << 10 << cat << tac << QList<int>{1, 7, 1, 2, 8, 8} << false << 7 << 1 << -1 << 0;
    QTest::newRow("2 short of rows (+2), 5, 7 fail: 2 passes")
        << 10 << 4 << cat << tac << QList<int>{3, 1, 3, 2, 2, 2} << false << 1 << 1 << 0 << 1;
    QTest::newRow("6 short of rows (+2), 1, 3 fail: 2 passes")
        << 10 << 4 << cat << tac << QList<int>{8, 1, 3, 9, 2, 6} << false << 1 << 8 << 0 << -1;

    const QString eve = QStringLiteral("EVE");
    const QString eel = QStringLiteral("EEL");
    QTest::newRow("repeated letters: 3 passes too few")
        << 4 << 10 << eve << eel << QList<int>{4, 6, 4, 2, 8, 1} << false << 7 << 1 << -1 << 0;
    QTest::newRow("2 short of columns (+0), 3, 5 fail: 4 passes")
        << 4 << 10 << eve << eel << QList<int>{4, 6, 4, 2, 8, 2} << true << 7 << 1 << -1 << 0;
    QTest::newRow("6 short of columns (+0), 7, 1 fail: 4 passes")
        << 4 << 10 << eve << eel << QList<int>{4, 1, 4, 2, 2, 6} << true << 1 << 1 << 1 << 0;
    QTest::newRow("8 short of rows (+0), 1, 3 fail: 4 passes")
        << 10 << 4 << eve << eel << QList<int>{9, 4, 7, 9, 2, 8} << true << 1 << 8 << 0 << -1;
}

void TestGenerator::crossingQuota()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QList<int>, attempts);
    QFETCH(bool, placedAtOnce);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, rowStep);
    QFETCH(int, colStep);

    // Past the script every draw is 0 (column 1, row 1, rightward): never the line checked here.
    ScriptedRandom random = scriptedAttempts(attempts, width, height);
    const GeneratorResult result = generate({first, second}, width, height, AttemptLimit::Thoughtful, random);
    if (placedAtOnce) {
        QCOMPARE(random.position, std::size_t{6});
        QCOMPARE(result.placed, (QStringList{first, second}));
        QCOMPARE(readLine(result, row, col, rowStep, colStep, 3), second);
    } else {
        QVERIFY2(random.position > 6u, "the second word must need another attempt");
        QVERIFY(readLine(result, row, col, rowStep, colStep, 3) != second);
    }
}

void TestGenerator::quotaAtTheLimit_data()
{
    QTest::addColumn<int>("burnt");
    QTest::addColumn<QList<int>>("tacAttempt");
    QTest::addColumn<QStringList>("placed");

    const std::int64_t limit = AttemptLimit::Thoughtful;
    // TAC's first attempt is number 10,000: (0 + 1) x 9,999 < limit raises the
    // quota to 3, one crossing on two passes leaves 1, and 1 x 10,000 > 5,000
    // lowers it to 0, so the free spot of its last attempt takes it.
    QTest::newRow("raised, then lowered by the half-limit rule")
        << static_cast<int>(limit - 3) << QList<int>{2, 2, 4}
        << QStringList{QStringLiteral("CAT"), QStringLiteral("DOG"), QStringLiteral("TAC")};
    // One attempt later 1 x 10,000 is not below the limit: quota 0, so the
    // crossing spot drives it negative for good.
    QTest::newRow("not raised at the limit")
        << static_cast<int>(limit - 2) << QList<int>{2, 2, 4}
        << QStringList{QStringLiteral("CAT"), QStringLiteral("DOG")};
    QTest::newRow("not raised at the limit, free spot")
        << static_cast<int>(limit - 2) << QList<int>{1, 1, 1}
        << QStringList{QStringLiteral("CAT"), QStringLiteral("DOG"), QStringLiteral("TAC")};
}

void TestGenerator::quotaAtTheLimit()
{
    QFETCH(int, burnt);
    QFETCH(QList<int>, tacAttempt);
    QFETCH(QStringList, placed);

    // 4 x 10. CAT in row 3; DOG conflicts with it `burnt` times, then lies in
    // row 9; TAC's spot from 2,2 is downward through CAT's A with two passes left.
    QList<int> attempts{1, 3, 1};
    for (int i = 0; i < burnt; ++i)
        attempts << 1 << 3 << 1;
    attempts << 1 << 9 << 1 << tacAttempt;
    ScriptedRandom random = scriptedAttempts(attempts, 4, 10);
    const GeneratorResult result =
        generate({QStringLiteral("CAT"), QStringLiteral("DOG"), QStringLiteral("TAC")}, 4, 10,
                 AttemptLimit::Thoughtful, random);

    QCOMPARE(random.position, static_cast<std::size_t>(3 * (AttemptLimit::Thoughtful + 1)));
    QCOMPARE(result.placed, placed);
    QCOMPARE(result.notPlaced, QStringList{QStringLiteral("TAC")});
}

void TestGenerator::equalWords_data()
{
    QTest::addColumn<std::int64_t>("limit");
    QTest::addColumn<bool>("stacked");
    QTest::newRow("Thoughtful") << AttemptLimit::Thoughtful << true;
    QTest::newRow("Quillo Bashing") << AttemptLimit::QuilloBashing << true;
    QTest::newRow("No Brainer") << AttemptLimit::NoBrainer << false;
}

void TestGenerator::equalWords()
{
    QFETCH(std::int64_t, limit);
    QFETCH(bool, stacked);
    // Both attempts draw the same spot; later draws (all 0) give row 1 rightward, crossing nothing.
    ScriptedRandom random = scriptedAttempts({2, 5, 1, 2, 5, 1}, 10, 10);
    const QString cat = QStringLiteral("CAT");
    const GeneratorResult result = generate({cat, cat}, 10, 10, limit, random);
    QCOMPARE(filledCells(result), 3);
    if (stacked) {
        QCOMPARE(result.placed, (QStringList{cat, cat}));
        QVERIFY(result.notPlaced.isEmpty());
        QCOMPARE(random.position, std::size_t{6});
    } else {
        // The crossings drive the quota below 0 for good; the word runs out the attempts.
        QCOMPARE(result.placed, QStringList{cat});
        QCOMPARE(result.notPlaced, QStringList{cat});
        QCOMPARE(random.position, static_cast<std::size_t>(3 * (limit + 1)));
    }
}

void TestGenerator::oneAttemptEachPastTheLimit_data()
{
    QTest::addColumn<std::int64_t>("limit");
    QTest::newRow("No Brainer") << AttemptLimit::NoBrainer;
    QTest::newRow("Thoughtful") << AttemptLimit::Thoughtful;
    QTest::newRow("Quillo Bashing") << AttemptLimit::QuilloBashing;
}

void TestGenerator::oneAttemptEachPastTheLimit()
{
    QFETCH(std::int64_t, limit);
    // 3x3: CAT fills row 1. From column 1, row 1 no direction holds 3 letters,
    // so DOG uses up attempts 2..limit + 1; EMU then fits in its single
    // attempt and FOX (all-0 draws) does not.
    QList<int> attempts{3, 1, 5};
    for (std::int64_t i = 0; i < limit; ++i)
        attempts << 1 << 1 << 1;
    attempts << 3 << 2 << 5;
    ScriptedRandom random = scriptedAttempts(attempts, 3, 3);
    const QStringList words{QStringLiteral("CAT"), QStringLiteral("DOG"), QStringLiteral("EMU"), QStringLiteral("FOX")};
    int finished = 0;
    GeneratorProgress progress;
    progress.wordFinished = [&] { ++finished; };

    const GeneratorResult result = generate(words, 3, 3, limit, random, progress);

    QCOMPARE(random.position, static_cast<std::size_t>(3 * (limit + 3)));
    QCOMPARE(result.placed, (QStringList{QStringLiteral("CAT"), QStringLiteral("EMU")}));
    QCOMPARE(result.notPlaced, (QStringList{QStringLiteral("DOG"), QStringLiteral("EMU"), QStringLiteral("FOX")}));
    QCOMPARE(readLine(result, 1, 2, 0, -1, 3), QStringLiteral("EMU"));
    QCOMPARE(finished, 4);
}

void TestGenerator::noSharedCellsAtNoBrainer()
{
    // Crowded grids and repeated letters give many chances to cross.
    std::mt19937 rng(20240611);
    for (int run = 0; run < 1000; ++run) {
        const int width = 3 + static_cast<int>(rng() % 8);
        const int height = 3 + static_cast<int>(rng() % 8);
        QStringList words;
        const int count = 1 + static_cast<int>(rng() % 20);
        for (int i = 0; i < count; ++i) {
            QString word;
            const int length = 1 + static_cast<int>(rng() % 5);
            for (int k = 0; k < length; ++k)
                word += QLatin1Char(static_cast<char>('A' + rng() % 3));
            words << word;
        }
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
    for (int run = 0; run < 500; ++run) {
        const int width = 3 + static_cast<int>(rng() % (run % 4 == 0 ? 98 : 12));
        const int height = 3 + static_cast<int>(rng() % (run % 4 == 1 ? 98 : 12));
        const std::int64_t limit = limits[rng() % 3];
        const int alphabet = 2 + static_cast<int>(rng() % 25);
        const int maxLength = std::max(width, height) + 2;

        QStringList entries;
        QStringList expectedWords;
        const int count = static_cast<int>(rng() % 30);
        for (int i = 0; i < count; ++i) {
            const int length = 1 + static_cast<int>(rng() % static_cast<unsigned>(maxLength));
            QString entry;
            for (int k = 0; k < length; ++k) {
                const bool blank = k > 0 && k < length - 1 && rng() % 6 == 0 && !entry.endsWith(QLatin1Char(' '));
                entry += blank ? QLatin1Char(' ') : QLatin1Char(static_cast<char>('A' + rng() % static_cast<unsigned>(alphabet)));
            }
            entries << entry;
            if (length <= width || length <= height)
                expectedWords << QString(entry).remove(QLatin1Char(' '));
        }

        CountingRandom random(run + 0.25);
        qsizetype announced = -1;
        int finished = 0;
        bool announcedFirst = true;
        GeneratorProgress progress;
        progress.started = [&](qsizetype m) {
            announcedFirst = announcedFirst && announced == -1 && finished == 0;
            announced = m;
        };
        progress.wordFinished = [&] { ++finished; };
        const GeneratorResult result = generate(entries, width, height, limit, random, progress);

        const QString where = QStringLiteral("run %1: %2x%3, limit %4").arg(run).arg(width).arg(height).arg(limit);
        const qsizetype m = expectedWords.size();
        if (m == 0) {
            QVERIFY2(result.noWords, qPrintable(where));
            continue;
        }
        QVERIFY2(!result.noWords, qPrintable(where));
        QCOMPARE(result.wordCount, m);
        QVERIFY2(announcedFirst && announced == m && finished == m, qPrintable(where));
        QCOMPARE(result.width, width);
        QCOMPARE(result.height, height);
        QCOMPARE(result.cells.size(), static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        QVERIFY2(std::all_of(result.cells.begin(), result.cells.end(),
                             [](char c) { return c == '\0' || (c >= 'A' && c <= 'Z'); }),
                 qPrintable(where));
        QVERIFY2(random.draws % 3 == 0 && random.draws >= 3 * m && random.draws <= 3 * (limit + m),
                 qPrintable(where));

        // Lists keep word order; every word ends in at least one of them.
        QVERIFY2(isSubsequence(result.placed, expectedWords), qPrintable(where));
        QVERIFY2(isSubsequence(result.notPlaced, expectedWords), qPrintable(where));
        for (const QString &word : expectedWords)
            QVERIFY2(result.placed.count(word) + result.notPlaced.count(word) >= expectedWords.count(word),
                     qPrintable(where + QStringLiteral(": ") + word));

        // Every placed word reads along a line, and those lines account for every letter.
        std::vector<bool> covered(result.cells.size(), false);
        for (const QString &word : result.placed) {
            QVERIFY2(!word.isEmpty(), qPrintable(where));
            const QList<Line> found = placements(result, word);
            QVERIFY2(!found.isEmpty(), qPrintable(where + QStringLiteral(": ") + word));
            for (const Line &line : found)
                for (int i = 0; i < word.size(); ++i)
                    covered[static_cast<std::size_t>((line.row + i * line.rowStep) * width + line.col
                                                     + i * line.colStep)] = true;
        }
        for (std::size_t i = 0; i < covered.size(); ++i)
            QVERIFY2(covered[i] || result.cells[i] == '\0', qPrintable(where));
    }
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
