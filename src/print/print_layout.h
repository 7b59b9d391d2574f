#pragma once

#include <QString>
#include <QStringList>

class CellGrid;

// The lines of the printed sections. The pages (see PageLayout) find the grid
// rows among a job's lines by the format stated here.
namespace PrintLayout {

// Title, an empty line, then `rows` lines of `cols` cells, each cell its
// letter and a blank, or two blanks when it is empty, so that the letters
// after a gap stay in their columns.
QStringList gridSection(const QString &title, const CellGrid &grid, int rows, int cols);

// "List of Words", an empty line, then one line per word.
QStringList listSection(const QStringList &words);

// True for a line gridSection() writes as a row: every cell two characters,
// a letter or a blank and then a blank. No title or word has that form: a word
// never ends in a blank.
bool isGridRow(const QString &line);

} // namespace PrintLayout
