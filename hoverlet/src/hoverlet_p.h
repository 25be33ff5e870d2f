#pragma once

#include <hoverlet/hoverlet.h>

#include <QPalette>

class QLabel;
class QMouseEvent;

namespace hoverlet {

// Everything of a Hoverlet that is not its API: its values and the steps that apply them. Kept
// here, out of the public header, so that changing them changes neither the class's layout nor
// the library's exported symbols. Hidden explicitly: a class nested in an exported one would
// otherwise be exported with it.
struct Q_DECL_HIDDEN Hoverlet::Private
{
    explicit Private(Hoverlet *link)
        : q(link)
    {}

    // The hover step: takes the grab on the first move, gives it up when the pointer is outside.
    void hoverStep(QPointF position);
    // What a release on the surface does while hovering: opens the address and raises Click.
    void activate();
    void stopHovering();
    void applyLook(OleColor colour, bool underline);
    void applyTextColor(OleColor colour);
    void applyUnderline(bool underline);
    void applyBackColor();
    void alignCaption();
    QPalette hostPalette() const;
    bool handleLabelMouse(QMouseEvent *event);
    void changed(const char *name);

    Hoverlet *const q;
    QLabel *label = nullptr;
    OleColor backColor = OleColors::ButtonFace;
    bool enabled = true;
    bool checkHover = true;
    OleColor hoverColor = OleColors::Red;
    bool hoverUnderline = true;
    OleColor normalColor = OleColors::Blue;
    bool normalUnderline = true;
    QString url = Hoverlet::defaultUrl();
    OleColor shownColor = OleColors::Blue; // kept to re-resolve system colours
    bool leftDownOnLabel = false;          // a left press on the label that a release may click
};

} // namespace hoverlet
