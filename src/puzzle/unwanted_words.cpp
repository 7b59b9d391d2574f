#include "puzzle/unwanted_words.h"

#include "platform/random_source.h"

#include <algorithm>
#include <span>

namespace UnwantedWords {

namespace {

struct Direction
{
    int rowStep;
    int colStep;
    const char *name;
};

// In the order of the generator's direction numbers 1 to 8.
constexpr Direction directions[]
    = {{0, 1, "rightward"}, {1, 1, "down and right"}, {1, 0, "downward"}, {1, -1, "down and left"},
       {0, -1, "leftward"}, {-1, -1, "up and left"},  {-1, 0, "upward"},  {-1, 1, "up and right"}};

const char *nameOf(int rowStep, int colStep)
{
    for (const Direction &d : directions)
        if (d.rowStep == rowStep && d.colStep == colStep)
            return d.name;
    return "";
}

} // namespace

QStringList starting()
{
    return {QStringLiteral("BUM"),  QStringLiteral("CRAP"), QStringLiteral("DAMN"),
            QStringLiteral("FART"), QStringLiteral("HELL"), QStringLiteral("POO")};
}

QList<Placement> find(const CellGrid &grid, const CellGrid &answer, const QStringList &words)
{
    QList<Placement> found;
    for (const QString &entry : words) {
        const QString word = QString(entry).remove(QLatin1Char(' ')).toUpper();
        const int length = static_cast<int>(word.size());
        if (length < 2)
            continue;
        // A word that reads the same backwards would be found twice on one line.
        const bool palindrome = std::equal(word.begin(), word.begin() + length / 2, word.rbegin());
        const auto searched = std::span<const Direction>(directions).first(palindrome ? 4 : 8);
        for (int row = 0; row < grid.rows(); ++row) {
            for (int col = 0; col < grid.cols(); ++col) {
                for (const Direction &d : searched) {
                    const int lastRow = row + (length - 1) * d.rowStep;
                    const int lastCol = col + (length - 1) * d.colStep;
                    if (!grid.contains(lastRow, lastCol))
                        continue;
                    bool reads = true;
                    bool filler = false;
                    for (int i = 0; i < length && reads; ++i) {
                        const int r = row + i * d.rowStep, c = col + i * d.colStep;
                        reads = grid.text(r, c) == word.at(i);
                        filler = filler || !answer.contains(r, c) || answer.text(r, c).isEmpty();
                    }
                    if (reads && filler)
                        found.append({word, row, col, d.rowStep, d.colStep, length});
                }
            }
        }
    }
    return found;
}

QString report(const QList<Placement> &found)
{
    if (found.isEmpty())
        return QStringLiteral("No unwanted word in the filler.");
    QStringList each;
    for (const Placement &f : found)
        each.append(QStringLiteral("%1 (row %2, column %3, %4)")
                        .arg(f.word)
                        .arg(f.row + 1)
                        .arg(f.col + 1)
                        .arg(QLatin1String(nameOf(f.rowStep, f.colStep))));
    return QStringLiteral("Unwanted words in the filler: %1.").arg(each.join(QStringLiteral("; ")));
}

void refill(CellGrid &grid, const CellGrid &answer, RandomSource &random)
{
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            if (!answer.contains(r, c) || answer.text(r, c).isEmpty())
                grid.setText(r, c, QString(QLatin1Char(drawLetter(random))));
}

} // namespace UnwantedWords
