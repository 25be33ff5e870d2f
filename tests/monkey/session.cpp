#include "session.h"

#include "chooser.h"
#include "widgetpath.h"

#include <ui/window/mainwindow.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QThread>

#include <utility>

namespace monkey {

using namespace Qt::StringLiterals;

namespace {

// Attempts at a nested box before it counts as stuck: about a second.
constexpr int NestedAttempts = 50;

} // namespace

Session::Session(QString sheetsFolder)
    : m_sheetsFolder(std::move(sheetsFolder))
{
    startWindow();
    connect(&m_nestedBoxes, &QTimer::timeout, this, &Session::answerNestedBox);
    m_nestedBoxes.start(20);
}

Session::~Session() = default;

QWidget *Session::mainWindow() const
{
    return m_window.get();
}

void Session::startWindow()
{
    m_window.reset();
    Hands::settle();
    m_window = std::make_unique<molvera::MainWindow>();
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QElapsedTimer waited;
    waited.start();
    while (!m_window->isActiveWindow() && waited.elapsed() < 10000)
        Hands::settle();
    m_invariants.watch(m_window.get());
}

QString Session::perform(const Action &action)
{
    m_current = action;
    m_nestedAttempts = 0;
    m_nestedFailure.clear();
    m_invariants.before(action);
    execute(action);
    // When a box closes, the window manager gives the focus back to the window it was over.
    if (!QGuiApplication::focusWindow() && !QApplication::activePopupWidget()) {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->activateWindow();
        else if (m_window->isVisible())
            m_window->activateWindow();
        Hands::settle();
    }
    QString failure = m_nestedFailure.isEmpty() ? m_invariants.after(action) : m_nestedFailure;
    // Exit, or the last window closed: the program has ended, and the user starts it again.
    if (failure.isEmpty() && !m_window->isVisible() && !windowByRole(u"about", m_window.get())) {
        failure = m_invariants.afterExit();
        startWindow();
    }
    return failure;
}

void Session::execute(const Action &action)
{
    if (action.kind == ActionKind::Key) {
        m_hands.key(action.key, action.modifiers);
        return;
    }
    QWidget *target = resolvePath(action.target, m_window.get());
    // What was there when the action was chosen may be gone in a replay of part of the run.
    if (!target || !target->isVisible())
        return;
    const QString text =
        QString(action.fullText()).replace(SheetsFolder.toString(), m_sheetsFolder);
    switch (action.kind) {
    case ActionKind::Click:
        m_hands.click(target, action.at, Qt::LeftButton);
        break;
    case ActionKind::DoubleClick:
        m_hands.click(target, action.at, Qt::LeftButton, 2);
        break;
    case ActionKind::RightClick:
        m_hands.click(target, action.at, Qt::RightButton);
        break;
    case ActionKind::Wheel:
        m_hands.wheel(target, action.at, action.delta);
        break;
    case ActionKind::Type:
        m_hands.click(target, action.at, Qt::LeftButton);
        m_hands.typeText(text);
        break;
    case ActionKind::Commit:
        m_hands.click(target, action.at, Qt::LeftButton);
        m_hands.commit(text);
        break;
    case ActionKind::Paste:
        m_hands.click(target, action.at, Qt::LeftButton);
        m_hands.paste(text);
        break;
    case ActionKind::Close:
        m_hands.close(target->window());
        break;
    case ActionKind::Key:
        break;
    }
}

void Session::answerNestedBox()
{
    // The monkey itself never runs an event loop: a running one belongs to a box opened by Qt.
    if (QThread::currentThread()->loopLevel() == 0)
        return;
    QWidget *box = QApplication::activeModalWidget();
    if (!box)
        return;
    if (++m_nestedAttempts > NestedAttempts) {
        m_nestedFailure = u"the box %1 in an event loop of its own could not be answered"_s.arg(
            QLatin1StringView(box->metaObject()->className()));
        if (auto *dialog = qobject_cast<QDialog *>(box))
            dialog->reject();
        return;
    }
    QList<QAbstractButton *> buttons;
    if (const auto *buttonBox = box->findChild<QDialogButtonBox *>()) {
        for (QAbstractButton *button : buttonBox->buttons()) {
            if (button->isVisible() && button->isEnabled())
                buttons.append(button);
        }
    }
    if (m_nestedAttempts == 1 && !buttons.isEmpty()) {
        QAbstractButton *button = buttons[m_current.answer % buttons.size()];
        m_hands.click(button, button->rect().center(), Qt::LeftButton);
    } else {
        m_hands.key(Qt::Key_Escape, Qt::NoModifier);
    }
}

} // namespace monkey
