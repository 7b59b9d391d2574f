#pragma once

#include "platform/platform.h"
#include "puzzle/puzzle.h"

#include <QSize>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>

class Announcer;
class EveryWordSearch;
class QCheckBox;
class GridView;
class ListBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QShortcut;
class QTimer;

// Where a puzzle is generated from the words handed over, shown, and its key
// looked at; the way on to printing and back to the main window.
class PuzzleWindow final : public QWidget
{
    Q_OBJECT

public:
    // Loads the window on the editor's list and the main window's dimensions.
    PuzzleWindow(const Platform &platform, const QStringList &words, QSize dimensions);
    ~PuzzleWindow() override;

    // The hand-off from the main window: the generator reseeded, the grids
    // sized to `dimensions` (what they hold kept where it still fits), the
    // words listed, marked where the last puzzle was made from them.
    void takeWords(const QStringList &words, QSize dimensions);
    // "Clear All": the visible grid emptied, "Thoughtful" selected.
    void reset();

    // The puzzle the last Generate made, sized as the last hand-off left it.
    const Puzzle &puzzle() const { return m_puzzle; }

signals:
    // "Back to Main": this window has hidden itself.
    void backToMain();
    // "Print Options": the print window is to be shown, then this one hidden.
    void printRequested();
    // A puzzle file was opened: its list and size are now the program's.
    void puzzleOpened(const QStringList &entries, QSize dimensions);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private slots:
    void Form_Load();
    void cmdGenerate_Click();
    void cmdPuzzle_Click();
    void cmdAnswer_Click();
    void cmdPrint_Click();
    void Command1_Click();
    void TmrDone_Timer();
    void cmdNumber_Click();
    void cmdSavePuzzle_Click();
    void cmdOpenPuzzle_Click();
    void cmdUnwanted_Click();
    void cmdRefill_Click();
    void chkCheckWords_Click();

private:
    // The attempt limit of the selected level of thought.
    std::int64_t attemptLimit() const;
    void sizeGrids(QSize dimensions, int shownTwips, int keptTwips);
    void setWords(const QStringList &words);
    // Greys and strikes out the words the last Generate did not hide.
    void markWords();
    void setButtonRowVisible(bool visible);
    // The button row back in place of "GENERATING PUZZLE...", the focus back
    // on `focused`, the list marked.
    void endRun(QWidget *focused);
    // One Generate, from the random source seeded with `number`; `notice`
    // joins "DONE!" in what is said.
    void generateFrom(quint32 number, const QString &notice = {});
    // "Place every word": tries in slices of the event loop, Generate live to stop them.
    void startSearch();
    void searchSlice();
    void finishSearch();
    // The choices beyond the level that a run must not change under it.
    void setChoicesEnabled(bool enabled);
    // The last puzzle made or opened in view: its number, and what may be done with it.
    void showMade();
    // The unwanted words found in the filler, when the check is on; empty otherwise.
    QString unwantedReport();

    const Platform m_platform;
    QStringList m_words; // handed over: what Generate works on
    QSize m_dimensions;
    // Out of sight: the puzzle grid (GrdPuzzle), the answer grid (GrdAnswer),
    // the words placed (lstUsed) and given up (lstnotused).
    Puzzle m_puzzle;
    // What "Display Answer Key" shows; it outlives a change of the dimensions.
    CellGrid m_answerTable;
    // The entries the last Generate worked on: its marks are true of them only.
    std::optional<QStringList> m_generatedFrom;
    bool m_running = false; // a Generate holds the thread
    // The puzzle as the last Generate or Open made it, whatever hand-offs
    // resized the grids since: what is saved, refilled and checked.
    std::optional<Puzzle> m_made;
    std::unique_ptr<EveryWordSearch> m_search; // while "Place every word" tries
    Announcer *m_announcer = nullptr;

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
    QCheckBox *chkEveryWord = nullptr;
    QCheckBox *chkCheckWords = nullptr;
    QPushButton *cmdUnwanted = nullptr;
    QPushButton *cmdRefill = nullptr;
    QLabel *lblNumber = nullptr;
    QPushButton *cmdNumber = nullptr;
    QPushButton *cmdSavePuzzle = nullptr;
    QPushButton *cmdOpenPuzzle = nullptr;
    QLabel *lblReport = nullptr; // what "Place every word" and the check found
    QLabel *lblTrying = nullptr; // beside Generate while the tries run
    QTimer *tmrSearch = nullptr;
    QShortcut *stopSearch = nullptr; // Escape, while the tries run
};
