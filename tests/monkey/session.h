#pragma once

#include "action.h"
#include "hands.h"
#include "invariants.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace molvera {
class MainWindow;
}

namespace monkey {

// One run of the program as the user sees it: the main window, started again after Exit, and
// the hands that act on it. perform() carries out one action and checks the invariants.
class Session : public QObject
{
public:
    // Sheets saved through the file dialog go to `sheetsFolder`.
    explicit Session(QString sheetsFolder);
    ~Session() override;

    // What went wrong, or an empty string.
    QString perform(const Action &action);
    QWidget *mainWindow() const;

private:
    void startWindow();
    void execute(const Action &action);
    // Answers a box that Qt's own code runs in an event loop of its own, which no action can
    // reach, the way the current action's `answer` says.
    void answerNestedBox();

    Invariants m_invariants;
    std::unique_ptr<molvera::MainWindow> m_window;
    QString m_sheetsFolder;
    Hands m_hands;
    QTimer m_nestedBoxes;
    Action m_current;
    int m_nestedAttempts = 0;
    QString m_nestedFailure;
};

} // namespace monkey
