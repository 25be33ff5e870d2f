#pragma once

#include <QWidget>

namespace molvera {

// A horizontal separator drawn as a grey line of one pixel over a white line of two; on a dark
// face, the palette's dark and light.
class EtchedLine : public QWidget
{
    Q_OBJECT

public:
    // Pixel spans of the two lines, from the widget's left edge.
    struct Span
    {
        int from = 0;
        int to = 0;
    };

    EtchedLine(Span grey, Span white, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Span m_grey;
    Span m_white;
};

} // namespace molvera
