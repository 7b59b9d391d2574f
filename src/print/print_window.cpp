#include "print/print_window.h"

PrintWindow::PrintWindow(Windows &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Lexmire - Print Options"));
}
