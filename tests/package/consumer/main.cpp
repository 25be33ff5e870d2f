// The Designer form compiled by uic against the installed headers: uic calls the control's own
// setters where their names follow the properties' and setProperty() for URL, Font and Enabled.
#include "ui_contactform.h"

#include <hoverlet/hoverlet.h>

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget form;
    Ui::ContactForm ui;
    ui.setupUi(&form);
    const hoverlet::Hoverlet *link = ui.supportLink;
    QTextStream(stdout) << "uic form: " << link->caption() << " -> " << link->url() << '\n';
    const bool asDesigned = link->caption() == QStringLiteral("Kestrova Software") &&
                            link->url() == QStringLiteral("mailto:support@kestrova.example") &&
                            link->normalColor() == 0x008000 && link->hoverColor() == 0x000080 &&
                            !link->normalUnderline() && link->linkFont().bold() &&
                            link->isLinkEnabled();
    return asDesigned ? 0 : 1;
}
