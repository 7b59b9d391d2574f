#include "platform/qt_text_printer.h"

#include "platform/file_dialog.h"
#include "platform/message_box.h"

QtTextPrinter::QtTextPrinter(MessageBox &messageBox, FileDialog &fileDialog)
    : m_messageBox(messageBox)
    , m_fileDialog(fileDialog)
{
}

void QtTextPrinter::endDocument()
{
    m_lines.clear();
}

QString QtTextPrinter::render(QPrinter &, const QStringList &, const QString &)
{
    return {};
}
