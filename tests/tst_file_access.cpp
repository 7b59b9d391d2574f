// Files read and saved: a read takes only a regular file within its limit; a save lands whole or changes nothing, the
// old file byte for byte after any failure, a new one leaving nothing behind, and the reason is told.
#include "platform/file_read.h"
#include "platform/file_save.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestFileAccess : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;          // words.lx, a folder and a FIFO
    const QByteArray old = QByteArray(100, 'x'); // longer than anything saved, so a missing truncation shows
    QString path(const QString &name) const { return dir->filePath(name); }
    QByteArray bytesOf(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QFile file(path(u"words.lx"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        QVERIFY(QDir(dir->path()).mkdir(u"folder"_s));
        QCOMPARE(mkfifo(QFile::encodeName(path(u"fifo"_s)).constData(), 0600), 0);
    }

    // Only a regular file within the limit is read; the rest is refused unopened, as a FIFO would block.
    void reads()
    {
        for (const auto &[name, size] : {std::pair(u"limit.lx"_s, 16 << 20), std::pair(u"over.lx"_s, (16 << 20) + 1)}) {
            QFile file(path(name)); // sparse: no disk used
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size) && file.write("\"CAT\"") == 5);
        }
        for (const auto &[name, error] :
             {std::pair(u"words.lx"_s, QString()), std::pair(u"limit.lx"_s, QString()),
              std::pair(u"over.lx"_s, u"too large"_s), std::pair(u"folder"_s, u"it is a folder"_s),
              std::pair(u"fifo"_s, u"it is not a regular file"_s)}) {
            const FileRead::Result result = FileRead::read(path(name), 16 << 20);
            QCOMPARE(result.tooLarge ? u"too large"_s : result.error, error);
            QCOMPARE(result.bytes, error.isEmpty() ? bytesOf(name) : QByteArray());
        }
        QVERIFY(FileRead::read(u"/proc/self/status"_s, 10).tooLarge); // its size says 0: what is read counts
    }

    // With a file size limit (or 0, none): the last bytes, buffered, fail only when flushed, which the commit would not
    // report; more than the 16 KiB buffer fail while written.
    void failedSavesChangeNothing()
    {
        std::signal(SIGXFSZ, SIG_IGN); // so that writing past the file size limit fails instead
        rlimit normal{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &normal), 0);
        const QByteArray few("\"CAT\"\r\n"), many(24000, 'w');
        const QString unwritten = u"the file could not be written"_s, tooLarge = u"File too large"_s;
        const std::tuple<QString, QByteArray, rlim_t, QString> saves[] = {
            {u"fifo"_s, few, 0, u"it is not a regular file"_s}, // else it would wait for a reader
            {u"words.lx"_s, few, 5, unwritten},
            {u"words.lx"_s, many, 8192, tooLarge},
            {u"new.lx"_s, few, 5, unwritten},
            {u"words.lx"_s, many, 0, {}},
            {u"words.lx"_s, {}, 0, {}},
        };
        for (const auto &[name, bytes, sizeLimit, error] : saves) {
            const rlimit lowered{sizeLimit ? sizeLimit : normal.rlim_cur, normal.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &lowered), 0);
            const QString reason = FileSave::save(path(name), bytes).error;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &normal), 0);
            QCOMPARE(reason, error);
            QCOMPARE(bytesOf(u"words.lx"_s), error.isEmpty() ? bytes : old);
            const auto everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
            QCOMPARE(QDir(dir->path()).entryList(everything), (QStringList{u"fifo"_s, u"folder"_s, u"words.lx"_s}));
            QVERIFY(!QFileInfo(path(u"fifo"_s)).isFile()); // still a FIFO
        }
    }

    // A file saved over keeps its mode, group and owner (as far as the system lets this user give them); its other
    // names keep the old bytes, and the save says so.
    void savedOverKeepsWhatItWas()
    {
        const QByteArray name = QFile::encodeName(path(u"words.lx"_s));
        const bool root = ::geteuid() == 0;
        QVERIFY(::chmod(name.constData(), 0444) == 0
                && ::link(name.constData(), QFile::encodeName(path(u"other.lx"_s)).constData()) == 0);
        QVERIFY(!root || ::chown(name.constData(), 4321, 1234) == 0);
        const FileSave::Result saved = FileSave::save(path(u"words.lx"_s), "new");
        QCOMPARE(QList({saved.error.isEmpty(), saved.otherNamesKept}), QList({true, true}));
        struct stat now = {};
        QVERIFY(::stat(name.constData(), &now) == 0);
        QCOMPARE(QList<uint>({now.st_mode & 07777, root ? now.st_uid : 4321, root ? now.st_gid : 1234}),
                 QList<uint>({0444, 4321, 1234}));
        QCOMPARE(bytesOf(u"other.lx"_s), old);
        QCOMPARE(FileSave::save(path(u"words.lx"_s), "again").otherNamesKept, false); // one name now
    }

    // Past the file size limit the system ends a writing process, unless the save stops it: in a child process that has
    // not ignored the signal, the save fails as any other and the child lives to tell.
    void sizeLimitIsAFailureNotAnEnd()
    {
        const pid_t child = ::fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit small{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &small);
            ::_exit(FileSave::save(path(u"big.lx"_s), QByteArray(100000, 'w')).error == u"File too large" ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the save ended the process or did not fail");
        QVERIFY(!QFile::exists(path(u"big.lx"_s)));
    }
};

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_file_access.moc"
