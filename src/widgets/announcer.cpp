#include "widgets/announcer.h"

#include "widgets/accessibility.h"

Announcer::Announcer(QWidget *window)
    : QWidget(window)
{
    Accessibility::makeNotification(this);
    setObjectName(QStringLiteral("announcer"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::say(const QString &message)
{
    // Shown anew for every message, the same one again included: showing is
    // what a screen reader hears.
    hide();
    setAccessibleName(message);
    show();
}
