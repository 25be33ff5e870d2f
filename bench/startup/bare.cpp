// The smallest window comparable with molvera's: a main window holding one tab control.
#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *tabs = new QTabWidget(&window);
    tabs->addTab(new QWidget(tabs), QStringLiteral("Page"));
    window.setCentralWidget(tabs);
    window.resize(624, 417);
    window.show();
    return QApplication::exec();
}
