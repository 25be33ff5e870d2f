#include "application.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace {

// --help and --version answer and end the program; a wrong option or any argument ends it with
// an error. A start without options reads nothing and goes on as before. QApplication has already
// taken Qt's own options (-style, -platform ...) out of the arguments.
void processCommandLine(const QApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Works out how to make up reagent solutions."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        std::fprintf(stderr, "%s: unexpected argument '%s'\n",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(extra.first()));
        std::exit(EXIT_FAILURE);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    molvera::setUpApplication();
    processCommandLine(app);

    molvera::MainWindow window;
    window.show();
    return QApplication::exec();
}
