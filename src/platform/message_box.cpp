#include "platform/message_box.h"

#include <QMessageBox>

void QtMessageBox::show(const QString &text, const QString &title)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok);
    // Texts may carry file names and reasons from outside: never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
