#pragma once

#include "editor/word_list.h"
#include "editor/word_sort.h"

#include <QWidget>

class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QTimer;
class Windows;
class WordListModel;

// The word list editor: typing and checking words, the blinking alert line,
// deleting, clearing, files, sorting, and the way back to the main window.
class EditorWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit EditorWindow(Windows &windows);
    ~EditorWindow() override;

    // The program's word list: puzzles are made from it.
    const WordList &words() const { return m_words; }

    void focusInput();
    // Empties the list (and its index) and refreshes: "Clear All" from the main window.
    void clearWordList();

    // Starts an alert: the alert line shows `alertmessage` and starts blinking.
    void Starttimer();
    // Ascending by whole entry.
    void Sortfirst();

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
    QListView *lstWord = nullptr;
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
    int selectedIndex() const;
    // The add's checks and its append, without touching a widget: true when
    // `text` was added, otherwise `alertmessage` holds the refusal.
    bool addText(const QString &text);
    // Stops the blinking and blanks the alert line.
    void endAlert();
    void removeEntry(int index);
    // A failed load or save on the alert line, as a refusal is reported.
    void reportFailure(const QString &action, const QString &path, const QString &reason);
    void sortBy(SortOrder order);

    Windows &m_windows;
    WordList m_words;
    WordListModel *m_model = nullptr;
    QButtonGroup *m_orderGroup = nullptr;
    QString alertmessage;
    int alertcount = 0;
};
