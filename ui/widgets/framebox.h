#pragma once

#include <QGroupBox>

namespace molvera {

// A frame whose caption is bold while everything inside keeps the form's regular font. A bold
// font on the frame itself would pass to every control inside, and undoing it control by
// control costs start-up time (each combo box builds its list view again).
class FrameBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit FrameBox(const QString &title, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace molvera
