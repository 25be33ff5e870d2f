#include "supervisor.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>
#include <utility>

namespace monkey {

using namespace Qt::StringLiterals;

namespace {

QList<Action> readLog(const QString &path)
{
    QList<Action> actions;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        while (!in.atEnd()) {
            if (const std::optional<Action> action = parseAction(in.readLine()))
                actions.append(*action);
        }
    }
    return actions;
}

bool writeActions(const QString &path, const QList<Action> &actions)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate))
        return false;
    for (const Action &action : actions)
        file.write((formatAction(action) + u'\n').toUtf8());
    return true;
}

// The kind of a failure without the texts and numbers that vary between runs of one fault.
QString signatureOf(const QString &failure)
{
    static const QRegularExpression variable(uR"("[^"]*"|\d+)"_s);
    return QString(failure).replace(variable, u"_"_s);
}

// What a sanitizer or a crash left on standard error.
QString crashOf(const QString &errors, int exitCode, QProcess::ExitStatus status)
{
    static const QRegularExpression sanitizer(
        uR"((AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer)[: ]+([\w-]*)|runtime error: [^\n]*)"_s);
    if (const QRegularExpressionMatch match = sanitizer.match(errors); match.hasMatch())
        return match.captured(0).left(120);
    if (status == QProcess::CrashExit)
        return u"crashed"_s;
    return u"ended with exit code %1"_s.arg(exitCode);
}

} // namespace

Supervisor::Supervisor(QString program, QString locale, int shrinkSeconds)
    : m_program(std::move(program))
    , m_locale(std::move(locale))
    , m_shrinkSeconds(shrinkSeconds)
{}

Supervisor::Outcome Supervisor::runChild(const QStringList &arguments, const QString &logPath,
                                         int timeoutMs) const
{
    QTemporaryDir scratch(m_work.filePath(u"scratch-XXXXXX"_s));
    const QDir root(scratch.path());
    for (const QString &folder :
         {u"home/sheets"_s, u"config"_s, u"runtime"_s, u"data"_s, u"cache"_s})
        root.mkpath(folder);
    QFile::setPermissions(root.filePath(u"runtime"_s),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, root.filePath(u"home"_s));
    environment.insert(u"XDG_CONFIG_HOME"_s, root.filePath(u"config"_s));
    environment.insert(u"XDG_RUNTIME_DIR"_s, root.filePath(u"runtime"_s));
    environment.insert(u"XDG_DATA_HOME"_s, root.filePath(u"data"_s));
    environment.insert(u"XDG_CACHE_HOME"_s, root.filePath(u"cache"_s));
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    // Print goes to the test printer the caller names; without one, to no printer at all
    // rather than to whatever printer this machine has.
    if (!environment.contains(u"LPDEST"_s) && !environment.contains(u"PRINTER"_s))
        environment.insert(u"CUPS_SERVER"_s, u"/nonexistent/molvera-monkey-no-cups.sock"_s);

    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(m_program,
                arguments + QStringList{u"--log"_s, logPath, u"--scratch"_s,
                                        root.filePath(u"home/sheets"_s), u"--locale"_s, m_locale});
    Outcome outcome;
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished();
        outcome.failure = outcome.signature = u"no answer within %1 s"_s.arg(timeoutMs / 1000);
        return outcome;
    }
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    const QString errors = QString::fromUtf8(child.readAllStandardError());
    static const QRegularExpression failed(uR"(monkey: FAILED at action (\d+): ([^\n]*))"_s);
    static const QRegularExpression figures(uR"(monkey: (\d+ actions[^\n]*))"_s);
    if (const QRegularExpressionMatch match = failed.match(output); match.hasMatch()) {
        outcome.failedAt = match.captured(1).toInt();
        outcome.failure = match.captured(2);
    } else if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 ||
               errors.contains(u"Sanitizer"_s) || errors.contains(u"runtime error:"_s)) {
        outcome.failure = crashOf(errors, child.exitCode(), child.exitStatus());
        std::fprintf(stderr, "%s", qPrintable(errors.right(6000)));
    }
    outcome.signature = signatureOf(outcome.failure);
    outcome.figures = figures.match(output).captured(1);
    return outcome;
}

Supervisor::Outcome Supervisor::replay(const QList<Action> &actions) const
{
    const QString path = m_work.filePath(u"candidate.actions"_s);
    writeActions(path, actions);
    return runChild({u"--child"_s, u"--replay"_s, path}, m_work.filePath(u"replay.log"_s),
                    60000 + int(actions.size()) * 200);
}

int Supervisor::replayFile(const QString &path)
{
    const QList<Action> actions = readLog(path);
    const Outcome outcome = replay(actions);
    std::printf("monkey: replay of %lld actions: %s\n", qlonglong(actions.size()),
                qPrintable(outcome.failure.isEmpty() ? outcome.figures : outcome.failure));
    return outcome.failure.isEmpty() ? 0 : 1;
}

int Supervisor::run(quint64 seed, int actions)
{
    const QString logPath = m_work.filePath(u"run.log"_s);
    const Outcome outcome = runChild({u"--child"_s, u"--seed"_s, QString::number(seed),
                                      u"--actions"_s, QString::number(actions)},
                                     logPath, 120000 + actions * 200);
    if (outcome.failure.isEmpty()) {
        std::printf("monkey: seed %llu, locale %s: %s; nothing found\n", seed, qPrintable(m_locale),
                    qPrintable(outcome.figures));
        return 0;
    }
    QList<Action> done = readLog(logPath);
    if (outcome.failedAt > 0)
        done = done.first(qMin(done.size(), qsizetype(outcome.failedAt)));
    std::printf("monkey: seed %llu, locale %s: %s (after %lld actions); shrinking...\n", seed,
                qPrintable(m_locale), qPrintable(outcome.failure), qlonglong(done.size()));
    std::fflush(stdout);
    report(seed, outcome, shrink(done, outcome.signature));
    return 1;
}

// Delta debugging: tries parts of the list and their complements, smaller and smaller, as long
// as one of them fails the same way and the time allows.
QList<Action> Supervisor::shrink(QList<Action> actions, const QString &signature) const
{
    m_shrinking.start();
    const auto failsAlike = [&](const QList<Action> &candidate) {
        return m_shrinking.elapsed() < m_shrinkSeconds * 1000 &&
               replay(candidate).signature == signature;
    };
    if (!failsAlike(actions)) {
        std::printf("monkey: a replay of the run did not fail the same way\n");
        return actions;
    }
    qsizetype parts = 2;
    while (actions.size() >= 2 && m_shrinking.elapsed() < m_shrinkSeconds * 1000) {
        const qsizetype chunk = (actions.size() + parts - 1) / parts;
        bool reduced = false;
        for (qsizetype start = 0; start < actions.size() && !reduced; start += chunk) {
            const QList<Action> part = actions.mid(start, chunk);
            QList<Action> rest = actions.first(start) + actions.mid(start + chunk);
            if (parts > 2 && failsAlike(part)) {
                actions = part;
                parts = 2;
                reduced = true;
            } else if (failsAlike(rest)) {
                actions = std::move(rest);
                parts = qMax<qsizetype>(parts - 1, 2);
                reduced = true;
            }
        }
        if (!reduced) {
            if (parts >= actions.size())
                break;
            parts = qMin(actions.size(), parts * 2);
        }
    }
    return actions;
}

void Supervisor::report(quint64 seed, const Outcome &outcome, const QList<Action> &shortest) const
{
    const QString file =
        QDir::current().absoluteFilePath(u"monkey-failure-%1-%2.actions"_s.arg(seed).arg(m_locale));
    writeActions(file, shortest);
    std::printf("monkey: FAILED with seed %llu in locale %s: %s\n", seed, qPrintable(m_locale),
                qPrintable(outcome.failure));
    std::printf("monkey: the shortest sequence found has %lld actions (shrinking took %lld s):\n",
                qlonglong(shortest.size()), qlonglong(m_shrinking.elapsed() / 1000));
    for (qsizetype i = 0; i < shortest.size(); ++i)
        std::printf("  %3lld  %s\n", qlonglong(i + 1), qPrintable(formatAction(shortest[i])));
    std::printf("monkey: replay it with: %s --locale %s --replay %s\n", qPrintable(m_program),
                qPrintable(m_locale), qPrintable(file));
}

} // namespace monkey
