#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class Windows;

// The five print jobs of the current puzzle: puzzle, key and placed words.
class PrintWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit PrintWindow(Windows &windows);

    // Each writes one section into the open print document.
    void PrintPuzzle();
    void Key();
    void PrintList();

    QLabel *Image1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *cmdhide = nullptr;

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
    void printLines(const QStringList &lines);
    void endJob();

    Windows &m_windows;
};
