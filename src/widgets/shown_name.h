#pragma once

#include <QString>

class QFontMetrics;

// A file's name or path as a message shows it. Names come from outside and
// may hold anything: a line feed would break a one-line message, a
// right-to-left override would turn the words after it around. So control
// and direction characters are shown visibly (a line feed as "␊", an
// override as "[U+202E]"), and the whole name is isolated (U+2068 ... U+2069)
// so that its own direction stays inside it.
namespace ShownName {

// The name whole.
QString of(const QString &name);
// At most `characters` long before isolation, shortened in its middle.
QString of(const QString &name, int characters);
// At most `width` wide in `metrics`, shortened in its middle.
QString of(const QString &name, const QFontMetrics &metrics, int width);

} // namespace ShownName
