// Word-list files: bytes in, fields out, and the bytes a list is saved as.
#include "editor/word_list_file.h"

#include <QTest>



using namespace Qt::StringLiterals;

class TestWordListFile : public QObject
{
    Q_OBJECT

private slots:
    void parseAndFormat_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<bool>("closed");  // no quoted field runs past the end
        QTest::addColumn<bool>("written"); // saving `fields` gives `bytes`
        const QString cat = u"cat"_s, dog = u"dog"_s, emu = u"emu"_s, none;
        QTest::newRow("as saved") << QByteArray("\"CAT\"\r\n\"NEW  YORK\"\r\n") << QStringList{u"CAT"_s, u"NEW  YORK"_s}
                                  << true << true;
        QTest::newRow("nothing") << QByteArray() << QStringList() << true << true;
        // Unquoted: blanks before skipped, blanks after and quotes kept.
        QTest::newRow("unquoted") << QByteArray("NEW YORK\r\n   cat  ,d\"o\"g")
                                  << QStringList{u"NEW YORK"_s, u"cat  "_s, u"d\"o\"g"_s} << true << false;
        // Quoted: blanks before skipped, blanks, commas and line ends inside
        // kept; what follows the closing quote is skipped to the separator.
        QTest::newRow("quoted") << QByteArray("  \"  cat, \",dog") << QStringList{u"  cat, "_s, dog} << true << false;
        QTest::newRow("quoted over lines") << QByteArray("\"NEW\r\nYORK\"x,emu\r\n\"owl\" y\r\ndog")
                                           << QStringList{u"NEW\r\nYORK"_s, emu, u"owl"_s, dog} << true << false;
        QTest::newRow("empty fields") << QByteArray("\"\",cat,,dog,\r\nemu")
                                      << QStringList{none, cat, none, dog, none, emu} << true << false;
        QTest::newRow("LF, CR, empty and blank lines")
            << QByteArray("cat\n\r\n   \r\ndog\remu\r  ") << QStringList{cat, dog, emu} << true << false;
        // A leading byte-order mark is skipped; a later one is text, and every byte is Latin-1.
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                       "caf\xE9\r\n\xEF\xBB\xBF")
                                         << QStringList{u"caf\u00e9"_s, QString::fromLatin1("\xEF\xBB\xBF")} << true
                                         << false;
        QTest::newRow("a quote never closed")
            << QByteArray("cat\r\ndog,\"emu") << QStringList{cat, dog} << false << false;
    }
    void parseAndFormat()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        const WordListFile::ParseResult result = WordListFile::parse(bytes);
        QCOMPARE(result.fields, fields);
        QCOMPARE(!result.unterminatedQuote, closed);
        QCOMPARE(WordListFile::format(fields) == bytes, written);
    }
};

QTEST_GUILESS_MAIN(TestWordListFile)
#include "tst_word_list_file.moc"
