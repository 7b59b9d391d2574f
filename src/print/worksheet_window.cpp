#include "print/worksheet_window.h"

#include "platform/dialogs.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "print/pdf_file.h"
#include "print/worksheet_pages.h"
#include "widgets/accessibility.h"
#include "widgets/announcer.h"
#include "widgets/busy_cursor.h"
#include "widgets/look.h"
#include "widgets/shown_name.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMarginsF>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString boxTitle = QStringLiteral("Lexmire - Worksheet");
// The text sizes offered; the second is large print.
constexpr qreal sizes[] = {12, 18, 24};
// Long enough for any real path to show whole, short enough for the box.
constexpr int shownPathLength = 120;
// Typing draws the preview again once it pauses this long.
constexpr int typingPauseMs = 250;

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

WorksheetWindow::WorksheetWindow(const Platform &platform)
    : m_platform(platform)
    , m_printer(QPrinter::HighResolution)
{
    // The print jobs' paper and margins, until the user sets up the page.
    m_printer.setPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                             : QPageSize::A4);
    m_printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    setObjectName(QStringLiteral("frmWorksheet"));
    setWindowTitle(QStringLiteral("Lexmire - Worksheet"));
    Look::applyWindowLook(this);
    Accessibility::makeFrame(this);
    m_announcer = new Announcer(this);

    txtTitle = new QLineEdit(this);
    txtInstruction = new QLineEdit(this);
    txtInstruction->setPlaceholderText(QStringLiteral("None"));
    chkNameDate = new QCheckBox(QStringLiteral("&Name and Date lines"), this);
    cboOrder = new QComboBox(this);
    cboOrder->addItems({QStringLiteral("In list order"), QStringLiteral("Alphabetical")});
    cboSize = new QComboBox(this);
    cboSize->addItems({QStringLiteral("Normal (12 pt)"), QStringLiteral("Large print (18 pt)"),
                       QStringLiteral("Extra large print (24 pt)")});
    chkLowerCase = new QCheckBox(QStringLiteral("&Lower-case letters"), this);
    chkNotHidden = new QCheckBox(QStringLiteral("Words not hidden, &struck through"), this);
    chkAnswerKey = new QCheckBox(QStringLiteral("Answer &key page"), this);
    lblLayout = new QLabel(this);
    lblLayout->setWordWrap(true);
    lblLayout->setTextFormat(Qt::PlainText);
    preview = new QPrintPreviewWidget(&m_printer, this);
    preview->setZoomMode(QPrintPreviewWidget::FitToWidth);
    preview->setMinimumSize(Look::px(6000), Look::px(7500));
    cmdPageSetup = new QPushButton(QStringLiteral("Page Setup..."), this);
    cmdPrintWorksheet = new QPushButton(QStringLiteral("Print..."), this);
    cmdSavePdf = new QPushButton(QStringLiteral("Save as PDF..."), this);
    cmdBack = new QPushButton(QStringLiteral("Back to Print Options"), this);
    m_redraw = new QTimer(this);
    m_redraw->setSingleShot(true);
    m_redraw->setInterval(typingPauseMs);
    Look::setNames({{txtTitle, "txtTitle"},
                    {txtInstruction, "txtInstruction"},
                    {chkNameDate, "chkNameDate"},
                    {cboOrder, "cboOrder"},
                    {cboSize, "cboSize"},
                    {chkLowerCase, "chkLowerCase"},
                    {chkNotHidden, "chkNotHidden"},
                    {chkAnswerKey, "chkAnswerKey"},
                    {lblLayout, "lblLayout"},
                    {preview, "preview"},
                    {cmdPageSetup, "cmdPageSetup"},
                    {cmdPrintWorksheet, "cmdPrintWorksheet"},
                    {cmdSavePdf, "cmdSavePdf"},
                    {cmdBack, "cmdBack"}});

    auto *choices = new QFormLayout;
    choices->addRow(buddyLabel(QStringLiteral("&Title:"), txtTitle, this), txtTitle);
    choices->addRow(buddyLabel(QStringLiteral("&Instruction:"), txtInstruction, this), txtInstruction);
    choices->addRow(chkNameDate);
    choices->addRow(buddyLabel(QStringLiteral("&Words:"), cboOrder, this), cboOrder);
    choices->addRow(buddyLabel(QStringLiteral("Text si&ze:"), cboSize, this), cboSize);
    choices->addRow(chkLowerCase);
    choices->addRow(chkNotHidden);
    choices->addRow(chkAnswerKey);
    choices->addRow(lblLayout);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {cmdPageSetup, cmdPrintWorksheet, cmdSavePdf})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(cmdBack);
    auto *side = new QVBoxLayout;
    side->addLayout(choices);
    side->addLayout(buttons, 1);
    auto *whole = new QHBoxLayout(this);
    whole->addLayout(side);
    whole->addWidget(preview, 1);

    Look::setTabChain({txtTitle, txtInstruction, chkNameDate, cboOrder, cboSize, chkLowerCase, chkNotHidden,
                       chkAnswerKey, cmdPageSetup, cmdPrintWorksheet, cmdSavePdf, cmdBack, preview});
    Look::pressButtonsWithEnter(this);
    // The pages are seen, and take the focus, in the preview's own view.
    if (auto *pages = preview->findChild<QGraphicsView *>()) {
        pages->setObjectName(QStringLiteral("previewPages"));
        preview->setFocusProxy(pages);
    }
    lblLayout->setAccessibleName(QStringLiteral("Layout"));

    loadChoices();
    connect(preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { WorksheetPages::draw(*printer, m_puzzle, options()); });
    for (QLineEdit *text : {txtTitle, txtInstruction}) {
        connect(text, &QLineEdit::textEdited, this, [this] { m_redraw->start(); });
        connect(text, &QLineEdit::editingFinished, this, &WorksheetWindow::choicesChanged);
    }
    connect(m_redraw, &QTimer::timeout, this, &WorksheetWindow::choicesChanged);
    for (QCheckBox *box : {chkNameDate, chkLowerCase, chkNotHidden, chkAnswerKey})
        connect(box, &QCheckBox::toggled, this, &WorksheetWindow::choicesChanged);
    for (QComboBox *box : {cboOrder, cboSize})
        connect(box, &QComboBox::currentIndexChanged, this, &WorksheetWindow::choicesChanged);
    connect(cmdPageSetup, &QPushButton::clicked, this, &WorksheetWindow::cmdPageSetup_Click);
    connect(cmdPrintWorksheet, &QPushButton::clicked, this, &WorksheetWindow::cmdPrintWorksheet_Click);
    connect(cmdSavePdf, &QPushButton::clicked, this, &WorksheetWindow::cmdSavePdf_Click);
    connect(cmdBack, &QPushButton::clicked, this, &WorksheetWindow::cmdBack_Click);
}

WorksheetWindow::~WorksheetWindow()
{
    // The title's box would report the end of an edit as it loses the focus
    // while the window is taken apart, to a window no longer there.
    for (QObject *child : children())
        child->disconnect(this);
}

void WorksheetWindow::takePuzzle(const Puzzle &puzzle)
{
    m_puzzle = puzzle;
    redraw();
    txtTitle->setFocus();
}

WorksheetLayout::Options WorksheetWindow::options() const
{
    WorksheetLayout::Options chosen;
    chosen.title = txtTitle->text();
    chosen.instruction = txtInstruction->text();
    chosen.nameAndDate = chkNameDate->isChecked();
    chosen.alphabetical = cboOrder->currentIndex() == 1;
    chosen.textPoints = sizes[std::clamp(cboSize->currentIndex(), 0, 2)];
    chosen.lowerCase = chkLowerCase->isChecked();
    chosen.showNotHidden = chkNotHidden->isChecked();
    chosen.answerKey = chkAnswerKey->isChecked();
    // Small on every page, so that a key can be matched to its sheets.
    chosen.footer = numberCaption(m_puzzle);
    return chosen;
}

void WorksheetWindow::choicesChanged()
{
    m_redraw->stop();
    saveChoices();
    redraw();
}

void WorksheetWindow::redraw()
{
    preview->updatePreview();
    const bool alone = WorksheetPages::layout(m_printer, m_puzzle, options()).gridAlone;
    lblLayout->setText(alone ? QStringLiteral("The grid has a page of its own: beside the title and the words, its "
                                              "cells would be too small to read.")
                             : QString());
    lblLayout->setVisible(alone);
    const QString name = QStringLiteral("Preview, %1 pages").arg(preview->pageCount());
    preview->setAccessibleName(name);
    if (QWidget *pages = preview->focusProxy())
        pages->setAccessibleName(name);
}

void WorksheetWindow::loadChoices()
{
    const QSettings settings;
    const WorksheetLayout::Options start;
    txtTitle->setText(settings.value(QStringLiteral("worksheet/title"), start.title).toString());
    txtInstruction->setText(settings.value(QStringLiteral("worksheet/instruction")).toString());
    chkNameDate->setChecked(settings.value(QStringLiteral("worksheet/nameAndDate"), false).toBool());
    cboOrder->setCurrentIndex(settings.value(QStringLiteral("worksheet/alphabetical"), false).toBool() ? 1 : 0);
    cboSize->setCurrentIndex(std::clamp(settings.value(QStringLiteral("worksheet/textSize"), 0).toInt(), 0, 2));
    chkLowerCase->setChecked(settings.value(QStringLiteral("worksheet/lowerCase"), false).toBool());
    chkNotHidden->setChecked(settings.value(QStringLiteral("worksheet/showNotHidden"), false).toBool());
    chkAnswerKey->setChecked(settings.value(QStringLiteral("worksheet/answerKey"), true).toBool());
    const auto orientation = settings.value(QStringLiteral("worksheet/landscape"), false).toBool()
        ? QPageLayout::Landscape
        : QPageLayout::Portrait;
    m_printer.setPageOrientation(orientation);
}

void WorksheetWindow::saveChoices() const
{
    QSettings settings;
    const WorksheetLayout::Options chosen = options();
    settings.setValue(QStringLiteral("worksheet/title"), chosen.title);
    settings.setValue(QStringLiteral("worksheet/instruction"), chosen.instruction);
    settings.setValue(QStringLiteral("worksheet/nameAndDate"), chosen.nameAndDate);
    settings.setValue(QStringLiteral("worksheet/alphabetical"), chosen.alphabetical);
    settings.setValue(QStringLiteral("worksheet/textSize"), cboSize->currentIndex());
    settings.setValue(QStringLiteral("worksheet/lowerCase"), chosen.lowerCase);
    settings.setValue(QStringLiteral("worksheet/showNotHidden"), chosen.showNotHidden);
    settings.setValue(QStringLiteral("worksheet/answerKey"), chosen.answerKey);
    settings.setValue(QStringLiteral("worksheet/landscape"),
                      m_printer.pageLayout().orientation() == QPageLayout::Landscape);
}

void WorksheetWindow::cmdPageSetup_Click()
{
    if (m_platform.dialogs.pageSetup(m_printer, this)) {
        saveChoices();
        redraw();
    }
}

void WorksheetWindow::cmdPrintWorksheet_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_printer.pageLayout());
    printer.setDocName(QStringLiteral("Lexmire worksheet"));
    if (!m_platform.dialogs.choosePrinter(printer, this))
        return;
    bool printed = false;
    {
        const BusyCursor busy;
        printed = WorksheetPages::draw(printer, m_puzzle, options()) && printer.printerState() != QPrinter::Error;
    }
    if (!printed) {
        m_platform.messageBox.show(
            QStringLiteral("The printer %1 could not print the worksheet:\r\nit refused the document.")
                .arg(ShownName::of(printer.printerName(), shownPathLength)),
            boxTitle);
        return;
    }
    m_announcer->say(QStringLiteral("Sent the worksheet to %1").arg(ShownName::of(printer.printerName())));
}

void WorksheetWindow::cmdSavePdf_Click()
{
    const QString path
        = m_platform.fileDialog.saveFile(this, QStringLiteral("PDF Files (*.pdf)|*.pdf"),
                                         QStringLiteral("Save the Worksheet as a PDF File"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QString failure;
    {
        const BusyCursor busy;
        failure = PdfFile::save(path, [&](QPdfWriter &writer) {
            writer.setTitle(txtTitle->text());
            writer.setCreator(QStringLiteral("Lexmire"));
            writer.setPageLayout(m_printer.pageLayout());
            return WorksheetPages::draw(writer, m_puzzle, options());
        });
    }
    if (!failure.isEmpty()) {
        m_platform.messageBox.show(QStringLiteral("The PDF file %1 could not be saved:\r\n%2.")
                                       .arg(ShownName::of(QDir::toNativeSeparators(path), shownPathLength), failure),
                                   boxTitle);
        return;
    }
    m_announcer->say(QStringLiteral("Saved the worksheet to %1").arg(ShownName::of(QFileInfo(path).fileName())));
}

void WorksheetWindow::cmdBack_Click()
{
    emit backToPrint();
}

void WorksheetWindow::closeEvent(QCloseEvent *event)
{
    // A window manager's close takes the way back; Exit's closes just close.
    if (event->spontaneous()) {
        event->ignore();
        cmdBack_Click();
    }
}
