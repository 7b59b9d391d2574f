#include "widgets/held_input.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

class InputDropper final : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void dropHeldInput()
{
    InputDropper dropper;
    QCoreApplication::instance()->installEventFilter(&dropper);
    // Everything waiting is delivered now, the input into the filter.
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&dropper);
}
