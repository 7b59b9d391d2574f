// Word-list files: bytes in, fields out, the bytes a list is saved as, and
// what a read refuses before it opens anything.
#include "editor/word_list_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

    void readRefusesAllButSmallRegularFiles()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
        const QByteArray fifo = QFile::encodeName(dir.filePath(u"fifo"_s));
        QVERIFY(mkfifo(fifo.constData(), 0600) == 0);
        for (const auto &[name, size] : {std::pair(u"limit.lx"_s, 16 << 20), std::pair(u"over.lx"_s, (16 << 20) + 1),
                                         std::pair(u"words.lx"_s, 0)}) {
            QFile file(dir.filePath(name)); // sparse: no disk used
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size) && file.write("\"CAT\"") == 5);
        }
        const QString notRegular = u"it is not a regular file"_s;
        // "*": whatever the system says. Opening a FIFO waits for a writer (the
        // watchdog is one, after 2 s); /dev/zero never ends.
        const std::pair<QString, QString> reads[] = {
            {u"words.lx"_s, {}},
            {u"limit.lx"_s, {}},
            {u"missing.lx"_s, u"*"_s},
            {u"folder"_s, u"it is a folder"_s},
            {u"over.lx"_s, u"it is larger than 16 MB, the limit for a word list"_s},
            {u"fifo"_s, notRegular},
            {u"/dev/zero"_s, notRegular},
            {u"/dev/null"_s, notRegular},
        };
        for (const auto &[name, error] : reads) {
            const QString path = name.startsWith(u'/') ? name : dir.filePath(name);
            std::promise<void> done;
            auto watchdog = std::async(std::launch::async, [&, finished = done.get_future()] {
                if (finished.wait_for(std::chrono::seconds(2)) == std::future_status::ready)
                    return true;
                ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK));
                return false;
            });
            const WordListFile::ReadResult result = WordListFile::read(path);
            done.set_value();
            QVERIFY2(watchdog.get(), "the read waited for a writer");
            QCOMPARE(error == u"*"_s && !result.error.isEmpty() ? error : result.error, error);
            QFile file(path);
            QCOMPARE(result.bytes, error.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
    }
};

QTEST_GUILESS_MAIN(TestWordListFile)
#include "tst_word_list_file.moc"
