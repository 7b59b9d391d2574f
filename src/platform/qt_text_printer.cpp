#include "platform/qt_text_printer.h"

#include "platform/file_dialog.h"
#include "platform/message_box.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <utility>

namespace {

const QString dialogTitle = QStringLiteral("Lexmire - Print Options");

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

QFont fittedFont(QFont font, QPrinter &printer, const QStringList &lines, qreal width)
{
    const auto widestAt = [&](int tenths) {
        font.setPointSizeF(tenths / 10.0);
        return widestAdvance(QFontMetricsF(font, &printer), lines);
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

QString pdfFailure(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return QStringLiteral("The PDF file %1 could not be created:\r\nthe folder %2 does not exist.")
            .arg(shown, QDir::toNativeSeparators(info.absolutePath()));
    // Appending probes the same access the writer needs without emptying a file.
    QFile probe(path);
    const bool existed = probe.exists();
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
        return QStringLiteral("The PDF file %1 could not be created:\r\n%2.").arg(shown, probe.errorString());
    probe.close();
    if (!existed)
        probe.remove();
    return QStringLiteral("The PDF file %1 could not be written.").arg(shown);
}

QString printerFailure(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return pdfFailure(printer.outputFileName());
    return QStringLiteral("The printer %1 could not print the job:\r\nit refused the document.")
        .arg(printer.printerName());
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

    QString failure;
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        failure = render(printer, lines, m_fontName);
    } else {
        const QString path = m_fileDialog.saveFile(nullptr, QStringLiteral("PDF Files (*.pdf)|*.pdf"));
        if (path.isEmpty())
            return;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        failure = render(printer, lines, m_fontName);
    }
    if (!failure.isEmpty())
        m_messageBox.show(failure, dialogTitle);
}

QString QtTextPrinter::render(QPrinter &printer, const QStringList &lines, const QString &fontName)
{
    printer.setPageMargins(QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres, marginMillimetres),
                           QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("Lexmire"));
    QPainter painter;
    if (!painter.begin(&printer))
        return printerFailure(printer);

    const qreal pageWidth = printer.width();
    const qreal pageHeight = printer.height();

    const QFont font = fittedFont(fixedPitchFont(fontName), printer, lines, pageWidth);
    const QFontMetricsF metrics(font, &printer);
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
            if (!printer.newPage()) {
                painter.end();
                return printerFailure(printer);
            }
            top = 0;
        }
        if (!line.isEmpty())
            painter.drawText(QPointF(0, top + metrics.ascent()), line);
        top += lineHeight;
    }

    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return printerFailure(printer);
    return {};
}
