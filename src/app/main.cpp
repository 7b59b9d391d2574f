#include "app/main_window.h"
#include "app/qt_platform.h"
#include "app/windows.h"
#include "widgets/pictures.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lexmire"));
    QApplication::setOrganizationName(QStringLiteral("Lexmire"));
    // Not applicationDisplayName: Qt would append it to every window title.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lexmire.Lexmire"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(Pictures::appIcon(size));
    QApplication::setWindowIcon(icon);
    // The program ends only through Exit, never because its last window hid.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPlatform platform;
    Windows windows(platform.platform());

    Windows::show(windows.frmMain());
    return QApplication::exec();
}
