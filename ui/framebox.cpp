#include "framebox.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace molvera {

FrameBox::FrameBox(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
{}

void FrameBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    option.fontMetrics = QFontMetrics(bold);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

} // namespace molvera
