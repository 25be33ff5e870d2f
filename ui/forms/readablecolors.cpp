#include "readablecolors.h"

#include <hoverlet/olecolor.h>

#include <QColor>
#include <QEvent>
#include <QPalette>
#include <QScopedValueRollback>
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
    // Recoloured at once, within the change: nothing can draw the design's old colours against
    // the new palette in between. A widget may hear of the change before the
    // container it stands on; that container's own change reaches the widget afterwards as one
    // more, so the last colouring is always against the final backdrop.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The colouring's own change of the palette is not a new one.
        if (event->type() == QEvent::PaletteChange && !m_applying) {
            const QScopedValueRollback applying(m_applying, true);
            m_apply();
        }
        return QObject::eventFilter(watched, event);
    }

private:
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
