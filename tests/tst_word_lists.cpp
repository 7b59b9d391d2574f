// Word lists: their files (bytes in, list out, bytes written) and their sorting.
#include "editor/word_list_file.h"
#include "editor/word_sort.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <future>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Holds words.lx (longer than anything written here, so a missing truncation shows), a folder and a FIFO.
struct Scene : QTemporaryDir
{
    Scene()
    {
        QDir(path()).mkdir(u"folder"_s);
        QFile file(filePath(u"words.lx"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old));
        QVERIFY(mkfifo(QFile::encodeName(at(u"fifo"_s)).constData(), 0600) == 0);
    }
    QString at(const QString &name) const { return name.startsWith(u'/') ? name : filePath(name); }
    QByteArray bytes(const QString &n) const { QFile f(at(n)); return f.open(QFile::ReadOnly) ? f.readAll() : "-"; }
    const QByteArray old = QByteArray(100, 'x');
};

static const QStringList catNewYork{u"CAT"_s, u"NEW YORK"_s};
static const QString notRegular = u"it is not a regular file"_s, unwritten = u"the file could not be written"_s;

class TestWordLists : public QObject
{
    Q_OBJECT

private slots:
    void parseAndFormat()
    {
        const QString cat = u"cat"_s, dog = u"dog"_s, emu = u"emu"_s, none;
        // Bytes in, list out, and whether saving the list gives those bytes.
        const std::tuple<QByteArray, QStringList, bool> table[] = {
            {"\"CAT\"\r\n\"NEW  YORK\"\r\n", {u"CAT"_s, u"NEW  YORK"_s}, true}, // quoted, CR LF after each
            {{}, {}, true},
            // Unquoted: blanks before skipped, blanks after and quotes kept.
            {"NEW YORK\r\n   cat  ,d\"o\"g", {u"NEW YORK"_s, u"cat  "_s, u"d\"o\"g"_s}, false},
            // Quoted: blanks before skipped, blanks and commas inside kept, line ends too; what
            // follows the closing quote is skipped up to the comma or the line end.
            {"  \"  cat, \",dog", {u"  cat, "_s, dog}, false},
            {"\"NEW\r\nYORK\"x,emu\r\n\"owl\" y\r\ndog", {u"NEW\r\nYORK"_s, emu, u"owl"_s, dog}, false},
            {"\"\",cat,,dog,\r\nemu", {none, cat, none, dog, none, emu}, false},
            {"cat\n\r\n   \r\ndog\remu\r  ", {cat, dog, emu}, false}, // LF, CR; empty and blank lines add nothing
            // A leading byte-order mark is skipped; a later one is text, and every byte is Latin-1.
            {"\xEF\xBB\xBF" "caf\xE9\r\n\xEF\xBB\xBF", {u"caf\u00e9"_s, QString::fromLatin1("\xEF\xBB\xBF")}, false},
            {"cat\r\ndog,\"emu", {cat, dog}, false}}; // the quote runs past the end
        for (const auto &[bytes, list, written] : table) {
            const WordListFile::ParseResult result = WordListFile::parse(bytes);
            QCOMPARE(result.fields, list);
            QCOMPARE(result.unterminatedQuote ? WordListFile::unterminatedQuoteReason() : QString(),
                     bytes.endsWith("\"emu") ? u"a quoted word runs past the end of the file"_s : QString());
            QCOMPARE(WordListFile::format(list) == bytes, written);
        }
    }

    void readRefusesAllButSmallRegularFiles()
    {
        Scene scene;
        for (const auto &[name, size] : {std::pair(u"limit.lx"_s, 16 << 20), std::pair(u"over.lx"_s, (16 << 20) + 1)}) {
            QFile file(scene.at(name)); // sparse: no disk used
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
        }
        const std::pair<QString, QString> reads[] = { // "*": whatever the system says
            {u"words.lx"_s, {}}, {u"limit.lx"_s, {}}, {u"missing.lx"_s, u"*"_s}, {u"folder"_s, u"it is a folder"_s},
            {u"over.lx"_s, u"it is larger than 16 MB, the limit for a word list"_s},
            // Opening a FIFO waits for a writer (the watchdog below is one, after 2 s); /dev/zero never ends.
            {u"fifo"_s, notRegular}, {u"/dev/zero"_s, notRegular}, {u"/dev/null"_s, notRegular}};
        for (const auto &[name, error] : reads) {
            std::promise<void> done;
            auto watchdog = std::async(std::launch::async, [&, finished = done.get_future()] {
                if (finished.wait_for(std::chrono::seconds(2)) == std::future_status::ready)
                    return true;
                ::close(::open(QFile::encodeName(scene.at(u"fifo"_s)).constData(), O_WRONLY | O_NONBLOCK));
                return false;
            });
            const WordListFile::ReadResult result = WordListFile::read(scene.at(name));
            done.set_value();
            QVERIFY2(watchdog.get(), "the read waited for a writer");
            QCOMPARE(error == u"*"_s && !result.error.isEmpty() ? error : result.error, error);
            QCOMPARE(result.bytes, error.isEmpty() ? scene.bytes(name) : QByteArray());
        }
    }

    void failedWritesKeepTheOldBytes()
    {
        Scene scene;
        std::signal(SIGXFSZ, SIG_IGN); // so that writing past the file size limit fails instead
        rlimit normal{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &normal), 0);
        const QStringList many(3000, u"WORD"_s); // 24,000 bytes
        const std::tuple<QString, QStringList, rlim_t, QString> writes[] = { // file size limit, or 0
            {u"nowhere/words.lx"_s, catNewYork, 0, u"its folder does not exist"_s},
            {u"folder"_s, catNewYork, 0, u"it is a folder"_s},
            {u"fifo"_s, catNewYork, 0, notRegular}, // would wait for a reader, then be replaced
            // The last bytes, buffered, fail only when flushed, which the commit would not report;
            // more than the 16 KiB buffer fail while written. A new file leaves nothing behind.
            {u"words.lx"_s, catNewYork, 10, unwritten}, {u"words.lx"_s, many, 8192, u"File too large"_s},
            {u"new.lx"_s, catNewYork, 10, unwritten}, {u"new.lx"_s, many, 8192, u"File too large"_s},
            {u"words.lx"_s, many, 0, {}}, {u"words.lx"_s, {}, 0, {}}};
        for (const auto &[name, list, sizeLimit, error] : writes) {
            const rlimit lowered{sizeLimit ? sizeLimit : normal.rlim_cur, normal.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &lowered), 0);
            const QString reason = WordListFile::write(scene.at(name), list);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &normal), 0);
            QCOMPARE(reason, error);
            QCOMPARE(scene.bytes(u"words.lx"_s), error.isEmpty() ? WordListFile::format(list) : scene.old);
            QVERIFY(!QFileInfo(scene.at(u"fifo"_s)).isFile()); // still a FIFO
            const auto everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
            QCOMPARE(QDir(scene.path()).entryList(everything), (QStringList{u"fifo"_s, u"folder"_s, u"words.lx"_s}));
        }
    }

    // Long runs of equal keys, which a sort that is not stable reorders; the
    // six orders and their ties show in the editor's tests.
    void sortIsStableAtAnyLength()
    {
        QStringList cats, dogs, all;
        for (int i = 0; i < 600; ++i)
            all << (i % 2 ? cats : dogs).emplace_back(QString::number(i * 7919 % 600) + (i % 2 ? u" CAT" : u" DOG"));
        const auto whole = [](const QStringList &l) { return WordSort::sorted(l, SortOrder::AscendingFirst); };
        for (const SortOrder order : {SortOrder::AscendingSecond, SortOrder::AscendingLast})
            QCOMPARE(WordSort::sorted(all, order), cats + dogs);
        for (const SortOrder order : {SortOrder::DescendingSecond, SortOrder::DescendingLast})
            QCOMPARE(WordSort::sorted(all, order), whole(dogs) + whole(cats));
    }
};

QTEST_GUILESS_MAIN(TestWordLists)
#include "tst_word_lists.moc"
