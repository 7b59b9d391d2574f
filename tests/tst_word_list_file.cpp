// Word-list files, bytes in and fields out; the editor's tests save them, and
// load one with a quote that never closes.
#include "editor/word_list_file.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWordListFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        // Unquoted: blanks before skipped, blanks after and quotes kept.
        QTest::newRow("unquoted") << QByteArray("NEW YORK\r\n   cat  ,d\"o\"g")
                                  << QStringList{u"NEW YORK"_s, u"cat  "_s, u"d\"o\"g"_s};
        // Quoted: blanks before skipped, blanks, commas and line ends inside
        // kept; what follows the closing quote is skipped to the separator.
        QTest::newRow("quoted") << QByteArray("  \"  cat, \",dog\r\n\"NEW\r\nYORK\"x,emu\r\n\"owl\" y")
                                << QStringList{u"  cat, "_s, u"dog"_s, u"NEW\r\nYORK"_s, u"emu"_s, u"owl"_s};
        // Empty fields count; empty and blank lines, whatever ends them, do not.
        QTest::newRow("empty fields and lines")
            << QByteArray("\"\",cat,,dog,\r\nemu\n\r\n   \r\nowl\rant\r  ")
            << QStringList{{}, u"cat"_s, {}, u"dog"_s, {}, u"emu"_s, u"owl"_s, u"ant"_s};
        // A leading byte-order mark is skipped; a later one is text, and every byte is Latin-1.
        QTest::newRow("byte-order mark") << QByteArray("\357\273\277caf\351\r\n\357\273\277")
                                         << QStringList{u"caf\u00e9"_s, QString::fromLatin1("\357\273\277")};
    }
    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        QCOMPARE(WordListFile::parse(bytes).fields, fields);
    }
};

QTEST_GUILESS_MAIN(TestWordListFile)
#include "tst_word_list_file.moc"
