#include "editor/word_list.h"

#include "editor/word_rules.h"

#include <QtGlobal>

bool WordList::containsIgnoringCase(const QString &text) const
{
    return m_upperIndex.contains(WordRules::asciiUpper(text));
}

void WordList::append(const QString &entry)
{
    m_entries.append(entry);
    m_upperIndex.insert(WordRules::asciiUpper(entry));
}

void WordList::reserveMore(qsizetype count)
{
    m_entries.reserve(m_entries.size() + count);
    m_upperIndex.reserve(m_upperIndex.size() + count);
}

void WordList::removeAt(qsizetype i)
{
    m_upperIndex.remove(WordRules::asciiUpper(m_entries.at(i)));
    m_entries.removeAt(i);
}

void WordList::clear()
{
    m_entries.clear();
    m_upperIndex.clear();
}

void WordList::reorder(QStringList reordered)
{
    Q_ASSERT(reordered.size() == m_entries.size());
    m_entries = std::move(reordered);
}
