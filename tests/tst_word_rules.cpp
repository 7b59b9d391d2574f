// The checks a typed word passes: only A-Z, a-z and the blank, and case folds
// in ASCII alone, so "ß" is not the listed "SS".
#include "editor/word_list.h"
#include "editor/word_rules.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordRules : public QObject
{
    Q_OBJECT

private slots:
    // Each alone: the letters' neighbours, a tab (no blank), and what a
    // locale's folding would make a listed word of.
    void refusals()
    {
        WordList list;
        for (const QString &entry : {u"SS"_s, u"I"_s, u"A"_s})
            list.append(entry);
        for (const char16_t c : u"@[`{09'-_^.\t\u00df\u0131\uff21")
            QVERIFY2(!c || WordRules::check(QString(QChar(c)), list) == WordVerdict::InvalidCharacter,
                     qPrintable(u"U+%1"_s.arg(int(c), 4, 16, QChar(u'0'))));
    }
};

QTEST_GUILESS_MAIN(TestWordRules)
#include "tst_word_rules.moc"
