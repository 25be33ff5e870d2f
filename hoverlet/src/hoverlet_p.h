#pragma once

#include <hoverlet/hoverlet.h>

class QLabel;

namespace hoverlet {

struct Hoverlet::Private
{
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
