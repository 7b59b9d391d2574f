#include "platform/dialogs.h"

#include <QInputDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>

bool QtDialogs::pageSetup(QPrinter &printer, QWidget *parent)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::choosePrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<quint32> QtDialogs::askNumber(QWidget *parent, const QString &title, const QString &label, quint32 low,
                                            quint32 high)
{
    bool accepted = false;
    const int number = QInputDialog::getInt(parent, title, label, static_cast<int>(low), static_cast<int>(low),
                                            static_cast<int>(high), 1, &accepted);
    return accepted ? std::optional(static_cast<quint32>(number)) : std::nullopt;
}

std::optional<QStringList> QtDialogs::editWords(QWidget *parent, const QString &title, const QString &label,
                                                const QStringList &words)
{
    bool accepted = false;
    const QString text = QInputDialog::getMultiLineText(parent, title, label, words.join(QLatin1Char('\n')), &accepted);
    if (!accepted)
        return std::nullopt;
    QStringList edited;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (const QString word = line.trimmed(); !word.isEmpty())
            edited.append(word);
    }
    return edited;
}
