#pragma once

#include "puzzle/puzzle.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Puzzle files: a finished puzzle saved whole, to be opened again ready to
// print. A versioned JSON object holds the word list, the size, the level,
// the puzzle number, the grid, the key and where each word lies:
//   {"format": "Lexmire puzzle", "version": 1, "words": [...], "width": W,
//    "height": H, "level": "...", "number": N, "refilled": false, "grid": [H rows of W capital
//    letters], "key": [H rows, "." for a cell no word takes],
//    "placed": [{"word", "row", "column", "rowStep", "columnStep", "length"}],
//    "givenUp": [...]}
// A file is read only when every part of it agrees with every other: what a
// hand or a fault changed is refused, never shown half right.
namespace PuzzleFile {

inline constexpr char16_t dialogFilter[] = u"Lexmire Puzzles (*.lexpuzzle)|*.lexpuzzle|All Files (*.*)|*.*";
inline constexpr char16_t suffix[] = u"lexpuzzle";
// Far above a 100 x 100 puzzle of the longest list a load takes.
inline constexpr qint64 sizeLimit = 64 * 1024 * 1024;

QByteArray write(const Puzzle &puzzle);

struct ReadResult
{
    std::optional<Puzzle> puzzle;
    QString error; // why not, when there is no puzzle
};
ReadResult read(const QByteArray &bytes);
// Why a file over `sizeLimit` is refused, in the words `read` uses.
QString tooLargeReason();

} // namespace PuzzleFile
