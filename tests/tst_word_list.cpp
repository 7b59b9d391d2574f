// The word list's case-blind index: every change reaches it, and it matches
// whole entries alone.
#include "editor/word_list_model.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordList : public QObject
{
    Q_OBJECT

private slots:
    void theIndexFollowsTheList()
    {
        WordListModel model;
        const WordList &words = model.words();
        for (const QString &entry : {u"EMU"_s, u"CAT"_s, u"DOG"_s})
            model.append(entry);
        model.removeAt(1); // CAT may come back
        model.sort(SortOrder::DescendingFirst);
        QCOMPARE(words.entries(), QStringList({u"EMU"_s, u"DOG"_s}));
        QVERIFY(model.rowCount() == 2 && !words.containsIgnoringCase(u"Cat"_s) && words.containsIgnoringCase(u"dog"_s)
                && !words.containsIgnoringCase(u"DOG "_s));
        model.clear();
        QVERIFY(model.rowCount() == 0 && !words.containsIgnoringCase(u"dog"_s));
    }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_word_list.moc"
