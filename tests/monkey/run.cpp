#include "run.h"

#include "action.h"
#include "chooser.h"
#include "session.h"

#include <ui/app/application.h>

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTextStream>
#include <QUrl>

#include <cstdio>
#include <sys/resource.h>

namespace monkey {

using namespace Qt::StringLiterals;

namespace {

// The links of the header and the about box open nothing on the machine running the monkey.
class LinkSink : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void open(const QUrl &url) { Q_UNUSED(url); }
};

QList<Action> readActions(const QString &path)
{
    QList<Action> actions;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return actions;
    QTextStream in(&file);
    while (!in.atEnd()) {
        if (const std::optional<Action> action = parseAction(in.readLine()))
            actions.append(*action);
    }
    return actions;
}

} // namespace

int runMonkey(const RunOptions &options)
{
    Invariants::installWarningLog();
    QLocale::setDefault(QLocale(options.locale));
    molvera::setUpApplication();
    LinkSink links;
    for (const QString &scheme : {u"http"_s, u"https"_s, u"mailto"_s})
        QDesktopServices::setUrlHandler(scheme, &links, "open");

    const QList<Action> replay =
        options.replayPath.isEmpty() ? QList<Action>() : readActions(options.replayPath);
    const int count = options.replayPath.isEmpty() ? options.actions : int(replay.size());
    QFile log(options.logPath);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) {
        std::fprintf(stderr, "monkey: cannot write %s\n", qPrintable(options.logPath));
        return 2;
    }

    QElapsedTimer clock;
    clock.start();
    Chooser chooser(options.seed);
    auto session = std::make_unique<Session>(options.scratch);
    if (const QStringList warnings = Invariants::takeWarnings(); !warnings.isEmpty()) {
        std::printf("monkey: FAILED at action 0: Qt warned: %s\n",
                    qPrintable(warnings.join(u" | "_s)));
        return 3;
    }
    for (int index = 0; index < count; ++index) {
        const Action action =
            replay.isEmpty() ? chooser.next(session->mainWindow()) : replay[index];
        log.write((formatAction(action) + u'\n').toUtf8());
        log.flush();
        const QString failure = session->perform(action);
        if (!failure.isEmpty()) {
            std::printf("monkey: FAILED at action %d: %s\n", index + 1, qPrintable(failure));
            std::fflush(stdout);
            return 3;
        }
    }
    session.reset();
    const double seconds = clock.elapsed() / 1000.0;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("monkey: %d actions in %.1f s, %.0f actions per second, peak memory %ld MB\n",
                count, seconds, count / qMax(seconds, 0.001), usage.ru_maxrss / 1024);
    return 0;
}

} // namespace monkey

#include "run.moc"
