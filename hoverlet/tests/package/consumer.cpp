// Loads one link by class name from a stored layout, as a host program does.
#include <hoverlet/componentserver.h>
#include <hoverlet/formlayout.h>
#include <hoverlet/hoverlet.h>
#include <hoverlet/hoverlet_version.h>

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (DllRegisterServer() != hoverlet::Result::Ok)
        return 1;
    const auto layout = hoverlet::FormLayout::fromText(
        QStringLiteral("Begin vbpHoverlet.Hoverlet Link\n Caption = \"Outside\"\nEnd\n"));
    if (!layout)
        return 2;
    QWidget form;
    QWidget *control =
        hoverlet::createControl(layout->controls[0].className, &form, layout->controls[0].bag);
    auto *link = qobject_cast<hoverlet::Hoverlet *>(control);
    if (!link || link->caption() != QStringLiteral("Outside"))
        return 3;
    // The installed version header and the library name one version.
    if (hoverlet::classDescription(layout->controls[0].className) !=
        QLatin1StringView("Tarnwick Hoverlet " HOVERLET_VERSION_NAME))
        return 5;
    QTextStream(stdout) << "created " << link->caption() << " from "
                        << hoverlet::classDescription(layout->controls[0].className) << '\n';
    delete control;
    return DllCanUnloadNow() == hoverlet::Result::Ok ? 0 : 4;
}
