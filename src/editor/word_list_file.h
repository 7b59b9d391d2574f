#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace WordListFile {

// The dialog filter of word-list files.
inline constexpr char16_t dialogFilter[] = u"All Files (*.*)|*.*|Lexmire Files (*.lx)|*.lx|Text Files (*.txt)|*.txt";

struct ParseResult
{
    QStringList fields; // in file order, each byte a Latin-1 character
    // A quoted field ran past the end of the data. `fields` holds those before it.
    bool unterminatedQuote = false;
};

// The largest file a load reads; no real word list comes near it (it is over
// a million words), and it keeps a huge or endless file from taking the
// program's memory and time.
inline constexpr qint64 sizeLimit = 16 * 1024 * 1024;

// Fields separated by commas and line ends (CR LF, LF or CR); a quoted field
// (after leading blanks) runs to the next quote and the rest up to the next
// separator is skipped; an unquoted one runs from its first non-blank; empty
// lines add nothing. A leading UTF-8 byte-order mark is skipped.
// Hands each field to `field` in file order, so a file of millions of empty
// fields never becomes a list of them. False when a quoted field runs past
// the end of the data; the fields before it have been handed on.
bool forEachField(const QByteArray &bytes, const std::function<void(const QString &)> &field);

// All fields at once.
ParseResult parse(const QByteArray &bytes);

// Per entry: a quote, the entry, a quote, CR LF. An empty list is 0 bytes.
QByteArray format(const QStringList &entries);

// The reason a load or save reports for a list past sizeLimit.
QString tooLargeReason();

// The reason a load reports for a quoted field that never closes.
QString unterminatedQuoteReason();

} // namespace WordListFile
