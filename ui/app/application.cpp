#include "application.h"

#include "accessibility.h"

#include <hoverlet/componentserver.h>
#include <ui/forms/faces.h>
#include <ui/forms/programinfo.h>

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace molvera {

using namespace Qt::StringLiterals;

void describeProgram()
{
    QCoreApplication::setApplicationName(u"molvera"_s);
    QCoreApplication::setApplicationVersion(ProgramVersion.toString());
    // The desktop entry's id: a Wayland desktop matches the window's app id with it, to show the
    // entry's icon and name and to tell the running window from its launcher.
    QGuiApplication::setDesktopFileName(u"example.kestrova.molvera"_s);
}

void setUpApplication()
{
    // The layouts name the faces they were designed with. Their boxes were sized for a narrow
    // bitmap sans: a narrow grotesque fits them, where DejaVu Sans would clip labels such as
    // "Conc of Stock Soln:". The maker's link gets the same face in bold, the title a comic face.
    QFont::insertSubstitutions(u"MS Sans Serif"_s, {u"Nimbus Sans Narrow"_s, u"DejaVu Sans"_s});
    QFont::insertSubstitutions(u"Comic Sans MS"_s, {u"Comic Neue"_s, u"DejaVu Sans"_s});
    QFont::insertSubstitutions(u"Fritz-Quad"_s, {u"Nimbus Sans Narrow"_s, u"DejaVu Sans"_s});

    QFont formFont(installedFace(u"MS Sans Serif"_s));
    formFont.setPointSizeF(8.25);
    QApplication::setFont(formFont);

    describeProgram();
    // The main window decides when the program ends: an about box left open keeps it running.
    QGuiApplication::setQuitOnLastWindowClosed(false);

    DllRegisterServer();
    installAccessibleInterfaces();
}

} // namespace molvera
