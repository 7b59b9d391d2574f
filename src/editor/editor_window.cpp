#include "editor/editor_window.h"

#include "editor/word_list_file.h"
#include "editor/word_list_model.h"
#include "editor/word_rules.h"
#include "editor/word_sort.h"
#include "platform/file_dialog.h"
#include "platform/file_read.h"
#include "platform/file_save.h"
#include "widgets/accessibility.h"
#include "widgets/announcer.h"
#include "widgets/busy_cursor.h"
#include "widgets/list_box.h"
#include "widgets/look.h"
#include "widgets/shown_name.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// The character code the input box reports for Enter.
constexpr int enterKeyAscii = 13;

} // namespace

EditorWindow::EditorWindow(const Platform &platform)
    : m_platform(platform)
{
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(QStringLiteral("Lexmire - Edit Word List"));
    // No close button: "Back to Main" is the way out.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(Look::px(7320), Look::px(6540));
    Look::applyWindowLook(this);

    Accessibility::makeFrame(this);
    Shape1 = new QFrame(this); // the group of the order options
    Shape2 = new QFrame(this);

    lblalert = new QLabel(this);
    lblalert->setAlignment(Qt::AlignCenter);
    // File names and reasons come from outside: never markup.
    lblalert->setTextFormat(Qt::PlainText);
    lblalert->setFont(Look::font(QStringLiteral("Arial"), 10, true));
    lblalert->setStyleSheet(QStringLiteral("#lblalert { color: red; }")); // not its tooltip
    lblcaption = new QLabel(QStringLiteral("Enter Word:"), this);
    txtinput = new QLineEdit(this);
    txtinput->setMaxLength(std::numeric_limits<int>::max());
    Look::makeRedText(txtinput);
    cmdadd = new QPushButton(QStringLiteral("Add Word"), this);
    cmdDelete = new QPushButton(QStringLiteral("Delete Word"), this);
    cmdLoad = new QPushButton(QStringLiteral("Load Word List"), this);
    cmdSave = new QPushButton(QStringLiteral("Save Word List"), this);
    cmdClear = new QPushButton(QStringLiteral("Clear Word List"), this);
    cmdSort = new QPushButton(QStringLiteral("Sort Word List"), this);
    cmdBack = new QPushButton(QStringLiteral("Back to Main"), this);
    lblcaption2 = new QLabel(QStringLiteral("List of Words"), this);
    lstWord = new EntryListView(this);
    m_model = new WordListModel(this);
    m_announcer = new Announcer(this);
    lstWord->setModel(m_model);
    lstWord->viewport()->installEventFilter(this);
    txtinput->installEventFilter(this);
    lblcaption4 = new QLabel(QStringLiteral("Number of Words:"), this);
    lblnumber = new QLabel(QStringLiteral("0"), this);
    lblnumber->setAlignment(Qt::AlignCenter);
    lblnumber->setFont(Look::font(QStringLiteral("Arial"), 11, true));
    lblnumber->setStyleSheet(QStringLiteral("color: black;"));
    lblcaption3 = new QLabel(QStringLiteral("Sort List by..."), this);
    lblcaption3->setFont(Look::font(QStringLiteral("Arial"), 9, true));
    optascend1 = new QRadioButton(QStringLiteral("Ascending by 1st Word"), Shape1);
    optascend2 = new QRadioButton(QStringLiteral("Ascending by 2nd Word"), Shape1);
    optascendlast = new QRadioButton(QStringLiteral("Ascending by Last Word"), Shape1);
    optdescend1 = new QRadioButton(QStringLiteral("Descending by 1st Word"), Shape1);
    optdescend2 = new QRadioButton(QStringLiteral("Descending by 2nd Word"), Shape1);
    optdescendlast = new QRadioButton(QStringLiteral("Descending by Last Word"), Shape1);
    m_orderGroup = new QButtonGroup(this);
    for (QRadioButton *option : {optascend1, optascend2, optascendlast, optdescend1, optdescend2, optdescendlast})
        m_orderGroup->addButton(option);
    tmralert = new QTimer(this);
    tmralert->setInterval(1000);

    Look::setNames({{lblalert, "lblalert"},       {lblcaption, "lblcaption"},   {txtinput, "txtinput"},
                    {cmdadd, "cmdadd"},           {cmdDelete, "cmdDelete"},     {cmdLoad, "cmdLoad"},
                    {cmdSave, "cmdSave"},         {cmdClear, "cmdClear"},       {cmdSort, "cmdSort"},
                    {cmdBack, "cmdBack"},         {lblcaption2, "lblcaption2"}, {lstWord, "lstWord"},
                    {lblcaption4, "lblcaption4"}, {lblnumber, "lblnumber"},     {lblcaption3, "lblcaption3"},
                    {optascend1, "optascend1"},   {optascend2, "optascend2"},   {optascendlast, "optascendlast"},
                    {optdescend1, "optdescend1"}, {optdescend2, "optdescend2"}, {optdescendlast, "optdescendlast"},
                    {Shape1, "Shape1"},           {Shape2, "Shape2"},           {tmralert, "tmralert"}});
    Look::makeOrangeShape(Shape1);
    // A styled frame does not hand the window's face on to what it holds.
    for (QRadioButton *option : {optascend1, optascend2, optascendlast, optdescend1, optdescend2, optdescendlast})
        option->setFont(font());
    Look::makeOrangeShape(Shape2);

    Look::place(lblalert, 0, 60, 7320, 330);
    Look::place(lblcaption, 240, 450, 3000, 255);
    Look::place(txtinput, 240, 720, 3000, 345);
    const QList<QPushButton *> buttons{cmdadd, cmdDelete, cmdLoad, cmdSave, cmdClear, cmdSort, cmdBack};
    for (int i = 0; i < buttons.size(); ++i)
        Look::place(buttons[i], 240, 1230 + i * 450, 3000, 375);
    Look::place(lblcaption2, 3600, 450, 3480, 255);
    Look::place(lstWord, 3600, 720, 3480, 3900);
    Look::place(Shape2, 3600, 4740, 3480, 420);
    Look::place(lblcaption4, 3720, 4800, 2040, 300);
    lblcaption4->setStyleSheet(QStringLiteral("color: black;"));
    Look::place(lblnumber, 5760, 4800, 1200, 300);
    Look::place(lblcaption3, 240, 4470, 3000, 255);
    Look::place(Shape1, 240, 4740, 3000, 1620);
    const QList<QRadioButton *> options{optascend1,  optascend2,  optascendlast,
                                        optdescend1, optdescend2, optdescendlast};
    for (int i = 0; i < options.size(); ++i)
        Look::place(options[i], 330, 4800 + i * 255, 2820, 240);

    Look::setTabChain({txtinput, cmdadd, cmdDelete, cmdLoad, cmdSave, cmdClear, cmdSort, cmdBack, optascend1,
                       optascend2, optascendlast, optdescend1, optdescend2, optdescendlast, lstWord});
    Look::pressButtonsWithEnter(this);
    Look::makeOneTabStop({optascend1, optascend2, optascendlast, optdescend1, optdescend2, optdescendlast});
    txtinput->setAccessibleName(QStringLiteral("Word to add"));
    lstWord->setAccessibleName(QStringLiteral("Word list"));
    Accessibility::makeGroup(Shape1, lblcaption3->text());
    // The count is read with its caption; the caption and the band behind it
    // are then only what the eye needs.
    Accessibility::hideDecorations({Shape2, lblcaption3, lblcaption4});

    connect(cmdadd, &QPushButton::clicked, this, &EditorWindow::cmdadd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &EditorWindow::cmdDelete_Click);
    connect(cmdLoad, &QPushButton::clicked, this, &EditorWindow::cmdLoad_Click);
    connect(cmdSave, &QPushButton::clicked, this, &EditorWindow::cmdSave_Click);
    connect(cmdClear, &QPushButton::clicked, this, &EditorWindow::cmdClear_Click);
    connect(cmdSort, &QPushButton::clicked, this, &EditorWindow::cmdSort_Click);
    connect(cmdBack, &QPushButton::clicked, this, &EditorWindow::cmdBack_Click);
    connect(txtinput, &QLineEdit::textChanged, this, &EditorWindow::txtinput_Change);
    connect(lstWord, &QListView::clicked, this, &EditorWindow::lstWord_Click);
    connect(lstWord->selectionModel(), &QItemSelectionModel::selectionChanged, this, &EditorWindow::lstWord_Click);
    connect(tmralert, &QTimer::timeout, this, &EditorWindow::tmralert_Timer);

    tmralert->start(); // created running; Form_Load stops it
    Form_Load();
}

EditorWindow::~EditorWindow() = default;

const QStringList &EditorWindow::entries() const
{
    return words().entries();
}

const WordList &EditorWindow::words() const
{
    return m_model->words();
}

void EditorWindow::focusInput()
{
    txtinput->setFocus(Qt::OtherFocusReason);
}

int EditorWindow::selectedIndex() const
{
    const QModelIndexList selected = lstWord->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void EditorWindow::Form_Load()
{
    if (!m_orderGroup->checkedButton())
        optascend1->setChecked(true);
    endAlert();
    cmdadd->setEnabled(!txtinput->text().isEmpty());
    cmdDelete->setEnabled(selectedIndex() >= 0);
    showCount();
}

void EditorWindow::showCount()
{
    lblnumber->setText(QString::number(words().size()));
    lblnumber->setAccessibleName(lblcaption4->text() + QLatin1Char(' ') + lblnumber->text());
}

void EditorWindow::Starttimer()
{
    startAlert(alertmessage);
}

void EditorWindow::startAlert(const QString &spoken)
{
    tmralert->start();
    lblalert->setText(alertmessage);
    // Spoken once, when it starts: the blinking is for the eye.
    m_announcer->say(spoken);
}

void EditorWindow::tmralert_Timer()
{
    ++alertcount;
    if (alertcount >= 5) {
        endAlert();
        alertcount = 0;
    } else if (alertcount == 2 || alertcount == 4) {
        lblalert->setText(alertmessage);
    } else {
        lblalert->setText(QString());
    }
}

void EditorWindow::endAlert()
{
    tmralert->stop();
    lblalert->setText(QString());
    lblalert->setToolTip(QString());
}

bool EditorWindow::addText(WordList &list, const QString &text)
{
    alertcount = 0;
    const QString candidate = WordRules::trimBlanks(text);
    const WordVerdict verdict = WordRules::check(candidate, list);
    if (verdict != WordVerdict::Accept) {
        alertmessage = WordRules::message(verdict);
        return false;
    }
    list.append(WordRules::asciiUpper(candidate));
    return true;
}

void EditorWindow::cmdadd_Click()
{
    endAlert();
    bool added = false;
    m_model->appendMany([&](WordList &list) { added = addText(list, txtinput->text()); });
    // The next word is typed where this one was, whichever way it came in.
    txtinput->setFocus();
    if (!added) {
        Starttimer();
        return;
    }
    txtinput->setText(QString());
    Form_Load();
}

void EditorWindow::txtinput_Change()
{
    Form_Load();
}

void EditorWindow::lstWord_Click()
{
    showCount();
    Form_Load();
}

void EditorWindow::cmdDelete_Click()
{
    if (const int index = selectedIndex(); index >= 0) {
        m_model->removeAt(index);
        lstWord->selectionModel()->clear();
        // The work goes on in the list, at the entry that took the deleted
        // one's place (or the new last), nothing selected; in an emptied
        // list, at the input box.
        const int rows = m_model->rowCount();
        if (rows > 0) {
            lstWord->setFocus();
            lstWord->selectionModel()->setCurrentIndex(lstWord->model()->index(std::min(index, rows - 1), 0),
                                                       QItemSelectionModel::NoUpdate);
        } else {
            txtinput->setFocus();
        }
    }
    Form_Load();
}

void EditorWindow::lstWord_DblClick()
{
    // The press before a double-click has already selected the entry under
    // the pointer (or cleared the selection over empty space); the count is
    // shown again either way.
    cmdDelete_Click();
}

void EditorWindow::txtinput_KeyPress(int KeyAscii)
{
    // Enter adds even while "Add Word" is disabled.
    if (KeyAscii == enterKeyAscii)
        cmdadd_Click();
}

bool EditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Every key, Enter included, then goes on to the input box unchanged.
    if (watched == txtinput && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        txtinput_KeyPress(enter ? enterKeyAscii : key->text().isEmpty() ? 0 : key->text().at(0).unicode());
        return false;
    }
    if (watched == lstWord->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        lstWord_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void EditorWindow::clearList()
{
    m_model->clear();
    Form_Load();
}

void EditorWindow::takeEntries(const QStringList &entries)
{
    m_model->clear();
    m_model->appendMany([&](WordList &list) {
        list.reserveMore(entries.size());
        for (const QString &entry : entries)
            list.append(entry);
    });
    Form_Load();
}

void EditorWindow::cmdClear_Click()
{
    m_model->clear();
    emit listCleared();
    Form_Load();
}

void EditorWindow::cmdBack_Click()
{
    hide();
    emit backToMain(entries());
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    // The window offers no close button, but a window manager may close it
    // anyway: that close goes back to the main window instead. Exit's own
    // closes are not spontaneous and simply close.
    if (event->spontaneous()) {
        event->ignore();
        cmdBack_Click();
    }
}

void EditorWindow::alertAbout(const QString &before, const QString &path, const QString &after)
{
    // A long name gives way in its middle: the verb and the reason are what
    // the user needs, and always show whole.
    const QString name = QFileInfo(path).fileName();
    const QString full = before + QLatin1Char(' ') + ShownName::of(name) + after;
    const QFontMetrics metrics(lblalert->font());
    const int room = lblalert->contentsRect().width() - metrics.horizontalAdvance(before + QLatin1Char(' ') + after);
    alertmessage = before + QLatin1Char(' ') + ShownName::of(name, metrics, std::max(room, 0)) + after;
    alertcount = 0;
    startAlert(full);
    lblalert->setToolTip(alertmessage == full ? QString() : full.toHtmlEscaped());
}

void EditorWindow::cmdLoad_Click()
{
    const QString path = m_platform.fileDialog.openFile(this, QString::fromUtf16(WordListFile::dialogFilter));
    if (path.isEmpty())
        return;
    const BusyCursor busy;
    const FileRead::Result file = FileRead::read(path, WordListFile::sizeLimit);
    if (file.tooLarge || !file.error.isEmpty()) {
        alertAbout(QStringLiteral("Could not load"), path,
                   QStringLiteral(": ") + (file.tooLarge ? WordListFile::tooLargeReason() : file.error));
        return;
    }
    // Each field passes through the input box and the add checks as a typed
    // word does. Nothing can run in between, so only the last field's trace in
    // the box can be seen, and the list view hears of the new rows once.
    std::optional<QString> leftInBox;
    bool complete = true;
    m_model->appendMany([&](WordList &list) {
        // A word a line is the common case; the cap keeps a file of empty
        // lines from reserving room it will never use.
        list.reserveMore(std::min<qsizetype>(file.bytes.count('\n'), 1 << 21));
        complete = WordListFile::forEachField(
            file.bytes, [&](const QString &field) { leftInBox = addText(list, field) ? QString() : field; });
    });
    if (!complete) {
        if (leftInBox)
            txtinput->setText(*leftInBox);
        Form_Load();
        alertAbout(QStringLiteral("Could not load"), path,
                   QStringLiteral(": ") + WordListFile::unterminatedQuoteReason());
        return;
    }
    Form_Load();
    txtinput->setText(QString());
}

void EditorWindow::cmdSave_Click()
{
    const QString path = m_platform.fileDialog.saveFile(this, QString::fromUtf16(WordListFile::dialogFilter), {}, {});
    if (path.isEmpty())
        return;
    const QByteArray bytes = WordListFile::format(entries());
    // A list that could not be loaded back is not saved.
    if (bytes.size() > WordListFile::sizeLimit) {
        alertAbout(QStringLiteral("Could not save"), path, QStringLiteral(": ") + WordListFile::tooLargeReason());
        return;
    }
    FileSave::Result saved;
    {
        const BusyCursor busy;
        saved = FileSave::save(path, bytes);
    }
    if (!saved.error.isEmpty()) {
        alertAbout(QStringLiteral("Could not save"), path, QStringLiteral(": ") + saved.error);
        return;
    }
    txtinput->setText(QString());
    Form_Load();
    const qsizetype count = entries().size();
    if (saved.otherNamesKept) {
        alertAbout(QStringLiteral("Saved"), path, QStringLiteral("; its other names keep the old list"));
        return;
    }
    m_announcer->say(QStringLiteral("Saved %1 %2 to %3")
                         .arg(count)
                         .arg(count == 1 ? QStringLiteral("word") : QStringLiteral("words"),
                              ShownName::of(QFileInfo(path).fileName())));
}

void EditorWindow::Sortfirst()
{
    m_model->sort(SortOrder::AscendingFirst);
}

void EditorWindow::cmdSort_Click()
{
    const std::pair<QRadioButton *, SortOrder> orders[] = {
        {optascend1, SortOrder::AscendingFirst},    {optascend2, SortOrder::AscendingSecond},
        {optascendlast, SortOrder::AscendingLast},  {optdescend1, SortOrder::DescendingFirst},
        {optdescend2, SortOrder::DescendingSecond}, {optdescendlast, SortOrder::DescendingLast},
    };
    for (const auto &[option, order] : orders) {
        if (option->isChecked()) {
            order == SortOrder::AscendingFirst ? Sortfirst() : m_model->sort(order);
            break;
        }
    }
    lstWord->selectionModel()->clear();
    Form_Load();
}
