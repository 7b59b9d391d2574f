#pragma once

#include "puzzle/generator.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// What goes where on the pages of a worksheet, worked out in points (1/72
// inch) on the printable part of the page, origin at its top left. Painting
// it is the pages' business (see WorksheetPages); this is pure arithmetic.
namespace WorksheetLayout {

// The choices of the worksheet window.
struct Options
{
    QString title = QStringLiteral("Word Search");
    QString instruction; // none when empty
    bool nameAndDate = false;
    bool alphabetical = false;
    qreal textPoints = 12; // the list's and the instruction's; the title's is half as large again
    bool lowerCase = false;
    bool showNotHidden = false; // the words the last Generate gave up, struck through
    bool answerKey = true;
    QString footer; // small, at the foot of every page; none when empty

    friend bool operator==(const Options &, const Options &) = default;
};

// The smallest cell whose letter is still read with ease, and the largest
// that is still a grid rather than a poster.
inline constexpr qreal readableCell = 14;
inline constexpr qreal largestCell = 36;

// The metrics of the faces the pages are drawn in, in points.
struct Measure
{
    std::function<qreal(const QString &text, qreal points, bool bold)> width;
    std::function<qreal(qreal points)> lineHeight;
};

struct Text
{
    QString text;
    QRectF box; // one line high, as wide as the text
    qreal points = 12;
    bool bold = false;
    bool struck = false;
};

struct Grid
{
    QPointF topLeft;
    qreal cell = 0;
    int rows = 0;
    int cols = 0;

    QRectF cellRect(int row, int col) const { return {topLeft.x() + col * cell, topLeft.y() + row * cell, cell, cell}; }
    QRectF rect() const { return {topLeft, QSizeF(cols * cell, rows * cell)}; }
};

struct Page
{
    QList<Text> texts;
    std::optional<Grid> grid;
    bool key = false; // the grid is the answer key: its words outlined
};

struct Layout
{
    QList<Page> pages;
    // The grid would have needed cells smaller than a readable letter beside
    // the title and the list, so it has a page of its own.
    bool gridAlone = false;
};

struct Word
{
    QString text;
    bool notHidden = false;
};

// The list as the worksheet shows it: in list order or alphabetical,
// lower-cased if asked, and the words not hidden left off or kept, struck.
QList<Word> listedWords(const QStringList &entries, const QList<bool> &notHidden, const Options &options);

// The pages of a worksheet for a grid of `rows` x `cols` and `words`.
Layout lay(const Options &options, int rows, int cols, const QList<Word> &words, QSizeF page, const Measure &measure);

// The rounded band around a placed word: from the centre of its first cell
// to the centre of its last, `radius` around that line.
struct Outline
{
    QPointF from;
    QPointF to;
    qreal radius = 0;

    friend bool operator==(const Outline &, const Outline &) = default;
};
// No outline for a word that does not lie wholly in the grid (the grid was
// cut to smaller dimensions since).
std::optional<Outline> outline(const Grid &grid, const Placement &placement);

} // namespace WorksheetLayout
