#include "platform/file_read.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace FileRead {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FileRead", text);
}

} // namespace

Result read(const QString &path, qint64 limit)
{
    Result result;
    // Decided from the file's type before any open: opening a FIFO blocks
    // until something writes to it, and a device may never end.
    const QFileInfo info(path);
    if (info.isDir()) {
        result.error = tr("it is a folder");
        return result;
    }
    if (info.exists() && !info.isFile()) {
        result.error = tr("it is not a regular file");
        return result;
    }
    if (info.size() > limit) {
        result.tooLarge = true;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    // Some files report a false size (those under /proc say 0), so the limit
    // holds for what is read too.
    QByteArray bytes;
    for (qint64 room = limit + 1; room > 0; room = limit + 1 - bytes.size()) {
        const QByteArray chunk = file.read(std::min<qint64>(room, 1 << 20));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        result.error = file.errorString();
    else if (bytes.size() > limit)
        result.tooLarge = true;
    else
        result.bytes = std::move(bytes);
    return result;
}

} // namespace FileRead
