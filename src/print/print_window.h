#pragma once

#include "platform/platform.h"
#include "puzzle/puzzle.h"

#include <QWidget>

class Announcer;
class QLabel;
class QPushButton;

// The five print jobs of a finished puzzle: puzzle, key and placed words.
class PrintWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit PrintWindow(const Platform &platform);

    // A visit begins: the puzzle to print, the focus on the first job.
    void takePuzzle(const Puzzle &puzzle);

signals:
    // "Back to Display/Print": the puzzle window is to be shown, then this one hidden.
    void backToPuzzle();
    // "Worksheet...": the worksheet window is to be shown, then this one hidden.
    void worksheetRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void cmdhide_Click();

private:
    // Each writes one section into the open print document.
    void PrintPuzzle();
    void Key();
    void PrintList();
    void printLines(const QStringList &lines);
    void printGap(int emptyLines);
    void endJob();

    const Platform m_platform;
    Puzzle m_puzzle;
    Announcer *m_announcer = nullptr;

    QLabel *Image1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *cmdhide = nullptr;
    QPushButton *cmdWorksheet = nullptr;
};
