// The generator: the draws at their edges, the direction table, the quota
// rule and the attempt limits pinned by scripted draws, and invariants over
// many random runs.
#include "inputs.h"
#include "puzzle/generator.h"

#include <QTest>

#include <cmath>
#include <random>

using namespace Qt::StringLiterals;

// The draws that start the attempts at these (column, row, direction) triples.
static ScriptedRandom scripted(const QList<int> &attempts, int width, int height)
{
    ScriptedRandom random;
    for (qsizetype i = 0; i + 2 < attempts.size(); i += 3)
        random.draws.insert(
            random.draws.end(),
            {drawFor(attempts[i], width), drawFor(attempts[i + 1], height), drawFor(attempts[i + 2], 8)});
    return random;
}

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void drawsStayInRangeAndFollowTheSeed()
    {
        // floor(r * n + 1) in float arithmetic can round the largest draw below 1 up to n + 1.
        const float top = std::nextafter(1.0f, 0.0f);
        for (const auto &[r, n, whole] :
             {std::tuple(0.0f, 26, 1), std::tuple(std::nextafter(1.0f / 26, 0.0f), 26, 1), std::tuple(0.5f, 26, 14),
              std::tuple(top, 26, 26), std::tuple(top, 100, 100), std::tuple(top, 3, 3), std::tuple(0.25f, 8, 3)}) {
            ScriptedRandom random;
            random.draws = {r, r};
            QCOMPARE(drawWhole(random, n), whole);
            QVERIFY(n != 26 || drawLetter(random) == 'A' + whole - 1); // the same draw as a letter
        }
        ClockSeededRandom a, b, c;
        a.reseed(45296.25), b.reseed(45296.25), c.reseed(45296.5);
        double sum = 0, differ = 0; // another time of day must give another sequence
        for (int i = 0; i < 50000; ++i) {
            const float r = a.next();
            QVERIFY(r >= 0.0f && r < 1.0f && b.next() == r);
            differ += c.next() != r, sum += r;
        }
        QVERIFY(differ > 0 && std::abs(sum / 50000 - 0.5) < 0.01); // a gross bias only: the spread is 0.0013
    }

    // The direction table: fit tests, next directions, extras and the doubling.
    void directionAndPassesMap()
    {
        // One attempt at ABC from column c, row r, first direction d, after n words "A" stacked there:
        // they give ABC a quota of n that its one crossing there works off a pass at a time.
        GeneratorResult result;
        const auto writes = [&](int n, int c, int r, int d) {
            QList<int> attempts;
            for (int i = 0; i <= n; ++i)
                attempts << c << r << (i < n ? 5 : d);
            ScriptedRandom random = scripted(attempts, 4, 4);
            result = generate(QStringList(n, u"A"_s) << u"ABC"_s, 4, 4, n ? AttemptLimit::Thoughtful : 0, random);
            return random.position == random.draws.size() && result.placed.size() == n + 1;
        };
        // Per first direction (split by ' ') and start cell in 4 x 4 (rows split by '/'): the direction
        // the attempt writes ABC in, and how many of its nine passes it has left for that. Three letters
        // fit rightward from column 1 only (a growing line never reaches the last column), leftward
        // from column 3 on; rows likewise.
        QString directions, passes;
        for (int i = 0; i < 8 * 16; ++i) {
            const int row = i % 16 / 4, col = i % 4, d = i / 16 + 1;
            const bool placed = writes(0, col + 1, row + 1, d);
            const int b = int(std::find(result.cells.begin(), result.cells.end(), 'B') - result.cells.begin());
            const int dr = b / 4 - row, dc = b % 4 - col; // directions 1 to 8 run clockwise from rightward
            const char written = result.cell(row, col) == 'A' && std::abs(dr) <= 1 && std::abs(dc) <= 1
                ? "6785?1432"[dr * 3 + dc + 4]
                : placed ? '?'
                         : '-';
            int left = 0;
            while (placed && left < 9 && writes(left + 1, col + 1, row + 1, d))
                ++left;
            const QString gap = i == 0 ? u""_s : i % 16 == 0 ? u" "_s : i % 4 == 0 ? u"/"_s : u""_s;
            directions += gap + QLatin1Char(written);
            passes += gap + QString::number(left);
        }
        QCOMPARE(directions,
                 u"1333/1-55/1755/1755 2333/1-55/7755/7755 3333/1-55/7755/7755 1344/1-55/7755/7755 "
                 "1355/1-55/7755/7755 1333/1-55/7766/7766 1333/1-55/7777/7777 1333/1-55/8755/8755"_s);
        QCOMPARE(passes,
                 u"9777/9055/9355/9355 9888/2066/4466/4466 9999/3077/5577/5577 4299/4088/6688/6688 "
                 "5399/5099/7799/7799 6444/6022/8899/8899 7555/7033/9999/9999 8666/8044/9244/9244"_s);
    }

    void crossingsCountTogether()
    {
        // TAC runs back over CAT: three crossings work off its quota of 3 in one of its two passes.
        ScriptedRandom random = scripted({2, 4, 7, 2, 2, 4}, 4, 10);
        generate({u"CAT"_s, u"TAC"_s}, 4, 10, AttemptLimit::Thoughtful, random);
        QCOMPARE(random.position, 6u);
    }

    void attemptLimitsAndQuotaRule_data()
    {
        QTest::addColumn<std::int64_t>("level");
        QTest::addColumn<QList<int>>("tac");  // the number of its first attempt, and its tries through CAT
        QTest::addColumn<QString>("outcome"); // placed / not placed
        // Below 1,500 attempts no quota: the crossing drives it below 0 for good.
        QTest::newRow("No Brainer: 1,000, no quota")
            << AttemptLimit::NoBrainer << QList{1000, 1} << u"CAT DOG EMU / TAC EMU FOX"_s;
        // Raised to 3 as (0 + 1) x 9,999 < 10,000; two passes leave 1, lowered to 0 as 1 x 10,000 > 5,000.
        QTest::newRow("Thoughtful: 10,000, quota raised, then lowered")
            << AttemptLimit::Thoughtful << QList{10000, 1} << u"CAT DOG TAC EMU / TAC EMU FOX"_s;
        QTest::newRow("Thoughtful: none raised at the limit")
            << AttemptLimit::Thoughtful << QList{10001, 1} << u"CAT DOG EMU FOX / TAC EMU FOX"_s;
        QTest::newRow("Quillo Bashing: 50,000")
            << AttemptLimit::QuilloBashing << QList{50000, 1} << u"CAT DOG TAC EMU / TAC EMU FOX"_s;
        // Raised by 3 an attempt, lowered once quota x attempts passes 5,000: 2 at attempt 3,335.
        QTest::newRow("Thoughtful: raised and lowered over many attempts")
            << AttemptLimit::Thoughtful << QList{491, 3510} << u"CAT DOG TAC EMU / FOX"_s;
    }
    void attemptLimitsAndQuotaRule()
    {
        QFETCH(std::int64_t, level);
        QFETCH(QList<int>, tac);
        QFETCH(QString, outcome);
        // 4 x 10. CAT lies in row 3. DOG conflicts with it until TAC's first attempt is next, then
        // lies in row 9. TAC runs from 2,2 down through CAT's A with two passes left, then tries
        // row 1, free. Past the limit each word gets one attempt and is listed as not placed even
        // when written: EMU in row 5, FOX over CAT (or each a spot earlier).
        QList<int> attempts{1, 3, 1};
        for (int i = 3; i < tac[0]; ++i)
            attempts << 1 << 3 << 1;
        attempts << 1 << 9 << 1;
        for (int i = 0; i < tac[1]; ++i)
            attempts << 2 << 2 << 4;
        ScriptedRandom random = scripted(attempts << 1 << 1 << 1 << 1 << 5 << 1 << 1 << 3 << 1, 4, 10);
        const GeneratorResult result = generate(u"CAT DOG TAC EMU FOX"_s.split(u' '), 4, 10, level, random);
        QCOMPARE(result.placed.join(u' ') + u" / "_s + result.notPlaced.join(u' '), outcome);
    }

    // Lengths are measured with their blanks; blanks never reach the grid.
    void blanksAndLengths_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("outcome"); // placed / given up / the letters in the grid, sorted
        QTest::addColumn<QString>("row");     // a row of the grid, if one is certain
        QTest::newRow("NEW YORK fits no 7 x 7") << QStringList{u"NEW YORK"_s} << 7 << 7 << u"no words"_s << QString();
        QTest::newRow("NEW YORK along 8 columns")
            << QStringList{u"NEW YORK"_s} << 8 << 7 << u"NEWYORK /  / EKNORWY"_s << QString();
        QTest::newRow("CATS dropped, CAT kept")
            << QStringList{u"CATS"_s, u"CAT"_s} << 3 << 3 << u"CAT /  / ACT"_s << QString();
        QTest::newRow("as long as the width: leftward only")
            << QStringList{u"ABCDE"_s} << 5 << 3 << u"ABCDE /  / ABCDE"_s << u"EDCBA"_s;
        QTest::newRow("two words, one blank each")
            << QStringList{u"A B"_s, u"C D"_s} << 3 << 3 << u"AB CD /  / ABCD"_s << QString();
    }
    void blanksAndLengths()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, outcome);
        QFETCH(QString, row);
        ClockSeededRandom random;
        random.reseed(3);
        const GeneratorResult result = generate(entries, width, height, AttemptLimit::NoBrainer, random);
        QString letters, rows;
        for (int r = 0; r < result.height; ++r) {
            rows += u'/';
            for (int c = 0; c < result.width; ++c)
                result.cell(r, c)                          ? letters += QLatin1Char(result.cell(r, c)),
                    rows += QLatin1Char(result.cell(r, c)) : rows += u'.';
        }
        std::sort(letters.begin(), letters.end());
        QCOMPARE(result.noWords
                     ? u"no words"_s
                     : result.placed.join(u' ') + u" / "_s + result.notPlaced.join(u' ') + u" / "_s + letters,
                 outcome);
        QVERIFY2(rows.contains(row), qPrintable(rows));
    }

    void invariantSweep()
    {
        std::mt19937 rng(7);
        const std::int64_t levels[] = {AttemptLimit::NoBrainer, AttemptLimit::Thoughtful, AttemptLimit::QuilloBashing};
        for (unsigned run = 0; run < 200; ++run) {
            const int width = 3 + int(rng() % (run % 4 ? 12 : 98)), height = 3 + int(rng() % (run % 4 == 1 ? 98 : 12));
            // Up to two words each, with few letters to cross often, some too long for the longer side.
            const int longer = std::max(width, height);
            const int alphabet = 2 + int(rng() % 25);
            const QStringList entries = distinctEntries(int(rng() % 30), run, 2, 1, longer / 2 + 1, alphabet);
            ClockSeededRandom random;
            random.reseed(run);
            QString log;
            const GeneratorProgress progress{[&](qsizetype m) { log += QString::number(m); }, [&] { log += u'.'; }};
            const GeneratorResult result = generate(entries, width, height, levels[run % 3], random, progress);
            // Entries longer than both sides are dropped, counted with their blanks.
            const qsizetype kept
                = std::count_if(entries.begin(), entries.end(), [&](auto &e) { return e.size() <= longer; });
            QCOMPARE(log, kept ? QString::number(kept) + QString(kept, u'.') : QString());
            QCOMPARE(result.noWords, !kept);
            QCOMPARE(result.wordCount, kept);
            QCOMPARE(result.cells.size(), kept ? std::size_t(width * height) : 0u);
            const auto filled = std::count_if(result.cells.begin(), result.cells.end(), [](char c) { return c; });
            const auto letters = result.placed.join(QString()).size();
            QVERIFY(run % 3 ? filled <= letters : filled == letters); // only No Brainer never shares a cell
            // Each placement reads its word along its line; each word written has one.
            for (const Placement &p : result.placements)
                for (int i = 0; i < p.length; ++i)
                    QCOMPARE(result.cell(p.row + i * p.rowStep, p.col + i * p.colStep), p.word.at(i).toLatin1());
            QCOMPARE(result.placements.size(), result.placed.size());
        }
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
