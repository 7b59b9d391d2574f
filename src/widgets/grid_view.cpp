#include "widgets/grid_view.h"

#include "widgets/look.h"

#include <QAbstractTableModel>
#include <QAccessibleWidget>
#include <QHeaderView>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>

#include <mutex>

class CellGridModel final : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : grid.rows(); }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : grid.cols(); }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return grid.text(index.row(), index.column());
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }

    void resize(int rows, int cols)
    {
        if (rows == grid.rows() && cols == grid.cols())
            return;
        beginResetModel();
        grid.resize(rows, cols);
        endResetModel();
    }

    void cellsChanged()
    {
        if (grid.rows() > 0 && grid.cols() > 0)
            emit dataChanged(index(0, 0), index(grid.rows() - 1, grid.cols() - 1), {Qt::DisplayRole});
    }

    void cellChanged(int row, int col)
    {
        const QModelIndex i = index(row, col);
        emit dataChanged(i, i, {Qt::DisplayRole});
    }

    CellGrid grid;
};

namespace {

// Letters only, with no style's focus rectangle, which in an empty grid would
// be the one mark on it; the current cell gets a frame of its own instead,
// while the grid has the focus.
class LetterDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (option.state & QStyle::State_HasFocus) {
            painter->save();
            painter->setPen(QPen(Qt::black, 2));
            painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
            painter->restore();
        }
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

// One cell of the grid, for screen readers: its letter, its place, and the
// focus while it is the grid's current cell and the grid has the focus.
class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    CellAccessible(GridView *view, int row, int column)
        : m_view(view)
        , m_row(row)
        , m_column(column)
    {
    }

    bool isValid() const override { return m_view && m_row < m_view->rows() && m_column < m_view->cols(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_view->text(m_row, m_column) : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect cell = m_view->visualRect(m_view->model()->index(m_row, m_column));
        return {m_view->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = isValid() && m_view->hasFocus() && m_view->currentIndex().row() == m_row
            && m_view->currentIndex().column() == m_column;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QPointer<GridView> m_view;
    int m_row;
    int m_column;
};

// The grid as a table of cells and nothing else: Qt's own table would also
// report the hidden row and column headers.
class GridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit GridAccessible(GridView *view)
        : QAccessibleWidget(view, QAccessible::Table)
    {
    }
    ~GridAccessible() override { forgetCells(); }

    int childCount() const override { return view()->rows() * view()->cols(); }
    QAccessibleInterface *child(int index) const override
    {
        const int cols = view()->cols();
        return index >= 0 && index < childCount() ? cellAt(index / cols, index % cols) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *cell = child ? const_cast<QAccessibleInterface *>(child)->tableCellInterface() : nullptr;
        return cell ? cell->rowIndex() * view()->cols() + cell->columnIndex() : -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        const QModelIndex current = view()->currentIndex();
        return view()->hasFocus() && current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || column < 0 || row >= view()->rows() || column >= view()->cols())
            return nullptr;
        const int key = row * view()->cols() + column;
        if (const QAccessible::Id id = m_cells.value(key))
            return QAccessible::accessibleInterface(id);
        auto *cell = new CellAccessible(view(), row, column);
        m_cells.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return view()->cols(); }
    int rowCount() const override { return view()->rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The cells are made anew once the grid changes size.
    void modelChange(QAccessibleTableModelChangeEvent *) override { forgetCells(); }

private:
    GridView *view() const { return static_cast<GridView *>(widget()); }
    void forgetCells()
    {
        for (const QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
        m_cells.clear();
    }

    mutable QHash<int, QAccessible::Id> m_cells;
};

QAccessibleInterface *gridFactory(const QString &key, QObject *object)
{
    return key == QLatin1String("GridView") ? new GridAccessible(static_cast<GridView *>(object)) : nullptr;
}

} // namespace

GridView::GridView(QWidget *parent)
    : QTableView(parent)
    , m_model(new CellGridModel(this))
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(gridFactory); });
    setModel(m_model);
    setItemDelegate(new LetterDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(Look::px(240));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::StrongFocus);
    // One stop for Tab; the arrow keys move the current cell.
    setTabKeyNavigation(false);
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    // The focus frame takes the padding's place, so the letters never move.
    setStyleSheet(QStringLiteral("QTableView { gridline-color: white; color: black; background-color: white;"
                                 " border: 1px solid rgb(160,160,160); padding: 1px; }"
                                 "QTableView:focus { border: 2px solid black; padding: 0px; }"));
    updateName();
}

void GridView::updateName()
{
    static const char *const shown[] = {"Empty grid", "Puzzle", "Answer key"};
    setAccessibleName(QStringLiteral("%1, %2 columns by %3 rows")
                          .arg(QLatin1String(shown[static_cast<int>(m_showing)]))
                          .arg(cols())
                          .arg(rows()));
}

const CellGrid &GridView::grid() const
{
    return m_model->grid;
}

void GridView::setRows(int rows)
{
    m_model->resize(rows, m_model->grid.cols());
    updateName();
}

void GridView::setCols(int cols)
{
    m_model->resize(m_model->grid.rows(), cols);
    updateName();
}

void GridView::setColWidth(int twips)
{
    m_model->grid.setColWidth(twips);
    horizontalHeader()->setDefaultSectionSize(Look::px(twips));
}

void GridView::setText(int row, int col, const QString &text)
{
    m_model->grid.setText(row, col, text);
    m_model->cellChanged(row, col);
}

void GridView::clear()
{
    m_model->grid.clear();
    m_model->cellsChanged();
    m_showing = Showing::Nothing;
    updateName();
}

void GridView::edit(Showing showing, const std::function<void(CellGrid &)> &change)
{
    [[maybe_unused]] const int rows = m_model->grid.rows();
    [[maybe_unused]] const int cols = m_model->grid.cols();
    change(m_model->grid);
    Q_ASSERT(rows == m_model->grid.rows() && cols == m_model->grid.cols());
    m_model->cellsChanged();
    m_showing = showing;
    updateName();
}

void GridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // Not the item view's own: it would name the cell by a count that takes
    // in the hidden headers. Nothing in the grid is edited.
    if (current.isValid())
        scrollTo(current);
    update(previous);
    update(current);
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(current.row() * cols() + current.column());
        QAccessible::updateAccessibility(&event);
    }
}
