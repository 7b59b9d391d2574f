// Word-list files, bytes in and fields out; the editor's tests save them.
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
        QTest::addColumn<bool>("closed"); // no quoted field runs past the end
        QTest::newRow("as saved") << QByteArray("\"CAT\"\r\n\"NEW  YORK\"\r\n") << QStringList{u"CAT"_s, u"NEW  YORK"_s}
                                  << true;
        // Unquoted: blanks before skipped, blanks after and quotes kept.
        QTest::newRow("unquoted") << QByteArray("NEW YORK\r\n   cat  ,d\"o\"g")
                                  << QStringList{u"NEW YORK"_s, u"cat  "_s, u"d\"o\"g"_s} << true;
        // Quoted: blanks before skipped, blanks, commas and line ends inside
        // kept; what follows the closing quote is skipped to the separator.
        QTest::newRow("quoted") << QByteArray("  \"  cat, \",dog\r\n\"NEW\r\nYORK\"x,emu\r\n\"owl\" y")
                                << QStringList{u"  cat, "_s, u"dog"_s, u"NEW\r\nYORK"_s, u"emu"_s, u"owl"_s} << true;
        // Empty fields count; empty and blank lines, whatever ends them, do not.
        QTest::newRow("empty fields and lines")
            << QByteArray("\"\",cat,,dog,\r\nemu\n\r\n   \r\nowl\rant\r  ")
            << QStringList{{}, u"cat"_s, {}, u"dog"_s, {}, u"emu"_s, u"owl"_s, u"ant"_s} << true;
        // A leading byte-order mark is skipped; a later one is text, and every byte is Latin-1.
        QTest::newRow("byte-order mark") << QByteArray("\357\273\277caf\351\r\n\357\273\277")
                                         << QStringList{u"caf\u00e9"_s, QString::fromLatin1("\357\273\277")} << true;
        QTest::newRow("a quote never closed")
            << QByteArray("cat\r\ndog,\"emu") << QStringList{u"cat"_s, u"dog"_s} << false;
    }
    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        QFETCH(bool, closed);
        const WordListFile::ParseResult result = WordListFile::parse(bytes);
        QCOMPARE(result.fields, fields);
        QCOMPARE(!result.unterminatedQuote, closed);
    }
};

QTEST_GUILESS_MAIN(TestWordListFile)
#include "tst_word_list_file.moc"
