#include "print/print_layout.h"

#include "puzzle/cell_grid.h"

namespace PrintLayout {

QStringList gridSection(const QString &title, const CellGrid &grid, int rows, int cols)
{
    QStringList lines{title, QString()};
    lines.reserve(rows + 2);
    for (int r = 0; r < rows; ++r) {
        QString line;
        line.reserve(cols * 2);
        for (int c = 0; c < cols; ++c) {
            const QString &text = grid.text(r, c);
            line += text.isEmpty() ? QStringLiteral("  ") : text + QLatin1Char(' ');
        }
        lines.append(line);
    }
    return lines;
}

QStringList listSection(const QStringList &words)
{
    QStringList lines{QStringLiteral("List of Words"), QString()};
    lines += words;
    return lines;
}

bool isGridRow(const QString &line)
{
    if (line.isEmpty() || line.size() % 2 != 0)
        return false;
    for (qsizetype i = 1; i < line.size(); i += 2) {
        if (line.at(i) != QLatin1Char(' '))
            return false;
    }
    return true;
}

} // namespace PrintLayout
