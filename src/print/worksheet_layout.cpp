#include "print/worksheet_layout.h"

#include <algorithm>
#include <cmath>

namespace WorksheetLayout {

namespace {

constexpr qreal titleScale = 1.5;
constexpr qreal footerPoints = 7;

struct Flow
{
    const Options &options;
    const Measure &measure;
    qreal width;
    qreal height; // above the footer

    qreal line(qreal points) const { return measure.lineHeight(points); }
    qreal gap() const { return line(options.textPoints) / 2; }

    void add(Page &page, qreal &y, const QString &text, qreal points, bool bold, qreal x = 0) const
    {
        page.texts.append({text, QRectF(x, y, measure.width(text, points, bold), line(points)), points, bold});
        y += line(points);
    }

    // The title and what goes under it; `y` ends below them.
    void header(Page &page, qreal &y) const
    {
        add(page, y, options.title, options.textPoints * titleScale, true);
        if (!options.instruction.isEmpty())
            add(page, y, options.instruction, options.textPoints, false);
        if (options.nameAndDate)
            add(page, y, QStringLiteral("Name: ______________________   Date: ____________"), options.textPoints,
                false);
        y += gap();
    }

    qreal cellFor(int rows, int cols, qreal room) const { return std::min({largestCell, width / cols, room / rows}); }

    Grid grid(int rows, int cols, qreal cell, qreal y) const
    {
        return {QPointF((width - cols * cell) / 2, y), cell, rows, cols};
    }
};

// The list in columns as wide as its widest word: how many fit across.
struct Columns
{
    qreal width = 0;
    int count = 1;
};

Columns columnsFor(const QList<Word> &words, const Flow &flow)
{
    qreal widest = 0;
    for (const Word &word : words)
        widest = std::max(widest, flow.measure.width(word.text, flow.options.textPoints, false));
    const qreal space = flow.measure.width(QStringLiteral("MM"), flow.options.textPoints, false);
    Columns columns{widest + space, 1};
    columns.count = std::max(1, static_cast<int>((flow.width + space) / columns.width));
    return columns;
}

qreal listHeight(const QList<Word> &words, const Flow &flow, const Columns &columns)
{
    const auto rows = (words.size() + columns.count - 1) / columns.count;
    return static_cast<qreal>(rows) * flow.line(flow.options.textPoints);
}

// Lays the words out down the columns from `y`, onto further pages as needed.
void flowList(QList<Page> &pages, qreal y, const QList<Word> &words, const Flow &flow, const Columns &columns)
{
    const qreal points = flow.options.textPoints;
    const qreal line = flow.line(points);
    qsizetype next = 0;
    while (next < words.size()) {
        // Columns as even as the words allow, as long as the page lets them.
        const qsizetype left = words.size() - next;
        const int room = std::max(1, static_cast<int>((flow.height - y) / line));
        const int rows = static_cast<int>(std::min<qsizetype>(room, (left + columns.count - 1) / columns.count));
        for (int col = 0; col < columns.count && next < words.size(); ++col) {
            for (int row = 0; row < rows && next < words.size(); ++row, ++next) {
                const Word &word = words.at(next);
                // A word wider than the page is set smaller rather than cut off.
                const qreal natural = flow.measure.width(word.text, points, false);
                const qreal fitted = natural > flow.width ? points * flow.width / natural : points;
                pages.last().texts.append(
                    {word.text,
                     QRectF(col * columns.width, y + row * line, flow.measure.width(word.text, fitted, false), line),
                     fitted, false, word.notHidden});
            }
        }
        if (next < words.size()) {
            pages.append(Page());
            y = 0;
        }
    }
}

} // namespace

QList<Word> listedWords(const QStringList &entries, const QList<bool> &notHidden, const Options &options)
{
    QList<Word> words;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const bool given = i < notHidden.size() && notHidden.at(i);
        if (given && !options.showNotHidden)
            continue;
        words.append({options.lowerCase ? entries.at(i).toLower() : entries.at(i), given});
    }
    if (options.alphabetical)
        std::stable_sort(words.begin(), words.end(), [](const Word &a, const Word &b) { return a.text < b.text; });
    return words;
}

Layout lay(const Options &options, int rows, int cols, const QList<Word> &words, QSizeF page, const Measure &measure)
{
    const qreal footer = options.footer.isEmpty() ? 0 : measure.lineHeight(footerPoints);
    const Flow flow{options, measure, page.width(), page.height() - footer};
    Layout layout;
    layout.pages.append(Page());
    qreal y = 0;
    flow.header(layout.pages.last(), y);

    // The grid and the whole list on the first page, if the cells can still
    // hold a readable letter; else the grid there alone, the list after it.
    const Columns columns = columnsFor(words, flow);
    const qreal list = words.isEmpty() ? 0 : flow.gap() + listHeight(words, flow, columns);
    const qreal shared = flow.cellFor(rows, cols, flow.height - y - list);
    layout.gridAlone = shared < readableCell;
    const qreal cell = layout.gridAlone ? flow.cellFor(rows, cols, flow.height - y) : shared;
    layout.pages.last().grid = flow.grid(rows, cols, cell, y);
    y += rows * cell + flow.gap();
    if (layout.gridAlone && !words.isEmpty()) {
        layout.pages.append(Page());
        y = 0;
    }
    flowList(layout.pages, y, words, flow, columns);

    if (options.answerKey) {
        Page key;
        key.key = true;
        qreal keyY = 0;
        flow.add(key, keyY, QStringLiteral("Answer Key"), options.textPoints * titleScale, true);
        keyY += flow.gap();
        key.grid = flow.grid(rows, cols, flow.cellFor(rows, cols, flow.height - keyY), keyY);
        layout.pages.append(key);
    }

    if (!options.footer.isEmpty()) {
        for (Page &each : layout.pages) {
            const qreal width = measure.width(options.footer, footerPoints, false);
            each.texts.append({options.footer, QRectF(page.width() - width, flow.height, width, footer), footerPoints});
        }
    }
    return layout;
}

std::optional<Outline> outline(const Grid &grid, const Placement &placement)
{
    const int lastRow = placement.row + (placement.length - 1) * placement.rowStep;
    const int lastCol = placement.col + (placement.length - 1) * placement.colStep;
    const auto inside = [&](int row, int col) { return row >= 0 && row < grid.rows && col >= 0 && col < grid.cols; };
    if (placement.length < 1 || !inside(placement.row, placement.col) || !inside(lastRow, lastCol))
        return std::nullopt;
    return Outline{grid.cellRect(placement.row, placement.col).center(), grid.cellRect(lastRow, lastCol).center(),
                   grid.cell * 0.42};
}

} // namespace WorksheetLayout
