#include "editor/word_list_file.h"
#include "platform/file_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QSemaphore>
#include <QThread>

#include <algorithm>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    QTest::addColumn<qint64>("size"); // of words.lx, zeros; -1 keeps the scene's content
    QTest::addColumn<QString>("error"); // "*": whatever the system says
    const QString tooLarge = QStringLiteral("it is larger than 16 MB, the limit for a word list");
    QTest::newRow("regular file") << QStringLiteral("words.lx") << qint64(-1) << QString();
    QTest::newRow("at the limit") << QStringLiteral("words.lx") << WordListFile::sizeLimit << QString();
    QTest::newRow("one byte over the limit") << QStringLiteral("words.lx") << WordListFile::sizeLimit + 1 << tooLarge;
    QTest::newRow("missing file") << QStringLiteral("missing.lx") << qint64(-1) << QStringLiteral("*");
    QTest::newRow("folder") << QStringLiteral("folder") << qint64(-1) << QStringLiteral("it is a folder");
    // Would block forever in open() if it were opened; the watchdog below
    // opens the writing end after 2 s, so a regression fails instead of hanging.
    QTest::newRow("FIFO without a writer") << QStringLiteral("fifo") << qint64(-1)
                                           << QStringLiteral("it is not a regular file");
    // Would read zeros until memory runs out.
    QTest::newRow("endless device") << QStringLiteral("/dev/zero") << qint64(-1)
                                    << QStringLiteral("it is not a regular file");
    QTest::newRow("empty device") << QStringLiteral("/dev/null") << qint64(-1)
                                  << QStringLiteral("it is not a regular file");
}

void TestWordListFile::read()
{
    QFETCH(QString, name);
    QFETCH(qint64, size);
    QFETCH(QString, error);
    Scene scene;
    QVERIFY(scene.dir.isValid());
    if (size >= 0)
        QVERIFY(QFile::resize(scene.words(), size)); // sparse: no disk used
    const QString fifo = scene.dir.filePath(QStringLiteral("fifo"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QSemaphore done;
    bool timely = true;
    std::unique_ptr<QThread> watchdog(QThread::create([&] {
        if (done.tryAcquire(1, 2000))
            return;
        timely = false;
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }));
    watchdog->start();

    const QString path = name.startsWith(QLatin1Char('/')) ? name : scene.dir.filePath(name);
    const WordListFile::ReadResult result = WordListFile::read(path);
    done.release();
    watchdog->wait();

    QVERIFY2(timely, "the read waited for a writer");
    if (error == QLatin1String("*"))
        QVERIFY(!result.error.isEmpty());
    else
        QCOMPARE(result.error, error);
    QCOMPARE(result.bytes.size(), error.isEmpty() ? QFileInfo(path).size() : 0);
    if (error.isEmpty() && size < 0)
        QCOMPARE(result.bytes, scene.old);
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
    QCOMPARE(FileSave::writeAll(device, all).isEmpty(), limit >= all.size());
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
    // Would block until read, then leave a regular file in its place.
    QTest::newRow("a FIFO") << QStringLiteral("fifo") << catNewYork << true;
}

void TestWordListFile::write()
{
    QFETCH(QString, name);
    QFETCH(QStringList, entries);
    QFETCH(bool, fails);
    Scene scene;
    QVERIFY(scene.dir.isValid());
    const QString fifo = scene.dir.filePath(QStringLiteral("fifo"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(WordListFile::write(scene.dir.filePath(name), entries).isEmpty(), !fails);
    QCOMPARE(scene.wordsBytes(), fails ? scene.old : WordListFile::format(entries));
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    QVERIFY(QFile::remove(fifo));
    QVERIFY(scene.nothingElse());
}

QTEST_GUILESS_MAIN(TestWordListFile)
#include "tst_word_list_file.moc"
