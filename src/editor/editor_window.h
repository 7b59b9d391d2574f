#pragma once

#include "platform/platform.h"

#include <QStringList>
#include <QWidget>

class Announcer;
class EntryListView;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class WordList;
class WordListModel;

// The word list editor: typing and checking words, the blinking alert line,
// deleting, clearing, files, sorting. Its list is the one puzzles are made
// from; it leaves by "Back to Main" only.
class EditorWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit EditorWindow(const Platform &platform);
    ~EditorWindow() override;

    // The program's word list, in the editor's order.
    const QStringList &entries() const;

    // The focus in the input box, as "Edit Word List" leaves it.
    void focusInput();
    // Empties the list and refreshes: "Clear All" from the main window.
    void clearList();
    // An opened puzzle's list, in place of this one: entries as the editor
    // itself keeps them, each once.
    void takeEntries(const QStringList &entries);

signals:
    // "Back to Main": the editor has hidden itself, and hands back its list.
    void backToMain(const QStringList &entries);
    // "Clear Word List" emptied the list; the main window's copy goes too.
    void listCleared();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void cmdadd_Click();
    void cmdDelete_Click();
    void cmdLoad_Click();
    void cmdSave_Click();
    void cmdClear_Click();
    void cmdSort_Click();
    void cmdBack_Click();
    void lstWord_Click();
    void lstWord_DblClick();
    void txtinput_Change();
    // A key pressed in the input box, as its character code (13 for Enter).
    void txtinput_KeyPress(int KeyAscii);
    void tmralert_Timer();
    void Form_Load();

private:
    const WordList &words() const;
    int selectedIndex() const;
    // Starts an alert: the alert line shows `alertmessage` and starts blinking.
    void Starttimer();
    // The same, with `spoken` said to screen readers.
    void startAlert(const QString &spoken);
    // Ascending by whole entry.
    void Sortfirst();
    // The add's checks and its append to `list`, without touching a widget:
    // true when `text` was added, otherwise `alertmessage` holds the refusal.
    bool addText(WordList &list, const QString &text);
    // Stops the blinking and blanks the alert line.
    void endAlert();
    // What became of a load or save of the file at `path`, on the alert line
    // as a refusal is reported: `before`, the file's name, `after`.
    void alertAbout(const QString &before, const QString &path, const QString &after);
    // The count, shown and named with its caption.
    void showCount();

    const Platform m_platform;
    WordListModel *m_model = nullptr;
    Announcer *m_announcer = nullptr;
    QButtonGroup *m_orderGroup = nullptr;
    QString alertmessage;
    int alertcount = 0;

    QLabel *lblalert = nullptr;
    QLabel *lblcaption = nullptr;
    QLineEdit *txtinput = nullptr;
    QPushButton *cmdadd = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdLoad = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdSort = nullptr;
    QPushButton *cmdBack = nullptr;
    QLabel *lblcaption2 = nullptr;
    EntryListView *lstWord = nullptr;
    QLabel *lblcaption4 = nullptr;
    QLabel *lblnumber = nullptr;
    QLabel *lblcaption3 = nullptr;
    QRadioButton *optascend1 = nullptr;
    QRadioButton *optascend2 = nullptr;
    QRadioButton *optascendlast = nullptr;
    QRadioButton *optdescend1 = nullptr;
    QRadioButton *optdescend2 = nullptr;
    QRadioButton *optdescendlast = nullptr;
    QFrame *Shape1 = nullptr;
    QFrame *Shape2 = nullptr;
    QTimer *tmralert = nullptr;
};
