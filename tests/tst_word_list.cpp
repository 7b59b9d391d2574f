// The word list and its case-blind index: they never part, whatever changes.
#include "editor/word_list.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordList : public QObject
{
    Q_OBJECT

private slots:
    void indexFollowsEveryChange()
    {
        WordList list;
        for (const QString &entry : {u"CAT"_s, u"NEW YORK"_s, u"DOG"_s})
            list.append(entry);
        QVERIFY(list.containsIgnoringCase(u"new york"_s) && list.containsIgnoringCase(u"Cat"_s));
        QVERIFY(!list.containsIgnoringCase(u"NEWYORK"_s) && !list.containsIgnoringCase(u"CAT "_s));
        list.removeAt(0);
        QCOMPARE(list.entries(), QStringList({u"NEW YORK"_s, u"DOG"_s}));
        QVERIFY(!list.containsIgnoringCase(u"cat"_s)); // a deleted word may come back
        list.reorder({u"DOG"_s, u"NEW YORK"_s});
        QCOMPARE(list.at(0), u"DOG"_s);
        QVERIFY(list.containsIgnoringCase(u"dog"_s) && list.containsIgnoringCase(u"new york"_s));
        list.clear();
        QVERIFY(list.isEmpty() && !list.containsIgnoringCase(u"dog"_s));
        list.append(u"DOG"_s);
        QCOMPARE(list.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_word_list.moc"
