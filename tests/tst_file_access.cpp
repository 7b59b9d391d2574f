// Files saved: a save lands whole or changes nothing, the old file byte for byte after any
// failure, a new one leaving nothing behind, and the reason is told.
#include "platform/file_save.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

class TestFileAccess : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;          // words.lx and a folder
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
    }

    // With a file size limit (or 0, none): the last bytes, buffered, fail only
    // when flushed, which the commit would not report; more than the 16 KiB
    // buffer fail while written.
    void failedSavesChangeNothing()
    {
        std::signal(SIGXFSZ, SIG_IGN); // so that writing past the file size limit fails instead
        rlimit normal{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &normal), 0);
        const QByteArray few("\"CAT\"\r\n"), many(24000, 'w');
        const QString unwritten = u"the file could not be written"_s, tooLarge = u"File too large"_s;
        const std::tuple<QString, QByteArray, rlim_t, QString> saves[] = {
            {u"words.lx"_s, few, 5, unwritten}, {u"words.lx"_s, many, 8192, tooLarge},
            {u"new.lx"_s, few, 5, unwritten},   {u"words.lx"_s, many, 0, {}},
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
            QCOMPARE(QDir(dir->path()).entryList(everything), (QStringList{u"folder"_s, u"words.lx"_s}));
        }
    }
};

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_file_access.moc"
