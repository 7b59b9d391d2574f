#pragma once

#include <QStringList>

class QFont;
class QPagedPaintDevice;

// Lays a print job's lines out on pages and draws them.
//
// The job is read as blocks: runs of non-empty lines between empty lines. A
// block of grid rows (as PrintLayout::isGridRow tells them) is drawn
// at the largest size up to 12 pt at which a full row fits the page width;
// every grid of a job has the same width, so a key stands under its puzzle
// column for column. Any other block is drawn at the largest size up to
// 12 pt at which its widest line fits; an empty line takes the size of the
// block after it. The page is turned when that gives the grid a larger size
// at which a whole grid section (its title, the empty line and the rows)
// still fits on one page, and a section that fits on a page is never split.
namespace PageLayout {

// Sizes in tenths of a point: a 100-wide grid only just fits at 4 pt, so
// every tenth it can grow makes it easier to read.
inline constexpr int largestSize = 120;
inline constexpr int smallestSize = 40;

// Sets the page orientation on `device` and draws `lines` in `face` (a
// fixed-pitch font, whose size is set here). False when the device refused.
bool draw(QPagedPaintDevice &device, const QStringList &lines, const QFont &face);

} // namespace PageLayout
