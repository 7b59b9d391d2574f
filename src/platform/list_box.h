#pragma once

#include <QListView>
#include <QStringList>

class EntryListModel;

// A read-only list box of text entries. The entries are held as an
// implicitly shared list, so handing it a million words costs one model
// reset, not a copy or a widget item per word.
class ListBox final : public QListView
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    void setEntries(const QStringList &entries);
    const QStringList &entries() const;
    int count() const { return static_cast<int>(entries().size()); }
    void clear() { setEntries({}); }

    // Greys and strikes out the entries whose flag is set, with `note` as
    // their tooltip; an empty list takes every mark away.
    void setMarks(const QList<bool> &marked, const QString &note);
    bool isMarked(int row) const;

    // What a list shows of an entry: painting or measuring a word of
    // millions of letters would freeze the window, and no list is wide
    // enough to show more than the start of one anyway.
    static QString shownText(const QString &entry);

private:
    EntryListModel *m_model;
};
