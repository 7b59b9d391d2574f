#pragma once

#include "puzzle/cell_grid.h"
#include "puzzle/generator.h"

#include <QStringList>

#include <optional>

class RandomSource;

// A finished puzzle, as it is shown and printed: the puzzle grid (a capital
// letter in every cell), the answer grid (the placed words' letters, empty
// elsewhere), the words placed and given up, where each placed word lies,
// and the entries it was made from, as the list showed them.
struct Puzzle
{
    CellGrid grid;
    CellGrid answer;
    QStringList used;    // placed, in placing order
    QStringList notUsed; // given up
    QList<Placement> placements;
    QStringList entries;
    quint32 number = 0;    // the puzzle number that makes it again; 0 before the first Generate
    QString level;         // the level of thought it was made at, as its option reads
    bool refilled = false; // its filler letters drawn again since: the number no longer makes it

    int width() const { return grid.cols(); }
    int height() const { return grid.rows(); }
};

// "Puzzle 123456789", or "Puzzle 123456789 (refilled)"; empty before the first Generate.
QString numberCaption(const Puzzle &puzzle);

namespace PuzzleFill {

// Every cell of the answer table, answer grid and puzzle grid emptied, then
// the letters of `result` written into all three (each must hold at least
// its rows and columns), and every empty cell of the puzzle grid given a
// letter: one draw per cell, row by row, after all of the generator's draws.
void fill(const GeneratorResult &result, RandomSource &random, CellGrid &answerTable, CellGrid &answer,
          CellGrid &puzzle);

} // namespace PuzzleFill

// Which of `shown` the last Generate did not hide: none when it worked on
// another list (other entries, or another order), since only the list it was
// made from can be marked truthfully. Each placement vouches for one entry:
// NEW YORK and NEWYORK both hide as NEWYORK.
QList<bool> notHiddenMarks(const QStringList &shown, const std::optional<QStringList> &generatedFrom,
                           const QStringList &placed);
