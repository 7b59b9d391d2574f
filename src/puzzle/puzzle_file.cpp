#include "puzzle/puzzle_file.h"

#include "platform/random_source.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

namespace PuzzleFile {

namespace {

const QString format = QStringLiteral("Lexmire puzzle");
constexpr int version = 1;
constexpr int smallestSide = 3;
constexpr int largestSide = 100;
const QStringList levels{QStringLiteral("No Brainer"), QStringLiteral("Thoughtful"), QStringLiteral("Quillo Bashing")};

QString tr(const char *text)
{
    return QCoreApplication::translate("PuzzleFile", text);
}

QJsonArray array(const QStringList &texts)
{
    QJsonArray items;
    for (const QString &text : texts)
        items.append(text);
    return items;
}

QStringList rowsOf(const CellGrid &grid, QChar empty)
{
    QStringList rows;
    for (int r = 0; r < grid.rows(); ++r) {
        QString row;
        for (int c = 0; c < grid.cols(); ++c)
            row += grid.text(r, c).isEmpty() ? empty : grid.text(r, c).at(0);
        rows.append(row);
    }
    return rows;
}

// A list of strings each matching `pattern`, or nothing.
std::optional<QStringList> strings(const QJsonValue &value, const QRegularExpression &pattern)
{
    if (!value.isArray())
        return std::nullopt;
    QStringList texts;
    for (const QJsonValue &item : value.toArray()) {
        if (!item.isString() || !pattern.match(item.toString()).hasMatch())
            return std::nullopt;
        texts.append(item.toString());
    }
    return texts;
}

// A whole number from `low` to `high`, or nothing.
std::optional<int> whole(const QJsonValue &value, qint64 low, qint64 high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    // The range first: a double far out of it has no whole number to convert to.
    if (!(number >= static_cast<double>(low) && number <= static_cast<double>(high)) || number != std::floor(number))
        return std::nullopt;
    return static_cast<int>(number);
}

ReadResult refused(const char *reason)
{
    return {std::nullopt, tr(reason)};
}

} // namespace

QByteArray write(const Puzzle &puzzle)
{
    QJsonArray placed;
    for (const Placement &p : puzzle.placements)
        placed.append(QJsonObject{{QStringLiteral("word"), p.word},
                                  {QStringLiteral("row"), p.row},
                                  {QStringLiteral("column"), p.col},
                                  {QStringLiteral("rowStep"), p.rowStep},
                                  {QStringLiteral("columnStep"), p.colStep},
                                  {QStringLiteral("length"), p.length}});
    const QJsonObject file{{QStringLiteral("format"), format},
                           {QStringLiteral("version"), version},
                           {QStringLiteral("words"), array(puzzle.entries)},
                           {QStringLiteral("width"), puzzle.width()},
                           {QStringLiteral("height"), puzzle.height()},
                           {QStringLiteral("level"), puzzle.level},
                           {QStringLiteral("number"), static_cast<qint64>(puzzle.number)},
                           {QStringLiteral("refilled"), puzzle.refilled},
                           {QStringLiteral("grid"), array(rowsOf(puzzle.grid, QLatin1Char('?')))},
                           {QStringLiteral("key"), array(rowsOf(puzzle.answer, QLatin1Char('.')))},
                           {QStringLiteral("placed"), placed},
                           {QStringLiteral("givenUp"), array(puzzle.notUsed)}};
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

QString tooLargeReason()
{
    return tr("it is larger than 64 MB, the limit for a puzzle");
}

ReadResult read(const QByteArray &bytes)
{
    if (bytes.size() > sizeLimit)
        return {std::nullopt, tooLargeReason()};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refused("it is not a puzzle file, or it is cut short");
    const QJsonObject file = document.object();
    if (file.value(QStringLiteral("format")).toString() != format)
        return refused("it is not a puzzle file");
    const std::optional<int> saved = whole(file.value(QStringLiteral("version")), 1, 1'000'000);
    if (!saved)
        return refused("it does not say which version of puzzle file it is");
    if (*saved > version)
        return refused("it was saved by a newer Lexmire");

    static const QRegularExpression entry(QStringLiteral("^[A-Z]+( +[A-Z]+)*$"));
    static const QRegularExpression word(QStringLiteral("^[A-Z]+$"));
    static const QRegularExpression letters(QStringLiteral("^[A-Z]*$"));
    static const QRegularExpression keyRow(QStringLiteral("^[A-Z.]*$"));
    const std::optional<int> width = whole(file.value(QStringLiteral("width")), smallestSide, largestSide);
    const std::optional<int> height = whole(file.value(QStringLiteral("height")), smallestSide, largestSide);
    const std::optional<int> number = whole(file.value(QStringLiteral("number")), 1, lastPuzzleNumber);
    const QString level = file.value(QStringLiteral("level")).toString();
    const std::optional<QStringList> words = strings(file.value(QStringLiteral("words")), entry);
    const std::optional<QStringList> grid = strings(file.value(QStringLiteral("grid")), letters);
    const std::optional<QStringList> key = strings(file.value(QStringLiteral("key")), keyRow);
    const std::optional<QStringList> givenUp = strings(file.value(QStringLiteral("givenUp")), word);
    const QJsonValue refilled = file.value(QStringLiteral("refilled"));
    if (!width || !height || !number || !levels.contains(level) || !words || words->isEmpty() || !grid || !key
        || !givenUp || !file.value(QStringLiteral("placed")).isArray()
        || !(refilled.isBool() || refilled.isUndefined()))
        return refused("a part of it is missing or out of range");

    // The list, as the editor keeps one: no two entries alike.
    QSet<QString> seen;
    QSet<QString> wordsAsPlaced;
    for (const QString &listed : *words) {
        if (seen.contains(listed))
            return refused("its word list holds a word twice");
        seen.insert(listed);
        wordsAsPlaced.insert(QString(listed).remove(QLatin1Char(' ')));
    }
    if (grid->size() != *height || key->size() != *height)
        return refused("its grid does not have the size it gives");
    Puzzle puzzle;
    puzzle.entries = *words;
    puzzle.level = level;
    puzzle.number = static_cast<quint32>(*number);
    puzzle.refilled = refilled.toBool();
    puzzle.notUsed = *givenUp;
    puzzle.grid.resize(*height, *width);
    puzzle.answer.resize(*height, *width);
    for (int r = 0; r < *height; ++r) {
        if (grid->at(r).size() != *width || key->at(r).size() != *width)
            return refused("its grid does not have the size it gives");
        for (int c = 0; c < *width; ++c) {
            const QChar letter = grid->at(r).at(c);
            const QChar answer = key->at(r).at(c);
            if (answer != QLatin1Char('.') && answer != letter)
                return refused("its key does not match its grid");
            puzzle.grid.setText(r, c, QString(letter));
            if (answer != QLatin1Char('.'))
                puzzle.answer.setText(r, c, QString(answer));
        }
    }

    // Every word placed reads along its line in the grid and in the key, and
    // the key holds nothing the placed words do not put there.
    CellGrid covered(*height, *width);
    for (const QJsonValue &item : file.value(QStringLiteral("placed")).toArray()) {
        const QJsonObject placed = item.toObject();
        const QString text = placed.value(QStringLiteral("word")).toString();
        const std::optional<int> row = whole(placed.value(QStringLiteral("row")), 0, *height - 1);
        const std::optional<int> col = whole(placed.value(QStringLiteral("column")), 0, *width - 1);
        const std::optional<int> rowStep = whole(placed.value(QStringLiteral("rowStep")), -1, 1);
        const std::optional<int> colStep = whole(placed.value(QStringLiteral("columnStep")), -1, 1);
        const std::optional<int> length = whole(placed.value(QStringLiteral("length")), 1, largestSide);
        if (!row || !col || !rowStep || !colStep || !length || (*rowStep == 0 && *colStep == 0)
            || !word.match(text).hasMatch() || text.size() != *length || !wordsAsPlaced.contains(text))
            return refused("a placed word is not one of its words, or lies nowhere");
        for (int i = 0; i < *length; ++i) {
            const int r = *row + i * *rowStep, c = *col + i * *colStep;
            if (!puzzle.grid.contains(r, c) || puzzle.answer.text(r, c) != text.at(i))
                return refused("a placed word does not match its grid");
            covered.setText(r, c, text.mid(i, 1));
        }
        puzzle.placements.append({text, *row, *col, *rowStep, *colStep, *length});
        puzzle.used.append(text);
    }
    if (rowsOf(covered, QLatin1Char('.')) != rowsOf(puzzle.answer, QLatin1Char('.')))
        return refused("its key does not match its words");
    for (const QString &given : std::as_const(puzzle.notUsed))
        if (!wordsAsPlaced.contains(given))
            return refused("a word given up is not one of its words");
    return {puzzle, {}};
}

} // namespace PuzzleFile
