#pragma once

#include "platform/cell_grid.h"

#include <QStringList>
#include <QWidget>

class GridView;
class QRadioButton;
class Windows;

class PuzzleWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit PuzzleWindow(Windows &windows);

    void setWords(const QStringList &words) { m_words = words; }

    GridView *GrdGridder = nullptr;
    QRadioButton *optm = nullptr;
    CellGrid GrdPuzzle;
    CellGrid GrdAnswer;

private:
    Windows &m_windows;
    QStringList m_words;
};
