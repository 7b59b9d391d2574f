// Puzzle files: a puzzle read back whole, and every kind of damaged, foreign or tampered file refused with its reason.
#include "inputs.h"
#include "puzzle/puzzle_file.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPuzzleFile : public QObject
{
    Q_OBJECT

private slots:
    // A generated puzzle, its filler drawn again: every part of it read back.
    void roundTrip()
    {
        ScriptedRandom random;
        random.draws = spreadDraws(100000);
        const QStringList entries{u"CAT"_s, u"NEW YORK"_s, u"DOG"_s, u"HIPPOPOTAMUS"_s};
        Puzzle made{{7, 9}, {7, 9}, {}, {}, {}, entries, 999'999'999, u"Quillo Bashing"_s, true};
        const GeneratorResult result = generate(made.entries, 9, 7, AttemptLimit::Thoughtful, random);
        CellGrid table(110, 110);
        PuzzleFill::fill(result, random, table, made.answer, made.grid);
        made.used = result.placed;
        made.notUsed = result.notPlaced;
        made.placements = result.placements;
        QVERIFY(!made.notUsed.isEmpty() && made.placements.size() >= 2); // both lists carried
        const QByteArray written = PuzzleFile::write(made);
        const PuzzleFile::ReadResult back = PuzzleFile::read(written);
        QVERIFY2(back.puzzle, qPrintable(back.error));
        QCOMPARE(PuzzleFile::write(*back.puzzle), written); // every part of it, as it was written
        QCOMPARE(QList({back.puzzle->width(), back.puzzle->height()}), QList({9, 7}));
        QCOMPARE(numberCaption(*back.puzzle), u"Puzzle 999999999 (refilled)"_s);
    }

    void refusals()
    {
        // CAT and DOG across the top and bottom rows, NEW YORK given up.
        const QByteArray good = R"({"format": "Lexmire puzzle", "version": 1, "words": ["CAT", "DOG", "NEW YORK"],
            "width": 3, "height": 3, "level": "Thoughtful", "number": 42, "grid": ["CAT", "XQZ", "DOG"],
            "key": ["CAT", "...", "DOG"], "givenUp": ["NEWYORK"], "placed": [{"word": "CAT", "row": 0, "column": 0,
            "rowStep": 0, "columnStep": 1, "length": 3}, {"word": "DOG", "row": 2, "column": 0, "rowStep": 0,
            "columnStep": 1, "length": 3}]})";
        QVERIFY(PuzzleFile::read(good).puzzle);
        const QString range = u"a part of it is missing or out of range"_s,
                      nowhere = u"a placed word is not one of its "
                                "words, or lies nowhere"_s;
        const QList<std::tuple<QByteArray, QByteArray, QString>> cases{
            {"{", "a word search {", u"it is not a puzzle file, or it is cut short"_s},
            {"}]}", "}]", u"it is not a puzzle file, or it is cut short"_s},
            {"puzzle\"", "list\"", u"it is not a puzzle file"_s},
            {"\"version\": 1", "\"version\": 2", u"it was saved by a newer Lexmire"_s},
            {"\"width\": 3", "\"width\": 101", range},
            {"\"width\": 3", "\"width\": 3e86", range}, // no whole number to convert to
            {"Thoughtful", "Thoughtless", range},
            {"\"number\": 42", "\"number\": 42, \"refilled\": \"yes\"", range},
            {"\"NEW YORK\"]", "\"CAT\"]", u"its word list holds a word twice"_s},
            {"\"XQZ\"", "\"XQ\"", u"its grid does not have the size it gives"_s},
            {"[\"CAT\", \"...\"", "[\"COT\", \"...\"", u"its key does not match its grid"_s},
            {"\"word\": \"CAT\"", "\"word\": \"COW\"", nowhere},
            {"\"rowStep\": 0, \"columnStep\": 1, \"length\": 3}, {",
             "\"rowStep\": 2, \"columnStep\": 1, \"length\": 3}, {", nowhere},
            {"\"row\": 0", "\"row\": 1", u"a placed word does not match its grid"_s},
            {"\"...\"", "\".Q.\"", u"its key does not match its words"_s},
            {"NEWYORK", "GIRAFFE", u"a word given up is not one of its words"_s},
        };
        for (const auto &[from, to, reason] : cases) {
            QByteArray bytes = good;
            QVERIFY2(bytes.contains(from), from.constData());
            const PuzzleFile::ReadResult read = PuzzleFile::read(bytes.replace(from, to));
            QVERIFY2(!read.puzzle, to.constData());
            QCOMPARE(read.error, reason);
        }
        QCOMPARE(PuzzleFile::read(QByteArray(PuzzleFile::sizeLimit + 1, ' ')).error,
                 u"it is larger than 64 MB, the limit for a puzzle"_s);
    }
};

QTEST_GUILESS_MAIN(TestPuzzleFile)
#include "tst_puzzle_file.moc"
