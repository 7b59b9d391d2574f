#include "window_test.h"

#include "app/main_window.h"
#include "editor/editor_window.h"
#include "platform/grid_view.h"
#include "platform/qt_text_printer.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

TestProgram::TestProgram(bool toPdf)
{
    Platform platform = fakes.platform();
    if (toPdf) {
        printer = std::make_unique<QtTextPrinter>(fakes.messageBox, fakes.fileDialog);
        platform.printer = printer.get();
    }
    windows = std::make_unique<Windows>(platform);
    Windows::show(windows->frmMain());
}

TestProgram::~TestProgram() = default;

bool CloseRecorder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close)
        closed.append(watched->objectName());
    return QObject::eventFilter(watched, event);
}

void closeFromWindowManager(QWidget *window)
{
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    // sendEvent() would clear the spontaneous flag again.
    QCoreApplication::instance()->notify(window, &event);
    if (event.isAccepted())
        window->hide();
}

void enterWords(Windows &windows, const QStringList &words)
{
    EditorWindow *editor = windows.frmEdit();
    for (const QString &word : words) {
        editor->txtinput->setText(word);
        QMetaObject::invokeMethod(editor, "cmdadd_Click");
    }
    QMetaObject::invokeMethod(editor, "cmdBack_Click");
}

QStringList gridRows(const GridView *grid)
{
    QStringList rows;
    for (int r = 0; r < grid->rows(); ++r) {
        QString row;
        for (int c = 0; c < grid->cols(); ++c)
            row += grid->text(r, c).isEmpty() ? QStringLiteral(".") : grid->text(r, c);
        rows.append(row);
    }
    return rows;
}

QStringList blinkToEnd(EditorWindow *editor)
{
    QStringList texts;
    for (int tick = 0; tick < 6 && editor->tmralert->isActive(); ++tick) {
        QMetaObject::invokeMethod(editor, "tmralert_Timer");
        texts.append(editor->lblalert->text());
    }
    return texts;
}
