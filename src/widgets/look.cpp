#include "widgets/look.h"

#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>

namespace Look {

void setNames(std::initializer_list<std::pair<QObject *, const char *>> controls)
{
    for (const auto &[control, name] : controls)
        control->setObjectName(QString::fromLatin1(name));
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    // In the window's own coordinates, whatever the widget sits in: a control
    // inside a group stands where it would stand without the group.
    const QRect inWindow(px(left), px(top), px(width), px(height));
    const QWidget *parent = widget->parentWidget();
    widget->setGeometry(parent && !parent->isWindow() ? inWindow.translated(-parent->mapTo(parent->window(), QPoint()))
                                                      : inWindow);
}

void setTabChain(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void makeOneTabStop(const QList<QRadioButton *> &options)
{
    // Only the selected option takes Tab; the arrow keys still move among all
    // of them, since Qt moves between exclusive options whatever their policy.
    const auto follow = [options] {
        const auto checked
            = std::find_if(options.begin(), options.end(), [](QRadioButton *o) { return o->isChecked(); });
        QRadioButton *stop = checked != options.end() ? *checked : options.first();
        for (QRadioButton *option : options)
            option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton *option : options)
        QObject::connect(option, &QRadioButton::toggled, option, follow);
    follow();
}

void pressButtonsWithEnter(QWidget *window)
{
    for (QPushButton *button : window->findChildren<QPushButton *>())
        button->setAutoDefault(true);
}

QFont font(const QString &family, qreal points, bool bold, bool italic)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void applyWindowLook(QWidget *window)
{
    // Narrow enough for the captions to fit the twip layouts; a control with a
    // font of its own keeps it.
    window->setFont(font(QStringLiteral("Arial"), 8));
    // Every rule names the window's own controls (its children, and theirs in
    // a group), so the dialogs, message boxes and tooltips it opens keep the
    // desktop's look.
    window->setStyleSheet(
        QStringLiteral(
            "QWidget#%1 { background-color: white; }"
            "#%1 > QPushButton { background-color: rgb(255,128,0); color: black; border: 1px solid rgb(96,48,0);"
            " padding: 2px; }"
            "#%1 > QPushButton:pressed { background-color: rgb(224,112,0); }"
            "#%1 > QPushButton:disabled { color: rgb(128,64,0); }"
            "#%1 > QPushButton:focus { border: 2px solid black; }"
            // Options stand on the window or in a group on it; the focus frame
            // is a plain 2 px line, as on the buttons.
            "#%1 > QRadioButton, #%1 > QFrame > QRadioButton { background-color: rgb(255,128,0); color: black;"
            " border: 2px solid transparent; }"
            "#%1 > QRadioButton:focus, #%1 > QFrame > QRadioButton:focus { border: 2px solid black; }"
            "#%1 > QLabel, #%1 > QFrame > QLabel { color: rgb(255,128,0); background: transparent; }")
            .arg(window->objectName()));
}

void makeOrangeShape(QFrame *shape)
{
    // Named in the rule, so that the controls a shape holds keep their own look.
    shape->setStyleSheet(QStringLiteral("#%1 { background-color: rgb(255,128,0); border: 1px solid rgb(96,48,0); }")
                             .arg(shape->objectName()));
}

void makeRedText(QWidget *widget)
{
    // Rules for the widget's own kind only: a bare rule would reach its scroll
    // bars as well and have them drawn, half-styled, from the style sheet.
    // The focus frame takes the padding's place, so the text never moves.
    widget->setStyleSheet(
        QStringLiteral("QAbstractItemView, QLineEdit { color: red; background-color: white;"
                       " border: 1px solid rgb(160,160,160); padding: 1px; }"
                       "QAbstractItemView:focus, QLineEdit:focus { border: 2px solid black; padding: 0px; }"));
}

} // namespace Look
