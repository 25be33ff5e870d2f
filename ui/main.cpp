#include "application.h"
#include "mainwindow.h"
#include "translations.h"

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
    parser.setApplicationDescription(QCoreApplication::translate(
        "molvera::CommandLine", "Works out how to make up reagent solutions."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        //: %1 is the program's name, %2 the argument it was given.
        const QString message =
            QCoreApplication::translate("molvera::CommandLine", "%1: unexpected argument '%2'");
        std::fprintf(stderr, "%s\n",
                     qPrintable(message.arg(QCoreApplication::applicationName(), extra.first())));
        std::exit(EXIT_FAILURE);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    molvera::installTranslations(app);
    molvera::setUpApplication();
    processCommandLine(app);

    molvera::MainWindow window;
    window.show();
    return QApplication::exec();
}
