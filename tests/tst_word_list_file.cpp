#include "editor/word_list_file.h"
#include "word_lists.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

// Takes at most 4 bytes per call, then fails once `limit` bytes are in.
class FailingDevice final : public QIODevice
{
public:
    explicit FailingDevice(qint64 limit) : m_limit(limit) { open(WriteOnly | Unbuffered); }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 len) override
    {
        if (written.size() >= m_limit) {
            setErrorString(QStringLiteral("disk full"));
            return -1;
        }
        const qint64 n = std::min({len, qint64(4), m_limit - written.size()});
        written.append(data, n);
        return n;
    }

private:
    qint64 m_limit;
};

// A temporary folder with words.lx and an empty folder "folder" in it.
struct Scene
{
    // The default is longer than anything written here, so a missing truncation shows.
    explicit Scene(const QByteArray &content = QByteArray(100, 'x')) : old(content)
    {
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        QFile file(words());
        if (file.open(QIODevice::WriteOnly))
            file.write(old);
    }
    QString words() const { return dir.filePath(QStringLiteral("words.lx")); }
    QByteArray wordsBytes() const
    {
        QFile file(words());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    // Nothing else, such as a temporary file, was left behind.
    bool nothingElse() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                   == QStringList{QStringLiteral("folder"), QStringLiteral("words.lx")}
            && QDir(dir.filePath(QStringLiteral("folder"))).isEmpty();
    }

    QTemporaryDir dir;
    QByteArray old;
};

const QStringList catNewYork{QStringLiteral("CAT"), QStringLiteral("NEW YORK")};

} // namespace

class TestWordListFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void read_data();
    void read();
    void writeToDevice_data();
    void writeToDevice();
    void write_data();
    void write();
    void saveCutShortKeepsOldFile();
};

void TestWordListFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("unterminated");
    QTest::addColumn<bool>("written"); // exactly what the writer makes of `fields`
    const auto row = [](const char *name, const QByteArray &bytes, const QStringList &fields,
                        bool unterminated = false) { QTest::newRow(name) << bytes << fields << unterminated << false; };
    const auto written = [](const char *name, const QByteArray &bytes, const QStringList &fields) {
        QTest::newRow(name) << bytes << fields << false << true;
    };
    const QString cat = QStringLiteral("cat");
    const QString dog = QStringLiteral("dog");
    const QString emu = QStringLiteral("emu");

    written("CAT, NEW YORK quoted", QByteArray::fromHex("22434154220D0A224E455720594F524B220D0A"), catNewYork);
    written("empty list, 0 bytes", QByteArray(), {});
    written("many words, two blanks", "\"NEW YORK CITY\"\r\n\"A  B\"\r\n",
            {QStringLiteral("NEW YORK CITY"), QStringLiteral("A  B")});
    row("NEW YORK unquoted", "NEW YORK\r\n", {QStringLiteral("NEW YORK")});
    row("comma inside quotes", "\"apple, pear\",cat", {QStringLiteral("apple, pear"), cat});
    row("text after closing quote skipped to comma", "\"cat\"dog,emu\r\n", {cat, emu});
    row("text after closing quote skipped to line end", "\"cat\" x\r\ndog", {cat, dog});
    row("leading blanks before quote", "  \"  cat \"", {QStringLiteral("  cat ")});
    row("leading blanks skipped, trailing kept", "   cat  ,dog", {QStringLiteral("cat  "), dog});
    row("quote inside unquoted field", "ab\"c\"d", {QStringLiteral("ab\"c\"d")});
    row("empty fields", "\"\",cat,,dog,\r\nemu", {QString(), cat, QString(), dog, QString(), emu});
    row("empty and blank lines add nothing", "cat\r\n\r\n   \r\ndog\n  ", {cat, dog});
    row("CR LF", "cat\r\ndog\r\n", {cat, dog});
    row("LF", "cat\ndog\n", {cat, dog});
    row("CR", "cat\rdog\r", {cat, dog});
    row("BOM", "\xEF\xBB\xBF" "cat\r\n", {cat});
    row("BOM later is text", "cat\r\n\xEF\xBB\xBF", {cat, QString::fromLatin1("\xEF\xBB\xBF")});
    row("byte above 127 is Latin-1", "caf\xE9", {QString::fromLatin1("caf\xE9")});
    row("quoted field spans lines", "\"NEW\r\nYORK\",cat", {QStringLiteral("NEW\r\nYORK"), cat});
    row("unterminated quote at end", "cat\r\ndog,\"emu", {cat, dog}, true);
    row("lone quote at end", "cat\r\n  \"", {cat}, true);
}

void TestWordListFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QFETCH(bool, unterminated);
    QFETCH(bool, written);
    const WordListFile::ParseResult result = WordListFile::parse(bytes);
    QCOMPARE(result.fields, fields);
    QCOMPARE(result.unterminatedQuote, unterminated);
    if (written)
        QCOMPARE(WordListFile::format(fields), bytes);
}

void TestWordListFile::read_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("fails");
    QTest::newRow("mixed file") << QStringLiteral("words.lx") << QByteArray("\"CAT\"\r\nNEW YORK\n") << catNewYork
                                << false;
    QTest::newRow("missing file") << QStringLiteral("missing.lx") << QByteArray() << QStringList{} << true;
    QTest::newRow("folder") << QStringLiteral("folder") << QByteArray() << QStringList{} << true;
    QTest::newRow("unterminated quote keeps the fields before it")
        << QStringLiteral("words.lx") << QByteArray("cat\r\n\"dog\r\n") << QStringList{QStringLiteral("cat")} << true;
}

void TestWordListFile::read()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, fields);
    QFETCH(bool, fails);
    Scene scene(content);
    QVERIFY(scene.dir.isValid());
    const WordListFile::ReadResult result = WordListFile::read(scene.dir.filePath(name));
    QCOMPARE(!result.error.isEmpty(), fails);
    QCOMPARE(result.parsed.fields, fields);
}

void TestWordListFile::writeToDevice_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::newRow("fails one byte short") << qint64(18);
    QTest::newRow("short writes complete") << qint64(19);
}

void TestWordListFile::writeToDevice()
{
    QFETCH(qint64, limit);
    FailingDevice device(limit);
    const QByteArray all = WordListFile::format(catNewYork);
    QCOMPARE(WordListFile::writeTo(device, catNewYork).isEmpty(), limit >= all.size());
    QCOMPARE(device.written, all.left(limit));
}

void TestWordListFile::write_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("fails");
    QTest::newRow("replaces a longer file") << QStringLiteral("words.lx") << catNewYork << false;
    QTest::newRow("empty list gives 0 bytes") << QStringLiteral("words.lx") << QStringList{} << false;
    QTest::newRow("missing folder") << QStringLiteral("nowhere/words.lx") << catNewYork << true;
    QTest::newRow("under a regular file") << QStringLiteral("words.lx/words.lx") << catNewYork << true;
    QTest::newRow("a folder") << QStringLiteral("folder") << catNewYork << true;
}

void TestWordListFile::write()
{
    QFETCH(QString, name);
    QFETCH(QStringList, entries);
    QFETCH(bool, fails);
    Scene scene;
    QVERIFY(scene.dir.isValid());
    QCOMPARE(WordListFile::write(scene.dir.filePath(name), entries).isEmpty(), !fails);
    QCOMPARE(scene.wordsBytes(), fails ? scene.old : WordListFile::format(entries));
    QVERIFY(scene.nothingElse());
}

void TestWordListFile::saveCutShortKeepsOldFile()
{
#ifdef Q_OS_UNIX
    Scene scene(WordListFile::format(catNewYork));
    QVERIFY(scene.dir.isValid());
    const QStringList many = distinctEntries(2000, 1); // far past the 4 KiB below

    // A file size limit stops even root, so the save fails after writing
    // part of the list. The old limit comes back before anything is logged.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool limited = setrlimit(RLIMIT_FSIZE, &tight) == 0;
    const QString reason = limited ? WordListFile::write(scene.words(), many) : QString();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(limited);
    QVERIFY2(!reason.isEmpty(), "a save cut short must give a reason");
    QCOMPARE(scene.wordsBytes(), scene.old);
    QVERIFY(scene.nothingElse());
#else
    QSKIP("needs a file size limit");
#endif
}

QTEST_GUILESS_MAIN(TestWordListFile)
#include "tst_word_list_file.moc"
