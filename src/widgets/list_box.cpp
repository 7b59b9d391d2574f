#include "widgets/list_box.h"

#include "widgets/look.h"

#include <QAbstractListModel>
#include <QBrush>
#include <QColor>
#include <QFocusEvent>
#include <QFont>
#include <QHelpEvent>
#include <QIdentityProxyModel>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

// Far wider than any list box, short enough to lay out at once: painting,
// measuring or reading out a word of millions of letters would freeze the
// window and the screen reader.
constexpr qsizetype shownLength = 256;
// A tooltip a screen can hold.
constexpr qsizetype toolTipLength = 100;

QString cut(const QString &entry, qsizetype length)
{
    return entry.size() <= length ? entry : entry.left(length) + QChar(0x2026);
}

// The start of each entry, and a tooltip that gives more of it.
class ShownEntries final : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        switch (role) {
        case Qt::DisplayRole:
            return cut(QIdentityProxyModel::data(index, role).toString(), shownLength);
        case Qt::AccessibleTextRole: {
            const QVariant own = QIdentityProxyModel::data(index, role);
            return own.isValid() ? own : data(index, Qt::DisplayRole);
        }
        case Qt::ToolTipRole: {
            // Entries come from files: shown as text, never as markup.
            const QString entry = QIdentityProxyModel::data(index, Qt::DisplayRole).toString();
            const QString note = index.data(EntryListView::NoteRole).toString();
            QString tip = cut(entry, toolTipLength).toHtmlEscaped();
            if (!note.isEmpty())
                tip += QStringLiteral("<br>") + note.toHtmlEscaped();
            return tip;
        }
        default:
            return QIdentityProxyModel::data(index, role);
        }
    }
};

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
        if (event->type() == QEvent::ToolTip && view && index.data(EntryListView::NoteRole).toString().isEmpty()) {
            QStyleOptionViewItem item = option;
            initStyleOption(&item, index);
            const QWidget *widget = view->viewport();
            const QRect text = widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
            // An entry shown whole needs no tooltip.
            if (!item.text.endsWith(QChar(0x2026)) && item.fontMetrics.horizontalAdvance(item.text) <= text.width()) {
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
            return entries.at(index.row());
        case Qt::AccessibleTextRole:
            return marked ? QVariant(QString(cut(entries.at(index.row()), shownLength) + QStringLiteral(", ") + spoken))
                          : QVariant();
        case EntryListView::NoteRole:
            return marked ? note : QString();
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

    void setMarks(const QList<bool> &marked, const QString &tip, const QString &said, const QFont &font)
    {
        marks = marked;
        note = tip;
        spoken = said;
        struckFont = font;
        if (!entries.isEmpty())
            emit dataChanged(index(0), index(rowCount({}) - 1));
    }

    QStringList entries;
    QList<bool> marks;
    QString note;
    QString spoken;
    QFont struckFont;
};

EntryListView::EntryListView(QWidget *parent)
    : QListView(parent)
    , m_shown(new ShownEntries(this))
{
    setItemDelegate(new EntryDelegate(this));
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    Look::makeRedText(this);
}

void EntryListView::setModel(QAbstractItemModel *model)
{
    m_shown->setSourceModel(model);
    QListView::setModel(m_shown);
}

void EntryListView::focusInEvent(QFocusEvent *event)
{
    if (m_leftAt.isValid() && !currentIndex().isValid())
        selectionModel()->setCurrentIndex(m_leftAt, QItemSelectionModel::NoUpdate);
    QListView::focusInEvent(event);
}

void EntryListView::focusOutEvent(QFocusEvent *event)
{
    QListView::focusOutEvent(event);
    // A popup (a tooltip, a menu) takes the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason && selectionModel()) {
        m_leftAt = currentIndex();
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    }
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

void ListBox::setMarks(const QList<bool> &marked, const QString &note, const QString &spoken)
{
    m_model->setMarks(marked, note, spoken, font());
}
