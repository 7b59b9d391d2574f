#pragma once

#include "platform/cell_grid.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class GridView;
class ListBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class Windows;

// Where a puzzle is generated, shown, and its key looked at.
class PuzzleWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit PuzzleWindow(Windows &windows);

    // Replaces the visible word list, marking what the last puzzle did not
    // hide when the list is the one that puzzle was made from.
    void setWords(const QStringList &words);

    // The attempt limit of the selected level of thought.
    std::int64_t attemptLimit() const;

    QProgressBar *Progress = nullptr;
    QLabel *LblDone = nullptr;
    QLabel *lblNotice = nullptr; // why the last Generate had nothing to place
    GridView *GrdGridder = nullptr;
    ListBox *lstWerds = nullptr;
    QPushButton *cmdGenerate = nullptr;
    QPushButton *cmdPuzzle = nullptr;
    QPushButton *cmdAnswer = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *lblGenerating = nullptr;
    QTimer *TmrDone = nullptr;
    QFrame *band = nullptr;
    QLabel *lblcaption = nullptr;
    QRadioButton *optvf = nullptr;
    QRadioButton *optm = nullptr;
    QRadioButton *optvs = nullptr;

    // Out of sight: the finished puzzle and its key, as the printer reads them.
    CellGrid GrdPuzzle;
    CellGrid GrdAnswer;
    QStringList lstUsed;    // placed, in placing order
    QStringList lstnotused; // given up

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void Form_Load();
    void cmdGenerate_Click();
    void cmdPuzzle_Click();
    void cmdAnswer_Click();
    void cmdPrint_Click();
    void Command1_Click();
    void TmrDone_Timer();

private:
    void setButtonRowVisible(bool visible);
    // The button row back in place of "GENERATING PUZZLE...", the focus back
    // on `focused`, the list marked.
    void endRun(QWidget *focused);
    void markWordsNotHidden();

    Windows &m_windows;
    CellGrid m_answerTable{110, 110};
    // The entries the last Generate worked on: its marks are true of them only.
    std::optional<QStringList> m_generatedFrom;
};
