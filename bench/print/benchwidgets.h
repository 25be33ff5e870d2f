#pragma once

// What the print benchmarks share: showing the window, reaching controls by name, clicking them as
// the mouse does, telling a whole PDF, and summing up times.
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A press and release on the middle of `widget`, as the mouse gives them.
inline void click(QWidget *widget)
{
    const QPointF local = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// Shows `window` and waits (five seconds at most) until it is on screen.
inline void showExposed(QWidget &window)
{
    window.show();
    const Clock::time_point shown = Clock::now();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           Clock::now() - shown < std::chrono::seconds(5))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A PDF is whole once its trailer is written.
inline bool isCompletePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 32)
        return false;
    file.seek(file.size() - 32);
    return file.read(32).contains("%%EOF");
}

template<typename T> T *control(const QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

} // namespace bench
