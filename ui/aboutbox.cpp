#include "aboutbox.h"

#include "etchedline.h"
#include "hostedcontrols.h"
#include "pagewidgets.h"
#include "pictures.h"
#include "programinfo.h"
#include "programversion.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <array>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// Twips from the corner of the client area, which is 5730 by 4020.
constexpr int ClientWidth = 5730;
constexpr int ClientHeight = 4020;

constexpr std::array Layout{
    TwipPlacement{u"picIcon", {120, 120, 480, 480}},
    TwipPlacement{u"lblTitle", {720, 240, 4815, 480}},
    TwipPlacement{u"lblVersion", {720, 780, 3888, 228}},
    TwipPlacement{u"lblDescription", {720, 1080, 3888, 816}},
    TwipPlacement{u"cmdOK", {4200, 2160, 1259, 345}},
    TwipPlacement{u"Label2", {240, 2880, 3012, 252}},
    TwipPlacement{u"Hoverlet1", {240, 3120, 1335, 255}},
    TwipPlacement{u"Label3", {240, 3480, 2535, 255}},
    TwipPlacement{u"Hoverlet2", {2400, 3480, 1455, 255}},
};

// The etched separator at 2035: grey from 96 to 5660, white beneath it from 120 to 5669.
constexpr int LineTop = 2035;
constexpr int GreyFrom = 96;
constexpr int GreyTo = 5660;
constexpr int WhiteFrom = 120;
constexpr int WhiteTo = 5669;

const QString LayoutResource = u":/layouts/frmabout.hoverlet"_s;

} // namespace

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"frmAbout"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(ClientWidth, ClientHeight));
    setWindowIcon(programIcon());

    auto *icon = addLabel(this, u"picIcon", QString(), placementOf(Layout, u"picIcon"));
    icon->setPixmap(programIcon().pixmap(32, 32));

    auto *title = addLabel(this, u"lblTitle", ProgramTitle + u"   V"_s + ProgramShortVersion,
                           placementOf(Layout, u"lblTitle"));
    QFont titleFont(u"Comic Sans MS"_s);
    titleFont.setPointSizeF(13.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    setTextColor(title, DarkRed);

    auto *version = addLabel(this, u"lblVersion", QString(), placementOf(Layout, u"lblVersion"));
    auto *description =
        addLabel(this, u"lblDescription", QString(), placementOf(Layout, u"lblDescription"));
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColor(description, Qt::black);

    auto *ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"cmdOK"_s);
    ok->setGeometry(placementOf(Layout, u"cmdOK").toPixels());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *line = new EtchedLine(
        {0, twipsToPixels(GreyTo - GreyFrom)},
        {twipsToPixels(WhiteFrom - GreyFrom), twipsToPixels(WhiteTo - GreyFrom)}, this);
    line->setObjectName(u"Line1"_s);
    line->setGeometry(
        TwipRect{GreyFrom, LineTop, WhiteTo - GreyFrom, 3 * TwipsPerPixel}.toPixels());

    addLabel(this, u"Label2", u"Report comments and suggestions to:"_s,
             placementOf(Layout, u"Label2"));
    placeHostedControl(this, LayoutResource, u"Hoverlet1", placementOf(Layout, u"Hoverlet1"));
    addLabel(this, u"Label3", u"Visit our web site for updates:"_s, placementOf(Layout, u"Label3"));
    placeHostedControl(this, LayoutResource, u"Hoverlet2", placementOf(Layout, u"Hoverlet2"));

    // Set on every load, whatever the layout says.
    setWindowTitle(u"About "_s + ProgramTitle);
    version->setText(u"For Windows 95/98/2000/NT"_s);
    description->setText(AboutBox::description());

    ok->setFocus(Qt::OtherFocusReason);

    // Centred on the screen, which also keeps the dialog from placing itself over its parent.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

QString AboutBox::description()
{
    return u"This program is a molvera calculator for laboratory technicians. The program will "
           u"assist in the preparation of reagents for use in laboratories."_s;
}

} // namespace molvera
