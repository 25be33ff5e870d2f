#include "etchedline.h"

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
    QPainter painter(this);
    painter.fillRect(m_grey.from, 0, m_grey.to - m_grey.from, 1, QColor(128, 128, 128));
    painter.fillRect(m_white.from, 1, m_white.to - m_white.from, 2, Qt::white);
}

} // namespace molvera
