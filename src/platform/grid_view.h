#pragma once

#include "platform/cell_grid.h"

#include <QTableView>

#include <functional>

class CellGridModel;

// The visible grid: a view over a CellGrid, without header rows or columns,
// black letters and white cell lines.
class GridView final : public QTableView
{
    Q_OBJECT

public:
    explicit GridView(QWidget *parent = nullptr);

    const CellGrid &grid() const;
    int rows() const { return grid().rows(); }
    int cols() const { return grid().cols(); }
    const QString &text(int row, int col) const { return grid().text(row, col); }

    void setRows(int rows);
    void setCols(int cols);
    // Width of every column, in twips.
    void setColWidth(int twips);
    void setText(int row, int col, const QString &text);
    void clear();

    // Many cell writes with one repaint.
    void edit(const std::function<void(CellGrid &)> &change);

private:
    CellGridModel *m_model;
};
