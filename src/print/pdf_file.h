#pragma once

#include <QString>

#include <functional>

class QPdfWriter;

namespace PdfFile {

// Draws a PDF whole in memory with `draw` (false: it could not), then saves
// it whole or not at all: the PDF engine does not report its write errors,
// and a file must not be cut short or left behind. Empty when saved, else why not.
QString save(const QString &path, const std::function<bool(QPdfWriter &)> &draw);

} // namespace PdfFile
