#pragma once

#include <QString>

class QByteArray;
class QIODevice;

namespace FileSave {

struct Result
{
    QString error; // why it failed; empty when the save landed
    // The file had other names (hard links): they still hold the old bytes.
    bool otherNamesKept = false;
};

// Replaces the file at `path` with `bytes` by way of a temporary file in the
// same folder, so that a save either lands whole or changes nothing: after
// any failure an existing file is byte for byte what it was and a new one
// leaves nothing behind. A file replaced keeps its mode and group, and its
// owner where the system lets the saver give it. A target that exists but is
// not a regular file (a folder, a FIFO, a device, a socket) is refused before
// anything is opened, since writing would block on it or replace it. A write
// past the process's file size limit fails the save instead of ending the
// program.
Result save(const QString &path, const QByteArray &bytes);

// Writes all of `bytes`, however short the device's writes are; returns the
// reason of a failure, or an empty string.
QString writeAll(QIODevice &device, const QByteArray &bytes);

} // namespace FileSave
