#pragma once

#include <QWidget>

class ListBox;
class QLabel;
class QPushButton;
class QScrollBar;
class Windows;

// The hub: the word list's copy and count, the puzzle dimensions (normal and
// dimension views), the way to the editor and the puzzle, About and Exit.
class MainWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(Windows &windows);

    // The puzzle dimensions, read by everyone from the scroll bars.
    int puzzleWidth() const;
    int puzzleHeight() const;

    // Controls, named as the rest of the program knows them.
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

    Windows &m_windows;
};
