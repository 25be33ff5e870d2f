#pragma once

#include "action.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStringList>

class QLineEdit;
class QWidget;

namespace molvera {
class MainWindow;
}

namespace monkey {

// What must hold after every action, checked against the live window. before() takes a
// snapshot; after() returns what went wrong, or an empty string.
class Invariants : public QObject
{
public:
    // Reads the names and sizes from a window of reference, with all pages built.
    Invariants();

    // Watches a freshly started window: which of its pages' buttons ran.
    void watch(molvera::MainWindow *window);

    void before(const Action &action);
    QString after(const Action &action);
    // When the main window and every other window are closed (Exit): none may be left open.
    QString afterExit() const;

    // Qt's warnings since the last call, except the platform's own noise.
    static void installWarningLog();
    static QStringList takeWarnings();

private:
    enum Ran { Calculated = 1, Cleared = 2, Example = 4 };

    void watchPage(QWidget *page);
    QString checkOutcomes() const;
    QString checkNumbers() const;
    QString checkModalBoxes(const Action &action) const;
    QString checkBlocked(const Action &action) const;
    QString mainState() const;
    // The main window's widgets by name, found in one walk.
    QHash<QString, QWidget *> namedWidgets() const;

    QPointer<molvera::MainWindow> m_window;
    QHash<QString, QString> m_pageOfName; // control name -> its page ("" for the header)
    QSize m_windowSize;
    // Per page, during the action: what ran; the outcome boxes as they stood before it.
    QHash<QString, int> m_ran;
    ActionKind m_actionKind = ActionKind::Click;
    QHash<QString, QString> m_outcomes;
    int m_inputErrorsBefore = 0;
    QPointer<QWidget> m_modalBefore;
    bool m_modalWasMessage = false;
    QString m_mainStateBefore;
    QHash<const QLineEdit *, QString> m_readOnlyTexts; // read-only boxes before the action
};

} // namespace monkey
