#pragma once

#include <QString>

class QWidget;

// Open and save dialogs. The filter is in the "Name (*.ext)|*.ext|..." form
// word-list files use; an empty path means the user cancelled.
class FileDialog
{
public:
    virtual ~FileDialog() = default;
    virtual QString openFile(QWidget *parent, const QString &filter) = 0;
    // Asks before an existing file is overwritten. A name typed without an
    // extension gets `defaultSuffix`, if any, before that question is asked.
    // An empty `title` leaves the dialog's own.
    virtual QString saveFile(QWidget *parent, const QString &filter, const QString &title, const QString &defaultSuffix)
        = 0;
};

class QtFileDialog final : public FileDialog
{
public:
    QString openFile(QWidget *parent, const QString &filter) override;
    QString saveFile(QWidget *parent, const QString &filter, const QString &title,
                     const QString &defaultSuffix) override;

    // "A (*.a)|*.a|B (*.b)|*.b" -> the name filters Qt takes ("A (*.a)", "B (*.b)");
    // "*.*" becomes "*", so files without an extension are listed too.
    static QStringList nameFilters(const QString &filter);

private:
    QString m_lastDirectory;
};
