#include "aboutbox.h"

#include <ui/forms/formtable.h>
#include <ui/forms/hostedcontrols.h>
#include <ui/forms/pictures.h>
#include <ui/forms/programinfo.h>
#include <ui/widgets/etchedline.h>

#include <QGuiApplication>
#include <QScreen>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// Twips from the corner of the client area, which is 5730 by 4020.
constexpr int ClientWidth = 5730;
constexpr int ClientHeight = 4020;

// The etched separator at 2035: grey from 96 to 5660, white beneath it from 120 to 5669.
constexpr int LineTop = 2035;
constexpr int GreyFrom = 96;
constexpr int GreyTo = 5660;
constexpr int WhiteFrom = 120;
constexpr int WhiteTo = 5669;

} // namespace

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"frmAbout"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(ClientWidth, ClientHeight));
    setWindowIcon(programIcon());
    //: %1 is the program's name.
    setWindowTitle(tr("About %1").arg(ProgramTitle));

    buildControls(this, controls(), {.hostedLayout = u":/layouts/frmabout.hoverlet"_s});
    m_title->setText(ProgramTitle + u"   V"_s + ProgramShortVersion);

    auto *line = new EtchedLine(
        {0, twipsToPixels(GreyTo - GreyFrom)},
        {twipsToPixels(WhiteFrom - GreyFrom), twipsToPixels(WhiteTo - GreyFrom)}, this);
    line->setObjectName(u"Line1"_s);
    line->setGeometry(
        TwipRect{GreyFrom, LineTop, WhiteTo - GreyFrom, 3 * TwipsPerPixel}.toPixels());

    // Centred on the screen, which also keeps the dialog from placing itself over its parent.
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

std::span<const ControlRow<AboutBox>> AboutBox::controls()
{
    using enum ControlKind;
    using enum Placement;
    using P = AboutBox;
    // Twips from the corner of the client area. The title, the program's name and version, is set
    // by the constructor.
    static constexpr const char *Description = QT_TR_NOOP(
        "This program is a molvera calculator for laboratory technicians. The program will "
        "assist in the preparation of reagents for use in laboratories.");
    // clang-format off
    static constexpr ControlRow<AboutBox> Table[] = {
    //   name               kind           placement  left  top   width height  tab kept in       caption or text                                     tool-tip
        {u"picIcon",        Picture,       OnForm,   { 120,  120,  480,  480}, {}, {},            {},                                                 {}},
        {u"lblTitle",       Title,         OnForm,   { 720,  240, 4815,  480}, {}, &P::m_title,  {},                                                 {}},
        {u"lblVersion",     Label,         OnForm,   { 720,  780, 3888,  228}, {}, {},            QT_TR_NOOP("For Windows 95/98/2000/NT"),            {}},
        {u"lblDescription", Paragraph,     OnForm,   { 720, 1080, 3888,  816}, {}, {},            Description,                                        {}},
        {u"cmdOK",          OkButton,      OnForm,   {4200, 2160, 1259,  345}, {}, {},            QT_TR_NOOP("OK"),                                   {}},
        {u"Label2",         Label,         OnForm,   { 240, 2880, 3012,  252}, {}, {},            QT_TR_NOOP("Report comments and suggestions to:"),  {}},
        {u"Hoverlet1",      HostedControl, OnForm,   { 240, 3120, 1335,  255}, {}, {},            {},                                                 {}},
        {u"Label3",         Label,         OnForm,   { 240, 3480, 2535,  255}, {}, {},            QT_TR_NOOP("Visit our web site for updates:"),      {}},
        {u"Hoverlet2",      HostedControl, OnForm,   {2400, 3480, 1455,  255}, {}, {},            {},                                                 {}},
    };
    // clang-format on
    return Table;
}

} // namespace molvera
