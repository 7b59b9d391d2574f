#pragma once

#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

class RandomSource;

// Attempt limits of the three levels of thought.
namespace AttemptLimit {
inline constexpr std::int64_t NoBrainer = 1000;
inline constexpr std::int64_t Thoughtful = 10000;
inline constexpr std::int64_t QuilloBashing = 50000;
} // namespace AttemptLimit

struct GeneratorProgress
{
    // Called once, before the first word, with the number M of words to place.
    std::function<void(qsizetype wordCount)> started;
    // Called once after every word, placed or given up.
    std::function<void()> wordFinished;
};

// Where a placed word lies: its first letter's cell (row, column, from 0),
// the step from one letter to the next, and its length.
struct Placement
{
    QString word;
    int row = 0;
    int col = 0;
    int rowStep = 0;
    int colStep = 0;
    int length = 0;

    friend bool operator==(const Placement &, const Placement &) = default;
};

struct GeneratorResult
{
    // Nothing was left to place after preparation (empty list, or every entry
    // longer than both dimensions). The other fields are then empty.
    bool noWords = false;
    int width = 0;
    int height = 0;
    qsizetype wordCount = 0; // M
    // Answer letters, row-major, height x width, 0-based; '\0' for an empty cell.
    std::vector<char> cells;
    QStringList placed;
    QStringList notPlaced;
    // Every word written into the grid, in placing order (a word placed in
    // the very attempt that ended the run is here, and in both lists).
    QList<Placement> placements;

    char cell(int row, int col) const
    {
        return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(col)];
    }
};

// Hides the entries (capital letters and blanks) in a width x height grid by
// random trial, drawing column, row and direction for every attempt. Pure:
// the same draws give the same result.
GeneratorResult generate(const QStringList &entries, int width, int height, std::int64_t attemptLimit,
                         RandomSource &random, const GeneratorProgress &progress = {});
