#pragma once

#include "action.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>

namespace monkey {

// Runs the monkey in a child process with a home of its own (HOME, XDG folders, a folder for
// saved sheets: created for the run, removed after it), so that a crash or a sanitizer's report
// ends only the child. On a failure, replays parts of the run in fresh children until it has
// the shortest sequence of actions it can find that fails the same way.
class Supervisor
{
public:
    Supervisor(QString program, QString locale, int shrinkSeconds);

    // A generated run; returns the exit code for the test (0: nothing found).
    int run(quint64 seed, int actions);
    // Replays the actions of a file, as printed after a failure.
    int replayFile(const QString &path);

private:
    struct Outcome
    {
        QString failure;   // empty when the child passed
        QString signature; // what tells one fault from another
        int failedAt = 0;  // the action an invariant failed after, 0 if none did
        QString figures;
    };

    Outcome runChild(const QStringList &arguments, const QString &logPath, int timeoutMs) const;
    Outcome replay(const QList<Action> &actions) const;
    QList<Action> shrink(QList<Action> actions, const QString &signature) const;
    void report(quint64 seed, const Outcome &outcome, const QList<Action> &shortest) const;

    QString m_program;
    QString m_locale;
    int m_shrinkSeconds;
    QTemporaryDir m_work;
    mutable QElapsedTimer m_shrinking;
};

} // namespace monkey
