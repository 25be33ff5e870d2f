#include "pagebuttonbar.h"

#include <ui/forms/pictures.h>
#include <ui/widgets/picturebutton.h>
#include <ui/widgets/twips.h>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// Left 7800, 1092 by 732 twips each, 840 apart.
constexpr int ButtonLeft = 7800;
constexpr int ButtonWidth = 1092;
constexpr int ButtonHeight = 732;

} // namespace

struct PageButtonBar::ButtonDesign
{
    const char *caption; // marked for translation in this class's context
    const char *toolTip;
    QStringView picture;
    int top; // twips, in the page
};

// The captions' & marks the access key, which translations keep unique within a page and the
// window's header.
std::span<const PageButtonBar::ButtonDesign, PageButtonBar::RoleCount> PageButtonBar::designs()
{
    static constexpr ButtonDesign Designs[RoleCount] = {
        {QT_TR_NOOP("E&xit"), QT_TR_NOOP("Exit this program"), u"exit", 480},
        {QT_TR_NOOP("&Clear"), QT_TR_NOOP("Clear this calculation"), u"clear", 1320},
        {QT_TR_NOOP("&Print"), QT_TR_NOOP("Print Instructions and Label"), u"print", 2160},
        {QT_TR_NOOP("&Example"), QT_TR_NOOP("Click here to view an example."), u"example", 3000},
        {QT_TR_NOOP("&About"), QT_TR_NOOP("Click here for Program Details"), u"about", 3840},
    };
    return Designs;
}

PageButtonBar::PageButtonBar(const PageButtonNames &names, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"PageButtonBar"_s);
    const std::array<QStringView, RoleCount> objectNames{names.exit, names.clear, names.print,
                                                         names.example, names.about};

    for (int role = 0; role < RoleCount; ++role) {
        const ButtonDesign &design = designs()[role];
        auto *button = new PictureButton(this);
        button->setObjectName(objectNames[role].toString());
        button->setText(tr(design.caption));
        button->setToolTip(tr(design.toolTip));
        button->setIcon(buttonPicture(design.picture));
        button->setIconSize(QSize(32, 32));
        button->setAutoRaise(false);
        // The bar's own origin is the first button's corner.
        button->setGeometry(
            TwipRect{0, design.top - designs().front().top, ButtonWidth, ButtonHeight}.toPixels());
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
    const int top = designs().front().top;
    return {ButtonLeft, top, ButtonWidth, designs().back().top + ButtonHeight - top};
}

} // namespace molvera
