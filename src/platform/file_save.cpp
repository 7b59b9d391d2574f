#include "platform/file_save.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

#include <csignal>

#include <sys/stat.h>
#include <unistd.h>

namespace FileSave {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FileSave", text);
}

QString reasonOf(const QIODevice &device, const char *fallback)
{
    const QString reason = device.errorString();
    return reason.isEmpty() || reason == QLatin1String("Unknown error") ? tr(fallback) : reason;
}

} // namespace

QString writeAll(QIODevice &device, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 written = device.write(data, left);
        if (written <= 0)
            return reasonOf(device, "the file could not be written");
        data += written;
        left -= written;
    }
    return {};
}

Result save(const QString &path, const QByteArray &bytes)
{
    // Past a file size limit the system ends a writing process with SIGXFSZ
    // unless it is ignored; ignored, the write fails like any other and the
    // unsaved work stays open. Set at every save, whatever was set since.
    std::signal(SIGXFSZ, SIG_IGN);

    const QFileInfo target(path);
    if (target.isDir())
        return {tr("it is a folder")};
    if (target.exists() && !target.isFile())
        return {tr("it is not a regular file")};
    if (!target.absoluteDir().exists())
        return {tr("its folder does not exist")};
    struct stat old
    {
    };
    const bool replacing = ::stat(QFile::encodeName(path).constData(), &old) == 0;

    QSaveFile file(path);
    // Writing in place could leave a half-written file where the old one was,
    // so a folder that cannot take the temporary file refuses the save.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return {reasonOf(file, "the folder does not allow a new file in it")};
    if (replacing) {
        // The new file takes the old one's place: its mode, its group, and its
        // owner if the system lets this user give it away (else the group
        // alone, if this user may). What the system refuses stays the saver's.
        (void)!::fchmod(file.handle(), old.st_mode & 07777);
        if (::fchown(file.handle(), old.st_uid, old.st_gid) != 0)
            (void)!::fchown(file.handle(), static_cast<uid_t>(-1), old.st_gid);
    }
    QString reason = writeAll(file, bytes);
    // commit() closes with a flush whose failure it does not report, so the
    // last buffered bytes are pushed out, and checked, here.
    if (reason.isEmpty() && !file.flush())
        reason = reasonOf(file, "the file could not be written");
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return {reason};
    }
    if (!file.commit())
        return {reasonOf(file, "the file could not be written")};
    return {{}, replacing && old.st_nlink > 1};
}

} // namespace FileSave
