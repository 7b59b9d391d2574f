#include "print/print_window.h"

#include "app/main_window.h"
#include "app/windows.h"
#include "platform/look.h"
#include "platform/pictures.h"
#include "platform/text_printer.h"
#include "print/print_layout.h"
#include "puzzle/puzzle_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

PrintWindow::PrintWindow(Windows &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Lexmire - Print Options"));
    setFixedSize(Look::px(3105), Look::px(3015));
    Look::applyWindowLook(this);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rect());
    Image1->setPixmap(Pictures::printBackdrop(size()));

    const std::pair<QPushButton **, const char16_t *> buttons[] = {
        {&Command1, u"Print Everything"},
        {&Command2, u"Print Key Only"},
        {&Command3, u"Print List Only"},
        {&Command4, u"Print Puzzle Only"},
        {&Command5, u"Print Puzzle and List Only"},
        {&cmdhide, u"Back to Display/Print"},
    };
    const char16_t *names[] = {u"Command1", u"Command2", u"Command3", u"Command4", u"Command5", u"cmdhide"};
    int row = 0;
    for (const auto &[button, caption] : buttons) {
        *button = new QPushButton(QString::fromUtf16(caption), this);
        (*button)->setObjectName(QString::fromUtf16(names[row]));
        (*button)->setGeometry(Look::px(180), Look::px(180 + row * 450), Look::px(2745), Look::px(375));
        ++row;
    }
    Look::setTabChain({Command1, Command2, Command3, Command4, Command5, cmdhide});
    Look::pressButtonsWithEnter(this);

    connect(Command1, &QPushButton::clicked, this, &PrintWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PrintWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &PrintWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &PrintWindow::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &PrintWindow::Command5_Click);
    connect(cmdhide, &QPushButton::clicked, this, &PrintWindow::cmdhide_Click);

    // Set once for the life of the program.
    m_windows.platform().printer->setFontName(QStringLiteral("Ms Sans Serif"));
}

void PrintWindow::printLines(const QStringList &lines)
{
    TextPrinter &printer = *m_windows.platform().printer;
    for (const QString &line : lines) {
        if (line.isEmpty())
            printer.printEmptyLine();
        else
            printer.printLine(line);
    }
}

void PrintWindow::PrintPuzzle()
{
    MainWindow *main = m_windows.frmMain();
    printLines(PrintLayout::gridSection(QStringLiteral("Puzzle"), m_windows.frmDisplay()->GrdPuzzle,
                                        main->puzzleHeight(), main->puzzleWidth()));
}

void PrintWindow::Key()
{
    MainWindow *main = m_windows.frmMain();
    printLines(PrintLayout::gridSection(QStringLiteral("Puzzle Key"), m_windows.frmDisplay()->GrdAnswer,
                                        main->puzzleHeight(), main->puzzleWidth()));
}

void PrintWindow::PrintList()
{
    printLines(PrintLayout::listSection(m_windows.frmDisplay()->lstUsed));
}

void PrintWindow::endJob()
{
    m_windows.platform().printer->endDocument();
    // A save dialog may have taken the focus; printing leaves this window in front.
    raise();
    activateWindow();
}

void PrintWindow::Command1_Click()
{
    TextPrinter &printer = *m_windows.platform().printer;
    PrintPuzzle();
    printer.printEmptyLine();
    printer.printEmptyLine();
    PrintList();
    printer.printEmptyLine();
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
    TextPrinter &printer = *m_windows.platform().printer;
    PrintPuzzle();
    printer.printEmptyLine();
    printer.printEmptyLine();
    PrintList();
    endJob();
}

void PrintWindow::cmdhide_Click()
{
    Windows::show(m_windows.frmDisplay());
    hide();
}

void PrintWindow::closeEvent(QCloseEvent *event)
{
    if (m_windows.closeMeansBack(event))
        cmdhide_Click();
}
