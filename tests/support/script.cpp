#include "script.h"

#include "app/main_window.h"
#include "editor/editor_window.h"
#include "platform/grid_view.h"
#include "platform/list_box.h"
#include "platform/qt_text_printer.h"
#include "print/print_window.h"
#include "puzzle/puzzle_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

using namespace Qt::StringLiterals;

TestProgram::TestProgram(bool toPdf)
{
    Platform platform = fakes.platform();
    if (toPdf) {
        printer = std::make_unique<QtTextPrinter>(fakes, fakes);
        platform.printer = printer.get();
    }
    windows = std::make_unique<Windows>(platform);
    Windows::show(windows->frmMain());
}

TestProgram::~TestProgram() = default;

namespace {

QString rowsOf(const CellGrid &grid)
{
    QStringList rows;
    for (int r = 0; r < grid.rows(); ++r) {
        rows.append(QString());
        for (int c = 0; c < grid.cols(); ++c)
            rows.last() += grid.text(r, c).isEmpty() ? u"."_s : grid.text(r, c);
    }
    return rows.join(u'/');
}

} // namespace

QStringList steps(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *step : list)
        result.append(QString::fromUtf8(step));
    return result;
}

Script::Script(TestProgram &program)
    : m_program(program)
{
    QCoreApplication::instance()->installEventFilter(this);
    program.fakes.onExit = [this] { m_closed.append(u"exit"_s); };
}

bool Script::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && watched->isWidgetType() && watched->objectName().startsWith(u"frm"))
        m_closed.append(watched->objectName());
    return QObject::eventFilter(watched, event);
}

QWidget *Script::find(const QString &name) const
{
    QWidgetList windows = QApplication::topLevelWidgets(); // the visible first, each kind in a fixed order
    windows.removeIf([](QWidget *top) { return !top->objectName().startsWith(u"frm"); });
    std::ranges::sort(windows, {}, [](QWidget *top) { return std::pair(!top->isVisible(), top->objectName()); });
    const QString window = name.section(u'.', 0, -2);
    const QString control = name.section(u'.', -1);
    for (QWidget *top : windows) {
        if (window.isEmpty() || top->objectName() == window) {
            if (auto *found = top->objectName() == control ? top : top->findChild<QWidget *>(control))
                return found;
        }
    }
    return nullptr;
}

QString Script::read(const QString &name)
{
    TestProgram &p = m_program;
    const FakePlatform &f = p.fakes;
    const QHash<QString, std::function<QString()>> readings{
        {u"box"_s, [&] { return f.shown.value(f.shown.size() - 1); }},
        {u"boxes"_s, [&] { return QString::number(f.shown.size()); }},
        {u"job"_s, [&] { return f.jobs.value(f.jobs.size() - 1).join(u'/'); }},
        {u"jobs"_s, [&] { return QString::number(f.jobs.size()); }},
        {u"blinks"_s, [&] { // the alert line after each tick until its timer stops (at most six)
             QStringList texts;
             for (int tick = 0; tick < 6 && p.editor()->tmralert->isActive(); ++tick) {
                 QMetaObject::invokeMethod(p.editor(), "tmralert_Timer");
                 texts.append(p.editor()->lblalert->text());
             }
             return texts.join(u'|');
         }},
        {u"lstUsed"_s, [&] { return p.puzzle()->lstUsed.join(u','); }},
        {u"lstnotused"_s, [&] { return p.puzzle()->lstnotused.join(u','); }},
        {u"GrdPuzzle"_s, [&] { return rowsOf(p.puzzle()->GrdPuzzle); }},
        {u"GrdAnswer"_s, [&] { return rowsOf(p.puzzle()->GrdAnswer); }},
        {u"widths"_s, [&]() -> QString { return u"%1,%2,%3"_s.arg(p.puzzle()->GrdGridder->grid().colWidth())
                                .arg(p.puzzle()->GrdPuzzle.colWidth()).arg(p.puzzle()->GrdAnswer.colWidth()); }},
        {u"limit"_s, [&] { return QString::number(p.puzzle()->attemptLimit()); }},
        {u"reseeds"_s, [&] { return QString::number(f.random.reseeds); }},
        {u"exits"_s, [&] { return QString::number(m_closed.count(u"exit"_s)); }},
        {u"closed"_s, [&] { return m_closed.join(u','); }},
        {u"pressed"_s, [&] { return m_pressed.join(u','); }},
        {u"fonts"_s, [&] { return f.fontNames.join(u','); }},
        {u"dialog"_s, [&] { return f.dialogs.value(f.dialogs.size() - 1); }},
        {u"marks"_s, [&] { // "+": struck out and greyed, "-": neither, "?": one without the other
             QString marks;
             for (int row = 0; row < p.puzzle()->lstWerds->count(); ++row) {
                 const QModelIndex index = p.puzzle()->lstWerds->model()->index(row, 0);
                 const bool struck = index.data(Qt::FontRole).value<QFont>().strikeOut();
                 const bool grey = index.data(Qt::ForegroundRole).value<QBrush>().color() == QColor(150, 150, 150);
                 marks += struck && grey ? u'+' : !struck && !grey ? u'-' : u'?';
             }
             return marks;
         }},
        {u"cells"_s, [&]() -> QString { // the visible grid's cells in pixels, and how their letters stand
             GridView *grid = p.puzzle()->GrdGridder;
             const QModelIndex first = grid->model()->index(0, 0);
             return u"%1x%2 %3"_s.arg(grid->columnWidth(0)).arg(grid->rowHeight(0))
                 .arg(first.data(Qt::TextAlignmentRole).toInt() == Qt::AlignCenter ? u"centred"_s : u"aside"_s);
         }},
    };
    if (readings.contains(name))
        return readings.value(name)();
    if (name == u"unnamed") { // focusable controls a screen reader could not name
        QStringList unnamed;
        for (QWidget *top : QApplication::topLevelWidgets())
            for (QWidget *control : top->objectName().startsWith(u"frm") ? top->findChildren<QWidget *>() : QWidgetList{})
                if ((control->focusPolicy() & Qt::TabFocus)
                    && QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
                    unnamed.append(control->objectName());
        return unnamed.join(u',');
    }
    if (name.startsWith(u"shown:") || name.startsWith(u"disabled:")) {
        if (m_watched.contains(name)) // as the watched run saw them
            return m_watched.take(name);
        QStringList controls;
        for (QWidget *control : find(name.section(u':', 1))->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (name.startsWith(u"shown:") ? control->isVisible() : !control->isEnabled())
                controls.append(control->objectName());
        controls.sort();
        return controls.join(u' ');
    }
    if (name.startsWith(u"tip:")) // of a list's first entry
        return static_cast<QListView *>(find(name.mid(4)))->model()->index(0, 0).data(Qt::ToolTipRole).toString();
    if (name.startsWith(u"file:")) {
        QFile file(path(name.mid(5)));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : u"<none>"_s;
    }
    for (QWidget *top : QApplication::topLevelWidgets()) // a timer reads as its interval
        if (auto *timer = top->findChild<QTimer *>(name); timer && top->objectName().startsWith(u"frm"))
            return QString::number(timer->interval());
    QWidget *control = find(name.section(u':', -1));
    if (!control)
        return u"<no %1>"_s.arg(name);
    if (name.startsWith(u"name:"))
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    if (control->isWindow())
        return control->windowTitle();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    if (auto *bar = qobject_cast<QScrollBar *>(control))
        return QString::number(bar->value());
    if (auto *progress = qobject_cast<QProgressBar *>(control))
        return u"%1/%2"_s.arg(progress->value()).arg(progress->maximum());
    if (auto *grid = qobject_cast<GridView *>(control))
        return rowsOf(grid->grid());
    QStringList entries;
    const QAbstractItemModel *model = static_cast<QListView *>(control)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        entries.append(model->index(row, 0).data().toString());
    return entries.join(u',');
}

QString Script::check(const QString &step)
{
    const qsizetype equals = step.indexOf(u'=');
    const qsizetype colon = step.indexOf(u':');
    if (equals > 0) { // no state check holds a "="
        const QString actual = read(step.left(equals));
        return actual == step.mid(equals + 1) ? QString() : step + u"  but it is: "_s + actual;
    }
    const QString name = step.left(colon);
    const QString state = step.mid(colon + 1);
    bool holds = false;
    if (state == u"running" || state == u"stopped") {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *timer = top->findChild<QTimer *>(name))
                holds = timer->isActive() == (state == u"running");
    } else if (QWidget *control = find(name)) {
        auto *button = qobject_cast<QAbstractButton *>(control);
        holds = state == u"shown" ? control->isVisible()
            : state == u"hidden"  ? !control->isVisible()
            : state == u"on"      ? control->isEnabled()
            : state == u"off"     ? !control->isEnabled()
            : state == u"checked" ? button && button->isChecked()
            : state == u"centred" || state == u"moved"
                ? ((control->frameGeometry().center() - control->screen()->availableGeometry().center()).manhattanLength()
                   <= 6) == (state == u"centred") // give or take a frame
            : state == u"focus"   && control->window()->focusWidget() == control;
    }
    const QWidget *focus = QApplication::focusWidget();
    return holds ? QString() : step + u" does not hold (focus: %1)"_s.arg(focus ? focus->objectName() : QString());
}

QString Script::act(const QString &verb, const QString &argument)
{
    FakePlatform &f = m_program.fakes;
    const QString name = argument.section(u' ', 0, 0);
    const QString rest = argument.section(u' ', 1);
    if (verb == u"open" || verb == u"save") {
        (verb == u"open" ? f.openAnswers : f.saveAnswers).append(argument.isEmpty() ? QString() : path(argument));
    } else if (verb == u"type" || verb == u"add") {
        QLineEdit *box = m_program.editor()->txtinput;
        for (const QString &word : verb == u"type" ? QStringList{argument} : argument.split(u',')) {
            box->setText(word);
            if (verb == u"add")
                QTest::keyClick(box, Qt::Key_Return);
        }
    } else if (verb == u"file") {
        QFile file(path(name));
        const QByteArray bytes = rest.toLatin1(); // a byte a character, as the program reads files
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? QString() : u"unwritable"_s;
    } else if (verb == u"draws") {
        f.random.position = 0;
        f.random.draws = argument == u"spread" ? spreadDraws(400000, 5) : std::vector<float>();
        for (const QString &draw : argument == u"spread" ? QStringList() : argument.split(u' '))
            f.random.draws.push_back(drawFor(draw.section(u'/', 0, 0).toInt(), draw.section(u'/', 1).toInt()));
    } else if (verb == u"press" || verb == u"keys") {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!QApplication::focusWidget() && top->isVisible() && top->objectName().startsWith(u"frm")) {
                top->activateWindow(); // as a window manager does a newly shown window
                if (!QTest::qWaitForWindowActive(top))
                    return top->objectName() + u" never became active"_s;
            }
        }
        QWidget *target = QApplication::focusWidget();
        if (!target)
            return u"no window has the focus"_s;
        if (verb == u"keys") {
            QTest::keyClicks(target, argument);
            return {};
        }
        const QKeyCombination key = QKeySequence::fromString(argument)[0];
        m_pressed.clear();
        QObject listening; // the connections end with it
        for (QWidget *top : QApplication::topLevelWidgets())
            for (QPushButton *button : top->findChildren<QPushButton *>())
                connect(button, &QPushButton::clicked, &listening, [&, button] { m_pressed << button->objectName(); });
        const Qt::KeyboardModifiers keypad = key.key() == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(target, key.key(), key.keyboardModifiers() | keypad);
    } else if (verb == u"watch") { // the window's controls as the next run sees them, at its first draw
        f.random.onNext = [this, argument] {
            for (const QString &what : QStringList{u"shown:"_s + argument, u"disabled:"_s + argument})
                m_watched.insert(what, read(what));
            m_program.fakes.random.onNext = nullptr;
        };
    } else if (verb == u"tick") {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->findChild<QTimer *>(argument) && top->objectName().startsWith(u"frm"))
                QMetaObject::invokeMethod(top, (argument + u"_Timer"_s).toLatin1().constData());
    } else if (QWidget *control = find(name)) {
        if (verb == u"click")
            static_cast<QAbstractButton *>(control)->click();
        else if (verb == u"focus")
            control->setFocus(Qt::TabFocusReason);
        else if (verb == u"move") // as a user drags a window
            control->move(control->pos() + QPoint(40, 30));
        else if (verb == u"set")
            static_cast<QScrollBar *>(control)->setValue(rest.toInt());
        else if (verb == u"close") { // as from the title bar: a spontaneous close, which sendEvent() would not keep
            QCloseEvent event;
            QSpontaneKeyEvent::setSpontaneous(&event);
            QCoreApplication::instance()->notify(control, &event);
            if (event.isAccepted())
                control->hide();
        } else if (verb == u"activate") {
            control->activateWindow();
            return QTest::qWaitForWindowActive(control) ? QString() : u"not active"_s;
        } else if (verb == u"wheel") {
            const QPointF centre = QRectF(control->rect()).center();
            QWheelEvent wheel(centre, control->mapToGlobal(centre), {}, QPoint(0, -120 * rest.toInt()), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(control, &wheel);
        } else if (verb == u"row" || verb == u"dblclick") {
            auto *list = static_cast<QListView *>(control);
            const QPoint at = rest.toInt() < 0 ? list->viewport()->rect().bottomRight() - QPoint(3, 3)
                                               : list->visualRect(list->model()->index(rest.toInt(), 0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            if (verb == u"dblclick")
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        } else
            return u"no such step"_s;
    } else {
        return u"no control"_s;
    }
    return {};
}

QString Script::run(const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString verb = step.section(u' ', 0, 0);
        const bool action = !verb.contains(u'=') && !verb.contains(u':');
        const QString failure = action ? act(verb, step.section(u' ', 1)) : check(step);
        if (!failure.isEmpty())
            return u"at \"%1\": %2"_s.arg(step, failure);
    }
    return {};
}
