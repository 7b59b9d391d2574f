#include "program.h"

#include "print/qt_text_printer.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QtTest/qtestspontaneevent.h>

using namespace Qt::StringLiterals;

// Notifications as a screen reader hears them: each time one shows, its name.
namespace {
class Listener final : public QObject
{
public:
    QStringList heard;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(watched);
            if (shown && shown->role() == QAccessible::Notification)
                heard.append(shown->text(QAccessible::Name));
        }
        return false;
    }
};
Listener &listener()
{
    static auto *one = new Listener; // kept: it listens for the whole run
    return *one;
}
} // namespace

QStringList spoken()
{
    return std::exchange(listener().heard, {});
}

Program::Program(bool realPrinter)
{
    QCoreApplication::instance()->installEventFilter(&listener());
    spoken();
    if (realPrinter)
        printer = std::make_unique<QtTextPrinter>(fakes, fakes);
    windows = std::make_unique<Windows>(fakes.platform(printer.get()));
    Windows::show(windows->frmMain());
}

Program::~Program() = default;

QObject *Detail::find(QWidget *window, const char *name, const QMetaObject &type, const std::source_location &at)
{
    QObject *found
        = window->objectName() == QLatin1String(name) ? window : window->findChild<QObject *>(QLatin1String(name));
    if (!found || !found->metaObject()->inherits(&type))
        QTest::qFail(qPrintable(found ? u"%1.%2 is a %3, not a %4"_s.arg(
                                    window->objectName(), QLatin1String(name),
                                    QLatin1String(found->metaObject()->className()), QLatin1String(type.className()))
                                      : u"%1 has no control named %2"_s.arg(window->objectName(), QLatin1String(name))),
                     at.file_name(), int(at.line()));
    return found;
}

void click(QWidget *window, const QByteArray &name, std::source_location at)
{
    auto *button = control<QAbstractButton>(window, name, at);
    if (button->isVisible() && button->isEnabled())
        button->click();
    else
        QTest::qFail(qPrintable(u"%1.%2 is %3: no user can click it"_s.arg(
                         window->objectName(), QLatin1String(name), button->isVisible() ? u"disabled"_s : u"hidden"_s)),
                     at.file_name(), int(at.line()));
}

void addWords(Program &program, const QStringList &words)
{
    for (const QString &word : words) {
        control<QLineEdit>(program.editor(), "txtinput")->setText(word);
        QTest::keyClick(control<QLineEdit>(program.editor(), "txtinput"), Qt::Key_Return);
    }
}

static QWidget *frontWindow() // the active window, or else the one shown
{
    QWidget *front = QApplication::activeWindow();
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->objectName().startsWith(u"frm") && !(front && front->isVisible()))
            front = top;
    return front;
}

void press(QKeyCombination key)
{
    QWidget *window = frontWindow();
    QVERIFY2(window, "no window is shown");
    window->activateWindow(); // as a window manager does a newly shown window
    QVERIFY(QTest::qWaitForWindowActive(window));
    const auto keypad = key.key() == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key.key(),
                    key.keyboardModifiers() | keypad);
}

void clickEntry(QAbstractItemView *list, int row, bool twice)
{
    list->doItemsLayout();
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void closeFromTitleBar(QWidget *window)
{
    QCloseEvent event; // spontaneous, as the window manager's is; sendEvent() would not keep that
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::instance()->notify(window, &event);
    if (event.isAccepted())
        window->hide();
}

void tick(QWidget *window, const char *timer)
{
    QVERIFY2(QMetaObject::invokeMethod(window, QByteArray(timer + "_Timer"_ba).constData()), timer);
}

char *toString(const Seen &s)
{
    const QRect &r = s.place;
    return qstrdup(qPrintable(QString::asprintf("\"%s\" at %d,%d %dx%d in %s, face %s, ink %s", qPrintable(s.caption),
                                                r.x(), r.y(), r.width(), r.height(), qPrintable(s.font),
                                                qPrintable(s.face.name()), qPrintable(s.ink.name()))));
}

Seen seen(QWidget *c, const Seen &expected)
{
    auto *button = qobject_cast<QAbstractButton *>(c);
    auto *label = qobject_cast<QLabel *>(c);
    const QImage image = expected.face.isValid() ? onScreen(c) : QImage();
    c->ensurePolished();
    const QFont f = c->font();
    const QString font = QString::asprintf("%s %g%s%s", qPrintable(f.family()), f.pointSizeF(), f.bold() ? " bold" : "",
                                           f.italic() ? " italic" : "");
    const QString caption = c->isWindow() ? c->windowTitle()
        : button                          ? button->text()
        : label                           ? label->text()
                                          : QString();
    const auto role = qobject_cast<QAbstractItemView *>(c) ? QPalette::Text
        : button                                           ? QPalette::ButtonText
                                                           : QPalette::WindowText;
    return {caption, QRect(c->isWindow() ? QPoint() : c->mapTo(c->window(), QPoint()), c->size()),
            expected.font.isEmpty() ? QString() : font,
            image.isNull() ? QColor() : image.pixelColor(image.width() - 4, image.height() / 2),
            c->palette().color(role)};
}

QStringList entries(QAbstractItemView *list)
{
    auto *delegate = qobject_cast<QStyledItemDelegate *>(list->itemDelegate());
    QStringList texts;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        texts.append(delegate->displayText(list->model()->index(row, 0).data(), QLocale()));
    return texts;
}

QString rows(QAbstractItemView *grid)
{
    QString rows;
    for (int r = 0, cols = grid->model()->columnCount(); r < grid->model()->rowCount(); ++r, rows += u'/')
        for (int c = 0; c < cols; ++c)
            rows += grid->model()->index(r, c).data().toString().leftJustified(1, u'.');
    return rows.chopped(rows.isEmpty() ? 0 : 1);
}

QString marks(QAbstractItemView *list)
{
    QString result;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        const bool struck = index.data(Qt::FontRole).value<QFont>().strikeOut();
        const bool grey = index.data(Qt::ForegroundRole).value<QBrush>().color() == QColor(150, 150, 150);
        result += struck && grey ? u'+' : !struck && !grey ? u'-' : u'?';
    }
    return result;
}

static QStringList controlsWhere(QWidget *window, bool (*keep)(QWidget *))
{
    QStringList names;
    for (QWidget *child : window->findChildren<QWidget *>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(u"qt_") && child->window() == window
            && keep(child))
            names.append(child->objectName());
    names.sort();
    return names;
}
QStringList shown(QWidget *window)
{
    return controlsWhere(window, [](QWidget *w) { return w->isVisible() && !w->size().isEmpty(); });
}
QStringList disabled(QWidget *window)
{
    return controlsWhere(window, [](QWidget *w) { return !w->isEnabled(); });
}

QString focused()
{
    QWidget *window = frontWindow();
    return window && window->focusWidget() ? window->focusWidget()->objectName() : u"(none)"_s;
}

QString accessibleName(QWidget *control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

QStringList tabOrder(int stops)
{
    QStringList visited;
    for (int i = 0; i < stops; ++i) {
        press(Qt::Key_Tab);
        visited.append(focused());
    }
    return visited;
}

QImage onScreen(QWidget *control)
{
    QWidget *window = control->window();
    if (!QTest::qWaitForWindowExposed(window))
        return {};
    QCoreApplication::processEvents(); // the updates the last change asked for
    const QPoint at = control->mapTo(window, QPoint());
    return window->screen()->grabWindow(window->winId(), at.x(), at.y(), control->width(), control->height()).toImage();
}

int inkedCells(QAbstractItemView *grid)
{
    const QImage image = onScreen(grid->viewport());
    int inked = 0;
    for (int r = 0; r < grid->model()->rowCount(); ++r) {
        for (int c = 0; c < grid->model()->columnCount(); ++c) {
            const QRect cell = grid->visualRect(grid->model()->index(r, c)) & image.rect();
            bool ink = false;
            for (int i = 0; i < cell.width() * cell.height() && !ink; ++i)
                ink = qGray(image.pixel(cell.left() + i % cell.width(), cell.top() + i / cell.width())) < 96;
            inked += ink;
        }
    }
    return inked;
}
