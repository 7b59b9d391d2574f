#include "platform/file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

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

// Qt's own overwrite question reads a file name as markup; this one asks the
// same question with the name as plain text.
class PlainFileDialog final : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QFileInfo info(selectedFiles().value(0));
        if (acceptMode() == AcceptSave && info.exists() && !info.isDir()) {
            QMessageBox question(QMessageBox::Warning, windowTitle(),
                                 tr("%1 already exists.\nDo you want to replace it?").arg(info.fileName()),
                                 QMessageBox::Yes | QMessageBox::No, this);
            question.setTextFormat(Qt::PlainText);
            question.setDefaultButton(QMessageBox::No);
            if (question.exec() != QMessageBox::Yes)
                return;
        }
        QFileDialog::accept();
    }
};

QString runDialog(QWidget *parent, const QString &filter, QFileDialog::AcceptMode mode, QString &lastDirectory,
                  const QString &title = {}, const QString &defaultSuffix = {})
{
    PlainFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
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
