// Bytes of a puzzle file in: refused with a reason, or read into a puzzle
// that holds together and reads back the same once written again.

#include "puzzle/puzzle_file.h"

#include "fuzz_check.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const PuzzleFile::ReadResult read = PuzzleFile::read(bytes);
    FUZZ_CHECK(read.puzzle.has_value() == read.error.isEmpty());
    if (!read.puzzle)
        return 0;
    const Puzzle &puzzle = *read.puzzle;
    FUZZ_CHECK(puzzle.width() >= 3 && puzzle.width() <= 100 && puzzle.height() >= 3 && puzzle.height() <= 100);
    FUZZ_CHECK(puzzle.answer.rows() == puzzle.height() && puzzle.answer.cols() == puzzle.width());
    FUZZ_CHECK(puzzle.number >= 1 && !puzzle.entries.isEmpty() && puzzle.used.size() == puzzle.placements.size());
    for (int r = 0; r < puzzle.height(); ++r) {
        for (int c = 0; c < puzzle.width(); ++c) {
            const QString letter = puzzle.grid.text(r, c);
            FUZZ_CHECK(letter.size() == 1 && letter.at(0) >= u'A' && letter.at(0) <= u'Z');
            FUZZ_CHECK(puzzle.answer.text(r, c).isEmpty() || puzzle.answer.text(r, c) == letter);
        }
    }
    for (const Placement &p : puzzle.placements) {
        FUZZ_CHECK(p.length == p.word.size() && (p.rowStep != 0 || p.colStep != 0));
        for (int i = 0; i < p.length; ++i)
            FUZZ_CHECK(puzzle.grid.text(p.row + i * p.rowStep, p.col + i * p.colStep) == p.word.at(i));
    }
    const QByteArray again = PuzzleFile::write(puzzle);
    const PuzzleFile::ReadResult reread = PuzzleFile::read(again);
    FUZZ_CHECK(reread.puzzle && PuzzleFile::write(*reread.puzzle) == again);
    return 0;
}
