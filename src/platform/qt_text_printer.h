#pragma once

#include "platform/text_printer.h"

class FileDialog;
class MessageBox;
class QPrinter;

// Collects a job's lines and lays them out when the document ends: on the
// default printer, or, when there is none, in a PDF file the user names.
class QtTextPrinter final : public TextPrinter
{
public:
    QtTextPrinter(MessageBox &messageBox, FileDialog &fileDialog);

    void setFontName(const QString &name) override { m_fontName = name; }
    void printLine(const QString &line) override { m_lines.append(line); }
    void printEmptyLine() override { m_lines.append(QString()); }
    void endDocument() override;

    // The one print path: draws `lines` on `printer` in a fixed-pitch face
    // standing in for `fontName`, at the largest size up to 12 pt at which the
    // widest line fits the page width, breaking pages as needed. Returns the
    // reason of a failure, or an empty string.
    static QString render(QPrinter &printer, const QStringList &lines, const QString &fontName);

private:
    MessageBox &m_messageBox;
    FileDialog &m_fileDialog;
    QString m_fontName;
    QStringList m_lines;
};
