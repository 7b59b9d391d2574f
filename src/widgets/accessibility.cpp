#include "widgets/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

#include <mutex>

namespace {

constexpr char roleProperty[] = "lexmireRole";
constexpr char decorationProperty[] = "lexmireDecoration";

// A window or a group that leaves its decorations out of its children.
class ContainerAccessible final : public QAccessibleWidget
{
public:
    ContainerAccessible(QWidget *container, QAccessible::Role role)
        : QAccessibleWidget(container, role)
    {
    }

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QWidgetList children = shownChildren();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index))
                                                     : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? static_cast<int>(shownChildren().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QWidgetList shownChildren() const
    {
        QWidgetList children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !child->property(decorationProperty).toBool())
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(roleProperty);
    if (!role.isValid())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    const auto asked = static_cast<QAccessible::Role>(role.toInt());
    if (asked == QAccessible::Window || asked == QAccessible::Grouping)
        return new ContainerAccessible(widget, asked);
    return new QAccessibleWidget(widget, asked);
}

void setRole(QWidget *widget, QAccessible::Role role)
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(factory); });
    widget->setProperty(roleProperty, static_cast<int>(role));
    // Qt may have made (and kept) the widget's interface while constructing
    // it, before it had this role; the next query makes it anew.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace

namespace Accessibility {

void makeFrame(QWidget *window)
{
    setRole(window, QAccessible::Window);
}

void hideDecorations(std::initializer_list<QWidget *> decorations)
{
    for (QWidget *decoration : decorations)
        decoration->setProperty(decorationProperty, true);
}

void makeGroup(QWidget *container, const QString &name)
{
    setRole(container, QAccessible::Grouping);
    container->setAccessibleName(name);
}

void makeNotification(QWidget *widget)
{
    setRole(widget, QAccessible::Notification);
}

} // namespace Accessibility
