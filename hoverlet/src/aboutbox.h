#pragma once

#include <QDialog>

namespace hoverlet {

// The library's about box, frmAbout: one per process, shared by every control, not modal.
// OK, Escape and the title-bar close delete it; the next showShared() builds it afresh.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    // Shows the box, creating it first if there is none; `caller` picks the screen to centre on.
    static void showShared(const QWidget *caller);

private:
    explicit AboutBox(QWidget *parent = nullptr);
};

} // namespace hoverlet
