#include "puzzle/puzzle_window.h"

#include "app/main_window.h"
#include "app/windows.h"
#include "editor/editor_window.h"
#include "platform/grid_view.h"
#include "platform/list_box.h"
#include "platform/look.h"
#include "platform/random_source.h"
#include "print/print_window.h"
#include "puzzle/generator.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <array>

namespace {

// The longest the progress bar may go unpainted while a run holds the thread.
constexpr qint64 progressRepaintMs = 30;

// One shared string per capital letter, so a 100 x 100 puzzle holds no
// ten thousand separate one-letter strings.
const QString &letterText(char letter)
{
    static const std::array<QString, 26> letters = [] {
        std::array<QString, 26> texts;
        for (int i = 0; i < 26; ++i)
            texts[static_cast<std::size_t>(i)] = QString(QLatin1Char(static_cast<char>('A' + i)));
        return texts;
    }();
    Q_ASSERT(letter >= 'A' && letter <= 'Z');
    return letters[static_cast<std::size_t>(letter - 'A')];
}

QString withoutBlanks(const QString &entry)
{
    QString word = entry;
    word.remove(QLatin1Char(' '));
    return word;
}

} // namespace

PuzzleWindow::PuzzleWindow(Windows &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Lexmire - Puzzle"));
    setFixedSize(Look::px(7695), Look::px(7320));
    Look::applyWindowLook(this);

    Progress = new QProgressBar(this);
    Progress->setRange(0, 100);
    Progress->setValue(0);
    Progress->setTextVisible(false);
    Progress->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid rgb(160,160,160); background: white; }"
                                           "QProgressBar::chunk { background-color: rgb(255,128,0); }"));
    LblDone = new QLabel(QStringLiteral("DONE!"), this);
    LblDone->setFont(Look::font(QStringLiteral("Arial"), 21.75, true));
    LblDone->setAlignment(Qt::AlignCenter);
    LblDone->hide();
    lblNotice = new QLabel(this);
    lblNotice->setFont(Look::font(QStringLiteral("Arial"), 11, true));
    lblNotice->setAlignment(Qt::AlignCenter);
    lblNotice->hide();
    GrdGridder = new GridView(this);
    lstWerds = new ListBox(this);
    cmdGenerate = new QPushButton(QStringLiteral("Generate"), this);
    cmdPuzzle = new QPushButton(QStringLiteral("Display Whole Puzzle"), this);
    cmdAnswer = new QPushButton(QStringLiteral("Display Answer Key"), this);
    cmdPrint = new QPushButton(QStringLiteral("Print Options"), this);
    Command1 = new QPushButton(QStringLiteral("Back to Main"), this);
    for (QPushButton *button : {cmdPuzzle, cmdAnswer, cmdPrint})
        button->setEnabled(false);
    lblGenerating = new QLabel(QStringLiteral("GENERATING PUZZLE..."), this);
    lblGenerating->setFont(Look::font(QStringLiteral("Times New Roman"), 30));
    lblGenerating->setAlignment(Qt::AlignCenter);
    lblGenerating->hide();
    TmrDone = new QTimer(this);
    TmrDone->setInterval(1000);
    band = new QFrame(this);
    band->setStyleSheet(QStringLiteral("background-color: rgb(255,128,0); border: 1px solid rgb(96,48,0);"));
    lblcaption = new QLabel(QStringLiteral("Level of Thought:"), this);
    lblcaption->setFont(Look::font(QStringLiteral("Arial"), 14.25, true, true));
    lblcaption->setStyleSheet(QStringLiteral("color: black;"));
    optvf = new QRadioButton(QStringLiteral("No Brainer"), this);
    optm = new QRadioButton(QStringLiteral("Thoughtful"), this);
    optvs = new QRadioButton(QStringLiteral("Quillo Bashing"), this);

    const QList<std::pair<QObject *, const char16_t *>> names{
        {Progress, u"Progress"},
        {LblDone, u"LblDone"},
        {lblNotice, u"lblNotice"},
        {GrdGridder, u"GrdGridder"},
        {lstWerds, u"lstWerds"},
        {cmdGenerate, u"cmdGenerate"},
        {cmdPuzzle, u"cmdPuzzle"},
        {cmdAnswer, u"cmdAnswer"},
        {cmdPrint, u"cmdPrint"},
        {Command1, u"Command1"},
        {lblGenerating, u"lblGenerating"},
        {TmrDone, u"TmrDone"},
        {band, u"band"},
        {lblcaption, u"lblcaption"},
        {optvf, u"optvf"},
        {optm, u"optm"},
        {optvs, u"optvs"},
    };
    for (const auto &[object, name] : names)
        object->setObjectName(QString::fromUtf16(name));

    Look::place(Progress, 120, 90, 7455, 330);
    Look::place(LblDone, 120, 30, 7455, 480);
    Look::place(lblNotice, 120, 90, 7455, 330);
    Look::place(GrdGridder, 120, 540, 5655, 5655);
    Look::place(lstWerds, 5880, 540, 1695, 5655);
    Look::place(cmdGenerate, 120, 6285, 1005, 390);
    Look::place(cmdPuzzle, 1185, 6285, 1845, 390);
    Look::place(cmdAnswer, 3090, 6285, 1755, 390);
    Look::place(cmdPrint, 4905, 6285, 1305, 390);
    Look::place(Command1, 6270, 6285, 1305, 390);
    Look::place(lblGenerating, 120, 6225, 7455, 510);
    Look::place(band, 60, 6765, 7575, 495);
    Look::place(lblcaption, 180, 6795, 2700, 435);
    Look::place(optvf, 3000, 6840, 1380, 345);
    Look::place(optm, 4500, 6840, 1380, 345);
    Look::place(optvs, 6000, 6840, 1560, 345);
    lblGenerating->raise();

    Look::setTabChain(
        {cmdGenerate, cmdPuzzle, cmdAnswer, cmdPrint, Command1, optvf, optm, optvs, GrdGridder, lstWerds});
    Look::pressButtonsWithEnter(this);
    Look::makeOneTabStop({optvf, optm, optvs});
    lstWerds->setAccessibleName(QStringLiteral("Words in the puzzle"));

    connect(cmdGenerate, &QPushButton::clicked, this, &PuzzleWindow::cmdGenerate_Click);
    connect(cmdPuzzle, &QPushButton::clicked, this, &PuzzleWindow::cmdPuzzle_Click);
    connect(cmdAnswer, &QPushButton::clicked, this, &PuzzleWindow::cmdAnswer_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &PuzzleWindow::cmdPrint_Click);
    connect(Command1, &QPushButton::clicked, this, &PuzzleWindow::Command1_Click);
    connect(TmrDone, &QTimer::timeout, this, &PuzzleWindow::TmrDone_Timer);

    Form_Load();
}

void PuzzleWindow::Form_Load()
{
    if (!optvf->isChecked() && !optm->isChecked() && !optvs->isChecked())
        optm->setChecked(true);
    m_windows.platform().random->reseedFromTimeOfDay();
    MainWindow *main = m_windows.frmMain();
    const int width = main->puzzleWidth();
    const int height = main->puzzleHeight();
    GrdGridder->setCols(width);
    GrdGridder->setRows(height);
    GrdGridder->setColWidth(220);
    for (CellGrid *grid : {&GrdAnswer, &GrdPuzzle}) {
        grid->setCols(width);
        grid->setRows(height);
        grid->setColWidth(220);
    }
    lstWerds->setEntries(m_windows.frmEdit()->words().entries());
}

std::int64_t PuzzleWindow::attemptLimit() const
{
    if (optvf->isChecked())
        return AttemptLimit::NoBrainer;
    if (optm->isChecked())
        return AttemptLimit::Thoughtful;
    return AttemptLimit::QuilloBashing;
}

void PuzzleWindow::setWords(const QStringList &words)
{
    lstWerds->setEntries(words);
    markWordsNotHidden();
}

void PuzzleWindow::markWordsNotHidden()
{
    // Only the list the last Generate used can be marked truthfully.
    if (!m_generatedFrom || lstWerds->entries() != *m_generatedFrom) {
        lstWerds->setMarks({}, {});
        return;
    }
    // Each placement can vouch for one entry: NEW YORK and NEWYORK both hide
    // as NEWYORK, and only as many of them as were placed are hidden.
    QHash<QString, int> placements;
    for (const QString &word : std::as_const(lstUsed))
        ++placements[word];
    QList<bool> notHidden;
    notHidden.reserve(lstWerds->count());
    for (const QString &entry : lstWerds->entries()) {
        int &left = placements[withoutBlanks(entry)];
        notHidden.append(left == 0);
        if (left > 0)
            --left;
    }
    lstWerds->setMarks(notHidden, QStringLiteral("Not hidden in this puzzle"));
}

void PuzzleWindow::setButtonRowVisible(bool visible)
{
    for (QPushButton *button : {cmdGenerate, Command1, cmdPuzzle, cmdAnswer, cmdPrint})
        button->setVisible(visible);
}

void PuzzleWindow::cmdGenerate_Click()
{
    lstUsed.clear();
    lstnotused.clear();
    GrdGridder->clear();

    // Hiding the row moves the focus on; a keyboard user gets it back after the run.
    QWidget *const focused = focusWidget();
    setButtonRowVisible(false);
    for (QPushButton *button : {cmdPuzzle, cmdAnswer, cmdPrint})
        button->setEnabled(true);
    if (!lblNotice->isHidden()) {
        lblNotice->hide();
        Progress->setVisible(LblDone->isHidden());
    }
    lblGenerating->show();
    repaint();

    const std::int64_t limit = attemptLimit();
    MainWindow *main = m_windows.frmMain();
    const int width = main->puzzleWidth();
    const int height = main->puzzleHeight();
    RandomSource &random = *m_windows.platform().random;

    // Nothing else runs until the run is over; the bar is repainted by hand,
    // but not so often that painting slows a long list down.
    QElapsedTimer sincePaint;
    int finished = 0;
    GeneratorProgress progress;
    progress.started = [&](qsizetype wordCount) {
        Progress->setMaximum(static_cast<int>(wordCount));
        Progress->setValue(0);
        sincePaint.start();
    };
    progress.wordFinished = [&] {
        ++finished;
        if (sincePaint.elapsed() >= progressRepaintMs) {
            Progress->setValue(finished);
            Progress->repaint();
            sincePaint.restart();
        }
    };
    m_generatedFrom = m_windows.frmEdit()->words().entries();
    const GeneratorResult result = generate(*m_generatedFrom, width, height, limit, random, progress);

    if (result.noWords) {
        // Nothing to place: bring the buttons back and say why, in place of the bar.
        TmrDone->stop();
        LblDone->hide();
        Progress->hide();
        lblNotice->setText(m_windows.frmEdit()->words().isEmpty()
                               ? QStringLiteral("The word list is empty.")
                               : QStringLiteral("No word fits a %1 x %2 puzzle.").arg(width).arg(height));
        lblNotice->show();
        endRun(focused);
        return;
    }
    Progress->setValue(finished);
    lstUsed = result.placed;
    lstnotused = result.notPlaced;

    // A fresh table each run, so no letter of an earlier, larger puzzle lingers.
    m_answerTable.clear();
    GrdAnswer.clear();
    GrdPuzzle.clear();
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            if (const char letter = result.cell(r, c)) {
                const QString &text = letterText(letter);
                m_answerTable.setText(r, c, text);
                GrdAnswer.setText(r, c, text);
                GrdPuzzle.setText(r, c, text);
            }
        }
    }
    // The fill draws after all of the generator's draws, one per empty cell, row by row.
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            if (GrdPuzzle.text(r, c).isEmpty())
                GrdPuzzle.setText(r, c, letterText(drawLetter(random)));
        }
    }

    Progress->hide();
    LblDone->show();
    TmrDone->start();
    endRun(focused);
}

void PuzzleWindow::endRun(QWidget *focused)
{
    setButtonRowVisible(true);
    lblGenerating->hide();
    if (focused)
        focused->setFocus();
    markWordsNotHidden();
}

void PuzzleWindow::cmdPuzzle_Click()
{
    MainWindow *main = m_windows.frmMain();
    const int height = main->puzzleHeight();
    const int width = main->puzzleWidth();
    GrdGridder->edit(GridView::Showing::Puzzle, [&](CellGrid &grid) {
        for (int r = 0; r < height; ++r)
            for (int c = 0; c < width; ++c)
                grid.setText(r, c, GrdPuzzle.text(r, c));
    });
}

void PuzzleWindow::cmdAnswer_Click()
{
    GrdGridder->edit(GridView::Showing::AnswerKey, [&](CellGrid &grid) {
        grid.clear();
        // The table may be larger than the grid; write only cells the grid has.
        const int rows = std::min(grid.rows(), 101);
        const int cols = std::min(grid.cols(), 101);
        for (int a = 0; a < rows; ++a) {
            for (int b = 0; b < cols; ++b) {
                const QString &letter = m_answerTable.text(a, b);
                if (!letter.isEmpty())
                    grid.setText(a, b, letter);
            }
        }
    });
}

void PuzzleWindow::cmdPrint_Click()
{
    PrintWindow *print = m_windows.frmPrint();
    Windows::show(print);
    print->Command1->setFocus();
    hide();
}

void PuzzleWindow::Command1_Click()
{
    hide();
    Windows::show(m_windows.frmMain());
}

void PuzzleWindow::TmrDone_Timer()
{
    if (!Progress->isHidden()) {
        LblDone->show();
        Progress->hide();
    } else {
        LblDone->hide();
        Progress->show();
        TmrDone->stop();
    }
}

void PuzzleWindow::closeEvent(QCloseEvent *event)
{
    if (m_windows.closeMeansBack(event))
        Command1_Click();
}
