#include "picturebutton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace molvera {

PictureButton::PictureButton(QWidget *parent)
    : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);

    // The style draws the button, its hover and its focus; the picture and the caption are
    // placed here.
    QStyleOptionToolButton bare = option;
    bare.text.clear();
    bare.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, bare);

    const QStyle *style = this->style();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    QRect inside = option.rect.adjusted(frame, frame, -frame, -frame);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        inside.translate(style->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                         style->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));

    // The picture where the style puts it: centred in a band 4 pixels higher than itself.
    const bool enabled = option.state & QStyle::State_Enabled;
    const QPixmap picture = option.icon.pixmap(
        option.iconSize, devicePixelRatio(), enabled ? QIcon::Normal : QIcon::Disabled,
        option.state & QStyle::State_On ? QIcon::On : QIcon::Off);
    style->drawItemPixmap(
        &painter, QRect(inside.topLeft(), QSize(inside.width(), option.iconSize.height() + 4)),
        Qt::AlignCenter, picture);

    // The caption on the bottom line, whole, its access key marked as the style wants.
    const int lineHeight = option.fontMetrics.height();
    const QRect caption(inside.left(), inside.bottom() + 1 - lineHeight, inside.width(),
                        lineHeight);
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (!style->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    style->drawItemText(&painter, caption, flags, option.palette, enabled, option.text,
                        QPalette::ButtonText);
}

} // namespace molvera
