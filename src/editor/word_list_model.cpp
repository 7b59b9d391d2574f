#include "editor/word_list_model.h"

int WordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant WordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return m_words.at(index.row());
}

void WordListModel::appendMany(const std::function<void(WordList &)> &add)
{
    add(m_words);
    const int size = static_cast<int>(m_words.size());
    if (size <= m_rows)
        return;
    beginInsertRows({}, m_rows, size - 1);
    m_rows = size;
    endInsertRows();
}

void WordListModel::append(const QString &entry)
{
    appendMany([&](WordList &words) { words.append(entry); });
}

void WordListModel::removeAt(int row)
{
    beginRemoveRows({}, row, row);
    m_words.removeAt(row);
    m_rows = static_cast<int>(m_words.size());
    endRemoveRows();
}

void WordListModel::clear()
{
    beginResetModel();
    m_words.clear();
    m_rows = 0;
    endResetModel();
}

void WordListModel::sort(SortOrder order)
{
    beginResetModel();
    m_words.reorder(WordSort::sorted(m_words.entries(), order));
    endResetModel();
}
