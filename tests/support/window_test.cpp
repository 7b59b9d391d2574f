#include "window_test.h"

#include "app/main_window.h"

#include <QEvent>
#include <QTest>

TestProgram::TestProgram()
    : windows(std::make_unique<Windows>(fakes.platform()))
{
    Windows::show(windows->frmMain());
}

TestProgram::~TestProgram() = default;

bool CloseRecorder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close)
        closed.append(watched->objectName());
    return QObject::eventFilter(watched, event);
}
