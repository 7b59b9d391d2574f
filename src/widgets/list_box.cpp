#include "widgets/list_box.h"

#include "widgets/look.h"

#include <QAbstractListModel>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

// Far wider than any list box, short enough to lay out at once: painting or
// measuring a word of millions of letters would freeze the window.
constexpr qsizetype shownLength = 256;
// A tooltip a screen can hold.
constexpr qsizetype toolTipLength = 100;

QString cut(const QString &entry, qsizetype length)
{
    return entry.size() <= length ? entry : entry.left(length) + QChar(0x2026);
}

// Shows the start of each entry. Items are as narrow as can be: a list view
// stretches them to its own width, so a long entry is elided there instead of
// widening the list sideways.
class EntryDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &) const override
    {
        return cut(value.toString(), shownLength);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {1, QStyledItemDelegate::sizeHint(option, index).height()};
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip || !view || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString entry = index.data().toString();
        const QString note = index.data(EntryListView::NoteRole).toString();
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QWidget *widget = view->viewport();
        const QRect text = widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        // An entry shown whole, without a note, needs no tooltip.
        if (note.isEmpty() && entry.size() <= shownLength
            && item.fontMetrics.horizontalAdvance(item.text) <= text.width()) {
            QToolTip::hideText();
            return true;
        }
        // Entries come from files: shown as text, never as markup.
        QString tip = cut(entry, toolTipLength).toHtmlEscaped();
        if (!note.isEmpty())
            tip += QStringLiteral("<br>") + note.toHtmlEscaped();
        QToolTip::showText(event->globalPos(), tip, view->viewport(), option.rect);
        return true;
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
