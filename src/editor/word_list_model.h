#pragma once

#include "editor/word_list.h"
#include "editor/word_sort.h"

#include <QAbstractListModel>

#include <functional>

// The editor's word list as a model for its list view. Every change goes
// through here and tells the views itself, once per change: a load that
// appends a million words is one insertion.
class WordListModel final : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    const WordList &words() const { return m_words; }

    int rowCount(const QModelIndex &parent = {}) const override;
    // The entry whole; views cut what they cannot show.
    QVariant data(const QModelIndex &index, int role) const override;

    // `add` may append any number of entries to the list it is given, and
    // nothing else; the views hear of them once it returns.
    void appendMany(const std::function<void(WordList &)> &add);
    void append(const QString &entry);
    void removeAt(int row);
    void clear();
    using QAbstractListModel::sort; // the views' own, which this model leaves alone
    void sort(SortOrder order);

private:
    WordList m_words;
    int m_rows = 0; // what the views know of, until a change is told
};
