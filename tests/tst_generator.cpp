// The generator: the direction each start takes, the quota and the attempt limits, pinned by scripted draws. Its
// invariants over random lists and sizes are the fuzz target's (fuzz/fuzz_generator.cpp).
#include "inputs.h"
#include "puzzle/generator.h"

#include <QTest>

#include <array>

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
    // Per first direction (' ' between) and start cell of 4 x 4 ('/' between rows), the direction one attempt writes
    // ABC in: 1 rightward, on clockwise to 8 up and rightward; '-' none.
    void directions()
    {
        QString written;
        for (int i = 0; i < 8 * 16; ++i) {
            const int row = i % 16 / 4, col = i % 4;
            ScriptedRandom random;
            random.draws = {drawFor(col + 1, 4), drawFor(row + 1, 4), drawFor(i / 16 + 1, 8)};
            const Placement p = generate({u"ABC"_s}, 4, 4, 0, random).placements.value(0);
            written += (i % 16 ? i % 4 ? u""_s : u"/"_s : u" "_s)
                + QLatin1Char(p.length && p.row == row && p.col == col ? "6785?1432"[p.rowStep * 3 + p.colStep + 4]
                                                                       : '-');
        }
        QCOMPARE(written.trimmed(),
                 u"1333/1-55/1755/1755 2333/1-55/7755/7755 3333/1-55/7755/7755 1344/1-55/7755/7755 "
                 "1355/1-55/7755/7755 1333/1-55/7766/7766 1333/1-55/7777/7777 1333/1-55/8755/8755"_s);
    }

    // 4 x 10. CAT lies in row 3. DOG conflicts with it until TAC's first attempt is next, then lies in row 9. TAC runs
    // from 2,2 down through CAT's A with two passes left, then tries row 1, free. Past the limit each word gets one
    // attempt and is listed as not placed even when written: EMU in row 5, FOX over CAT (or each a spot earlier). TAC
    // back over CAT works off its quota of 3 in one pass: the crossings count together.
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
        ScriptedRandom random = scripted(4, 10, {{1, 2, 4, 7}, {1, 2, 2, 4}});
        QCOMPARE(generate({u"CAT"_s, u"TAC"_s}, 4, 10, AttemptLimit::Thoughtful, random).placed.size(), 2);
        QCOMPARE(random.position, 6u);
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
