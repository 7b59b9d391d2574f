#pragma once

#include <QAccessible>

#include <initializer_list>

class QWidget;

// What screen readers are told of the windows, beyond what Qt tells them.
namespace Accessibility {

// A window of the program, told as a frame (Qt says "filler" for a plain
// widget), whose decorations are left out of what it holds.
void makeFrame(QWidget *window);

// Pictures and shapes that only decorate: a screen reader need not visit them.
void hideDecorations(std::initializer_list<QWidget *> decorations);

// A container told as a group named `name`, as its caption reads.
void makeGroup(QWidget *container, const QString &name);

// A notification: shown, it is spoken wherever the focus is.
void makeNotification(QWidget *widget);

} // namespace Accessibility
