#include "platform/qt_text_printer.h"

#include "platform/busy_cursor.h"
#include "platform/file_dialog.h"
#include "platform/file_save.h"
#include "platform/message_box.h"

#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <utility>

namespace {

const QString dialogTitle = QStringLiteral("Lexmire - Print Options");
const QString documentName = QStringLiteral("Lexmire");

// Sizes in tenths of a point: a 100-wide grid only just fits at 4 pt, so
// every tenth it can grow makes it easier to read.
constexpr int largestSize = 120;
constexpr int smallestSize = 40;
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

// Trailing blanks are invisible (every grid row ends in one), so they must
// not shrink the type.
QString visiblePart(const QString &line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1).isSpace())
        --end;
    return line.left(end);
}

qreal widestAdvance(const QFontMetricsF &metrics, const QStringList &lines)
{
    qreal widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(visiblePart(line)));
    return widest;
}

QFont fittedFont(QFont font, QPaintDevice &device, const QStringList &lines, qreal width)
{
    const auto widestAt = [&](int tenths) {
        font.setPointSizeF(tenths / 10.0);
        return widestAdvance(QFontMetricsF(font, &device), lines);
    };
    int size = largestSize;
    const qreal widest = widestAt(size);
    // Advances grow in proportion to the size, give or take hinting, which
    // the walk down corrects.
    if (widest > width)
        size = std::max(smallestSize, static_cast<int>(size * width / widest));
    while (size > smallestSize && widestAt(size) > width)
        --size;
    font.setPointSizeF(size / 10.0);
    return font;
}

// Lines still too wide at the smallest size are broken rather than clipped:
// losing part of a row would make the puzzle unsolvable.
QStringList wrapToWidth(const QFontMetricsF &metrics, const QStringList &lines, qreal width)
{
    QStringList wrapped;
    for (const QString &line : lines) {
        const QString visible = visiblePart(line);
        if (metrics.horizontalAdvance(visible) <= width) {
            wrapped.append(line);
            continue;
        }
        qsizetype start = 0;
        qreal used = 0;
        for (qsizetype i = 0; i < visible.size(); ++i) {
            const qreal advance = metrics.horizontalAdvance(visible.at(i));
            const bool splitsPair = visible.at(i).isLowSurrogate();
            if (used + advance > width && i > start && !splitsPair) {
                wrapped.append(visible.mid(start, i - start));
                start = i;
                used = 0;
            }
            used += advance;
        }
        wrapped.append(visible.mid(start));
    }
    return wrapped;
}

QString printerFailure(const QPrinter &printer)
{
    return QStringLiteral("The printer %1 could not print the job:\r\nit refused the document.")
        .arg(printer.printerName());
}

QString pdfFailure(const QString &path, const QString &reason)
{
    return QStringLiteral("The PDF file %1 could not be saved:\r\n%2.").arg(QDir::toNativeSeparators(path), reason);
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

void QtTextPrinter::endDocument()
{
    // The job is taken out first so every way out of here leaves the next one empty.
    const QStringList lines = std::exchange(m_lines, {});
    if (lines.isEmpty())
        return;

    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        const BusyCursor busy;
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        printer.setDocName(documentName);
        if (!render(printer, lines, m_fontName) || printer.printerState() == QPrinter::Error)
            m_messageBox.show(printerFailure(printer), dialogTitle);
        return;
    }

    const QString path = m_fileDialog.saveFile(nullptr, QStringLiteral("PDF Files (*.pdf)|*.pdf"),
                                               QStringLiteral("No Printer Found - Save the Job as a PDF File"),
                                               QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QString failure;
    {
        const BusyCursor busy;
        // Made whole in memory first: the PDF engine does not report its
        // write errors, and a file must not be cut short or left behind.
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        bool drawn = false;
        {
            QPdfWriter writer(&pdf);
            writer.setTitle(documentName);
            writer.setCreator(documentName);
            writer.setPageSize(localPaper());
            drawn = render(writer, lines, m_fontName);
        }
        failure = drawn ? FileSave::save(path, pdf.data()) : QStringLiteral("the document could not be drawn");
    }
    if (!failure.isEmpty())
        m_messageBox.show(pdfFailure(path, failure), dialogTitle);
}

bool QtTextPrinter::render(QPagedPaintDevice &device, const QStringList &lines, const QString &fontName)
{
    device.setPageMargins(QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres, marginMillimetres),
                          QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device))
        return false;

    const qreal pageWidth = device.width();
    const qreal pageHeight = device.height();

    const QFont font = fittedFont(fixedPitchFont(fontName), device, lines, pageWidth);
    const QFontMetricsF metrics(font, &device);
    painter.setFont(font);

    const QStringList laidOut = wrapToWidth(metrics, lines, pageWidth);
    const qreal lineHeight = metrics.lineSpacing();
    qreal top = 0;
    for (const QString &line : laidOut) {
        if (top + lineHeight > pageHeight) {
            // Empty lines at a page break are the break itself; starting the
            // next page with them would only push its text down.
            if (line.isEmpty())
                continue;
            if (!device.newPage()) {
                painter.end();
                return false;
            }
            top = 0;
        }
        if (!line.isEmpty())
            painter.drawText(QPointF(0, top + metrics.ascent()), line);
        top += lineHeight;
    }
    return painter.end();
}
