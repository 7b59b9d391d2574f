#include "editor/editor_window.h"

EditorWindow::EditorWindow(Windows &windows)
    : m_windows(windows)
{
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(QStringLiteral("Lexmire - Edit Word List"));
}
