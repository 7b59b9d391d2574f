#include "editor/editor_window.h"

#include "app/main_window.h"
#include "app/windows.h"
#include "editor/word_list_file.h"
#include "editor/word_rules.h"
#include "editor/word_sort.h"
#include "platform/busy_cursor.h"
#include "platform/file_dialog.h"
#include "platform/list_box.h"
#include "platform/look.h"
#include "platform/text_format.h"

#include <QAbstractListModel>
#include <QAccessible>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <optional>

// Shows the editor's WordList; the editor tells it of every change once the
// change is made. Its row count follows the list only then, so a load can
// append a million words and tell the view once.
class WordListModel final : public QAbstractListModel
{
public:
    WordListModel(const WordList &words, QObject *parent)
        : QAbstractListModel(parent)
        , m_words(words)
    {
    }

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : m_rows; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return EntryListView::shownText(m_words.at(index.row()));
        if (role == Qt::ToolTipRole)
            return EntryListView::toolTip(m_words.at(index.row()));
        return {};
    }

    // Entries were appended after the first `from`.
    void appendedFrom(int from)
    {
        const int size = static_cast<int>(m_words.size());
        if (size <= from)
            return;
        beginInsertRows({}, from, size - 1);
        m_rows = size;
        endInsertRows();
    }

    void removing(int row) { beginRemoveRows({}, row, row); }
    void removeDone()
    {
        m_rows = static_cast<int>(m_words.size());
        endRemoveRows();
    }
    void resetting() { beginResetModel(); }
    void resetDone()
    {
        m_rows = static_cast<int>(m_words.size());
        endResetModel();
    }

private:
    const WordList &m_words;
    int m_rows = 0;
};

EditorWindow::EditorWindow(Windows &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(QStringLiteral("Lexmire - Edit Word List"));
    // No close button: "Back to Main" is the way out.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(Look::px(7320), Look::px(6540));
    Look::applyWindowLook(this);

    Shape1 = new QFrame(this);
    Shape2 = new QFrame(this);
    for (QFrame *shape : {Shape1, Shape2})
        shape->setStyleSheet(QStringLiteral("background-color: rgb(255,128,0); border: 1px solid rgb(96,48,0);"));

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
    m_model = new WordListModel(m_words, this);
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
    optascend1 = new QRadioButton(QStringLiteral("Ascending by 1st Word"), this);
    optascend2 = new QRadioButton(QStringLiteral("Ascending by 2nd Word"), this);
    optascendlast = new QRadioButton(QStringLiteral("Ascending by Last Word"), this);
    optdescend1 = new QRadioButton(QStringLiteral("Descending by 1st Word"), this);
    optdescend2 = new QRadioButton(QStringLiteral("Descending by 2nd Word"), this);
    optdescendlast = new QRadioButton(QStringLiteral("Descending by Last Word"), this);
    m_orderGroup = new QButtonGroup(this);
    for (QRadioButton *option : {optascend1, optascend2, optascendlast, optdescend1, optdescend2, optdescendlast})
        m_orderGroup->addButton(option);
    tmralert = new QTimer(this);
    tmralert->setInterval(1000);

    const QList<std::pair<QObject *, const char16_t *>> names{
        {lblalert, u"lblalert"},       {lblcaption, u"lblcaption"},   {txtinput, u"txtinput"},
        {cmdadd, u"cmdadd"},           {cmdDelete, u"cmdDelete"},     {cmdLoad, u"cmdLoad"},
        {cmdSave, u"cmdSave"},         {cmdClear, u"cmdClear"},       {cmdSort, u"cmdSort"},
        {cmdBack, u"cmdBack"},         {lblcaption2, u"lblcaption2"}, {lstWord, u"lstWord"},
        {lblcaption4, u"lblcaption4"}, {lblnumber, u"lblnumber"},     {lblcaption3, u"lblcaption3"},
        {optascend1, u"optascend1"},   {optascend2, u"optascend2"},   {optascendlast, u"optascendlast"},
        {optdescend1, u"optdescend1"}, {optdescend2, u"optdescend2"}, {optdescendlast, u"optdescendlast"},
        {Shape1, u"Shape1"},           {Shape2, u"Shape2"},           {tmralert, u"tmralert"},
    };
    for (const auto &[object, name] : names)
        object->setObjectName(QString::fromUtf16(name));

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
    // Named for the line's purpose until the first alert names it with its
    // message (see Starttimer).
    lblalert->setAccessibleName(QStringLiteral("Alert line"));

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
    lblnumber->setText(QString::number(m_words.size()));
}

void EditorWindow::Starttimer()
{
    tmralert->start();
    // One event per alert for screen readers. A label without a name of its
    // own announces every change of its text, which would be every blink; as
    // the line carries the message as its name, the blinking stays silent.
    if (lblalert->accessibleName() != alertmessage) {
        lblalert->setAccessibleName(alertmessage);
    } else {
        QAccessibleEvent event(lblalert, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    lblalert->setText(alertmessage);
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

bool EditorWindow::addText(const QString &text)
{
    alertcount = 0;
    const QString candidate = WordRules::trimBlanks(text);
    const WordVerdict verdict = WordRules::check(candidate, m_words);
    if (verdict != WordVerdict::Accept) {
        alertmessage = WordRules::message(verdict);
        return false;
    }
    m_words.append(WordRules::asciiUpper(candidate));
    return true;
}

void EditorWindow::cmdadd_Click()
{
    endAlert();
    const int before = static_cast<int>(m_words.size());
    if (!addText(txtinput->text())) {
        Starttimer();
        return;
    }
    m_model->appendedFrom(before);
    txtinput->setText(QString());
    Form_Load();
}

void EditorWindow::txtinput_Change()
{
    Form_Load();
}

void EditorWindow::lstWord_Click()
{
    lblnumber->setText(QString::number(m_words.size()));
    Form_Load();
}

void EditorWindow::removeEntry(int index)
{
    m_model->removing(index);
    m_words.removeAt(index);
    m_model->removeDone();
    lstWord->selectionModel()->clear();
}

void EditorWindow::cmdDelete_Click()
{
    const int index = selectedIndex();
    if (index >= 0)
        removeEntry(index);
    Form_Load();
}

void EditorWindow::lstWord_DblClick()
{
    const int index = selectedIndex();
    if (index >= 0)
        removeEntry(index);
    lblnumber->setText(QString::number(m_words.size()));
    Form_Load();
}

void EditorWindow::txtinput_KeyPress(int KeyAscii)
{
    // Enter adds even while "Add Word" is disabled.
    if (KeyAscii == 13)
        cmdadd_Click();
}

bool EditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Every key, Enter included, then goes on to the input box unchanged.
    if (watched == txtinput && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        txtinput_KeyPress(enter ? 13 : key->text().isEmpty() ? 0 : key->text().at(0).unicode());
        return false;
    }
    // The press before a double-click has already selected the entry under
    // the pointer (or cleared the selection over empty space).
    if (watched == lstWord->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        lstWord_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void EditorWindow::clearWordList()
{
    m_model->resetting();
    m_words.clear();
    m_model->resetDone();
    Form_Load();
}

void EditorWindow::cmdClear_Click()
{
    m_windows.frmMain()->lstWords->clear();
    clearWordList();
}

void EditorWindow::cmdBack_Click()
{
    hide();
    MainWindow *main = m_windows.frmMain();
    Windows::show(main);
    // A shared copy: the main window's list costs nothing until one side changes.
    if (!m_words.isEmpty())
        main->lstWords->setEntries(m_words.entries());
    main->lblWordcount->setText(QStringLiteral("Words in Puzzle: ") + signBlank(m_words.size()));
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    // The window offers no close button, but a window manager may close it anyway.
    if (m_windows.closeMeansBack(event))
        cmdBack_Click();
}

void EditorWindow::reportFailure(const QString &action, const QString &path, const QString &reason)
{
    // The reason is what the user needs, so a long name gives way in its middle.
    const QString name = QFileInfo(path).fileName();
    const QString full = action + QLatin1Char(' ') + name + QStringLiteral(": ") + reason;
    const QFontMetrics metrics(lblalert->font());
    const int room = lblalert->contentsRect().width();
    QString shown = full;
    if (metrics.horizontalAdvance(full) > room) {
        const int rest = metrics.horizontalAdvance(full) - metrics.horizontalAdvance(name);
        shown = action + QLatin1Char(' ') + metrics.elidedText(name, Qt::ElideMiddle, std::max(room - rest, 0))
            + QStringLiteral(": ") + reason;
    }
    alertmessage = shown;
    alertcount = 0;
    Starttimer();
    lblalert->setToolTip(shown == full ? QString() : full.toHtmlEscaped());
}

void EditorWindow::cmdLoad_Click()
{
    const QString path
        = m_windows.platform().fileDialog->openFile(this, QString::fromUtf16(WordListFile::dialogFilter));
    if (path.isEmpty())
        return;
    const BusyCursor busy;
    const WordListFile::ReadResult file = WordListFile::read(path);
    if (!file.error.isEmpty()) {
        reportFailure(QStringLiteral("Could not load"), path, file.error);
        return;
    }
    // Each field passes through the input box and the add checks as a typed
    // word does. Nothing can run in between, so only the last field's trace in
    // the box can be seen, and the list view hears of the new rows once.
    const int before = static_cast<int>(m_words.size());
    // A word a line is the common case; the cap keeps a file of empty lines
    // from reserving room it will never use.
    m_words.reserveMore(std::min<qsizetype>(file.bytes.count('\n'), 1 << 21));
    std::optional<QString> leftInBox;
    const bool complete = WordListFile::forEachField(
        file.bytes, [&](const QString &field) { leftInBox = addText(field) ? QString() : field; });
    m_model->appendedFrom(before);
    if (!complete) {
        if (leftInBox)
            txtinput->setText(*leftInBox);
        Form_Load();
        reportFailure(QStringLiteral("Could not load"), path, WordListFile::unterminatedQuoteReason());
        return;
    }
    Form_Load();
    txtinput->setText(QString());
}

void EditorWindow::cmdSave_Click()
{
    const QString path
        = m_windows.platform().fileDialog->saveFile(this, QString::fromUtf16(WordListFile::dialogFilter), {}, {});
    if (path.isEmpty())
        return;
    QString error;
    {
        const BusyCursor busy;
        error = WordListFile::write(path, m_words.entries());
    }
    if (!error.isEmpty()) {
        reportFailure(QStringLiteral("Could not save"), path, error);
        return;
    }
    txtinput->setText(QString());
    Form_Load();
}

void EditorWindow::sortBy(SortOrder order)
{
    m_model->resetting();
    m_words.reorder(WordSort::sorted(m_words.entries(), order));
    m_model->resetDone();
}

void EditorWindow::Sortfirst()
{
    sortBy(SortOrder::AscendingFirst);
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
            order == SortOrder::AscendingFirst ? Sortfirst() : sortBy(order);
            break;
        }
    }
    lstWord->selectionModel()->clear();
    Form_Load();
}
