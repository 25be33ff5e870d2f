#pragma once

#include <hoverlet/hoverlet_version.h>

#include <QString>

class QByteArray;

namespace hoverlet {

class ClassFactory;

// The process's registry of control classes served by this library, and the counts that decide
// whether the library may be unloaded. Every function may be called from any thread: the state
// is a few atomic values. (The controls themselves are widgets and live in the GUI thread.)
namespace registry {

inline constexpr char HoverletClassName[] = "vbpHoverlet.Hoverlet";
inline constexpr char HoverletDescription[] = "Tarnwick Hoverlet " HOVERLET_VERSION_NAME;

void registerClasses();
void unregisterClasses();
// The factory of a registered class (names compared without regard to case), else nullptr.
ClassFactory *factoryFor(QStringView className);
QString descriptionOf(QStringView className);

void instanceCreated();
void instanceDestroyed();
void lock();
void unlock();
bool canUnload();

} // namespace registry
} // namespace hoverlet
