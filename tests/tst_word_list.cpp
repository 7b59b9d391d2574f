// The word list, its case-blind index and its model: every change reaches the
// index, and the views hear of it once.
#include "editor/word_list.h"
#include "editor/word_list_model.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWordList : public QObject
{
    Q_OBJECT

private slots:
    void everyChangeIsKeptAndTold()
    {
        WordListModel model;
        const WordList &words = model.words();
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.appendMany([](WordList &list) {
            for (const QString &entry : {u"EMU"_s, u"CAT"_s, u"DOG"_s})
                list.append(entry);
        });
        model.appendMany([](WordList &) {}); // nothing added, nothing told
        model.append(u"OWL"_s);
        model.removeAt(1); // CAT may come back
        model.sort(SortOrder::AscendingFirst);
        QCOMPARE(words.entries(), QStringList({u"DOG"_s, u"EMU"_s, u"OWL"_s}));
        QVERIFY(!words.containsIgnoringCase(u"Cat"_s) && words.containsIgnoringCase(u"owl"_s)
                && !words.containsIgnoringCase(u"OWL "_s));
        // Calls, first and last row of each insertion, then of the removal; rows.
        QCOMPARE(
            QList<qsizetype>({inserted.size(), inserted[0][1].toInt(), inserted[0][2].toInt(), inserted[1][1].toInt(),
                              removed.size(), removed[0][1].toInt(), reset.size(), model.rowCount()}),
            QList<qsizetype>({2, 0, 2, 3, 1, 1, 1, 3}));
        model.clear();
        QCOMPARE(QList<qsizetype>({reset.size(), model.rowCount(), words.size()}), QList<qsizetype>({2, 0, 0}));
        QVERIFY(!words.containsIgnoringCase(u"dog"_s));
    }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_word_list.moc"
