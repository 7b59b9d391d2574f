#pragma once

#include "platform/text_printer.h"

class FileDialog;
class MessageBox;
class QPagedPaintDevice;

// Collects a job's lines and lays them out when the document ends: on the
// default printer, or, when there is none, in a PDF file the user names,
// saved whole or not at all. A failure is reported in a message box.
class QtTextPrinter final : public TextPrinter
{
public:
    QtTextPrinter(MessageBox &messageBox, FileDialog &fileDialog);

    void setFontName(const QString &name) override { m_fontName = name; }
    void printLine(const QString &line) override { m_lines.append(line); }
    void printEmptyLine() override { m_lines.append(QString()); }
    QString endDocument() override;

    // The one print path, for a printer and a PDF alike: lays `lines` out on
    // `device` (see PageLayout) in a fixed-pitch face standing in for
    // `fontName`. False when the device refused the drawing.
    static bool render(QPagedPaintDevice &device, const QStringList &lines, const QString &fontName);

private:
    MessageBox &m_messageBox;
    FileDialog &m_fileDialog;
    QString m_fontName;
    QStringList m_lines;
};
