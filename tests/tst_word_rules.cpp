// The checks a typed word passes, in their order, and the two text rules.
#include "editor/word_list.h"
#include "editor/word_rules.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordRules : public QObject
{
    Q_OBJECT

private slots:
    void verdicts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("added");
        const int accept = int(WordVerdict::Accept), duplicate = int(WordVerdict::Duplicate),
                  invalid = int(WordVerdict::InvalidCharacter), empty = int(WordVerdict::Empty);
        QTest::newRow("blanks round it") << u"  cat  "_s << accept << u"CAT"_s;
        QTest::newRow("blanks inside") << u" new  york "_s << accept << u"NEW  YORK"_s;
        QTest::newRow("A to Z, a to z") << u"AZaz"_s << accept << u"AZAZ"_s;
        QTest::newRow("same but for case") << u"dOG"_s << duplicate << QString();
        QTest::newRow("duplicate comes first") << u" Dog "_s << duplicate << QString();
        QTest::newRow("a tab stays and is refused") << u"\tcat"_s << invalid << QString();
        QTest::newRow("the sharp s is not SS") << u"\u00df"_s << invalid << QString();
        QTest::newRow("the dotless i is not I") << u"\u0131"_s << invalid << QString();
        QTest::newRow("full-width A") << u"\uff21"_s << invalid << QString();
        for (const char16_t c : u"@[`{09'-_^.")
            if (c)
                QTest::addRow("code %d", int(c)) << u"a"_s + QChar(c) << invalid << QString();
        QTest::newRow("nothing") << QString() << empty << QString();
        QTest::newRow("only blanks") << u"    "_s << empty << QString();
    }
    void verdicts()
    {
        QFETCH(QString, typed);
        QFETCH(int, verdict);
        QFETCH(QString, added);
        WordList list;
        for (const QString &entry : {u"DOG"_s, u"SS"_s, u"I"_s, u"A"_s})
            list.append(entry);
        const QString candidate = WordRules::trimBlanks(typed);
        QCOMPARE(int(WordRules::check(candidate, list)), verdict);
        QCOMPARE(verdict == int(WordVerdict::Accept) ? WordRules::asciiUpper(candidate) : QString(), added);
    }

    void messages()
    {
        QCOMPARE(
            QStringList({WordRules::message(WordVerdict::Duplicate), WordRules::message(WordVerdict::InvalidCharacter),
                         WordRules::message(WordVerdict::Empty), WordRules::message(WordVerdict::Accept)}),
            QStringList({u"You already have that word in the list you idiot!!"_s,
                         u"You have an invalid character in the word you idiot!!"_s,
                         u"Please enter a word first you idiot."_s, QString()}));
    }
};

QTEST_GUILESS_MAIN(TestWordRules)
#include "tst_word_rules.moc"
