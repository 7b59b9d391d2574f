// Files read and saved: a read takes only a regular file within its limit;
// a save lands whole or changes nothing, the old file byte for byte after any
// failure, a new one leaving nothing behind, and the reason is told.
#include "platform/file_read.h"
#include "platform/file_save.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <future>

#include <fcntl.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// Takes at most `chunk` bytes a write, and fails once `room` bytes are in.
class FailingDevice final : public QIODevice
{
public:
    FailingDevice(qint64 chunk, qint64 room)
        : m_chunk(chunk)
        , m_room(room)
    {
        open(WriteOnly);
    }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 n = std::min({size, m_chunk, m_room - written.size()});
        if (n <= 0)
            return -1;
        written.append(data, n);
        return n;
    }

private:
    qint64 m_chunk, m_room;
};
} // namespace

class TestFileAccess : public QObject
{
    Q_OBJECT

private slots:
    void writesAllOrSaysWhy_data()
    {
        QTest::addColumn<qint64>("chunk");
        QTest::addColumn<qint64>("room");
        QTest::addColumn<QString>("reason");
        QTest::newRow("short writes") << qint64(3) << qint64(100) << QString();
        QTest::newRow("no room for the last bytes") << qint64(3) << qint64(10) << u"the file could not be written"_s;
        QTest::newRow("no room at all") << qint64(64) << qint64(0) << u"the file could not be written"_s;
    }
    void writesAllOrSaysWhy()
    {
        QFETCH(qint64, chunk);
        QFETCH(qint64, room);
        QFETCH(QString, reason);
        FailingDevice device(chunk, room);
        const QByteArray bytes("\"CAT\"\r\n\"NEW YORK\"\r\n");
        QCOMPARE(FileSave::writeAll(device, bytes), reason);
        QCOMPARE(device.written, bytes.left(room));
    }

    // Only a regular file within the limit is read; the rest is refused unopened.
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
            {u"over.lx"_s, u"too large"_s},
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
            const FileRead::Result result = FileRead::read(path, 16 << 20);
            done.set_value();
            QVERIFY2(watchdog.get(), "the read waited for a writer");
            const QString reason = result.tooLarge ? u"too large"_s : result.error;
            QCOMPARE(error == u"*"_s && !reason.isEmpty() ? error : reason, error);
            QFile file(path);
            QCOMPARE(result.bytes, error.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
    }

    void failedSavesKeepTheOldBytes()
    {
        QTemporaryDir dir;
        const QByteArray old(100, 'x'); // longer than anything saved here, so a missing truncation shows
        QFile oldFile(dir.filePath(u"words.lx"_s));
        QVERIFY(oldFile.open(QIODevice::WriteOnly) && oldFile.write(old) == old.size());
        oldFile.close();
        QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath(u"fifo"_s)).constData(), 0600) == 0);
        std::signal(SIGXFSZ, SIG_IGN); // so that writing past the file size limit fails instead
        rlimit normal{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &normal), 0);
        const QByteArray few("\"CAT\"\r\n"), many(24000, 'w');
        const QString unwritten = u"the file could not be written"_s;
        // Each with a file size limit, or 0. A FIFO would wait for a reader, then be
        // replaced. The last bytes, buffered, fail only when flushed, which the commit
        // would not report; more than the 16 KiB buffer fail while written. A new file
        // leaves nothing behind.
        const std::tuple<QString, QByteArray, rlim_t, QString> saves[] = {
            {u"nowhere/words.lx"_s, few, 0, u"its folder does not exist"_s},
            {u"folder"_s, few, 0, u"it is a folder"_s},
            {u"fifo"_s, few, 0, u"it is not a regular file"_s},
            {u"words.lx"_s, few, 5, unwritten},
            {u"words.lx"_s, many, 8192, u"File too large"_s},
            {u"new.lx"_s, few, 5, unwritten},
            {u"new.lx"_s, many, 8192, u"File too large"_s},
            {u"words.lx"_s, many, 0, {}},
            {u"words.lx"_s, {}, 0, {}},
        };
        for (const auto &[name, bytes, sizeLimit, error] : saves) {
            const rlimit lowered{sizeLimit ? sizeLimit : normal.rlim_cur, normal.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &lowered), 0);
            const QString reason = FileSave::save(dir.filePath(name), bytes).error;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &normal), 0);
            QCOMPARE(reason, error);
            QFile file(dir.filePath(u"words.lx"_s));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), error.isEmpty() ? bytes : old);
            const auto everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
            QCOMPARE(QDir(dir.path()).entryList(everything), (QStringList{u"fifo"_s, u"folder"_s, u"words.lx"_s}));
            QVERIFY(!QFileInfo(dir.filePath(u"fifo"_s)).isFile()); // still a FIFO
        }
    }

    // A file saved over keeps its mode, group and owner (as far as the
    // system lets this user give them); its other names keep the old bytes,
    // and the save says so.
    void savedOverKeepsWhatItWas()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"words.lx"_s);
        const QByteArray name = QFile::encodeName(path), other = QFile::encodeName(dir.filePath(u"other.lx"_s));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        const bool root = ::geteuid() == 0;
        QVERIFY(::chmod(name.constData(), 0444) == 0 && ::link(name.constData(), other.constData()) == 0);
        if (root)
            QVERIFY(::chown(name.constData(), 4321, 1234) == 0);
        const FileSave::Result saved = FileSave::save(path, "new");
        QCOMPARE(QList({saved.error.isEmpty(), saved.otherNamesKept}), QList({true, true}));
        struct stat now
        {
        };
        QVERIFY(::stat(name.constData(), &now) == 0);
        QCOMPARE(now.st_mode & 07777, 0444u);
        if (root)
            QCOMPARE(QList<uint>({now.st_uid, now.st_gid}), QList<uint>({4321, 1234}));
        QFile kept(dir.filePath(u"other.lx"_s));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("old"));
        QCOMPARE(FileSave::save(path, "again").otherNamesKept, false); // one name now
    }

    // Past the file size limit the system ends a writing process, unless the
    // save stops it: in a child process that has not ignored the signal, the
    // save fails as any other and the child lives to tell.
    void sizeLimitIsAFailureNotAnEnd()
    {
        QTemporaryDir dir;
        const pid_t child = ::fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit small{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &small);
            const FileSave::Result saved = FileSave::save(dir.filePath(u"big.lx"_s), QByteArray(100000, 'w'));
            ::_exit(saved.error == u"File too large" ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the save ended the process or did not fail");
        QVERIFY(!QFile::exists(dir.filePath(u"big.lx"_s)));
    }
};

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_file_access.moc"
