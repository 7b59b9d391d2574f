#include "file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

QStringList QtFileDialog::nameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString name = parts.at(i);
        // Qt takes the patterns from the name; "*.*" would hide every file
        // without a dot in its name, which "All Files" must not.
        if (i + 1 < parts.size() && parts.at(i + 1) == QLatin1String("*.*"))
            name.replace(QLatin1String("(*.*)"), QLatin1String("(*)"));
        names.append(name);
    }
    return names;
}

namespace {

QString runDialog(QWidget *parent, const QString &filter, QFileDialog::AcceptMode mode, QString &lastDirectory,
                  const QString &title = {}, const QString &defaultSuffix = {})
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList names = QtFileDialog::nameFilters(filter);
    dialog.setNameFilters(names);
    if (!names.isEmpty())
        dialog.selectNameFilter(names.first());
    if (!lastDirectory.isEmpty())
        dialog.setDirectory(lastDirectory);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    lastDirectory = QFileInfo(path).absolutePath();
    return path;
}

} // namespace

QString QtFileDialog::openFile(QWidget *parent, const QString &filter)
{
    return runDialog(parent, filter, QFileDialog::AcceptOpen, m_lastDirectory);
}

QString QtFileDialog::saveFile(QWidget *parent, const QString &filter, const QString &title,
                               const QString &defaultSuffix)
{
    return runDialog(parent, filter, QFileDialog::AcceptSave, m_lastDirectory, title, defaultSuffix);
}
