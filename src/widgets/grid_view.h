#pragma once

#include "puzzle/cell_grid.h"

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

    // What the grid shows, for its accessible name.
    enum class Showing { Nothing, Puzzle, AnswerKey };

    const CellGrid &grid() const;
    int rows() const { return grid().rows(); }
    int cols() const { return grid().cols(); }
    const QString &text(int row, int col) const { return grid().text(row, col); }

    void setRows(int rows);
    void setCols(int cols);
    // Width of every column, in twips.
    void setColWidth(int twips);
    void setText(int row, int col, const QString &text);
    // Empties every cell: the grid then shows nothing.
    void clear();

    // Many cell writes with one repaint, after which the grid shows `showing`.
    void edit(Showing showing, const std::function<void(CellGrid &)> &change);
    Showing showing() const { return m_showing; }

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void updateName();

    CellGridModel *m_model;
    Showing m_showing = Showing::Nothing;
};
