#include "look.h"

#include <QWidget>

namespace Look {

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(px(left), px(top), px(width), px(height));
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
    window->setStyleSheet(QStringLiteral(
        "QWidget#%1 { background-color: white; }"
        "QPushButton { background-color: rgb(255,128,0); color: black; border: 1px solid rgb(96,48,0);"
        " padding: 2px; }"
        "QPushButton:pressed { background-color: rgb(224,112,0); }"
        "QPushButton:disabled { color: rgb(128,64,0); }"
        "QPushButton:focus { border: 2px solid black; }"
        "QRadioButton { background-color: rgb(255,128,0); color: black; }"
        "QLabel { color: rgb(255,128,0); background: transparent; }")
                               .arg(window->objectName()));
}

void makeRedText(QWidget *widget)
{
    widget->setStyleSheet(QStringLiteral("color: red; background-color: white;"));
}

} // namespace Look
