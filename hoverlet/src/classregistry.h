#pragma once

#include <QString>

class QByteArray;

namespace hoverlet {

class ClassFactory;

// The process's registry of control classes served by this library, and the counts that decide
// whether the library may be unloaded. Used from the user-interface thread.
namespace registry {

inline constexpr char HoverletClassName[] = "vbpHoverlet.Hoverlet";
inline constexpr char HoverletDescription[] = "Tarnwick Hoverlet 1.0";

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
