#include "app/main_window.h"

#include "platform/message_box.h"
#include "widgets/accessibility.h"
#include "widgets/list_box.h"
#include "widgets/look.h"
#include "widgets/pictures.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>
#include <iterator>

namespace {

// The range of either dimension, and where both start.
constexpr int smallestSide = 3;
constexpr int largestSide = 100;
constexpr int startSide = 15;

const QString defaultDimensions = QStringLiteral("Default (15 x 15)");
const QString startDimensions = QStringLiteral("15 x 15");
const QString noWords = QStringLiteral("Words in Puzzle:  0");

// The number rule of the captions that show numbers: one blank, or a minus
// sign in its place, before the digits (" 0", " 15").
QString signBlank(qint64 value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QPushButton *largeButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setFont(Look::font(QStringLiteral("Arial"), 9, true, true));
    return button;
}

// A dimension bar the keyboard can drive, whatever its orientation: Right
// and Down raise the value, Left and Up lower it (a focused horizontal bar
// would otherwise go down on Right), Page Down and Page Up step a page, Home
// and End go to the ends. The wheel keeps its own direction.
class DimensionBar final : public QScrollBar
{
public:
    DimensionBar(Qt::Orientation orientation, QWidget *parent)
        : QScrollBar(orientation, parent)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        SliderAction action = SliderNoAction;
        switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            action = SliderSingleStepAdd;
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            action = SliderSingleStepSub;
            break;
        case Qt::Key_PageDown:
            action = SliderPageStepAdd;
            break;
        case Qt::Key_PageUp:
            action = SliderPageStepSub;
            break;
        case Qt::Key_Home:
            action = SliderToMinimum;
            break;
        case Qt::Key_End:
            action = SliderToMaximum;
            break;
        default:
            QScrollBar::keyPressEvent(event);
            return;
        }
        triggerAction(action);
        event->accept();
    }

    // Drawn over the bar: a style-sheet focus rule would make Qt draw the
    // whole bar from the style sheet instead of the platform's style.
    void paintEvent(QPaintEvent *event) override
    {
        QScrollBar::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

QScrollBar *dimensionBar(Qt::Orientation orientation, const QString &name, QWidget *parent)
{
    auto *bar = new DimensionBar(orientation, parent);
    bar->setAccessibleName(name);
    bar->setRange(smallestSide, largestSide);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(startSide);
    bar->hide();
    return bar;
}

} // namespace

MainWindow::MainWindow(const Platform &platform)
    : m_platform(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Lexmire"));
    setFixedSize(Look::px(5580), Look::px(5265));
    Look::applyWindowLook(this);

    cmdWords = largeButton(QStringLiteral("Edit Word List"), this);
    cmdDimensions = largeButton(QStringLiteral("Set Dimensions"), this);
    cmdAllClear = largeButton(QStringLiteral("Clear All"), this);
    lstWords = new ListBox(this);
    lstWords->setAccessibleName(QStringLiteral("Word list"));
    lblWordcount = new QLabel(noWords, this);
    lblDimensionsDisplay = new QLabel(QStringLiteral("Current Dimensions ="), this);
    lblDimensionsDisplay->setFont(Look::font(QStringLiteral("MS Sans Serif"), 13.5));
    lblDimensionsDisplay->setAlignment(Qt::AlignCenter);
    lblDimDisplay = new QLabel(defaultDimensions, this);
    lblDimDisplay->setFont(Look::font(QStringLiteral("MS Sans Serif"), 12, true));
    lblDimDisplay->setAlignment(Qt::AlignCenter);
    imgWordsearch = new QLabel(this);
    whiteBar = new QWidget(this);
    whiteBar->setStyleSheet(QStringLiteral("background-color: white; border: 1px solid rgb(224,224,224);"));
    cmdAbout = new QPushButton(QStringLiteral("About"), this);
    cmdPrint = largeButton(QStringLiteral("Display/Print Puzzle"), this);
    cmdExit = largeButton(QStringLiteral("Exit"), this);

    hsbLength = dimensionBar(Qt::Horizontal, QStringLiteral("Puzzle width"), this);
    vsbHeight = dimensionBar(Qt::Vertical, QStringLiteral("Puzzle height"), this);
    lblStuff = new QLabel(QStringLiteral("Enter the puzzle dimensions.  For either direction, the maximum is 100 and "
                                         "the minimum is 3.  When finished, click the Done button."),
                          this);
    lblStuff->setFont(Look::font(QStringLiteral("Times New Roman"), 9.75));
    lblStuff->setAlignment(Qt::AlignCenter);
    lblStuff->setWordWrap(true);
    lblStuff->hide();
    lblCurrentDim = new QLabel(startDimensions, this);
    lblCurrentDim->setFont(Look::font(QStringLiteral("MS Sans Serif"), 13.5, true));
    lblCurrentDim->setAlignment(Qt::AlignCenter);
    lblCurrentDim->setStyleSheet(QStringLiteral("background-color: black; color: rgb(255,128,0);"));
    lblCurrentDim->hide();
    cmdDimDone = new QPushButton(QStringLiteral("Done"), this);
    cmdDimDone->hide();

    Look::setNames({{cmdWords, "cmdWords"},
                    {cmdDimensions, "cmdDimensions"},
                    {cmdAllClear, "cmdAllClear"},
                    {lstWords, "lstWords"},
                    {lblWordcount, "lblWordcount"},
                    {lblDimensionsDisplay, "lblDimensionsDisplay"},
                    {lblDimDisplay, "lblDimDisplay"},
                    {imgWordsearch, "imgWordsearch"},
                    {whiteBar, "whiteBar"},
                    {cmdAbout, "cmdAbout"},
                    {cmdPrint, "cmdPrint"},
                    {cmdExit, "cmdExit"},
                    {hsbLength, "hsbLength"},
                    {vsbHeight, "vsbHeight"},
                    {lblStuff, "lblStuff"},
                    {lblCurrentDim, "lblCurrentDim"},
                    {cmdDimDone, "cmdDimDone"}});

    // Normal view.
    Look::place(cmdWords, 120, 120, 2055, 495);
    Look::place(cmdDimensions, 120, 675, 2055, 495);
    Look::place(cmdAllClear, 120, 1230, 2055, 495);
    Look::place(lstWords, 120, 1845, 2055, 2400);
    Look::place(lblWordcount, 120, 4290, 2055, 285);
    Look::place(lblDimensionsDisplay, 2400, 120, 3060, 375);
    Look::place(lblDimDisplay, 2400, 495, 3060, 345);
    Look::place(cmdAbout, 4560, 930, 900, 375);
    Look::place(imgWordsearch, 2400, 1425, 3060, 2640);
    Look::place(whiteBar, 2400, 4110, 3060, 60);
    Look::place(cmdPrint, 120, 4680, 3255, 465);
    Look::place(cmdExit, 3495, 4680, 1965, 465);
    imgWordsearch->setPixmap(Pictures::wordsearch(imgWordsearch->size()));

    // Dimension view.
    Look::place(lblStuff, 600, 180, 4740, 1260);
    Look::place(vsbHeight, 120, 1560, 285, 3120);
    Look::place(hsbLength, 600, 4860, 4860, 285);
    Look::place(cmdDimDone, 2040, 2280, 1500, 495);
    Look::place(lblCurrentDim, 1560, 3120, 2460, 435);

    Look::setTabChain({cmdWords, cmdDimensions, cmdAllClear, cmdPrint, cmdExit, cmdAbout, lstWords, hsbLength,
                       vsbHeight, cmdDimDone});
    Accessibility::makeFrame(this);
    Accessibility::hideDecorations({imgWordsearch, whiteBar});
    // The instruction is read with whichever control of the view has the focus.
    for (QWidget *control :
         {static_cast<QWidget *>(cmdDimDone), static_cast<QWidget *>(hsbLength), static_cast<QWidget *>(vsbHeight)})
        control->setAccessibleDescription(lblStuff->text());
    Look::pressButtonsWithEnter(this);
    cmdWords->setFocus();

    connect(cmdWords, &QPushButton::clicked, this, &MainWindow::cmdWords_Click);
    connect(cmdDimensions, &QPushButton::clicked, this, &MainWindow::cmdDimensions_Click);
    connect(cmdAllClear, &QPushButton::clicked, this, &MainWindow::cmdAllClear_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &MainWindow::cmdAbout_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &MainWindow::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &MainWindow::cmdExit_Click);
    connect(cmdDimDone, &QPushButton::clicked, this, &MainWindow::cmdDimDone_Click);
    for (QScrollBar *bar : {hsbLength, vsbHeight}) {
        connect(bar, &QScrollBar::valueChanged, this, &MainWindow::dimensions_Change);
        connect(bar, &QScrollBar::sliderMoved, this, &MainWindow::dimensions_Change);
    }

    // Ctrl alone with X, wherever the focus is in this window.
    auto *exitShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_X), this);
    exitShortcut->setContext(Qt::WindowShortcut);
    connect(exitShortcut, &QShortcut::activated, this, &MainWindow::cmdExit_Click);
}

QSize MainWindow::dimensions() const
{
    return {hsbLength->value(), vsbHeight->value()};
}

QString MainWindow::dimensionText() const
{
    return signBlank(hsbLength->value()) + QStringLiteral(" x ") + signBlank(vsbHeight->value());
}

void MainWindow::setNormalViewVisible(bool visible)
{
    // The dimension view is every other control of the window.
    const QWidget *const normalView[]
        = {cmdAbout, cmdWords, cmdDimensions, cmdPrint,      cmdAllClear,          imgWordsearch,
           whiteBar, lstWords, lblWordcount,  lblDimDisplay, lblDimensionsDisplay, cmdExit};
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        w->setVisible((std::find(std::begin(normalView), std::end(normalView), w) != std::end(normalView)) == visible);
}

void MainWindow::takeWordList(const QStringList &entries)
{
    // A shared copy: the list costs nothing here until one side changes.
    if (!entries.isEmpty())
        lstWords->setEntries(entries);
    lblWordcount->setText(QStringLiteral("Words in Puzzle: ") + signBlank(entries.size()));
}

void MainWindow::clearWordCopy()
{
    lstWords->clear();
}

void MainWindow::takeDimensions(QSize dimensions)
{
    hsbLength->setValue(dimensions.width());
    vsbHeight->setValue(dimensions.height());
    lblDimDisplay->setText(dimensionText());
}

void MainWindow::cmdWords_Click()
{
    setVisible(false);
    emit editRequested();
}

void MainWindow::cmdDimensions_Click()
{
    setNormalViewVisible(false);
    cmdDimDone->setFocus();
}

void MainWindow::cmdDimDone_Click()
{
    setNormalViewVisible(true);
    lblDimDisplay->setText(dimensionText());
    // Back where the dimension view was entered.
    cmdDimensions->setFocus();
}

void MainWindow::dimensions_Change()
{
    lblCurrentDim->setText(dimensionText());
}

void MainWindow::cmdAllClear_Click()
{
    hsbLength->setValue(startSide);
    vsbHeight->setValue(startSide);
    lblDimDisplay->setText(defaultDimensions);
    lblCurrentDim->setText(startDimensions);
    lblWordcount->setText(noWords);
    lstWords->clear();
    emit clearAllRequested();
}

void MainWindow::cmdAbout_Click()
{
    m_platform.messageBox.show(QStringLiteral("This program is a combined effort by\r\n"
                                              "the Lexmire team, who made the puzzles,\r\n"
                                              "and everyone who hunted the words.\r\n"
                                              "\r\n"
                                              "Winter 2026"),
                               QStringLiteral("Lexmire"));
}

void MainWindow::cmdPrint_Click()
{
    if (lstWords->count() == 0 || lstWords->entries().constFirst().isEmpty()) {
        m_platform.messageBox.show(QStringLiteral("Please enter some words first; otherwise,\r\n"
                                                  "searching will be harder than it should be."),
                                   QStringLiteral("You Must Enter Words!"));
        return;
    }
    emit puzzleRequested(dimensions());
}

void MainWindow::cmdExit_Click()
{
    emit exitRequested();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // However it comes, a close of the main window ends the program; the close
    // that Exit itself makes lands here with the exit already under way.
    event->accept();
    emit exitRequested();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // A focused button takes Enter itself; what reaches the window is Enter
    // from elsewhere (the list, a dimension bar), which presses the view's
    // default: "Edit Word List", or "Done" in the dimension view.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        (cmdWords->isHidden() ? cmdDimDone : cmdWords)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
