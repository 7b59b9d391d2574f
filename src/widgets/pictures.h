#pragma once

#include <QPixmap>

class QSize;

// Our own decorative drawings.
namespace Pictures {

// A small letter grid with a word ringed in it, for the main window.
QPixmap wordsearch(const QSize &size);

// A magnifier over letters, behind the print window's buttons.
QPixmap printBackdrop(const QSize &size);

// The program's icon: a ringed word on an orange tile (data/org.lexmire.Lexmire.svg draws the same).
QPixmap appIcon(int size);

} // namespace Pictures
