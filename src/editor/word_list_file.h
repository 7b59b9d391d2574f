#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace WordListFile {

// The dialog filter of word-list files.
inline constexpr char16_t dialogFilter[] = u"All Files (*.*)|*.*|Lexmire Files (*.lx)|*.lx|Text Files (*.txt)|*.txt";

struct ParseResult
{
    QStringList fields; // in file order, each byte a Latin-1 character
    // A quoted field ran past the end of the data. `fields` holds those before it.
    bool unterminatedQuote = false;
};

// Fields separated by commas and line ends (CR LF, LF or CR); a quoted field
// (after leading blanks) runs to the next quote and the rest up to the next
// separator is skipped; an unquoted one runs from its first non-blank; empty
// lines add nothing. A leading UTF-8 byte-order mark is skipped.
ParseResult parse(const QByteArray &bytes);

// Per entry: a quote, the entry, a quote, CR LF. An empty list is 0 bytes.
QByteArray format(const QStringList &entries);

struct ReadResult
{
    ParseResult parsed;
    QString error; // empty on success
};

// Reads the file at `path`. On a failure to open or read, `error` says why
// and `parsed` is empty; an unterminated quote is reported in `error` too,
// with the fields before it kept.
ReadResult read(const QString &path);

// Writes through QSaveFile, so a failure leaves an existing file whole.
// Returns the reason of a failure, or an empty string.
QString write(const QString &path, const QStringList &entries);

// Writes the formatted list to an open device; returns the reason of a failure.
QString writeTo(QIODevice &device, const QStringList &entries);

} // namespace WordListFile
