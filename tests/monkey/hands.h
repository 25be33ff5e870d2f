#pragma once

#include <QPoint>
#include <QString>

class QWidget;
class QWindow;

namespace monkey {

// The user's hands: mouse, wheel and keyboard events handed to Qt the way the platform hands
// them over, to a window, so that Qt decides who gets them (popups, modal boxes, grabs, the
// keyboard focus). Events carry times of a clock of their own that moves on by a second between
// gestures: whether two clicks make a double click never depends on how fast the machine is.
class Hands
{
public:
    void click(QWidget *widget, QPoint at, Qt::MouseButton button, int times = 1);
    void wheel(QWidget *widget, QPoint at, int delta);
    // To the window with the keyboard focus; `text` is what the key types.
    void key(int key, Qt::KeyboardModifiers modifiers, const QString &text = {});
    // Key presses for each character: Tab, Return and the other control characters as the keys
    // that type them.
    void typeText(const QString &text);
    // What an input method commits, sent to the focus object when it accepts input methods.
    void commit(const QString &text);
    void paste(const QString &text);
    // The window manager's close button.
    void close(QWidget *window);

    // Lets Qt deliver what was sent and whatever that sets off: posted events and deletions.
    static void settle();

private:
    void mouse(QWindow *window, QPoint global, Qt::MouseButtons buttons, Qt::MouseButton button,
               int type);
    ulong tick(ulong step = 1000);

    ulong m_clock = 0;
};

} // namespace monkey
