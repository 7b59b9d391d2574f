#pragma once

#include <QString>

class WordList;

// The three refusals of a typed word, checked in this order.
enum class WordVerdict { Accept, Duplicate, InvalidCharacter, Empty };

namespace WordRules {

// Strips leading and trailing blanks (code 32 only; tabs stay and are refused later).
QString trimBlanks(const QString &text);

// a-z to A-Z and nothing else: a locale-aware mapping would turn "ß" into "SS"
// and call an invalid word a duplicate.
QString asciiUpper(const QString &text);

// A-Z, a-z and the blank; every other character, in any script, is refused.
bool hasOnlyValidCharacters(const QString &candidate);

// Verdict for an already trimmed candidate against the list.
WordVerdict check(const QString &candidate, const WordList &list);

// The alert-line text of a refusal; empty for Accept.
QString message(WordVerdict verdict);

} // namespace WordRules
