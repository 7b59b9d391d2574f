#include "platform/list_box.h"

#include "platform/look.h"

#include <QAbstractListModel>
#include <QBrush>
#include <QColor>
#include <QFont>

namespace {

// Far wider than any list box, short enough to lay out at once.
constexpr qsizetype shownLength = 256;

} // namespace

class EntryListModel final : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(entries.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const bool marked = index.row() < marks.size() && marks.at(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return ListBox::shownText(entries.at(index.row()));
        case Qt::FontRole:
            if (marked) {
                QFont font = struckFont;
                font.setStrikeOut(true);
                return font;
            }
            return {};
        case Qt::ForegroundRole:
            return marked ? QVariant(QBrush(QColor(150, 150, 150))) : QVariant();
        case Qt::ToolTipRole:
            return marked ? QVariant(note.toHtmlEscaped()) : QVariant();
        default:
            return {};
        }
    }

    void setEntries(const QStringList &list)
    {
        beginResetModel();
        entries = list;
        marks.clear();
        endResetModel();
    }

    void setMarks(const QList<bool> &marked, const QString &text, const QFont &font)
    {
        marks = marked;
        note = text;
        struckFont = font;
        if (!entries.isEmpty())
            emit dataChanged(index(0), index(rowCount({}) - 1));
    }

    QStringList entries;
    QList<bool> marks;
    QString note;
    QFont struckFont;
};

ListBox::ListBox(QWidget *parent)
    : QListView(parent)
    , m_model(new EntryListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    Look::makeRedText(this);
}

void ListBox::setEntries(const QStringList &entries)
{
    m_model->setEntries(entries);
}

const QStringList &ListBox::entries() const
{
    return m_model->entries;
}

void ListBox::setMarks(const QList<bool> &marked, const QString &note)
{
    m_model->setMarks(marked, note, font());
}

bool ListBox::isMarked(int row) const
{
    return row < m_model->marks.size() && m_model->marks.at(row);
}

QString ListBox::shownText(const QString &entry)
{
    if (entry.size() <= shownLength)
        return entry;
    return entry.left(shownLength) + QChar(0x2026);
}
