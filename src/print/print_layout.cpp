#include "print/print_layout.h"

#include "platform/cell_grid.h"

namespace PrintLayout {

QStringList gridSection(const QString &title, const CellGrid &grid, int rows, int cols)
{
    QStringList lines{title, QString()};
    lines.reserve(rows + 2);
    for (int r = 0; r < rows; ++r) {
        QString line;
        line.reserve(cols * 2);
        for (int c = 0; c < cols; ++c) {
            // Every cell two characters wide, an empty one too, so that the
            // letters after a gap stay in their columns.
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

} // namespace PrintLayout
