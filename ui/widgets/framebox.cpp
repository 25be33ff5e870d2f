#include "framebox.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace molvera {

namespace {

// Where the caption stands on the top line, in pixels.
constexpr int CaptionLeft = 6;
constexpr int CaptionPadding = 2;

} // namespace

FrameBox::FrameBox(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
{}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);

    // The layouts place a frame's contents under an etched line through the middle of the
    // caption; the style's frame, drawn below the caption, would cut through controls near the
    // top. The caption interrupts the line.
    const QRect caption =
        title().isEmpty()
            ? QRect()
            : QRect(CaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * CaptionPadding,
                    metrics.height());
    painter.setClipRegion(QRegion(rect()).subtracted(caption));
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true, 1);
    painter.setClipping(false);
    painter.setFont(bold);
    style()->drawItemText(&painter, caption, Qt::AlignCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

} // namespace molvera
