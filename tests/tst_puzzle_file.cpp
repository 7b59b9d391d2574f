// Puzzle files: a puzzle read back whole, and every kind of damaged,
// foreign or tampered file refused with its reason.
#include "inputs.h"
#include "puzzle/puzzle_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

static QString rowsOf(const CellGrid &grid)
{
    QStringList rows;
    for (int r = 0; r < grid.rows(); ++r) {
        QString row;
        for (int c = 0; c < grid.cols(); ++c)
            row += grid.text(r, c).isEmpty() ? u"."_s : grid.text(r, c);
        rows.append(row);
    }
    return rows.join(u'/');
}

class TestPuzzleFile : public QObject
{
    Q_OBJECT

    Puzzle made;

private slots:
    void initTestCase()
    {
        ScriptedRandom random;
        random.draws = spreadDraws(100000);
        made.entries = {u"CAT"_s, u"NEW YORK"_s, u"DOG"_s, u"HIPPOPOTAMUS"_s};
        const GeneratorResult result = generate(made.entries, 9, 7, AttemptLimit::Thoughtful, random);
        CellGrid table(110, 110);
        made.grid.resize(7, 9);
        made.answer.resize(7, 9);
        PuzzleFill::fill(result, random, table, made.answer, made.grid);
        made.used = result.placed;
        made.notUsed = result.notPlaced;
        made.placements = result.placements;
        made.number = 999'999'999;
        made.level = u"Quillo Bashing"_s;
        made.refilled = true;
        QVERIFY(!made.notUsed.isEmpty() && made.placements.size() >= 2); // both lists carried
    }

    void roundTrip()
    {
        const PuzzleFile::ReadResult back = PuzzleFile::read(PuzzleFile::write(made));
        QVERIFY2(back.puzzle, qPrintable(back.error));
        const Puzzle &read = *back.puzzle;
        QCOMPARE(rowsOf(read.grid), rowsOf(made.grid));
        QCOMPARE(rowsOf(read.answer), rowsOf(made.answer));
        QCOMPARE(QList({read.width(), read.height()}), QList({9, 7}));
        QCOMPARE(read.entries, made.entries);
        QCOMPARE(read.used, made.used);
        QCOMPARE(read.notUsed, made.notUsed);
        QCOMPARE(read.placements, made.placements);
        QCOMPARE(QList({read.number, quint32(read.refilled)}), QList({made.number, 1u}));
        QCOMPARE(read.level, made.level);
        QCOMPARE(numberCaption(read), u"Puzzle 999999999 (refilled)"_s);
    }

    void refusals()
    {
        const QJsonObject good = QJsonDocument::fromJson(PuzzleFile::write(made)).object();
        const auto changed = [&](const std::function<void(QJsonObject &)> &change) {
            QJsonObject file = good;
            change(file);
            return QJsonDocument(file).toJson();
        };
        const auto placedEdit = [&](const QString &field, const QJsonValue &value) {
            return changed([&](QJsonObject &file) {
                QJsonArray placed = file[u"placed"_s].toArray();
                QJsonObject first = placed[0].toObject();
                first[field] = value;
                placed[0] = first;
                file[u"placed"_s] = placed;
            });
        };
        const auto rowEdit = [&](const QString &grid, int row, const QString &text) {
            return changed([&](QJsonObject &file) {
                QJsonArray rows = file[grid].toArray();
                rows[row] = text;
                file[grid] = rows;
            });
        };
        const auto set = [&](const QString &field, const QJsonValue &value) {
            return changed([&](QJsonObject &file) { file[field] = value; });
        };
        const Placement &first = made.placements[0];
        const QString gridRow = good[u"grid"_s].toArray()[first.row].toString();
        QString otherLetter = gridRow; // the first placed word's first letter changed
        otherLetter[first.col] = first.word.at(0) == u'Q' ? u'Z' : u'Q';
        QString keyRow = good[u"key"_s].toArray()[0].toString(); // a letter on a cell no word takes
        const qsizetype empty = keyRow.indexOf(u'.');
        QVERIFY(empty >= 0);
        keyRow[empty] = good[u"grid"_s].toArray()[0].toString().at(empty);
        const QList<std::pair<QByteArray, QString>> cases{
            {"a word search", u"it is not a puzzle file, or it is cut short"_s},
            {PuzzleFile::write(made).chopped(40), u"it is not a puzzle file, or it is cut short"_s},
            {"[1, 2]", u"it is not a puzzle file, or it is cut short"_s},
            {QByteArray(PuzzleFile::sizeLimit + 1, ' '), u"it is larger than 64 MB, the limit for a puzzle"_s},
            {set(u"format"_s, u"Lexmire list"_s), u"it is not a puzzle file"_s},
            {set(u"version"_s, u"1"_s), u"it does not say which version of puzzle file it is"_s},
            {set(u"version"_s, 2), u"it was saved by a newer Lexmire"_s},
            {set(u"width"_s, 101), u"a part of it is missing or out of range"_s},
            {set(u"width"_s, 3e86), u"a part of it is missing or out of range"_s}, // no whole number to convert to
            {set(u"height"_s, 2.5), u"a part of it is missing or out of range"_s},
            {set(u"number"_s, 0), u"a part of it is missing or out of range"_s},
            {set(u"level"_s, u"Thoughtless"_s), u"a part of it is missing or out of range"_s},
            {set(u"words"_s, QJsonArray()), u"a part of it is missing or out of range"_s},
            {set(u"words"_s, QJsonArray({u"cat"_s})), u"a part of it is missing or out of range"_s},
            {set(u"refilled"_s, u"yes"_s), u"a part of it is missing or out of range"_s},
            {changed([](QJsonObject &file) { file.remove(u"placed"_s); }),
             u"a part of it is missing or out of range"_s},
            {set(u"words"_s, QJsonArray({u"CAT"_s, u"DOG"_s, u"CAT"_s})), u"its word list holds a word twice"_s},
            {rowEdit(u"grid"_s, 0, gridRow.left(8)), u"its grid does not have the size it gives"_s},
            {set(u"height"_s, 8), u"its grid does not have the size it gives"_s},
            {rowEdit(u"grid"_s, first.row, otherLetter), u"its key does not match its grid"_s},
            {placedEdit(u"word"_s, u"COW"_s), u"a placed word is not one of its words, or lies nowhere"_s},
            {placedEdit(u"rowStep"_s, 2), u"a placed word is not one of its words, or lies nowhere"_s},
            {placedEdit(u"length"_s, 2), u"a placed word is not one of its words, or lies nowhere"_s},
            {placedEdit(u"row"_s, first.row == 0 ? 1 : 0), u"a placed word does not match its grid"_s},
            {rowEdit(u"key"_s, 0, keyRow), u"its key does not match its words"_s},
            {set(u"givenUp"_s, QJsonArray({u"GIRAFFE"_s})), u"a word given up is not one of its words"_s},
        };
        for (const auto &[bytes, reason] : cases) {
            const PuzzleFile::ReadResult read = PuzzleFile::read(bytes);
            QVERIFY2(!read.puzzle, bytes.left(60).constData());
            QCOMPARE(read.error, reason);
        }
    }
};

QTEST_GUILESS_MAIN(TestPuzzleFile)
#include "tst_puzzle_file.moc"
