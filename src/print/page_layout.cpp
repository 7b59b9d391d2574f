#include "print/page_layout.h"

#include "print/print_layout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <optional>
#include <utility>

namespace PageLayout {

namespace {

struct Block
{
    QStringList lines;
    int emptyBefore = 0; // empty lines between the block before and this one
    bool grid = false;
    int size = largestSize; // tenths of a point
};

QList<Block> splitIntoBlocks(const QStringList &lines)
{
    QList<Block> blocks;
    int empty = 0;
    for (const QString &line : lines) {
        if (line.isEmpty()) {
            ++empty;
            continue;
        }
        if (blocks.isEmpty() || empty > 0)
            blocks.append(Block{{}, empty});
        blocks.last().lines.append(line);
        empty = 0;
    }
    for (Block &block : blocks)
        block.grid = std::all_of(block.lines.cbegin(), block.lines.cend(), PrintLayout::isGridRow);
    return blocks;
}

// Trailing blanks are invisible, so outside a grid they must not shrink the type.
QString visiblePart(const QString &line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1).isSpace())
        --end;
    return line.left(end);
}

QFont sized(QFont face, int tenths)
{
    face.setPointSizeF(tenths / 10.0);
    return face;
}

// The largest size up to 12 pt at which the widest line fits `width`.
int fittedSize(const QFont &face, QPaintDevice &device, const Block &block, qreal width)
{
    const auto widestAt = [&](int tenths) {
        const QFontMetricsF metrics(sized(face, tenths), &device);
        qreal widest = 0;
        for (const QString &line : block.lines)
            widest = std::max(widest, metrics.horizontalAdvance(block.grid ? line : visiblePart(line)));
        return widest;
    };
    int size = largestSize;
    const qreal widest = widestAt(size);
    // Advances grow in proportion to the size, give or take hinting, which
    // the walk down corrects.
    if (widest > width)
        size = std::max(smallestSize, static_cast<int>(size * width / widest));
    while (size > smallestSize && widestAt(size) > width)
        --size;
    return size;
}

qreal lineHeight(const QFont &face, QPaintDevice &device, int tenths)
{
    return QFontMetricsF(sized(face, tenths), &device).lineSpacing();
}

// A grid block with the one-line title block before it: the section kept on one page.
bool startsSection(const QList<Block> &blocks, qsizetype i)
{
    return i + 1 < blocks.size() && blocks.at(i + 1).grid && blocks.at(i).lines.size() == 1 && !blocks.at(i).grid;
}

qreal sectionHeight(const QFont &face, QPaintDevice &device, const QList<Block> &blocks, qsizetype title)
{
    const Block &grid = blocks.at(title + 1);
    return lineHeight(face, device, blocks.at(title).size)
        + (grid.emptyBefore + grid.lines.size()) * lineHeight(face, device, grid.size);
}

// Sizes every block for the device's current page; the grid's size, if any.
std::optional<int> sizeBlocks(const QFont &face, QPaintDevice &device, QList<Block> &blocks)
{
    std::optional<int> gridSize;
    for (const Block &block : blocks) {
        if (block.grid)
            gridSize = std::min(gridSize.value_or(largestSize), fittedSize(face, device, block, device.width()));
    }
    for (Block &block : blocks)
        block.size = block.grid ? *gridSize : fittedSize(face, device, block, device.width());
    return gridSize;
}

bool sectionsFitOnePage(const QFont &face, QPaintDevice &device, const QList<Block> &blocks)
{
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        if (startsSection(blocks, i) && sectionHeight(face, device, blocks, i) > device.height())
            return false;
    }
    return true;
}

// Portrait unless landscape gives the grid a larger size at which every grid
// section still fits on one page.
void turnPage(QPagedPaintDevice &device, const QFont &face, QList<Block> &blocks)
{
    QList<Block> turned = blocks;
    device.setPageOrientation(QPageLayout::Landscape);
    const std::optional<int> landscape = sizeBlocks(face, device, turned);
    const bool landscapeFits = sectionsFitOnePage(face, device, turned);
    device.setPageOrientation(QPageLayout::Portrait);
    const std::optional<int> portrait = sizeBlocks(face, device, blocks);
    const bool portraitFits = sectionsFitOnePage(face, device, blocks);
    if (landscape && landscapeFits && (!portraitFits || *landscape > *portrait)) {
        device.setPageOrientation(QPageLayout::Landscape);
        blocks = std::move(turned);
    }
}

// Lines still too wide at the smallest size are broken rather than clipped:
// losing part of a line would lose a word.
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

} // namespace

bool draw(QPagedPaintDevice &device, const QStringList &lines, const QFont &face)
{
    QList<Block> blocks = splitIntoBlocks(lines);
    turnPage(device, face, blocks);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal pageWidth = device.width();
    const qreal pageHeight = device.height();
    qreal top = 0;
    const auto newPage = [&] {
        top = 0;
        return device.newPage();
    };

    for (qsizetype i = 0; i < blocks.size(); ++i) {
        const Block &block = blocks.at(i);
        const QFont font = sized(face, block.size);
        const QFontMetricsF metrics(font, &device);
        const qreal height = metrics.lineSpacing();
        // Empty lines at a page break are the break itself; starting the
        // next page with them would only push its text down.
        for (int e = 0; e < block.emptyBefore && top > 0; ++e)
            top = top + height > pageHeight ? pageHeight : top + height;
        if (startsSection(blocks, i) && top > 0) {
            const qreal section = sectionHeight(face, device, blocks, i);
            if (section <= pageHeight && top + section > pageHeight && !newPage()) {
                painter.end();
                return false;
            }
        }
        painter.setFont(font);
        for (const QString &line : block.grid ? block.lines : wrapToWidth(metrics, block.lines, pageWidth)) {
            if (top + height > pageHeight && top > 0 && !newPage()) {
                painter.end();
                return false;
            }
            painter.drawText(QPointF(0, top + metrics.ascent()), line);
            top += height;
        }
    }
    return painter.end();
}

} // namespace PageLayout
