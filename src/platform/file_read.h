#pragma once

#include <QByteArray>
#include <QString>

class QString;

namespace FileRead {

struct Result
{
    QByteArray bytes;
    QString error;         // why not, or empty; then `bytes` holds the file
    bool tooLarge = false; // larger than the limit; the caller says so in its own words
};

// Reads the whole file at `path`, if it is a regular file of at most `limit`
// bytes. Anything else (a folder, a FIFO that would block, a device that
// never ends) is refused before it is opened, and no more than one byte past
// the limit is ever read, whatever size the file claims.
Result read(const QString &path, qint64 limit);

} // namespace FileRead
