#pragma once

#include "platform/platform.h"
#include "print/worksheet_layout.h"
#include "puzzle/puzzle.h"

#include <QPrinter>
#include <QWidget>

class Announcer;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrintPreviewWidget;
class QPushButton;
class QTimer;

// A worksheet of the finished puzzle, as a teacher hands it out: a title,
// an instruction, Name and Date lines, the grid, the words in columns, and
// an answer key with every word outlined; seen in a live preview, then
// printed or saved as a PDF file. Its choices are kept between runs.
class WorksheetWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit WorksheetWindow(const Platform &platform);
    ~WorksheetWindow() override;

    // A visit begins: the puzzle to make a worksheet of.
    void takePuzzle(const Puzzle &puzzle);

    // The choices as they stand.
    WorksheetLayout::Options options() const;

signals:
    // "Back to Print Options": the print window is to be shown, then this one hidden.
    void backToPrint();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void cmdPageSetup_Click();
    void cmdPrintWorksheet_Click();
    void cmdSavePdf_Click();
    void cmdBack_Click();
    // A choice changed: kept, and the preview drawn again.
    void choicesChanged();

private:
    void redraw();
    void loadChoices();
    void saveChoices() const;

    const Platform m_platform;
    Puzzle m_puzzle;
    QPrinter m_printer;
    Announcer *m_announcer = nullptr;
    QTimer *m_redraw = nullptr; // typing draws once it pauses

    QLineEdit *txtTitle = nullptr;
    QLineEdit *txtInstruction = nullptr;
    QCheckBox *chkNameDate = nullptr;
    QComboBox *cboOrder = nullptr;
    QComboBox *cboSize = nullptr;
    QCheckBox *chkLowerCase = nullptr;
    QCheckBox *chkNotHidden = nullptr;
    QCheckBox *chkAnswerKey = nullptr;
    QLabel *lblLayout = nullptr;
    QPrintPreviewWidget *preview = nullptr;
    QPushButton *cmdPageSetup = nullptr;
    QPushButton *cmdPrintWorksheet = nullptr;
    QPushButton *cmdSavePdf = nullptr;
    QPushButton *cmdBack = nullptr;
};
