#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The editor's word list: entries in display order plus an index of their
// upper-cased forms, so the duplicate check is O(1). Every change goes
// through here, so entries and index never part.
class WordList
{
public:
    const QStringList &entries() const { return m_entries; }
    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const QString &at(qsizetype i) const { return m_entries.at(i); }

    // True when some entry equals `text` once both are upper-cased (ASCII only).
    bool containsIgnoringCase(const QString &text) const;

    void append(const QString &entry);
    // Room for `count` more entries, so a long load does not keep growing
    // and rehashing the index.
    void reserveMore(qsizetype count);
    void removeAt(qsizetype i);
    void clear();
    // Replaces the order of the entries; `reordered` must be a permutation of them.
    void reorder(QStringList reordered);

private:
    QStringList m_entries;
    QSet<QString> m_upperIndex;
};
