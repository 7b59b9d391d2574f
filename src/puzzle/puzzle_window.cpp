#include "puzzle/puzzle_window.h"

#include "platform/dialogs.h"
#include "platform/file_dialog.h"
#include "platform/file_read.h"
#include "platform/file_save.h"
#include "platform/message_box.h"
#include "platform/random_source.h"
#include "puzzle/every_word.h"
#include "puzzle/generator.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/unwanted_words.h"
#include "widgets/accessibility.h"
#include "widgets/announcer.h"
#include "widgets/busy_cursor.h"
#include "widgets/grid_view.h"
#include "widgets/held_input.h"
#include "widgets/list_box.h"
#include "widgets/look.h"
#include "widgets/shown_name.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QShortcut>
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

const QString boxTitle = QStringLiteral("Lexmire - Puzzle");
const QString unwantedKey = QStringLiteral("puzzle/unwantedWords");
constexpr int shownPathLength = 120;

// The parts that say something, one after another: on lines of their own,
// or spoken, each ended so that a screen reader pauses between them.
QString joined(QStringList parts, QChar between = u' ')
{
    parts.removeAll(QString());
    if (between == u' ')
        for (QString &part : parts)
            if (!part.endsWith(u'.') && !part.endsWith(u'!'))
                part += u'.';
    return parts.join(between);
}

QStringList unwantedWords()
{
    return QSettings().value(unwantedKey, UnwantedWords::starting()).toStringList();
}

} // namespace

PuzzleWindow::PuzzleWindow(const Platform &platform, const QStringList &words, QSize dimensions)
    : m_platform(platform)
    , m_words(words)
    , m_dimensions(dimensions)
    , m_answerTable(answerTableSize, answerTableSize)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Lexmire - Puzzle"));
    setFixedSize(Look::px(7695), Look::px(8940));
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
    chkEveryWord = new QCheckBox(QStringLiteral("Place every word"), this);
    chkCheckWords = new QCheckBox(QStringLiteral("Check for unwanted words"), this);
    cmdUnwanted = new QPushButton(QStringLiteral("Unwanted Words..."), this);
    cmdRefill = new QPushButton(QStringLiteral("Refill"), this);
    lblNumber = new QLabel(this);
    cmdNumber = new QPushButton(QStringLiteral("Generate Number..."), this);
    cmdSavePuzzle = new QPushButton(QStringLiteral("Save Puzzle..."), this);
    cmdOpenPuzzle = new QPushButton(QStringLiteral("Open Puzzle..."), this);
    for (QPushButton *button : {cmdRefill, cmdSavePuzzle})
        button->setEnabled(false);
    lblReport = new QLabel(this);
    lblReport->setWordWrap(true);
    lblReport->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblReport->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblTrying = new QLabel(this);
    lblTrying->setFont(Look::font(QStringLiteral("Arial"), 9.75, true));
    lblTrying->setWordWrap(true);
    lblTrying->hide();
    tmrSearch = new QTimer(this);
    tmrSearch->setInterval(0);
    stopSearch = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    stopSearch->setEnabled(false);
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
                    {optvs, "optvs"},
                    {chkEveryWord, "chkEveryWord"},
                    {chkCheckWords, "chkCheckWords"},
                    {cmdUnwanted, "cmdUnwanted"},
                    {cmdRefill, "cmdRefill"},
                    {lblNumber, "lblNumber"},
                    {cmdNumber, "cmdNumber"},
                    {cmdSavePuzzle, "cmdSavePuzzle"},
                    {cmdOpenPuzzle, "cmdOpenPuzzle"},
                    {lblReport, "lblReport"},
                    {lblTrying, "lblTrying"},
                    {tmrSearch, "tmrSearch"}});

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
    // Below the level: the choices and the puzzle's number, in the columns of the button row.
    Look::place(chkEveryWord, 180, 7395, 1800, 345);
    Look::place(chkCheckWords, 2040, 7395, 2400, 345);
    Look::place(cmdUnwanted, 4470, 7365, 1740, 390);
    Look::place(cmdRefill, 6270, 7365, 1305, 390);
    Look::place(lblNumber, 180, 7875, 2850, 345);
    Look::place(cmdNumber, 3090, 7845, 1755, 390);
    Look::place(cmdSavePuzzle, 4905, 7845, 1305, 390);
    Look::place(cmdOpenPuzzle, 6270, 7845, 1305, 390);
    Look::place(lblReport, 180, 8325, 7395, 555);
    Look::place(lblTrying, 1245, 6225, 6330, 510);
    lblGenerating->raise();

    Look::setTabChain({cmdGenerate, cmdPuzzle, cmdAnswer, cmdPrint, Command1, optvf, optm, optvs, chkEveryWord,
                       chkCheckWords, cmdUnwanted, cmdRefill, cmdNumber, cmdSavePuzzle, cmdOpenPuzzle, GrdGridder,
                       lstWerds});
    Look::pressButtonsWithEnter(this);
    Look::makeOneTabStop({optvf, optm, optvs});
    Look::makeOrangeShape(band);
    // A styled frame does not hand the window's face on to what it holds.
    for (QRadioButton *option : {optvf, optm, optvs})
        option->setFont(font());
    lstWerds->setAccessibleName(QStringLiteral("Words in the puzzle"));
    Progress->setAccessibleName(QStringLiteral("Progress"));
    lblNumber->setAccessibleName(QStringLiteral("Puzzle number"));
    Accessibility::makeFrame(this);
    Accessibility::makeGroup(band, QStringLiteral("Level of Thought"));
    Accessibility::hideDecorations({lblcaption}); // the group's name says it

    connect(cmdGenerate, &QPushButton::clicked, this, &PuzzleWindow::cmdGenerate_Click);
    connect(cmdPuzzle, &QPushButton::clicked, this, &PuzzleWindow::cmdPuzzle_Click);
    connect(cmdAnswer, &QPushButton::clicked, this, &PuzzleWindow::cmdAnswer_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &PuzzleWindow::cmdPrint_Click);
    connect(Command1, &QPushButton::clicked, this, &PuzzleWindow::Command1_Click);
    connect(TmrDone, &QTimer::timeout, this, &PuzzleWindow::TmrDone_Timer);
    connect(cmdNumber, &QPushButton::clicked, this, &PuzzleWindow::cmdNumber_Click);
    connect(cmdSavePuzzle, &QPushButton::clicked, this, &PuzzleWindow::cmdSavePuzzle_Click);
    connect(cmdOpenPuzzle, &QPushButton::clicked, this, &PuzzleWindow::cmdOpenPuzzle_Click);
    connect(cmdUnwanted, &QPushButton::clicked, this, &PuzzleWindow::cmdUnwanted_Click);
    connect(cmdRefill, &QPushButton::clicked, this, &PuzzleWindow::cmdRefill_Click);
    connect(chkCheckWords, &QCheckBox::clicked, this, &PuzzleWindow::chkCheckWords_Click);
    connect(tmrSearch, &QTimer::timeout, this, &PuzzleWindow::searchSlice);
    connect(stopSearch, &QShortcut::activated, this, &PuzzleWindow::finishSearch);

    Form_Load();
}

PuzzleWindow::~PuzzleWindow() = default;

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
    if (m_search)
        finishSearch(); // Generate again stops the tries
    else if (chkEveryWord->isChecked())
        startSearch();
    else
        generateFrom(m_platform.random.freshNumber());
}

void PuzzleWindow::generateFrom(quint32 number, const QString &notice)
{
    m_platform.random.seed(number);
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
        m_made.reset();
        showMade();
        lblReport->clear();
        endRun(focused);
        return;
    }
    Progress->setValue(finished);
    m_puzzle.used = result.placed;
    m_puzzle.notUsed = result.notPlaced;
    m_puzzle.placements = result.placements;
    PuzzleFill::fill(result, m_platform.random, m_answerTable, m_puzzle.answer, m_puzzle.grid);
    m_puzzle.number = number;
    m_puzzle.level = optvf->isChecked() ? optvf->text() : optm->isChecked() ? optm->text() : optvs->text();
    m_puzzle.refilled = false;
    m_made = m_puzzle;

    Progress->hide();
    LblDone->show();
    showMade();
    const QString found = unwantedReport();
    lblReport->setText(joined({notice, found}, u'\n'));
    m_announcer->say(joined({LblDone->text(), notice, found}));
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

void PuzzleWindow::startSearch()
{
    m_search = std::make_unique<EveryWordSearch>(m_words, m_dimensions.width(), m_dimensions.height(), attemptLimit(),
                                                 m_platform.random, EveryWordSearch::Budget{});
    // Generate alone stays live, to stop the tries; the focus waits on it.
    m_running = true;
    setButtonRowVisible(false);
    cmdGenerate->show();
    cmdGenerate->raise();
    cmdGenerate->setFocus();
    setChoicesEnabled(false);
    TmrDone->stop();
    LblDone->hide();
    lblNotice->hide();
    lblReport->clear();
    Progress->setRange(0, m_search->budgetTries());
    Progress->setValue(0);
    Progress->show();
    lblTrying->setText(QStringLiteral("Placing every word... Generate or Esc stops and keeps the best try."));
    lblTrying->show();
    stopSearch->setEnabled(true);
    tmrSearch->start();
}

void PuzzleWindow::searchSlice()
{
    const bool more = m_search->step();
    Progress->setValue(m_search->tries());
    lblTrying->setText(
        QStringLiteral("Try %1 of %2: at best %3 of %4 placed. Generate or Esc stops and keeps the best.")
            .arg(m_search->tries())
            .arg(m_search->budgetTries())
            .arg(m_search->bestHidden())
            .arg(m_search->entryCount()));
    if (!more)
        finishSearch();
}

void PuzzleWindow::finishSearch()
{
    if (!m_search)
        return;
    tmrSearch->stop();
    stopSearch->setEnabled(false);
    // Stopped before a try ended, there is nothing better than a fresh number.
    const bool tried = m_search->tries() > 0;
    const quint32 number = tried ? m_search->bestNumber() : m_platform.random.freshNumber();
    const QString summary = tried ? m_search->summary() : QString();
    m_search.reset();
    lblTrying->hide();
    setChoicesEnabled(true);
    // The best try made again, as any Generate of its number would make it.
    generateFrom(number, summary);
}

void PuzzleWindow::setChoicesEnabled(bool enabled)
{
    for (QWidget *choice : std::initializer_list<QWidget *>{optvf, optm, optvs, chkEveryWord, chkCheckWords,
                                                            cmdUnwanted, cmdNumber, cmdOpenPuzzle})
        choice->setEnabled(enabled);
    for (QPushButton *button : {cmdRefill, cmdSavePuzzle})
        button->setEnabled(enabled && m_made);
}

void PuzzleWindow::showMade()
{
    lblNumber->setText(m_made ? numberCaption(*m_made) : QString());
    for (QPushButton *button : {cmdRefill, cmdSavePuzzle})
        button->setEnabled(m_made.has_value());
}

QString PuzzleWindow::unwantedReport()
{
    if (!chkCheckWords->isChecked() || !m_made)
        return {};
    return UnwantedWords::report(UnwantedWords::find(m_made->grid, m_made->answer, unwantedWords()));
}

void PuzzleWindow::chkCheckWords_Click()
{
    lblReport->setText(unwantedReport());
    if (!lblReport->text().isEmpty())
        m_announcer->say(lblReport->text());
}

void PuzzleWindow::cmdUnwanted_Click()
{
    const std::optional<QStringList> words = m_platform.dialogs.editWords(
        this, QStringLiteral("Lexmire - Unwanted Words"),
        QStringLiteral("Words the filler letters must not spell, one a line:"), unwantedWords());
    if (!words)
        return;
    QSettings().setValue(unwantedKey, *words);
    chkCheckWords_Click();
}

void PuzzleWindow::cmdRefill_Click()
{
    UnwantedWords::refill(m_made->grid, m_made->answer, m_platform.random);
    m_made->refilled = true;
    // The grids out of sight take the new letters where they still match the made puzzle.
    for (int r = 0; r < std::min(m_made->height(), m_puzzle.height()); ++r)
        for (int c = 0; c < std::min(m_made->width(), m_puzzle.width()); ++c)
            m_puzzle.grid.setText(r, c, m_made->grid.text(r, c));
    m_puzzle.refilled = true;
    if (GrdGridder->showing() == GridView::Showing::Puzzle)
        cmdPuzzle_Click();
    showMade();
    const QString found = unwantedReport();
    lblReport->setText(found);
    m_announcer->say(joined({QStringLiteral("New filler letters drawn."), found}));
}

void PuzzleWindow::cmdNumber_Click()
{
    const std::optional<quint32> number = m_platform.dialogs.askNumber(
        this, boxTitle, QStringLiteral("Puzzle number (the same list, size and level make the same puzzle):"), 1,
        lastPuzzleNumber);
    if (number)
        generateFrom(*number);
}

void PuzzleWindow::cmdSavePuzzle_Click()
{
    const QString path
        = m_platform.fileDialog.saveFile(this, QString::fromUtf16(PuzzleFile::dialogFilter),
                                         QStringLiteral("Save Puzzle"), QString::fromUtf16(PuzzleFile::suffix));
    if (path.isEmpty())
        return;
    FileSave::Result saved;
    {
        const BusyCursor busy;
        saved = FileSave::save(path, PuzzleFile::write(*m_made));
    }
    const QString shown = ShownName::of(QDir::toNativeSeparators(path), shownPathLength);
    if (!saved.error.isEmpty()) {
        m_platform.messageBox.show(
            QStringLiteral("The puzzle file %1 could not be saved:\r\n%2.").arg(shown, saved.error), boxTitle);
        return;
    }
    if (saved.otherNamesKept) {
        m_platform.messageBox.show(
            QStringLiteral("The puzzle was saved to %1, but its other names keep the old file.").arg(shown), boxTitle);
        return;
    }
    m_announcer->say(QStringLiteral("Saved the puzzle to %1").arg(ShownName::of(QFileInfo(path).fileName())));
}

void PuzzleWindow::cmdOpenPuzzle_Click()
{
    const QString path = m_platform.fileDialog.openFile(this, QString::fromUtf16(PuzzleFile::dialogFilter));
    if (path.isEmpty())
        return;
    PuzzleFile::ReadResult opened;
    {
        const BusyCursor busy;
        const FileRead::Result file = FileRead::read(path, PuzzleFile::sizeLimit);
        if (file.tooLarge)
            opened.error = PuzzleFile::tooLargeReason();
        else if (!file.error.isEmpty())
            opened.error = file.error;
        else
            opened = PuzzleFile::read(file.bytes);
    }
    if (!opened.puzzle) {
        m_platform.messageBox.show(
            QStringLiteral("The puzzle file %1 could not be opened:\r\n%2.")
                .arg(ShownName::of(QDir::toNativeSeparators(path), shownPathLength), opened.error),
            boxTitle);
        return;
    }
    const Puzzle &puzzle = *opened.puzzle;
    for (QRadioButton *option : {optvf, optm, optvs})
        option->setChecked(option->text() == puzzle.level);
    sizeGrids(QSize(puzzle.width(), puzzle.height()), shownColumnTwips, keptColumnTwips);
    m_puzzle = puzzle;
    m_made = puzzle;
    m_answerTable.clear();
    for (int r = 0; r < puzzle.height(); ++r)
        for (int c = 0; c < puzzle.width(); ++c)
            m_answerTable.setText(r, c, puzzle.answer.text(r, c));
    m_generatedFrom = puzzle.entries;
    setWords(puzzle.entries);
    for (QPushButton *button : {cmdPuzzle, cmdAnswer, cmdPrint})
        button->setEnabled(true);
    TmrDone->stop();
    LblDone->hide();
    lblNotice->hide();
    Progress->setValue(0);
    Progress->show();
    cmdPuzzle_Click();
    showMade();
    const QString found = unwantedReport();
    lblReport->setText(found);
    const QString name = ShownName::of(QFileInfo(path).fileName());
    m_announcer->say(joined({QStringLiteral("Opened %1, %2.").arg(name, numberCaption(puzzle)), found}));
    emit puzzleOpened(puzzle.entries, QSize(puzzle.width(), puzzle.height()));
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
    finishSearch();
    // A window manager's close takes the way back; Exit's closes just close.
    if (event->spontaneous()) {
        event->ignore();
        Command1_Click();
    }
}
