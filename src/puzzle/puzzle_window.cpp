#include "puzzle/puzzle_window.h"

#include "platform/grid_view.h"

#include <QRadioButton>

PuzzleWindow::PuzzleWindow(Windows &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Lexmire - Puzzle"));
    GrdGridder = new GridView(this);
    optm = new QRadioButton(QStringLiteral("Thoughtful"), this);
}
