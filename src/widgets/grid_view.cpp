#include "widgets/grid_view.h"

#include "widgets/look.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QStyledItemDelegate>

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

// Letters only: no focus frame on the current cell, which in an empty grid
// would be the one mark on it.
class LetterDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

GridView::GridView(QWidget *parent)
    : QTableView(parent)
    , m_model(new CellGridModel(this))
{
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
    // One stop for Tab: moving the (invisible) current cell would trap it.
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
