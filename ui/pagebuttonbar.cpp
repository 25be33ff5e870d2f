#include "pagebuttonbar.h"

#include "pictures.h"
#include "twips.h"

#include <QToolButton>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

struct ButtonDesign
{
    QStringView caption;
    QStringView toolTip;
    QStringView picture;
    int top; // twips, in the page
};

// Left 7800, 1092 by 732 twips each, 840 apart.
constexpr int ButtonLeft = 7800;
constexpr int ButtonWidth = 1092;
constexpr int ButtonHeight = 732;

constexpr std::array<ButtonDesign, PageButtonBar::RoleCount> Designs{{
    {u"E&xit", u"Exit this program", u"exit", 480},
    {u"&Clear", u"Clear this calculation", u"clear", 1320},
    {u"&Print", u"Print Instructions and Label", u"print", 2160},
    {u"&Example", u"Click here to view an example.", u"example", 3000},
    {u"&About", u"Click here for Program Details", u"about", 3840},
}};

constexpr int BarTop = Designs.front().top;
constexpr int BarHeight = Designs.back().top + ButtonHeight - BarTop;

} // namespace

PageButtonBar::PageButtonBar(const PageButtonNames &names, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"PageButtonBar"_s);
    const std::array<QStringView, RoleCount> objectNames{names.exit, names.clear, names.print,
                                                         names.example, names.about};

    for (int role = 0; role < RoleCount; ++role) {
        const ButtonDesign &design = Designs[role];
        auto *button = new QToolButton(this);
        button->setObjectName(objectNames[role].toString());
        button->setText(design.caption.toString());
        button->setToolTip(design.toolTip.toString());
        button->setIcon(buttonPicture(design.picture));
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(false);
        // The bar's own origin is the first button's corner.
        button->setGeometry(TwipRect{0, design.top - BarTop, ButtonWidth, ButtonHeight}.toPixels());
        connect(button, &QToolButton::clicked, this,
                [this, role] { Q_EMIT triggered(Role(role)); });
        m_buttons[role] = button;
    }
}

QList<QWidget *> PageButtonBar::focusOrder() const
{
    return {m_buttons.begin(), m_buttons.end()};
}

TwipRect PageButtonBar::placement()
{
    return {ButtonLeft, BarTop, ButtonWidth, BarHeight};
}

} // namespace molvera
