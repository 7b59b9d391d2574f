#include "editor/word_list_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// Accepts writes until `limit` bytes, at most `chunk` per call, then fails.
class FailingDevice : public QIODevice
{
public:
    FailingDevice(qint64 limit, qint64 chunk)
        : m_limit(limit), m_chunk(chunk)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 len) override
    {
        if (written.size() >= m_limit) {
            setErrorString(QStringLiteral("disk full"));
            return -1;
        }
        const qint64 n = std::min({len, m_chunk, m_limit - written.size()});
        written.append(data, n);
        return n;
    }

private:
    qint64 m_limit;
    qint64 m_chunk;
};

class TestWordListFile : public QObject
{
    Q_OBJECT

private slots:
    void formatBytes_data();
    void formatBytes();
    void parseFields_data();
    void parseFields();
    void roundTrip_data();
    void roundTrip();

    void readFile();
    void readFailures_data();
    void readFailures();
    void readUnterminatedQuote();

    void writeReplacesFile_data();
    void writeReplacesFile();
    void writeToDevice_data();
    void writeToDevice();
    void writeFailures_data();
    void writeFailures();
    void failedSaveKeepsOldFile();

private:
    static void putFile(const QString &path, const QByteArray &bytes);
    static QByteArray fileBytes(const QString &path);
};

static const QStringList catNewYork{QStringLiteral("CAT"), QStringLiteral("NEW YORK")};

void TestWordListFile::putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestWordListFile::fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

void TestWordListFile::formatBytes_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("CAT, NEW YORK") << catNewYork
                                   << QByteArray::fromHex("22434154220D0A224E455720594F524B220D0A");
    QTest::newRow("empty list") << QStringList{} << QByteArray();
    QTest::newRow("one letter") << QStringList{QStringLiteral("A")} << QByteArray("\"A\"\r\n");
}

void TestWordListFile::formatBytes()
{
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, expected);
    QCOMPARE(WordListFile::format(entries), expected);
}

void TestWordListFile::parseFields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("unterminated");

    auto row = [](const char *name, const QByteArray &bytes, const QStringList &fields,
                  bool unterminated = false) {
        QTest::newRow(name) << bytes << fields << unterminated;
    };
    const QString cat = QStringLiteral("cat");
    const QString dog = QStringLiteral("dog");
    const QString emu = QStringLiteral("emu");

    row("0 bytes", QByteArray(), {});
    row("written format", "\"CAT\"\r\n\"NEW YORK\"\r\n", catNewYork);
    row("NEW YORK quoted", "\"NEW YORK\"\r\n", {QStringLiteral("NEW YORK")});
    row("NEW YORK unquoted", "NEW YORK\r\n", {QStringLiteral("NEW YORK")});
    row("comma splits", "apple, pear", {QStringLiteral("apple"), QStringLiteral("pear")});
    row("comma inside quotes", "\"apple, pear\"", {QStringLiteral("apple, pear")});
    row("text after closing quote skipped", "\"cat\"dog,emu\r\n", {cat, emu});
    row("blanks after closing quote", "\"cat\"  ,dog", {cat, dog});
    row("quote ends field at line end", "\"cat\" x\r\ndog", {cat, dog});
    row("leading blanks before word", "   cat", {cat});
    row("leading blanks before quote", "  \"  cat \"", {QStringLiteral("  cat ")});
    row("trailing blanks kept", "cat  ,dog", {QStringLiteral("cat  "), dog});
    row("quote inside unquoted field", "ab\"c\"d", {QStringLiteral("ab\"c\"d")});
    row("empty quotes", "\"\",cat", {QString(), cat});
    row("empty lines add nothing", "cat\r\n\r\nDog\r\ncat\r\n", {cat, QStringLiteral("Dog"), cat});
    row("blank-only line adds nothing", "cat\r\n   \r\ndog\n  ", {cat, dog});
    row("empty field between commas", "cat,,dog", {cat, QString(), dog});
    row("comma before line end", "cat,\r\ndog", {cat, QString(), dog});
    row("number is just a field", "42\r\n", {QStringLiteral("42")});
    row("CR LF", "cat\r\ndog\r\n", {cat, dog});
    row("LF", "cat\ndog\n", {cat, dog});
    row("CR", "cat\rdog\r", {cat, dog});
    row("mixed line ends", "cat\r\ndog\remu\n", {cat, dog, emu});
    row("CR CR LF is an empty line", "cat\r\r\ndog", {cat, dog});
    row("LF CR is two line ends", "cat\n\rdog", {cat, dog});
    row("no final line end", "cat", {cat});
    row("BOM", "\xEF\xBB\xBF" "cat\r\n", {cat});
    row("BOM before quote", "\xEF\xBB\xBF\"cat\"", {cat});
    row("BOM only", "\xEF\xBB\xBF", {});
    row("BOM later is text", "cat\r\n\xEF\xBB\xBF",
        {cat, QString::fromLatin1("\xEF\xBB\xBF")});
    row("byte above 127 is Latin-1", "caf\xE9", {QString::fromLatin1("caf\xE9")});
    row("quoted field spans lines", "\"NEW\r\nYORK\",cat", {QStringLiteral("NEW\r\nYORK"), cat});
    row("unterminated quote at end", "cat\r\ndog,\"emu", {cat, dog}, true);
    row("lone quote at end", "cat\r\n  \"", {cat}, true);
    row("unterminated over lines", "cat,\"dog\r\nemu\r\n", {cat}, true);
}

void TestWordListFile::parseFields()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QFETCH(bool, unterminated);
    const WordListFile::ParseResult result = WordListFile::parse(bytes);
    QCOMPARE(result.fields, fields);
    QCOMPARE(result.unterminatedQuote, unterminated);
}

void TestWordListFile::roundTrip_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty") << QStringList{};
    QTest::newRow("CAT, NEW YORK") << catNewYork;
    QTest::newRow("one letter and many words")
        << QStringList{QStringLiteral("A"), QStringLiteral("NEW YORK CITY"), QStringLiteral("A  B")};
}

void TestWordListFile::roundTrip()
{
    QFETCH(QStringList, entries);
    const WordListFile::ParseResult result = WordListFile::parse(WordListFile::format(entries));
    QCOMPARE(result.fields, entries);
    QVERIFY(!result.unterminatedQuote);
}

void TestWordListFile::readFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("words.lx"));
    putFile(path, "\"CAT\"\r\nNEW YORK\n");
    const WordListFile::ReadResult result = WordListFile::read(path);
    QCOMPARE(result.error, QString());
    QCOMPARE(result.parsed.fields, catNewYork);
}

void TestWordListFile::readFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << QStringLiteral("missing.lx");
    QTest::newRow("folder") << QStringLiteral("folder");
}

void TestWordListFile::readFailures()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const WordListFile::ReadResult result = WordListFile::read(dir.filePath(name));
    QVERIFY2(!result.error.isEmpty(), "a failed read must give a reason");
    QVERIFY(result.parsed.fields.isEmpty());
}

void TestWordListFile::readUnterminatedQuote()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("words.txt"));
    putFile(path, "cat\r\n\"dog\r\n");
    const WordListFile::ReadResult result = WordListFile::read(path);
    QVERIFY(!result.error.isEmpty());
    QVERIFY(result.parsed.unterminatedQuote);
    QCOMPARE(result.parsed.fields, QStringList{QStringLiteral("cat")});
}

void TestWordListFile::writeReplacesFile_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("CAT, NEW YORK") << catNewYork;
    QTest::newRow("empty list gives 0 bytes") << QStringList{};
}

void TestWordListFile::writeReplacesFile()
{
    QFETCH(QStringList, entries);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("words.lx"));
    // Longer than any new content, so a missing truncation would show.
    putFile(path, QByteArray(100, 'x'));
    QCOMPARE(WordListFile::write(path, entries), QString());
    QCOMPARE(fileBytes(path), WordListFile::format(entries));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("words.lx")});
}

void TestWordListFile::writeToDevice_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<qint64>("chunk");
    QTest::addColumn<bool>("fails");
    QTest::newRow("fails at once") << qint64(0) << qint64(100) << true;
    QTest::newRow("fails mid-entry") << qint64(9) << qint64(100) << true;
    QTest::newRow("fails one byte short") << qint64(18) << qint64(4) << true;
    QTest::newRow("short writes complete") << qint64(19) << qint64(3) << false;
}

void TestWordListFile::writeToDevice()
{
    QFETCH(qint64, limit);
    QFETCH(qint64, chunk);
    QFETCH(bool, fails);
    FailingDevice device(limit, chunk);
    const QString reason = WordListFile::writeTo(device, catNewYork);
    QCOMPARE(!reason.isEmpty(), fails);
    const QByteArray all = WordListFile::format(catNewYork);
    QCOMPARE(device.written, all.left(limit));
}

void TestWordListFile::writeFailures_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("missing folder") << QStringLiteral("nowhere/words.lx");
    QTest::newRow("under a regular file") << QStringLiteral("plain/words.lx");
    QTest::newRow("a folder") << QStringLiteral("folder");
}

void TestWordListFile::writeFailures()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    putFile(dir.filePath(QStringLiteral("plain")), "old");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString reason = WordListFile::write(dir.filePath(relativePath), catNewYork);
    QVERIFY2(!reason.isEmpty(), "a failed save must give a reason");
    QCOMPARE(fileBytes(dir.filePath(QStringLiteral("plain"))), QByteArray("old"));
    QVERIFY(QDir(dir.filePath(QStringLiteral("folder"))).isEmpty());
}

void TestWordListFile::failedSaveKeepsOldFile()
{
#ifdef Q_OS_UNIX
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("words.lx"));
    const QByteArray old = WordListFile::format(catNewYork);
    putFile(path, old);

    QStringList many;
    for (int i = 0; i < 2000; ++i)
        many.append(QStringLiteral("WORD %1").arg(i));

    // A file size limit stops even root, so the save fails after writing
    // part of the list. The old limit comes back before anything is logged.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool limited = setrlimit(RLIMIT_FSIZE, &tight) == 0;
    const QString reason = limited ? WordListFile::write(path, many) : QString();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(limited);
    QVERIFY2(!reason.isEmpty(), "a save cut short must give a reason");
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("words.lx")});
#else
    QSKIP("needs a file size limit");
#endif
}

QTEST_GUILESS_MAIN(TestWordListFile)
#include "tst_word_list_file.moc"
