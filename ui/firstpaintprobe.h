#pragma once

#include <QObject>

namespace molvera {

// For the start-up benchmark: when MOLVERA_EXIT_AFTER_FIRST_PAINT is set, reports on standard
// output how long after the launch the watched window finished its first paint, then ends the
// program. The variable holds the launcher's CLOCK_MONOTONIC time of the launch in nanoseconds;
// any other value ("1") measures from the process's start as the kernel recorded it, which is
// only as fine as the kernel's clock tick.
class FirstPaintProbe : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *EnvironmentVariable = "MOLVERA_EXIT_AFTER_FIRST_PAINT";

    // Watches `window` if the variable is set; does nothing otherwise.
    static void watch(QObject *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FirstPaintProbe(qint64 launchNanoseconds, QObject *window);
    void report();

    qint64 m_launch;
    bool m_painted = false;
};

} // namespace molvera
