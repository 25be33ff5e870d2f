#include "readablecolors.h"

#include <hoverlet/olecolor.h>

#include <QColor>
#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace molvera {

namespace {

// What a widget that does not fill its own background is drawn on: the nearest container that
// does, or the window.
QColor backdrop(const QWidget *widget)
{
    for (const QWidget *under = widget->parentWidget(); under; under = under->parentWidget()) {
        if (under->autoFillBackground() || under->isWindow())
            return under->palette().color(under->backgroundRole());
    }
    return widget->palette().color(QPalette::Window);
}

// Runs a widget's colouring again after a change of its palette.
class PaletteFollower : public QObject
{
public:
    PaletteFollower(QWidget *widget, std::function<void()> apply)
        : QObject(widget)
        , m_apply(std::move(apply))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The colouring's own change of the palette is not a new one.
        if (event->type() == QEvent::PaletteChange && !m_applying)
            QMetaObject::invokeMethod(this, &PaletteFollower::apply, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    void apply()
    {
        m_applying = true;
        m_apply();
        m_applying = false;
    }

    std::function<void()> m_apply;
    bool m_applying = false;
};

} // namespace

void followPalette(QWidget *widget, const std::function<void()> &apply)
{
    apply();
    new PaletteFollower(widget, apply);
}

void setTextColor(QWidget *widget, const QColor &designed)
{
    followPalette(widget, [widget, designed] {
        const QColor color = hoverlet::readableOn(designed, backdrop(widget));
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, color);
        palette.setColor(QPalette::Text, color);
        palette.setColor(QPalette::ButtonText, color);
        widget->setPalette(palette);
    });
}

} // namespace molvera
