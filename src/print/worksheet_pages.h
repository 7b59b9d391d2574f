#pragma once

#include "print/worksheet_layout.h"

class QPagedPaintDevice;
struct Puzzle;

// The worksheet's one print path: the preview, a printer and a PDF file all
// get their pages here, differing only in the device handed in.
namespace WorksheetPages {

// The layout of `puzzle` on `device`'s printable page, in the worksheet's
// face at the device's resolution.
WorksheetLayout::Layout layout(const QPagedPaintDevice &device, const Puzzle &puzzle,
                               const WorksheetLayout::Options &options);

// Draws every page. False when the device refused the drawing.
bool draw(QPagedPaintDevice &device, const Puzzle &puzzle, const WorksheetLayout::Options &options);

} // namespace WorksheetPages
