#pragma once

#include "action.h"

#include <QRandomGenerator>

class QWidget;

namespace monkey {

// Picks the user's next action from what is on screen: an open popup or modal box is answered
// (now and then after a stray click at the window behind it); otherwise the main window or the
// about box gets a click, text, a key, a wheel turn or a close. Exit and printing are kept rare.
// Stands for the folder where sheets may be saved in a typed path; the session puts in the real
// one, which differs from run to run.
inline constexpr QStringView SheetsFolder = u"{sheets}";

class Chooser
{
public:
    explicit Chooser(quint64 seed);

    Action next(QWidget *mainWindow);

private:
    Action forWindow(QWidget *mainWindow, QWidget *window);
    Action forPopup(QWidget *mainWindow, QWidget *popup);
    Action forModal(QWidget *mainWindow, QWidget *modal);
    Action forAbout(QWidget *mainWindow, QWidget *about);
    Action textInto(QWidget *mainWindow, QWidget *box);
    Action randomKey(QWidget *window);
    Action clickOn(QWidget *mainWindow, QWidget *widget, ActionKind kind = ActionKind::Click);
    bool rarely(int percentKept);

    QRandomGenerator m_random;
};

} // namespace monkey
