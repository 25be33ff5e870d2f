#include "hands.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>

namespace monkey {

namespace {

QWindow *focusWindow()
{
    if (QWindow *window = QGuiApplication::focusWindow())
        return window;
    QWidget *active = QApplication::activeWindow();
    return active ? active->windowHandle() : nullptr;
}

// The buttons that are up now, for telling which of them a key presses.
QList<QPointer<QAbstractButton>> buttonsUp()
{
    QList<QPointer<QAbstractButton>> up;
    for (const QWidget *top : QApplication::topLevelWidgets()) {
        for (QAbstractButton *button : top->findChildren<QAbstractButton *>()) {
            if (button->isVisible() && !button->isDown())
                up.append(button);
        }
    }
    return up;
}

bool anyDown(const QList<QPointer<QAbstractButton>> &buttons)
{
    return std::any_of(buttons.begin(), buttons.end(), [](const QPointer<QAbstractButton> &button) {
        return button && button->isDown();
    });
}

// What a key types, as the platform reports it with the key press.
QString textOfKey(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    case Qt::Key_Space:
        return QStringLiteral(" ");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    default:
        break;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        if (modifiers & Qt::ControlModifier)
            return QString(QChar(key - Qt::Key_A + 1));
        return QString(QChar(key - Qt::Key_A + u'a'));
    }
    return {};
}

// The key that types `character` (0 for none), and the modifiers it is typed with.
int keyForCharacter(QChar character, Qt::KeyboardModifiers *modifiers)
{
    *modifiers = Qt::NoModifier;
    switch (character.unicode()) {
    case u'\t':
        return Qt::Key_Tab;
    case u'\n':
    case u'\r':
        return Qt::Key_Return;
    case u'\b':
        return Qt::Key_Backspace;
    case 0x1b:
        return Qt::Key_Escape;
    case 0x7f:
        return Qt::Key_Delete;
    default:
        break;
    }
    const char16_t code = character.unicode();
    if (code > 0 && code < 0x20) { // Ctrl+A types 0x01
        *modifiers = Qt::ControlModifier;
        return Qt::Key_A + code - 1;
    }
    if (code >= u'a' && code <= u'z')
        return Qt::Key_A + (code - u'a');
    if (code >= 0x20 && code < 0x7f)
        return code;
    return code == 0 ? 0 : Qt::Key_unknown;
}

} // namespace

ulong Hands::tick(ulong step)
{
    m_clock += step;
    return m_clock;
}

void Hands::mouse(QWindow *window, QPoint global, Qt::MouseButtons buttons, Qt::MouseButton button,
                  int type)
{
    const QPoint local = window->mapFromGlobal(global);
    QWindowSystemInterface::handleMouseEvent(window, tick(20), local, global, buttons, button,
                                             QEvent::Type(type));
    settle();
}

void Hands::click(QWidget *widget, QPoint at, Qt::MouseButton button, int times)
{
    QWindow *window = widget->window()->windowHandle();
    if (!window)
        return;
    const QPoint global = widget->mapToGlobal(at);
    tick();
    // Click to focus, as window managers do; a modal box takes the focus from its window.
    if (!QApplication::activePopupWidget()) {
        QWidget *modal = QApplication::activeModalWidget();
        QWidget *focus = modal ? modal : widget->window();
        if (!focus->isActiveWindow()) {
            focus->activateWindow();
            settle();
        }
    }
    // Each step may close the window or the widget (a click on Exit or OK): the window is only
    // used while it still exists.
    const QPointer<QWindow> alive(window);
    mouse(window, global, Qt::NoButton, Qt::NoButton, QEvent::MouseMove);
    for (int i = 0; i < times && alive; ++i) {
        mouse(window, global, button, button, QEvent::MouseButtonPress);
        if (alive)
            mouse(window, global, Qt::NoButton, button, QEvent::MouseButtonRelease);
    }
}

void Hands::wheel(QWidget *widget, QPoint at, int delta)
{
    QWindow *window = widget->window()->windowHandle();
    if (!window)
        return;
    const QPoint global = widget->mapToGlobal(at);
    QWindowSystemInterface::handleWheelEvent(window, tick(), window->mapFromGlobal(global), global,
                                             QPoint(), QPoint(0, delta));
    settle();
}

void Hands::key(int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    QWindow *window = focusWindow();
    if (!window)
        return;
    const QPointer<QWindow> alive(window);
    const QString typed = text.isEmpty() ? textOfKey(key, modifiers) : text;
    const QList<QPointer<QAbstractButton>> upBefore = buttonsUp();
    QWindowSystemInterface::handleKeyEvent(window, tick(50), QEvent::KeyPress, key, modifiers,
                                           typed);
    settle();
    if (alive)
        QWindowSystemInterface::handleKeyEvent(window, tick(50), QEvent::KeyRelease, key, modifiers,
                                               typed);
    settle();
    // A button's access key, and Return or Escape in a dialog, hold the button down for 100 ms
    // before it clicks: the key's effect belongs to this action.
    QElapsedTimer waited;
    waited.start();
    while (anyDown(upBefore) && waited.elapsed() < 10000) {
        QThread::msleep(10);
        settle();
    }
}

void Hands::typeText(const QString &text)
{
    for (const QChar character : text) {
        Qt::KeyboardModifiers modifiers;
        const int code = keyForCharacter(character, &modifiers);
        if (code != 0)
            key(code, modifiers, QString(character));
    }
}

void Hands::commit(const QString &text)
{
    QObject *focus = QGuiApplication::focusObject();
    if (!focus)
        return;
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(focus, &query);
    if (!query.value(Qt::ImEnabled).toBool())
        return;
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(focus, &event);
    settle();
}

void Hands::paste(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    key(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
}

void Hands::close(QWidget *window)
{
    if (QWindow *handle = window->windowHandle())
        QWindowSystemInterface::handleCloseEvent(handle);
    settle();
}

void Hands::settle()
{
    // Twice: a window shown in the first round is activated in the second, as the window
    // manager would do before the user's next move.
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::processEvents();
        QWindowSystemInterface::flushWindowSystemEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace monkey
