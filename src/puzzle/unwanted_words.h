#pragma once

#include "puzzle/cell_grid.h"
#include "puzzle/generator.h"

#include <QList>
#include <QStringList>

class RandomSource;

// Words nobody wants in a child's puzzle, spelt by chance in its filler
// letters: found, reported, and drawn over anew when asked.
namespace UnwantedWords {

// A few mild ones to start with; the user keeps a list of their own.
QStringList starting();

// Each of `words` (blanks left out, case ignored) wherever it reads in the
// grid, in any of the eight directions, with at least one of its letters a
// filler letter: the puzzle's own words, read where they were placed, do not
// count. Words of fewer than two letters are not looked for.
QList<Placement> find(const CellGrid &grid, const CellGrid &answer, const QStringList &words);

// "No unwanted word in the filler." or "Unwanted words in the filler: BUM
// (row 3, column 5, leftward)."; rows and columns counted from 1.
QString report(const QList<Placement> &found);

// New filler letters: every cell the answer leaves empty gets a fresh draw,
// row by row. The placed words never move.
void refill(CellGrid &grid, const CellGrid &answer, RandomSource &random);

} // namespace UnwantedWords
