#pragma once

#include <QString>

#include <vector>

// A table of text cells addressed (row, column) from 0. Resizing keeps every
// cell that still lies inside the new bounds; cells that appear read as "".
// Addressing outside the current bounds is a caller's bug and asserts.
class CellGrid
{
public:
    CellGrid() = default;
    CellGrid(int rows, int cols);

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    void setRows(int rows);
    void setCols(int cols);
    void resize(int rows, int cols);

    // Width of every column, in twips.
    int colWidth() const { return m_colWidth; }
    void setColWidth(int twips) { m_colWidth = twips; }

    const QString &text(int row, int col) const;
    void setText(int row, int col, const QString &text);

    // Empties every cell; counts and widths stay.
    void clear();

    bool contains(int row, int col) const { return row >= 0 && row < m_rows && col >= 0 && col < m_cols; }

    friend bool operator==(const CellGrid &, const CellGrid &) = default;

private:
    std::size_t index(int row, int col) const;

    int m_rows = 0;
    int m_cols = 0;
    int m_colWidth = 0;
    std::vector<QString> m_cells; // row-major
};
