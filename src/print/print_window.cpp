#include "print/print_window.h"

#include "platform/text_printer.h"
#include "print/print_layout.h"
#include "widgets/accessibility.h"
#include "widgets/announcer.h"
#include "widgets/look.h"
#include "widgets/pictures.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

PrintWindow::PrintWindow(const Platform &platform)
    : m_platform(platform)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Lexmire - Print Options"));
    // One row taller than the five jobs and the way back: the worksheet's button.
    setFixedSize(Look::px(3105), Look::px(3465));
    Look::applyWindowLook(this);

    Image1 = new QLabel(this);
    Image1->setGeometry(rect());
    Image1->setPixmap(Pictures::printBackdrop(size()));
    Command1 = new QPushButton(QStringLiteral("Print Everything"), this);
    Command2 = new QPushButton(QStringLiteral("Print Key Only"), this);
    Command3 = new QPushButton(QStringLiteral("Print List Only"), this);
    Command4 = new QPushButton(QStringLiteral("Print Puzzle Only"), this);
    Command5 = new QPushButton(QStringLiteral("Print Puzzle and List Only"), this);
    cmdhide = new QPushButton(QStringLiteral("Back to Display/Print"), this);
    cmdWorksheet = new QPushButton(QStringLiteral("Worksheet..."), this);
    Look::setNames({{Image1, "Image1"},
                    {Command1, "Command1"},
                    {Command2, "Command2"},
                    {Command3, "Command3"},
                    {Command4, "Command4"},
                    {Command5, "Command5"},
                    {cmdhide, "cmdhide"},
                    {cmdWorksheet, "cmdWorksheet"}});

    // One column of buttons of one size.
    const QList<QPushButton *> buttons{Command1, Command2, Command3, Command4, Command5, cmdhide, cmdWorksheet};
    for (int row = 0; row < buttons.size(); ++row)
        Look::place(buttons[row], 180, 180 + row * 450, 2745, 375);
    Look::setTabChain({Command1, Command2, Command3, Command4, Command5, cmdhide, cmdWorksheet});
    Look::pressButtonsWithEnter(this);
    m_announcer = new Announcer(this);
    Accessibility::makeFrame(this);
    Accessibility::hideDecorations({Image1});

    connect(Command1, &QPushButton::clicked, this, &PrintWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PrintWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &PrintWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &PrintWindow::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &PrintWindow::Command5_Click);
    connect(cmdhide, &QPushButton::clicked, this, &PrintWindow::cmdhide_Click);
    connect(cmdWorksheet, &QPushButton::clicked, this, &PrintWindow::worksheetRequested);

    // Set once for the life of the program.
    m_platform.printer.setFontName(QStringLiteral("Ms Sans Serif"));
}

void PrintWindow::takePuzzle(const Puzzle &puzzle)
{
    m_puzzle = puzzle;
    Command1->setFocus();
}

void PrintWindow::printLines(const QStringList &lines)
{
    for (const QString &line : lines) {
        if (line.isEmpty())
            m_platform.printer.printEmptyLine();
        else
            m_platform.printer.printLine(line);
    }
}

void PrintWindow::printGap(int emptyLines)
{
    for (int i = 0; i < emptyLines; ++i)
        m_platform.printer.printEmptyLine();
}

void PrintWindow::PrintPuzzle()
{
    printLines(PrintLayout::gridSection(QStringLiteral("Puzzle"), m_puzzle.grid, m_puzzle.height(), m_puzzle.width()));
}

void PrintWindow::Key()
{
    printLines(
        PrintLayout::gridSection(QStringLiteral("Puzzle Key"), m_puzzle.answer, m_puzzle.height(), m_puzzle.width()));
}

void PrintWindow::PrintList()
{
    printLines(PrintLayout::listSection(m_puzzle.used));
}

void PrintWindow::endJob()
{
    if (const QString outcome = m_platform.printer.endDocument(); !outcome.isEmpty())
        m_announcer->say(outcome);
    // A save dialog may have taken the focus; printing leaves this window in front.
    raise();
    activateWindow();
}

void PrintWindow::Command1_Click()
{
    PrintPuzzle();
    printGap(2);
    PrintList();
    printGap(1);
    Key();
    endJob();
}

void PrintWindow::Command2_Click()
{
    Key();
    endJob();
}

void PrintWindow::Command3_Click()
{
    PrintList();
    endJob();
}

void PrintWindow::Command4_Click()
{
    PrintPuzzle();
    endJob();
}

void PrintWindow::Command5_Click()
{
    PrintPuzzle();
    printGap(2);
    PrintList();
    endJob();
}

void PrintWindow::cmdhide_Click()
{
    emit backToPuzzle();
}

void PrintWindow::closeEvent(QCloseEvent *event)
{
    // A window manager's close takes the way back; Exit's closes just close.
    if (event->spontaneous()) {
        event->ignore();
        cmdhide_Click();
    }
}
