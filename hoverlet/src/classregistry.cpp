#include "classregistry.h"

#include "hoverletfactory.h"

#include <atomic>

namespace hoverlet::registry {

namespace {

struct State
{
    std::atomic<bool> hoverletRegistered = false;
    std::atomic<int> instances = 0;
    std::atomic<int> locks = 0;
};

State &state()
{
    static State s;
    return s;
}

bool isRegisteredHoverlet(QStringView className)
{
    return state().hoverletRegistered.load() &&
           className.compare(QLatin1StringView(HoverletClassName), Qt::CaseInsensitive) == 0;
}

} // namespace

void registerClasses()
{
    state().hoverletRegistered = true;
}

void unregisterClasses()
{
    state().hoverletRegistered = false;
}

ClassFactory *factoryFor(QStringView className)
{
    return isRegisteredHoverlet(className) ? &HoverletFactory::instance() : nullptr;
}

QString descriptionOf(QStringView className)
{
    return isRegisteredHoverlet(className) ? QString::fromLatin1(HoverletDescription) : QString();
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
