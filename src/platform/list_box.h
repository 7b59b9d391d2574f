#pragma once

#include <QListView>
#include <QStringList>

class EntryListModel;

// A list box of text entries, as every list of the program shows them: an
// entry too long for the box is cut at the right with "…", and then (or when
// it carries a note) its tooltip gives it whole, up to a sensible length.
// Nothing scrolls sideways.
class EntryListView : public QListView
{
    Q_OBJECT

public:
    explicit EntryListView(QWidget *parent = nullptr);

    // What a list shows of an entry: painting or measuring a word of
    // millions of letters would freeze the window, and no list is wide
    // enough to show more than the start of one anyway.
    static QString shownText(const QString &entry);
    // The tooltip of an entry, with an optional note on a line of its own.
    static QString toolTip(const QString &entry, const QString &note = {});
};

// A read-only list box that holds its entries as an implicitly shared list,
// so handing it a million words costs one model reset, not a copy or a
// widget item per word.
class ListBox final : public EntryListView
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    void setEntries(const QStringList &entries);
    const QStringList &entries() const;
    int count() const { return static_cast<int>(entries().size()); }
    void clear() { setEntries({}); }

    // Greys and strikes out the entries whose flag is set, with `note` in
    // their tooltips; an empty list takes every mark away.
    void setMarks(const QList<bool> &marked, const QString &note);
    bool isMarked(int row) const;

private:
    EntryListModel *m_model;
};
