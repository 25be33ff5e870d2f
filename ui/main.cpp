#include "application.h"
#include "firstpaintprobe.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    molvera::setUpApplication();

    molvera::MainWindow window;
    molvera::FirstPaintProbe::watch(&window);
    window.show();
    return QApplication::exec();
}
