#include "editor/word_rules.h"

#include "editor/word_list.h"

#include <algorithm>

namespace WordRules {

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QString asciiUpper(const QString &text)
{
    // Entries are upper case already; sharing them keeps the index from
    // doubling the memory of a long list.
    const auto lower = std::find_if(text.cbegin(), text.cend(),
                                    [](QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); });
    if (lower == text.cend())
        return text;
    QString upper = text;
    for (qsizetype i = lower - text.cbegin(); i < upper.size(); ++i) {
        const QChar c = upper.at(i);
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            upper[i] = QChar(c.unicode() - 'a' + 'A');
    }
    return upper;
}

bool hasOnlyValidCharacters(const QString &candidate)
{
    for (const QChar c : candidate) {
        const char16_t u = c.unicode();
        const bool valid = u == ' ' || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (!valid)
            return false;
    }
    return true;
}

WordVerdict check(const QString &candidate, const WordList &list)
{
    if (list.containsIgnoringCase(candidate))
        return WordVerdict::Duplicate;
    if (!hasOnlyValidCharacters(candidate))
        return WordVerdict::InvalidCharacter;
    if (candidate.isEmpty())
        return WordVerdict::Empty;
    return WordVerdict::Accept;
}

QString message(WordVerdict verdict)
{
    switch (verdict) {
    case WordVerdict::Duplicate:
        return QStringLiteral("You already have that word in the list you idiot!!");
    case WordVerdict::InvalidCharacter:
        return QStringLiteral("You have an invalid character in the word you idiot!!");
    case WordVerdict::Empty:
        return QStringLiteral("Please enter a word first you idiot.");
    case WordVerdict::Accept:
        break;
    }
    return {};
}

} // namespace WordRules
