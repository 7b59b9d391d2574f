// The word list and its case-blind index: they never part, whatever changes.
#include "editor/word_list.h"
#include "editor/word_list_model.h"

#include <QSignalSpy>
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

    // Each change tells the views once, and rows agree with the list.
    void modelTellsEveryChange()
    {
        WordListModel model;
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.appendMany([](WordList &words) {
            for (const QString &entry : {u"EMU"_s, u"CAT"_s, u"DOG"_s})
                words.append(entry);
        });
        model.appendMany([](WordList &) {}); // nothing added, nothing told
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(QList({inserted[0][1].toInt(), inserted[0][2].toInt(), model.rowCount()}), QList({0, 2, 3}));
        model.append(u"OWL"_s);
        QCOMPARE(QList<qsizetype>({inserted.size(), inserted[1][1].toInt(), model.rowCount()}),
                 QList<qsizetype>({2, 3, 4}));
        model.removeAt(1);
        QCOMPARE(QList<qsizetype>({removed.size(), removed[0][1].toInt(), model.rowCount()}),
                 QList<qsizetype>({1, 1, 3}));
        model.sort(SortOrder::AscendingFirst);
        QCOMPARE(model.index(0).data().toString() + model.index(2).data().toString(), u"DOGOWL"_s);
        model.clear();
        QCOMPARE(QList<qsizetype>({reset.size(), model.rowCount(), model.words().size()}), QList<qsizetype>({2, 0, 0}));
    }
};

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_word_list.moc"
