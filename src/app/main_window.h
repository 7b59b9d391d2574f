#pragma once

#include "platform/platform.h"

#include <QSize>
#include <QStringList>
#include <QWidget>

class ListBox;
class QLabel;
class QPushButton;
class QScrollBar;

// The hub: the puzzle dimensions (normal and dimension views), a copy of the
// word list and its count, the way to the editor and the puzzle, Clear All,
// About and Exit.
class MainWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(const Platform &platform);

    // The puzzle dimensions: width (columns) by height (rows).
    QSize dimensions() const;

    // Back from the editor: its list copied here (unless it is empty, when
    // the copy stays as it was), and its count shown.
    void takeWordList(const QStringList &entries);
    // The editor's "Clear Word List": the copy empties; the count stays.
    void clearWordCopy();
    // An opened puzzle's size, chosen as if by the scroll bars and "Done".
    void takeDimensions(QSize dimensions);

signals:
    // "Edit Word List": this window has made itself invisible.
    void editRequested();
    // "Display/Print Puzzle" with words to go on with.
    void puzzleRequested(QSize dimensions);
    // "Clear All" has reset this window; the editor and the puzzle window follow.
    void clearAllRequested();
    // "Exit", Ctrl+X, or the title bar's close.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void cmdWords_Click();
    void cmdDimensions_Click();
    void cmdAllClear_Click();
    void cmdAbout_Click();
    void cmdPrint_Click();
    void cmdExit_Click();
    void cmdDimDone_Click();
    void dimensions_Change();

private:
    QString dimensionText() const;
    void setNormalViewVisible(bool visible);

    const Platform m_platform;

    QPushButton *cmdWords = nullptr;
    QPushButton *cmdDimensions = nullptr;
    QPushButton *cmdAllClear = nullptr;
    ListBox *lstWords = nullptr;
    QLabel *lblWordcount = nullptr;
    QLabel *lblDimensionsDisplay = nullptr;
    QLabel *lblDimDisplay = nullptr;
    QLabel *imgWordsearch = nullptr;
    QWidget *whiteBar = nullptr;
    QPushButton *cmdAbout = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdExit = nullptr;
    QScrollBar *hsbLength = nullptr;
    QScrollBar *vsbHeight = nullptr;
    QLabel *lblStuff = nullptr;
    QLabel *lblCurrentDim = nullptr;
    QPushButton *cmdDimDone = nullptr;
};
