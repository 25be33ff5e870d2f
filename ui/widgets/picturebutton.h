#pragma once

#include <QToolButton>

namespace molvera {

// A button with its picture above its caption, as on the pages' button column. Its access key is
// shown as the style shows access keys (on this desktop underlined, elsewhere perhaps only while
// Alt is held). The style's own layout leaves the caption the few pixels under the picture and
// cuts the underline off there; here the caption has a line of its full height.
class PictureButton : public QToolButton
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace molvera
