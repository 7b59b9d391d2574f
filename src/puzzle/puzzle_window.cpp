#include "puzzle/puzzle_window.h"

#include "platform/random_source.h"
#include "puzzle/generator.h"
#include "widgets/accessibility.h"
#include "widgets/announcer.h"
#include "widgets/grid_view.h"
#include "widgets/held_input.h"
#include "widgets/list_box.h"
#include "widgets/look.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// The longest the progress bar may go unpainted while a run holds the thread.
constexpr qint64 progressRepaintMs = 30;

// The answer table's rows and columns, and the part "Display Answer Key"
// scans: larger than any puzzle, whatever the dimensions.
constexpr int answerTableSize = 110;
constexpr int answerKeyScan = 101;

// Column widths in twips: all three grids when the window loads; then, from
// each hand-off, the visible grid's and the two kept out of sight.
constexpr int loadColumnTwips = 220;
constexpr int shownColumnTwips = 260;
constexpr int keptColumnTwips = 240;

} // namespace

PuzzleWindow::PuzzleWindow(const Platform &platform, const QStringList &words, QSize dimensions)
    : m_platform(platform)
    , m_words(words)
    , m_dimensions(dimensions)
    , m_answerTable(answerTableSize, answerTableSize)
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
    band = new QFrame(this); // the group of the level options
    lblcaption = new QLabel(QStringLiteral("Level of Thought:"), band);
    lblcaption->setFont(Look::font(QStringLiteral("Arial"), 14.25, true, true));
    lblcaption->setStyleSheet(QStringLiteral("color: black;"));
    optvf = new QRadioButton(QStringLiteral("No Brainer"), band);
    optm = new QRadioButton(QStringLiteral("Thoughtful"), band);
    optvs = new QRadioButton(QStringLiteral("Quillo Bashing"), band);
    m_announcer = new Announcer(this);

    Look::setNames({{Progress, "Progress"},
                    {LblDone, "LblDone"},
                    {lblNotice, "lblNotice"},
                    {GrdGridder, "GrdGridder"},
                    {lstWerds, "lstWerds"},
                    {cmdGenerate, "cmdGenerate"},
                    {cmdPuzzle, "cmdPuzzle"},
                    {cmdAnswer, "cmdAnswer"},
                    {cmdPrint, "cmdPrint"},
                    {Command1, "Command1"},
                    {lblGenerating, "lblGenerating"},
                    {TmrDone, "TmrDone"},
                    {band, "band"},
                    {lblcaption, "lblcaption"},
                    {optvf, "optvf"},
                    {optm, "optm"},
                    {optvs, "optvs"}});

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
    Look::makeOrangeShape(band);
    // A styled frame does not hand the window's face on to what it holds.
    for (QRadioButton *option : {optvf, optm, optvs})
        option->setFont(font());
    lstWerds->setAccessibleName(QStringLiteral("Words in the puzzle"));
    Progress->setAccessibleName(QStringLiteral("Progress"));
    Accessibility::makeFrame(this);
    Accessibility::makeGroup(band, QStringLiteral("Level of Thought"));
    Accessibility::hideDecorations({lblcaption}); // the group's name says it

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
    m_platform.random.reseedFromTimeOfDay();
    sizeGrids(m_dimensions, loadColumnTwips, loadColumnTwips);
    lstWerds->setEntries(m_words);
}

void PuzzleWindow::sizeGrids(QSize dimensions, int shownTwips, int keptTwips)
{
    m_dimensions = dimensions;
    GrdGridder->setCols(dimensions.width());
    GrdGridder->setRows(dimensions.height());
    GrdGridder->setColWidth(shownTwips);
    for (CellGrid *grid : {&m_puzzle.answer, &m_puzzle.grid}) {
        grid->setCols(dimensions.width());
        grid->setRows(dimensions.height());
        grid->setColWidth(keptTwips);
    }
}

void PuzzleWindow::takeWords(const QStringList &words, QSize dimensions)
{
    m_platform.random.reseedFromTimeOfDay();
    sizeGrids(dimensions, shownColumnTwips, keptColumnTwips);
    setWords(words);
    cmdGenerate->setFocus();
}

void PuzzleWindow::reset()
{
    GrdGridder->clear();
    optm->setChecked(true);
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
    m_words = words;
    lstWerds->setEntries(words);
    markWords();
}

void PuzzleWindow::markWords()
{
    lstWerds->setMarks(notHiddenMarks(m_words, m_generatedFrom, m_puzzle.used),
                       QStringLiteral("Not hidden in this puzzle"), QStringLiteral("not hidden"));
}

void PuzzleWindow::setButtonRowVisible(bool visible)
{
    for (QPushButton *button : {cmdGenerate, Command1, cmdPuzzle, cmdAnswer, cmdPrint})
        button->setVisible(visible);
}

void PuzzleWindow::cmdGenerate_Click()
{
    m_puzzle.used.clear();
    m_puzzle.notUsed.clear();
    GrdGridder->clear();

    // Hiding the row would move the focus on from control to control, each
    // one spoken; while the run lasts it stays put (see focusNextPrevChild),
    // and wherever it was, it is given back after.
    QWidget *const focused = focusWidget();
    m_running = true;
    setButtonRowVisible(false);
    for (QPushButton *button : {cmdPuzzle, cmdAnswer, cmdPrint})
        button->setEnabled(true);
    if (!lblNotice->isHidden()) {
        lblNotice->hide();
        Progress->setVisible(LblDone->isHidden());
    }
    lblGenerating->show();
    repaint();

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
    m_generatedFrom = m_words;
    m_puzzle.entries = m_words;
    const int width = m_dimensions.width();
    const int height = m_dimensions.height();
    const GeneratorResult result = generate(m_words, width, height, attemptLimit(), m_platform.random, progress);

    if (result.noWords) {
        // Nothing to place: bring the buttons back and say why, in place of the bar.
        TmrDone->stop();
        LblDone->hide();
        Progress->hide();
        lblNotice->setText(m_words.isEmpty() ? QStringLiteral("The word list is empty.")
                                             : QStringLiteral("No word fits a %1 x %2 puzzle.").arg(width).arg(height));
        lblNotice->show();
        m_announcer->say(lblNotice->text());
        endRun(focused);
        return;
    }
    Progress->setValue(finished);
    m_puzzle.used = result.placed;
    m_puzzle.notUsed = result.notPlaced;
    m_puzzle.placements = result.placements;
    PuzzleFill::fill(result, m_platform.random, m_answerTable, m_puzzle.answer, m_puzzle.grid);

    Progress->hide();
    LblDone->show();
    m_announcer->say(LblDone->text());
    TmrDone->start();
    endRun(focused);
}

void PuzzleWindow::endRun(QWidget *focused)
{
    setButtonRowVisible(true);
    lblGenerating->hide();
    m_running = false;
    if (focused)
        focused->setFocus();
    markWords();
    dropHeldInput();
}

bool PuzzleWindow::focusNextPrevChild(bool next)
{
    // While a run hides the button row, the focus stays on the hidden button
    // it was on instead of passing over every control on its way back.
    return m_running || QWidget::focusNextPrevChild(next);
}

void PuzzleWindow::cmdPuzzle_Click()
{
    GrdGridder->edit(GridView::Showing::Puzzle, [&](CellGrid &grid) {
        for (int r = 0; r < m_dimensions.height(); ++r)
            for (int c = 0; c < m_dimensions.width(); ++c)
                grid.setText(r, c, m_puzzle.grid.text(r, c));
    });
}

void PuzzleWindow::cmdAnswer_Click()
{
    GrdGridder->edit(GridView::Showing::AnswerKey, [&](CellGrid &grid) {
        grid.clear();
        // The table may be larger than the grid; write only cells the grid has.
        const int rows = std::min(grid.rows(), answerKeyScan);
        const int cols = std::min(grid.cols(), answerKeyScan);
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
    emit printRequested();
}

void PuzzleWindow::Command1_Click()
{
    hide();
    emit backToMain();
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
    // A window manager's close takes the way back; Exit's closes just close.
    if (event->spontaneous()) {
        event->ignore();
        Command1_Click();
    }
}
