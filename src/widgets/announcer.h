#pragma once

#include <QWidget>

// Says a message to screen readers, as a notification that appears with the
// message as its name: Orca speaks a notification when it shows, wherever the
// focus is. Takes no room and is never seen.
class Announcer final : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    void say(const QString &message);
};
