#include "firstpaintprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace molvera {

namespace {

qint64 monotonicNanoseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// The process's start on the monotonic clock, from the kernel's record in clock ticks since boot.
qint64 processStartNanoseconds()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return monotonicNanoseconds(CLOCK_MONOTONIC);
    const QByteArray line = stat.readAll();
    // Field 22, counted after the command name in parentheses, which may hold blanks.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const qint64 ticks = fields.size() > 19 ? fields[19].toLongLong() : 0;
    const qint64 sinceBoot = ticks * 1'000'000'000 / sysconf(_SC_CLK_TCK);
    return monotonicNanoseconds(CLOCK_MONOTONIC) - monotonicNanoseconds(CLOCK_BOOTTIME) + sinceBoot;
}

} // namespace

void FirstPaintProbe::watch(QObject *window)
{
    const QByteArray value = qgetenv(EnvironmentVariable);
    if (value.isEmpty())
        return;
    bool isTime = false;
    qint64 launch = value.toLongLong(&isTime);
    if (!isTime || launch <= 1)
        launch = processStartNanoseconds();
    window->installEventFilter(new FirstPaintProbe(launch, window));
}

FirstPaintProbe::FirstPaintProbe(qint64 launchNanoseconds, QObject *window)
    : QObject(window)
    , m_launch(launchNanoseconds)
{}

bool FirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_painted && event->type() == QEvent::Paint) {
        m_painted = true;
        // Posted from inside the paint, this runs once the painted frame has been flushed.
        QTimer::singleShot(0, this, &FirstPaintProbe::report);
    }
    return QObject::eventFilter(watched, event);
}

void FirstPaintProbe::report()
{
    const qint64 elapsed = monotonicNanoseconds(CLOCK_MONOTONIC) - m_launch;
    std::printf("first-paint-ms %.3f\n", double(elapsed) / 1e6);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

} // namespace molvera
