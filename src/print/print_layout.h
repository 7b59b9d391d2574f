#pragma once

#include <QString>
#include <QStringList>

class CellGrid;

namespace PrintLayout {

// Title, an empty line, then `rows` lines of `cols` cells, each cell its
// letter and a blank, or two blanks when it is empty.
QStringList gridSection(const QString &title, const CellGrid &grid, int rows, int cols);

// "List of Words", an empty line, then one line per word.
QStringList listSection(const QStringList &words);

} // namespace PrintLayout
