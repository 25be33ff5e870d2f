#include "application.h"
#include "commandline.h"
#include "translations.h"

#include <ui/window/mainwindow.h>

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    const molvera::CommandLine commandLine(argc, argv);
    const std::unique_ptr<QCoreApplication> app = commandLine.createApplication(argc, argv);
    molvera::installTranslations(*app);
    if (const std::optional<int> status = commandLine.answer())
        return *status;

    molvera::setUpApplication();
    molvera::MainWindow window;
    window.show();
    return QApplication::exec();
}
