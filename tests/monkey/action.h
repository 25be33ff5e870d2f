#pragma once

#include <QList>
#include <QPoint>
#include <QString>

#include <optional>

namespace monkey {

enum class ActionKind {
    Click,       // left button, press and release
    DoubleClick, // two left clicks in the double-click time
    RightClick,  // right button: context menus
    Wheel,       // one wheel turn of `delta` eighths of a degree
    Type,        // a click into the target, then `text` as key presses
    Commit,      // a click into the target, then `text` committed by an input method
    Paste,       // a click into the target, then `text` pasted with Ctrl+V
    Key,         // one key with modifiers, to the window that has the keyboard focus
    Close,       // the window manager's close request to the target's window
};

// One thing the user does, as data: generated from a seed, written to a log line by line,
// read back to replay a run or a part of it on a fresh window.
struct Action
{
    ActionKind kind = ActionKind::Click;
    // Where: "<window>/<widget>", the window by its role (main, about, modal, popup), the widget
    // by its object name or by its class and place among its siblings (see widgetpath.h).
    QString target;
    QPoint at; // in the target widget
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    int delta = 0;
    // What is typed, committed or pasted: `text` repeated `repeat` times.
    QString text;
    int repeat = 1;
    // Which button answers a box that Qt's own code opens in an event loop of its own (for
    // example the file dialog's "replace?" question), should this action open one.
    int answer = 0;

    QString fullText() const { return text.repeated(repeat); }
};

// One line per action, readable and read back by parseAction.
QString formatAction(const Action &action);
std::optional<Action> parseAction(const QString &line);

QString escapeText(const QString &text);

} // namespace monkey
