#include "print/qt_text_printer.h"

#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "print/page_layout.h"
#include "print/pdf_file.h"
#include "widgets/busy_cursor.h"
#include "widgets/shown_name.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace {

const QString dialogTitle = QStringLiteral("Lexmire - Print Options");
const QString documentName = QStringLiteral("Lexmire");

// Room to hold the sheet while solving, and clear of printers' unprintable edges.
constexpr qreal marginMillimetres = 15.0;

// Puzzle rows only line up in columns when every letter has the same width,
// so the requested face is used only when it resolves to a fixed-pitch one.
QFont fixedPitchFont(const QString &requested)
{
    QStringList families{QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    if (!requested.isEmpty())
        families.prepend(requested);
    for (const QString &family : families) {
        QFont font(family);
        font.setStyleHint(QFont::Monospace);
        font.setFixedPitch(true);
        if (QFontInfo(font).fixedPitch())
            return font;
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

// Long enough for any real path to show whole, short enough for the box.
constexpr int shownPathLength = 120;

QString printerFailure(const QPrinter &printer)
{
    return QStringLiteral("The printer %1 could not print the job:\r\nit refused the document.")
        .arg(ShownName::of(printer.printerName(), shownPathLength));
}

QString pdfFailure(const QString &path, const QString &reason)
{
    return QStringLiteral("The PDF file %1 could not be saved:\r\n%2.")
        .arg(ShownName::of(QDir::toNativeSeparators(path), shownPathLength), reason);
}

// The paper a PDF reader nearby would print it on.
QPageSize localPaper()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

} // namespace

QtTextPrinter::QtTextPrinter(MessageBox &messageBox, FileDialog &fileDialog)
    : m_messageBox(messageBox)
    , m_fileDialog(fileDialog)
{
}

QString QtTextPrinter::endDocument()
{
    // The job is taken out first so every way out of here leaves the next one empty.
    const QStringList lines = std::exchange(m_lines, {});
    if (lines.isEmpty())
        return {};

    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        const BusyCursor busy;
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        printer.setDocName(documentName);
        if (!render(printer, lines, m_fontName) || printer.printerState() == QPrinter::Error) {
            m_messageBox.show(printerFailure(printer), dialogTitle);
            return {};
        }
        return QStringLiteral("Sent the job to %1").arg(ShownName::of(printer.printerName()));
    }

    const QString path
        = m_fileDialog.saveFile(nullptr, QStringLiteral("PDF Files (*.pdf)|*.pdf"),
                                QStringLiteral("No Printer Found - Save the Job as a PDF File"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return {};
    QString failure;
    {
        const BusyCursor busy;
        failure = PdfFile::save(path, [&](QPdfWriter &writer) {
            writer.setTitle(documentName);
            writer.setCreator(documentName);
            writer.setPageSize(localPaper());
            return render(writer, lines, m_fontName);
        });
    }
    if (!failure.isEmpty()) {
        m_messageBox.show(pdfFailure(path, failure), dialogTitle);
        return {};
    }
    return QStringLiteral("Saved the job to %1").arg(ShownName::of(QFileInfo(path).fileName()));
}

bool QtTextPrinter::render(QPagedPaintDevice &device, const QStringList &lines, const QString &fontName)
{
    device.setPageMargins(QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres, marginMillimetres),
                          QPageLayout::Millimeter);
    return PageLayout::draw(device, lines, fixedPitchFont(fontName));
}
