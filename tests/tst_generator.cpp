// The generator: draws, directions, quota and attempt limits pinned by scripted draws; invariants over random runs.
#include "inputs.h"
#include "puzzle/generator.h"

#include <QTest>

#include <array>
#include <cmath>
#include <random>

using namespace Qt::StringLiterals;

// The draws that start attempts at (column, row, direction), so many times each.
static ScriptedRandom scripted(int width, int height, const QList<std::array<int, 4>> &attempts)
{
    ScriptedRandom random;
    for (const auto &[times, col, row, direction] : attempts)
        for (int i = 0; i < times; ++i)
            random.draws.insert(random.draws.end(), {drawFor(col, width), drawFor(row, height), drawFor(direction, 8)});
    return random;
}

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void draws()
    {
        // In float arithmetic the largest draw below 1 would round up to n + 1.
        for (const auto &[r, n, whole] : {std::tuple(0.5f, 26, 14), std::tuple(std::nextafter(1.0f, 0.0f), 100, 100)}) {
            ScriptedRandom random;
            random.draws = {r};
            QCOMPARE(drawWhole(random, n), whole);
        }
        ClockSeededRandom a, b, c;
        a.reseed(45296.25), b.reseed(45296.25), c.reseed(45296.5);
        double sum = 0, differ = 0;
        for (int i = 0; i < 50000; ++i) {
            const float r = a.next();
            QVERIFY(r >= 0.0f && r < 1.0f && b.next() == r);
            differ += c.next() != r, sum += r;
        }
        QVERIFY(differ > 0 && std::abs(sum / 50000 - 0.5) < 0.01); // a gross bias only: the spread is 0.0013
    }

    // Per first direction (' ' between) and start cell of 4 x 4 ('/' between rows): the direction one attempt writes
    // ABC in, and its passes left then: the most crossings (words "A" on the start) it still works off.
    void directionsAndPasses()
    {
        GeneratorResult result;
        const auto writes = [&](int n, int c, int r, int d) {
            ScriptedRandom random = scripted(4, 4, {{n, c, r, 5}, {1, c, r, d}});
            result = generate(QStringList(n, u"A"_s) << u"ABC"_s, 4, 4, n ? AttemptLimit::Thoughtful : 0, random);
            return random.position == random.draws.size() && result.placed.size() == n + 1;
        };
        QString directions, passes;
        for (int i = 0; i < 8 * 16; ++i) {
            const int row = i % 16 / 4, col = i % 4;
            const bool placed = writes(0, col + 1, row + 1, i / 16 + 1);
            const Placement p = result.placements.value(0);
            int left = 0;
            while (placed && left < 9 && writes(left + 1, col + 1, row + 1, i / 16 + 1))
                ++left;
            const QString gap = i % 16 ? i % 4 ? u""_s : u"/"_s : u" "_s;
            directions += gap
                + QLatin1Char(placed && p.row == row && p.col == col ? "6785?1432"[p.rowStep * 3 + p.colStep + 4]
                                                                     : '-');
            passes += gap + QString::number(left);
        }
        QCOMPARE(directions.trimmed(),
                 u"1333/1-55/1755/1755 2333/1-55/7755/7755 3333/1-55/7755/7755 1344/1-55/7755/7755 "
                 "1355/1-55/7755/7755 1333/1-55/7766/7766 1333/1-55/7777/7777 1333/1-55/8755/8755"_s);
        QCOMPARE(passes.trimmed(),
                 u"9777/9055/9355/9355 9888/2066/4466/4466 9999/3077/5577/5577 4299/4088/6688/6688 "
                 "5399/5099/7799/7799 6444/6022/8899/8899 7555/7033/9999/9999 8666/8044/9244/9244"_s);
    }

    // TAC runs back over CAT: three crossings work off its quota of 3 in one pass.
    void crossingsCountTogether()
    {
        ScriptedRandom random = scripted(4, 10, {{1, 2, 4, 7}, {1, 2, 2, 4}});
        QCOMPARE(generate({u"CAT"_s, u"TAC"_s}, 4, 10, AttemptLimit::Thoughtful, random).placed.size(), 2);
        QCOMPARE(random.position, 6u);
    }

    // 4 x 10. CAT lies in row 3. DOG conflicts with it until TAC's first attempt is next, then lies in row 9. TAC
    // runs from 2,2 down through CAT's A with two passes left, then tries row 1, free. Past the limit each word gets
    // one attempt and is listed as not placed even when written: EMU in row 5, FOX over CAT (or each a spot earlier).
    void attemptLimitsAndQuota()
    {
        for (const auto &[level, first, tries, outcome] : {
                 // Below 1,500 attempts no quota: the crossing drives it below 0 for good.
                 std::tuple(AttemptLimit::NoBrainer, 1000, 1, u"CAT DOG EMU / TAC EMU FOX"_s),
                 // Raised to 3 as (0 + 1) x 9,999 < 10,000; two passes leave 1, lowered to 0 as 1 x 10,000 > 5,000.
                 std::tuple(AttemptLimit::Thoughtful, 10000, 1, u"CAT DOG TAC EMU / TAC EMU FOX"_s),
                 std::tuple(AttemptLimit::Thoughtful, 10001, 1, u"CAT DOG EMU FOX / TAC EMU FOX"_s),
                 // Raised by 3 an attempt, lowered once quota x attempts passes 5,000: 2 at attempt 3,335.
                 std::tuple(AttemptLimit::Thoughtful, 491, 3510, u"CAT DOG TAC EMU / FOX"_s),
             }) {
            auto random = scripted(
                4, 10,
                {{first - 2, 1, 3, 1}, {1, 1, 9, 1}, {tries, 2, 2, 4}, {1, 1, 1, 1}, {1, 1, 5, 1}, {1, 1, 3, 1}});
            const GeneratorResult result = generate(u"CAT DOG TAC EMU FOX"_s.split(u' '), 4, 10, level, random);
            QCOMPARE(result.placed.join(u' ') + u" / "_s + result.notPlaced.join(u' '), outcome);
        }
    }

    void invariantSweep()
    {
        std::mt19937 rng(7);
        const std::int64_t levels[] = {AttemptLimit::NoBrainer, AttemptLimit::Thoughtful, AttemptLimit::QuilloBashing};
        for (unsigned run = 0; run < 200; ++run) {
            const int width = 3 + int(rng() % (run % 4 ? 12 : 98)), height = 3 + int(rng() % (run % 4 == 1 ? 98 : 12));
            // Up to two words each, with few letters to cross often, some too long for the longer side.
            const int longer = std::max(width, height), alphabet = 2 + int(rng() % 25);
            const QStringList entries = distinctEntries(int(rng() % 30), run, 2, 1, longer / 2 + 1, alphabet);
            ClockSeededRandom random;
            random.reseed(run);
            QString log;
            const GeneratorProgress progress{[&](qsizetype m) { log += QString::number(m); }, [&] { log += u'.'; }};
            const GeneratorResult result = generate(entries, width, height, levels[run % 3], random, progress);
            // Entries longer than both sides are dropped, measured with their blanks; none reach a list or the grid.
            QStringList words;
            for (const QString &entry : entries)
                if (entry.size() <= longer)
                    words << QString(entry).remove(u' ');
            const QStringList listed = result.placed + result.notPlaced;
            QCOMPARE(QSet(listed.begin(), listed.end()), QSet(words.begin(), words.end()));
            const qsizetype kept = words.size();
            QCOMPARE(log, kept ? QString::number(kept) + QString(kept, u'.') : QString());
            QCOMPARE(QList({qsizetype(result.noWords), result.wordCount, qsizetype(result.cells.size())}),
                     QList({qsizetype(!kept), kept, kept ? qsizetype(width * height) : 0}));
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
