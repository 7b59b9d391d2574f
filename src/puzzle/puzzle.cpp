#include "puzzle/puzzle.h"

#include "platform/random_source.h"
#include "puzzle/generator.h"

#include <QHash>

#include <array>

namespace PuzzleFill {

namespace {

// One shared string per capital letter, so a 100 x 100 puzzle holds no
// ten thousand separate one-letter strings.
const QString &letterText(char letter)
{
    static const std::array<QString, 26> letters = [] {
        std::array<QString, 26> texts;
        for (int i = 0; i < 26; ++i)
            texts[static_cast<std::size_t>(i)] = QString(QLatin1Char(static_cast<char>('A' + i)));
        return texts;
    }();
    Q_ASSERT(letter >= 'A' && letter <= 'Z');
    return letters[static_cast<std::size_t>(letter - 'A')];
}

} // namespace

void fill(const GeneratorResult &result, RandomSource &random, CellGrid &answerTable, CellGrid &answer,
          CellGrid &puzzle)
{
    // A fresh table each run, so no letter of an earlier, larger puzzle lingers.
    answerTable.clear();
    answer.clear();
    puzzle.clear();
    for (int r = 0; r < result.height; ++r) {
        for (int c = 0; c < result.width; ++c) {
            if (const char letter = result.cell(r, c)) {
                const QString &text = letterText(letter);
                answerTable.setText(r, c, text);
                answer.setText(r, c, text);
                puzzle.setText(r, c, text);
            }
        }
    }
    for (int r = 0; r < result.height; ++r) {
        for (int c = 0; c < result.width; ++c) {
            if (puzzle.text(r, c).isEmpty())
                puzzle.setText(r, c, letterText(drawLetter(random)));
        }
    }
}

} // namespace PuzzleFill

QList<bool> notHiddenMarks(const QStringList &shown, const std::optional<QStringList> &generatedFrom,
                           const QStringList &placed)
{
    if (!generatedFrom || shown != *generatedFrom)
        return {};
    QHash<QString, int> placements;
    for (const QString &word : placed)
        ++placements[word];
    QList<bool> marks;
    marks.reserve(shown.size());
    for (const QString &entry : shown) {
        int &left = placements[QString(entry).remove(QLatin1Char(' '))];
        marks.append(left == 0);
        if (left > 0)
            --left;
    }
    return marks;
}

QString numberCaption(const Puzzle &puzzle)
{
    if (puzzle.number == 0)
        return {};
    const QString caption = QStringLiteral("Puzzle %1").arg(puzzle.number);
    return puzzle.refilled ? caption + QStringLiteral(" (refilled)") : caption;
}
