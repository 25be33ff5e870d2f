#include "classregistry.h"

#include "hoverletfactory.h"

#include <QMutex>
#include <QMutexLocker>

#include <atomic>

namespace hoverlet::registry {

namespace {

struct State
{
    QMutex mutex;
    bool hoverletRegistered = false;
    std::atomic<int> instances = 0;
    std::atomic<int> locks = 0;
};

State &state()
{
    static State s;
    return s;
}

bool isHoverlet(QStringView className)
{
    return className.compare(QLatin1StringView(HoverletClassName), Qt::CaseInsensitive) == 0;
}

} // namespace

void registerClasses()
{
    const QMutexLocker locker(&state().mutex);
    state().hoverletRegistered = true;
}

void unregisterClasses()
{
    const QMutexLocker locker(&state().mutex);
    state().hoverletRegistered = false;
}

ClassFactory *factoryFor(QStringView className)
{
    const QMutexLocker locker(&state().mutex);
    if (state().hoverletRegistered && isHoverlet(className))
        return &HoverletFactory::instance();
    return nullptr;
}

QString descriptionOf(QStringView className)
{
    const QMutexLocker locker(&state().mutex);
    if (state().hoverletRegistered && isHoverlet(className))
        return QString::fromLatin1(HoverletDescription);
    return QString();
}

void instanceCreated()
{
    ++state().instances;
}

void instanceDestroyed()
{
    --state().instances;
}

void lock()
{
    ++state().locks;
}

void unlock()
{
    // An unbalanced unlock must not make a later lock count for nothing.
    int current = state().locks.load();
    while (current > 0 && !state().locks.compare_exchange_weak(current, current - 1)) {
    }
}

bool canUnload()
{
    return state().instances.load() == 0 && state().locks.load() == 0;
}

} // namespace hoverlet::registry
