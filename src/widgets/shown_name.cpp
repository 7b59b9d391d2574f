#include "widgets/shown_name.h"

#include <QFontMetrics>

namespace ShownName {

namespace {

constexpr QChar firstStrongIsolate(0x2068);
constexpr QChar popDirectionalIsolate(0x2069);

bool isDirectionControl(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069)
        || c == 0x2028 || c == 0x2029;
}

QString visible(const QString &name)
{
    QString shown;
    shown.reserve(name.size());
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20)
            shown += QChar(0x2400 + u); // the Control Pictures block
        else if (u == 0x7F)
            shown += QChar(0x2421);
        else if ((u >= 0x80 && u < 0xA0) || isDirectionControl(u))
            shown += QStringLiteral("[U+%1]").arg(QString::number(u, 16).toUpper().rightJustified(4, QLatin1Char('0')));
        else
            shown += c;
    }
    return shown;
}

QString isolated(const QString &text)
{
    return firstStrongIsolate + text + popDirectionalIsolate;
}

} // namespace

QString of(const QString &name)
{
    return isolated(visible(name));
}

QString of(const QString &name, int characters)
{
    const QString shown = visible(name);
    if (shown.size() <= characters)
        return isolated(shown);
    qsizetype head = (characters - 1) / 2;
    qsizetype tail = characters - 1 - head;
    // Never half a character that takes two code units.
    if (head > 0 && shown.at(head - 1).isHighSurrogate())
        --head;
    if (tail > 0 && shown.at(shown.size() - tail).isLowSurrogate())
        --tail;
    return isolated(shown.left(head) + QChar(0x2026) + shown.right(tail));
}

QString of(const QString &name, const QFontMetrics &metrics, int width)
{
    return isolated(metrics.elidedText(visible(name), Qt::ElideMiddle, width));
}

} // namespace ShownName
