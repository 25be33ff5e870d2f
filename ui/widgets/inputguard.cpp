#include "inputguard.h"

#include <QComboBox>
#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace molvera {

namespace {

// Lets a wheel event through as ignored, so that QApplication hands it on to the parent.
class WheelPasser : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        event->ignore();
        return true;
    }
};

class ReadOnlyInputMethodGuard : public QObject
{
public:
    explicit ReadOnlyInputMethodGuard(QWidget *box)
        : QObject(box)
        , m_box(box)
    {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        // Both box classes have the property; the total box turns it on and off.
        if (event->type() != QEvent::InputMethod || !m_box->property("readOnly").toBool())
            return false;
        event->ignore();
        return true;
    }

private:
    const QWidget *m_box;
};

} // namespace

void keepChoiceFromWheel(QComboBox *list)
{
    // QComboBox takes the focus on a wheel turn (Qt::WheelFocus); the turn is not meant for it.
    if (list->focusPolicy() == Qt::WheelFocus)
        list->setFocusPolicy(Qt::StrongFocus);
    list->installEventFilter(new WheelPasser(list));
}

void refuseInputMethodWhenReadOnly(QWidget *box)
{
    box->installEventFilter(new ReadOnlyInputMethodGuard(box));
}

} // namespace molvera
