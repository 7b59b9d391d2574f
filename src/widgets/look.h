#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

#include <initializer_list>
#include <utility>

class QFrame;
class QObject;
class QRadioButton;
class QWidget;

namespace Look {

inline constexpr QColor orange{255, 128, 0};

// 1 twip = 1/15 px at 96 dpi.
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

// Gives each control its name (the one tests and screen readers know it by).
void setNames(std::initializer_list<std::pair<QObject *, const char *>> controls);

// Places a control by its layout in twips, in the window's coordinates.
void place(QWidget *widget, int left, int top, int width, int height);

// Sets the keyboard order of the controls, first to last.
void setTabChain(std::initializer_list<QWidget *> controls);

// A group of exclusive options is one stop for Tab, at the selected option.
void makeOneTabStop(const QList<QRadioButton *> &options);

// Every push button of `window` takes Return and Enter when it has the
// focus, as it takes Space; outside dialogs Qt would leave Enter to the window.
void pressButtonsWithEnter(QWidget *window);

QFont font(const QString &family, qreal points, bool bold = false, bool italic = false);

// A white top-level window whose buttons, option buttons and frames show
// orange faces and whose labels show orange text. The colours are set by style
// sheet: a palette colour would be shaded by the style.
void applyWindowLook(QWidget *window);

// A filled orange rectangle with a thin dark outline; `shape` must be named.
void makeOrangeShape(QFrame *shape);

// Red text, for the list boxes and the editor's input box.
void makeRedText(QWidget *widget);

} // namespace Look
