#pragma once

#include <QListView>
#include <QStringList>

class EntryListModel;
class QIdentityProxyModel;

// A list of text entries, as every list of the program shows them: an entry
// too long for the box is cut at the right with "…", and then (or when it
// carries a note) its tooltip gives it whole, up to a sensible length. Nothing
// scrolls sideways. Any model's entries will do: the view shows them through
// a proxy that does the cutting, for the eye and for screen readers alike.
class EntryListView : public QListView
{
    Q_OBJECT

public:
    // An entry's note for its tooltip (a QString); empty for none.
    static constexpr int NoteRole = Qt::UserRole + 1;

    explicit EntryListView(QWidget *parent = nullptr);

    // Shows `model` through the cutting proxy; model() is then the proxy.
    void setModel(QAbstractItemModel *model) override;

protected:
    // Out of focus, the list has no current entry that a screen reader would
    // still call focused; it comes back with the focus.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QIdentityProxyModel *m_shown;
    QPersistentModelIndex m_leftAt;
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
    // their tooltips; screen readers hear "WORD, `spoken`". An empty list
    // takes every mark away.
    void setMarks(const QList<bool> &marked, const QString &note, const QString &spoken);

private:
    EntryListModel *m_model;
};
