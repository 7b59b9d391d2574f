#include "print/worksheet_pages.h"

#include "puzzle/puzzle.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace WorksheetPages {

namespace {

// Letters that children and older eyes read alike; outlines in one dark
// colour, seen by everyone, whatever their sight for colours.
const QColor ink(Qt::black);
const QColor lightLine(205, 205, 205);
const QColor otherLetter(160, 160, 160);
const QColor outlineColour(32, 32, 64);
constexpr qreal letterShare = 0.6; // of a cell's height

QFont face(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Device pixels a point.
qreal scaleOf(const QPagedPaintDevice &device)
{
    return device.logicalDpiX() / 72.0;
}

QRectF scaled(const QRectF &rect, qreal k)
{
    return {rect.x() * k, rect.y() * k, rect.width() * k, rect.height() * k};
}

void drawGrid(QPainter &painter, const WorksheetLayout::Grid &grid, const Puzzle &puzzle, bool key, bool lowerCase,
              qreal k)
{
    painter.setPen(QPen(lightLine, std::max(1.0, 0.5 * k)));
    for (int r = 0; r <= grid.rows; ++r)
        painter.drawLine(QPointF(grid.topLeft.x(), grid.topLeft.y() + r * grid.cell) * k,
                         QPointF(grid.topLeft.x() + grid.cols * grid.cell, grid.topLeft.y() + r * grid.cell) * k);
    for (int c = 0; c <= grid.cols; ++c)
        painter.drawLine(QPointF(grid.topLeft.x() + c * grid.cell, grid.topLeft.y()) * k,
                         QPointF(grid.topLeft.x() + c * grid.cell, grid.topLeft.y() + grid.rows * grid.cell) * k);
    painter.setFont(face(grid.cell * letterShare));
    for (int r = 0; r < grid.rows && r < puzzle.grid.rows(); ++r) {
        for (int c = 0; c < grid.cols && c < puzzle.grid.cols(); ++c) {
            const QString &letter = puzzle.grid.text(r, c);
            const bool answer = !puzzle.answer.text(r, c).isEmpty();
            painter.setPen(!key || answer ? ink : otherLetter);
            painter.drawText(scaled(grid.cellRect(r, c), k), Qt::AlignCenter, lowerCase ? letter.toLower() : letter);
        }
    }
    if (!key)
        return;
    painter.setPen(
        QPen(outlineColour, std::max(1.0, 0.07 * grid.cell * k), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const Placement &placement : puzzle.placements) {
        const std::optional<WorksheetLayout::Outline> band = WorksheetLayout::outline(grid, placement);
        if (!band)
            continue;
        const QPointF along = (band->to - band->from) * k;
        const qreal length = std::hypot(along.x(), along.y());
        const qreal radius = band->radius * k;
        QPainterPath path;
        path.addRoundedRect(QRectF(-radius, -radius, length + 2 * radius, 2 * radius), radius, radius);
        painter.save();
        painter.translate(band->from * k);
        painter.rotate(std::atan2(along.y(), along.x()) * 180 / M_PI);
        painter.drawPath(path);
        painter.restore();
    }
}

} // namespace

WorksheetLayout::Layout layout(const QPagedPaintDevice &device, const Puzzle &puzzle,
                               const WorksheetLayout::Options &options)
{
    const qreal k = scaleOf(device);
    const WorksheetLayout::Measure measure{
        [&](const QString &text, qreal points, bool bold) {
            return QFontMetricsF(face(points, bold), &device).horizontalAdvance(text) / k;
        },
        [&](qreal points) { return QFontMetricsF(face(points), &device).lineSpacing() / k; }};
    const QList<bool> notHidden = notHiddenMarks(puzzle.entries, puzzle.entries, puzzle.used);
    return WorksheetLayout::lay(options, puzzle.height(), puzzle.width(),
                                WorksheetLayout::listedWords(puzzle.entries, notHidden, options),
                                device.pageLayout().paintRectPoints().size(), measure);
}

bool draw(QPagedPaintDevice &device, const Puzzle &puzzle, const WorksheetLayout::Options &options)
{
    const WorksheetLayout::Layout pages = layout(device, puzzle, options);
    const qreal k = scaleOf(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    for (qsizetype i = 0; i < pages.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        const WorksheetLayout::Page &page = pages.pages.at(i);
        if (page.grid)
            drawGrid(painter, *page.grid, puzzle, page.key, options.lowerCase, k);
        painter.setPen(ink);
        for (const WorksheetLayout::Text &text : page.texts) {
            QFont font = face(text.points, text.bold);
            font.setStrikeOut(text.struck);
            painter.setFont(font);
            // Plain text, whatever it holds: drawText reads no markup.
            painter.drawText(scaled(text.box, k),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, text.text);
        }
    }
    return painter.end();
}

} // namespace WorksheetPages
