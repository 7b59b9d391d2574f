#include "platform/list_box.h"

#include "platform/look.h"

#include <QAbstractListModel>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

// Far wider than any list box, short enough to lay out at once.
constexpr qsizetype shownLength = 256;
// A tooltip a screen can hold.
constexpr qsizetype toolTipLength = 100;
// Set on entries whose tooltip carries a note, shown even when they fit.
constexpr int noteRole = Qt::UserRole + 1;

QString cut(const QString &entry, qsizetype length)
{
    return entry.size() <= length ? entry : entry.left(length) + QChar(0x2026);
}

// Items as narrow as can be: a list view stretches them to its own width, so
// a long entry is elided there instead of widening the list sideways.
class EntryDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {1, QStyledItemDelegate::sizeHint(option, index).height()};
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() == QEvent::ToolTip && view && !index.data(noteRole).toBool()) {
            QStyleOptionViewItem item = option;
            initStyleOption(&item, index);
            const QWidget *widget = view->viewport();
            const QRect text = widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
            // An entry that is shown whole needs no tooltip.
            if (item.fontMetrics.horizontalAdvance(item.text) <= text.width()) {
                QToolTip::hideText();
                return true;
            }
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
};

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
            return EntryListView::shownText(entries.at(index.row()));
        case Qt::ToolTipRole:
            return EntryListView::toolTip(entries.at(index.row()), marked ? note : QString());
        case noteRole:
            return marked;
        case Qt::FontRole:
            if (marked) {
                QFont font = struckFont;
                font.setStrikeOut(true);
                return font;
            }
            return {};
        case Qt::ForegroundRole:
            return marked ? QVariant(QBrush(QColor(150, 150, 150))) : QVariant();
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

EntryListView::EntryListView(QWidget *parent)
    : QListView(parent)
{
    setItemDelegate(new EntryDelegate(this));
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    Look::makeRedText(this);
}

QString EntryListView::shownText(const QString &entry)
{
    return cut(entry, shownLength);
}

QString EntryListView::toolTip(const QString &entry, const QString &note)
{
    // Entries come from files: shown as text, never as markup.
    QString tip = cut(entry, toolTipLength).toHtmlEscaped();
    if (!note.isEmpty())
        tip += QStringLiteral("<br>") + note.toHtmlEscaped();
    return tip;
}

ListBox::ListBox(QWidget *parent)
    : EntryListView(parent)
    , m_model(new EntryListModel(this))
{
    setModel(m_model);
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
