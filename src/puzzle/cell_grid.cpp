#include "puzzle/cell_grid.h"

#include <QtGlobal>

#include <algorithm>

CellGrid::CellGrid(int rows, int cols)
{
    resize(rows, cols);
}

void CellGrid::setRows(int rows)
{
    resize(rows, m_cols);
}

void CellGrid::setCols(int cols)
{
    resize(m_rows, cols);
}

void CellGrid::resize(int rows, int cols)
{
    Q_ASSERT(rows >= 0 && cols >= 0);
    if (rows == m_rows && cols == m_cols)
        return;
    std::vector<QString> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    const int keepRows = std::min(rows, m_rows);
    const int keepCols = std::min(cols, m_cols);
    for (int r = 0; r < keepRows; ++r) {
        for (int c = 0; c < keepCols; ++c)
            cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(c)]
                = std::move(m_cells[index(r, c)]);
    }
    m_cells = std::move(cells);
    m_rows = rows;
    m_cols = cols;
}

std::size_t CellGrid::index(int row, int col) const
{
    Q_ASSERT_X(contains(row, col), "CellGrid", "cell outside the grid");
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols) + static_cast<std::size_t>(col);
}

const QString &CellGrid::text(int row, int col) const
{
    return m_cells[index(row, col)];
}

void CellGrid::setText(int row, int col, const QString &text)
{
    m_cells[index(row, col)] = text;
}

void CellGrid::clear()
{
    std::fill(m_cells.begin(), m_cells.end(), QString());
}
