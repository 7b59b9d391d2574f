// Bytes of a word-list file in; its fields out, then through the editor's add
// checks into a word list, the way a load does.

#include "editor/word_list.h"
#include "editor/word_list_file.h"
#include "editor/word_rules.h"

#include "fuzz_check.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

using WordListFile::ParseResult;

const QByteArray byteOrderMark("\xEF\xBB\xBF");

bool sameParse(const ParseResult &a, const ParseResult &b)
{
    return a.fields == b.fields && a.unterminatedQuote == b.unterminatedQuote;
}

// The rules again, written out plainly, to hold the library's versions to.
QString plainUpper(const QString &text)
{
    QString upper;
    for (const QChar c : text)
        upper += (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - 32) : c;
    return upper;
}

QString plainTrim(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.sliced(begin, end - begin);
}

bool isLetterOrBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

WordVerdict expectedVerdict(const QString &candidate, const QSet<QString> &uppers)
{
    if (uppers.contains(plainUpper(candidate)))
        return WordVerdict::Duplicate;
    for (const QChar c : candidate) {
        if (!isLetterOrBlank(c))
            return WordVerdict::InvalidCharacter;
    }
    if (candidate.isEmpty())
        return WordVerdict::Empty;
    return WordVerdict::Accept;
}

void checkFields(const QByteArray &bytes, const ParseResult &parsed)
{
    const QByteArray body = bytes.startsWith(byteOrderMark) ? bytes.sliced(3) : bytes;
    qsizetype separators = 0;
    for (const char c : body)
        separators += c == ',' || c == '\r' || c == '\n';
    FUZZ_CHECK(parsed.fields.size() <= separators + 1);
    if (!body.contains('"'))
        FUZZ_CHECK(!parsed.unterminatedQuote);

    for (const QString &field : parsed.fields) {
        for (const QChar c : field)
            FUZZ_CHECK(c.unicode() <= 0xFF);
        FUZZ_CHECK(body.contains(field.toLatin1()));
        // Only a quoted field may hold a separator, and a quoted one holds no
        // quote; an unquoted one starts past the blanks.
        if (field.contains(QLatin1Char('"'))) {
            FUZZ_CHECK(!field.contains(QLatin1Char('\r')) && !field.contains(QLatin1Char('\n')));
            FUZZ_CHECK(!field.contains(QLatin1Char(',')));
            FUZZ_CHECK(!field.startsWith(QLatin1Char(' ')) && !field.startsWith(QLatin1Char('"')));
        }
    }
}

// What must not change the fields: a byte-order mark in front, and, without
// quotes, the kind of line end.
void checkEquivalentInputs(const QByteArray &bytes, const ParseResult &parsed)
{
    if (!bytes.startsWith(byteOrderMark))
        FUZZ_CHECK(sameParse(WordListFile::parse(byteOrderMark + bytes), parsed));
    if (bytes.contains('"'))
        return;
    QByteArray lf = bytes;
    lf.replace("\r\n", "\n");
    FUZZ_CHECK(sameParse(WordListFile::parse(lf), parsed));
    QByteArray cr = bytes;
    cr.replace('\n', '\r');
    FUZZ_CHECK(sameParse(WordListFile::parse(cr), parsed));
}

void checkFormatRoundTrip(const QStringList &entries)
{
    const ParseResult back = WordListFile::parse(WordListFile::format(entries));
    FUZZ_CHECK(!back.unterminatedQuote);
    FUZZ_CHECK(back.fields == entries);
}

// The add path of the editor, checked step by step against the plain rules.
WordList addAll(const QStringList &fields)
{
    WordList list;
    QSet<QString> uppers;
    QStringList expected;
    for (const QString &field : fields) {
        FUZZ_CHECK(WordRules::asciiUpper(field) == plainUpper(field));
        const QString candidate = WordRules::trimBlanks(field);
        FUZZ_CHECK(candidate == plainTrim(field));
        const WordVerdict verdict = WordRules::check(candidate, list);
        FUZZ_CHECK(verdict == expectedVerdict(candidate, uppers));
        FUZZ_CHECK(WordRules::message(verdict).isEmpty() == (verdict == WordVerdict::Accept));
        if (verdict != WordVerdict::Accept)
            continue;
        const QString entry = WordRules::asciiUpper(candidate);
        list.append(entry);
        uppers.insert(entry);
        expected.append(entry);
    }
    FUZZ_CHECK(list.entries() == expected);
    return list;
}

void checkWordList(const WordList &list)
{
    QSet<QString> seen;
    for (const QString &entry : list.entries()) {
        FUZZ_CHECK(!entry.isEmpty());
        for (const QChar c : entry)
            FUZZ_CHECK(c == QLatin1Char(' ') || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')));
        FUZZ_CHECK(!entry.startsWith(QLatin1Char(' ')) && !entry.endsWith(QLatin1Char(' ')));
        FUZZ_CHECK(list.containsIgnoringCase(entry));
        FUZZ_CHECK(list.containsIgnoringCase(entry.toLower()));
        seen.insert(entry);
    }
    FUZZ_CHECK(seen.size() == list.size());
}

// Deleting must take an entry out of the case-blind index and leave the rest.
void checkRemoval(WordList list)
{
    const QStringList before = list.entries();
    for (qsizetype i = (before.size() - 1) & ~qsizetype(1); i >= 0; i -= 2)
        list.removeAt(i);
    for (qsizetype i = 0; i < before.size(); ++i)
        FUZZ_CHECK(list.containsIgnoringCase(before[i]) == (i % 2 == 1));
    FUZZ_CHECK(list.size() == before.size() / 2);
    checkWordList(list);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ParseResult parsed = WordListFile::parse(bytes);
    checkFields(bytes, parsed);
    checkEquivalentInputs(bytes, parsed);

    QStringList quoteFree;
    for (const QString &field : parsed.fields) {
        if (!field.contains(QLatin1Char('"')))
            quoteFree.append(field);
    }
    checkFormatRoundTrip(quoteFree);

    const WordList list = addAll(parsed.fields);
    checkWordList(list);
    // A saved list loads back whole, every entry accepted again.
    checkFormatRoundTrip(list.entries());
    FUZZ_CHECK(addAll(list.entries()).entries() == list.entries());
    checkRemoval(list);
    return 0;
}
