#pragma once

#include <hoverlet/hoverlet_export.h>

#include <QString>

#include <cstdint>

class QWidget;

namespace hoverlet {

class PropertyBag;

// Result codes of the entry points, with the usual values of an in-process component server.
enum class Result : std::int32_t {
    Ok = 0,
    False = 1,
    ClassNotAvailable = std::int32_t(0x80040111), // unknown or unregistered class name
    InvalidArgument = std::int32_t(0x80070057),
};

// The class object of a registered class: creates instances for hosts.
class HOVERLET_EXPORT ClassFactory
{
public:
    virtual ~ClassFactory();
    // A new control, child of `parent`, with its properties read from `bag` and then resized.
    virtual QWidget *createInstance(QWidget *parent, const PropertyBag &bag) = 0;
    // Keeps the server loaded while locked, whether or not instances are alive.
    virtual void lockServer(bool lock) = 0;
};

// For hosts: the class object of `className` through DllGetClassObject, then an instance.
// Returns nullptr, with the reason in `result`, when the class is unknown or not registered.
HOVERLET_EXPORT QWidget *createControl(QStringView className, QWidget *parent,
                                       const PropertyBag &bag, Result *result = nullptr);

// What a registered class says of itself ("Tarnwick Hoverlet 1.0"); empty when not registered.
HOVERLET_EXPORT QString classDescription(QStringView className);

} // namespace hoverlet

extern "C" {
// Enters "vbpHoverlet.Hoverlet" ("Tarnwick Hoverlet 1.0") in the process's class registry.
HOVERLET_EXPORT hoverlet::Result DllRegisterServer(void);
HOVERLET_EXPORT hoverlet::Result DllUnregisterServer(void);
// The class object of a registered class; `*factory` stays owned by the library. Class names
// are compared without regard to case.
HOVERLET_EXPORT hoverlet::Result DllGetClassObject(const char *className,
                                                   hoverlet::ClassFactory **factory);
// Ok exactly while no instance and no lock is alive, False otherwise. Every live control
// counts, also the two links of the library's about box while that box exists.
HOVERLET_EXPORT hoverlet::Result DllCanUnloadNow(void);
}
