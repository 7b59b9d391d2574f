#include "platform/file_save.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

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

QString save(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        return tr("it is a folder");
    if (target.exists() && !target.isFile())
        return tr("it is not a regular file");
    if (!target.absoluteDir().exists())
        return tr("its folder does not exist");

    QSaveFile file(path);
    // Writing in place could leave a half-written file where the old one was,
    // so a folder that cannot take the temporary file refuses the save.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return reasonOf(file, "the folder does not allow a new file in it");
    QString reason = writeAll(file, bytes);
    // commit() closes with a flush whose failure it does not report, so the
    // last buffered bytes are pushed out, and checked, here.
    if (reason.isEmpty() && !file.flush())
        reason = reasonOf(file, "the file could not be written");
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return reasonOf(file, "the file could not be written");
    return {};
}

} // namespace FileSave
