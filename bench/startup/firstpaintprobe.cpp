// Preloaded into a Qt program by startup_launcher (LD_PRELOAD), so that the program itself carries
// no timing code: reports on standard output how long after the launch the program's first
// window finished its first paint, then ends the program. The launcher hands over its
// CLOCK_MONOTONIC time of the launch in STARTUP_PROBE_LAUNCH_NS.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

qint64 monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

class FirstPaintProbe : public QObject
{
public:
    FirstPaintProbe(qint64 launch, QObject *parent)
        : QObject(parent)
        , m_launch(launch)
    {}

protected:
    // Watches every object of the program for the first paint of a window.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow()) {
            m_painted = true;
            // Posted from inside the paint, this runs once the painted frame has been flushed.
            QTimer::singleShot(0, this, &FirstPaintProbe::report);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report()
    {
        std::printf("first-paint-ms %.3f\n", double(monotonicNanoseconds() - m_launch) / 1e6);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    qint64 m_launch;
    bool m_painted = false;
};

// Runs when the program creates its QApplication.
void watchFirstPaint()
{
    const char *launch = std::getenv("STARTUP_PROBE_LAUNCH_NS");
    if (!launch)
        return;
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaintProbe(std::atoll(launch), app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
