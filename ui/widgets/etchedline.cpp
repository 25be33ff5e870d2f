#include "etchedline.h"

#include <hoverlet/olecolor.h>

#include <QPainter>

namespace molvera {

EtchedLine::EtchedLine(Span grey, Span white, QWidget *parent)
    : QWidget(parent)
    , m_grey(grey)
    , m_white(white)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EtchedLine::paintEvent(QPaintEvent *)
{
    // On the light face it was designed on, the line keeps its grey and white exactly; on a dark
    // one its lines are the palette's shadow and light, as the frames' are.
    const bool darkFace = hoverlet::isDarkFace(palette().color(QPalette::Window));
    QPainter painter(this);
    painter.fillRect(m_grey.from, 0, m_grey.to - m_grey.from, 1,
                     darkFace ? palette().color(QPalette::Dark) : QColor(128, 128, 128));
    painter.fillRect(m_white.from, 1, m_white.to - m_white.from, 2,
                     darkFace ? palette().color(QPalette::Light) : QColor(Qt::white));
}

} // namespace molvera
