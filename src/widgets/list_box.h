#pragma once

#include <QListView>
#include <QStringList>

class EntryListModel;

// A list of text entries, as every list of the program shows them: an entry
// too long for the box is cut at the right with "…", and then (or when it
// carries a note) its tooltip gives it whole, up to a sensible length. Nothing
// scrolls sideways. Any model's entries will do; the cutting is the view's.
class EntryListView : public QListView
{
    Q_OBJECT

public:
    // An entry's note for its tooltip (a QString); empty for none.
    static constexpr int NoteRole = Qt::UserRole + 1;

    explicit EntryListView(QWidget *parent = nullptr);
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

private:
    EntryListModel *m_model;
};
