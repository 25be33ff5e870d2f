#pragma once

#include <hoverlet/componentserver.h>

namespace hoverlet {

// The class object of vbpHoverlet.Hoverlet: one per process, owned by the library.
class HoverletFactory final : public ClassFactory
{
public:
    static HoverletFactory &instance();

    QWidget *createInstance(QWidget *parent, const PropertyBag &bag) override;
    void lockServer(bool lock) override;

private:
    HoverletFactory() = default;
};

} // namespace hoverlet
