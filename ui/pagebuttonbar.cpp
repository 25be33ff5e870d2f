#include "pagebuttonbar.h"

#include "picturebutton.h"
#include "pictures.h"
#include "twips.h"

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

struct ButtonDesign
{
    const char *caption; // marked for translation in PageButtonBar's context
    const char *toolTip;
    QStringView picture;
    int top; // twips, in the page
};

// Left 7800, 1092 by 732 twips each, 840 apart.
constexpr int ButtonLeft = 7800;
constexpr int ButtonWidth = 1092;
constexpr int ButtonHeight = 732;

// The captions' & marks the access key, which translations keep unique within a page and the
// window's header.
constexpr std::array<ButtonDesign, PageButtonBar::RoleCount> Designs{{
    {QT_TRANSLATE_NOOP("molvera::PageButtonBar", "E&xit"),
     QT_TRANSLATE_NOOP("molvera::PageButtonBar", "Exit this program"), u"exit", 480},
    {QT_TRANSLATE_NOOP("molvera::PageButtonBar", "&Clear"),
     QT_TRANSLATE_NOOP("molvera::PageButtonBar", "Clear this calculation"), u"clear", 1320},
    {QT_TRANSLATE_NOOP("molvera::PageButtonBar", "&Print"),
     QT_TRANSLATE_NOOP("molvera::PageButtonBar", "Print Instructions and Label"), u"print", 2160},
    {QT_TRANSLATE_NOOP("molvera::PageButtonBar", "&Example"),
     QT_TRANSLATE_NOOP("molvera::PageButtonBar", "Click here to view an example."), u"example",
     3000},
    {QT_TRANSLATE_NOOP("molvera::PageButtonBar", "&About"),
     QT_TRANSLATE_NOOP("molvera::PageButtonBar", "Click here for Program Details"), u"about", 3840},
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
        auto *button = new PictureButton(this);
        button->setObjectName(objectNames[role].toString());
        button->setText(tr(design.caption));
        button->setToolTip(tr(design.toolTip));
        button->setIcon(buttonPicture(design.picture));
        button->setIconSize(QSize(32, 32));
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
