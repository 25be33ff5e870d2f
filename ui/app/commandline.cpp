#include "commandline.h"

#include "application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// Qt's own options, which QApplication takes out of the arguments before the program sees them:
// the window system's and the style's. Some take the next argument as their value.
constexpr std::array<QLatin1StringView, 16> QtOptionsWithValue{
    "-platform"_L1,
    "-platformpluginpath"_L1,
    "-platformtheme"_L1,
    "-plugin"_L1,
    "-qwindowgeometry"_L1,
    "-geometry"_L1,
    "-qwindowtitle"_L1,
    "-title"_L1,
    "-qwindowicon"_L1,
    "-icon"_L1,
    "-session"_L1,
    "-style"_L1,
    "-stylesheet"_L1,
    "-display"_L1,
    "-name"_L1,
    "-visual"_L1,
};
constexpr std::array<QLatin1StringView, 7> QtFlags{
    "-qmljsdebugger"_L1, "-reverse"_L1, "-testability"_L1, "-sync"_L1,
    "-nograb"_L1,        "-dograb"_L1,  "-widgetcount"_L1,
};

// The arguments without the program's name and without Qt's own options, in the form QApplication
// takes them ("-style fusion", "-style=fusion", also with two dashes).
QStringList ownArguments(const QStringList &arguments)
{
    QStringList own;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString &argument = arguments.at(index);
        const QString option = argument.startsWith("--"_L1) ? argument.mid(1) : argument;
        const QString name = option.section(u'=', 0, 0);
        const auto hasName = [&name](QLatin1StringView qtOption) { return name == qtOption; };
        if (std::ranges::any_of(QtFlags, hasName))
            continue;
        if (std::ranges::any_of(QtOptionsWithValue, hasName)) {
            if (!option.contains(u'='))
                ++index;
            continue;
        }
        own.append(argument);
    }
    return own;
}

// QCommandLineParser's own descriptions of --help and --help-all, which Debian's Qt catalogues
// leave in English in several languages: the program's catalogues carry them in the parser's
// context, where its tr() finds them.
[[maybe_unused]] constexpr const char *ParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

// The program's own texts on the command line.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(molvera::CommandLine)
};

void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(Texts::tr("Works out how to make up reagent solutions."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// What the command line asks for before anything else.
enum class Request { Window, Answer, QtOptions };

Request request(const QStringList &arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(arguments.mid(0, 1) + ownArguments(arguments)))
        return Request::Answer;
    if (parser.isSet(u"help-all"_s))
        return Request::QtOptions;
    return parser.optionNames().isEmpty() && parser.positionalArguments().isEmpty()
               ? Request::Window
               : Request::Answer;
}

QStringList argumentList(int argc, char **argv)
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

} // namespace

std::unique_ptr<QCoreApplication> createApplication(int &argc, char **argv)
{
    describeProgram();
    switch (request(argumentList(argc, argv))) {
    case Request::Window:
        return std::make_unique<QApplication>(argc, argv);
    case Request::QtOptions:
        // Only the application that takes Qt's options lists them; on the offscreen platform it
        // needs no display either.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    case Request::Answer:
        break;
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

std::optional<int> answerCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    describeOptions(parser);
    // --help, --version and a wrong option end the program here.
    const QStringList arguments = app.arguments();
    parser.process(arguments.mid(0, 1) + ownArguments(arguments));
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        //: %1 is the program's name, %2 the argument it was given.
        const QString message = Texts::tr("%1: unexpected argument '%2'");
        std::fprintf(stderr, "%s\n",
                     qPrintable(message.arg(QCoreApplication::applicationName(), extra.first())));
        return EXIT_FAILURE;
    }
    return std::nullopt;
}

} // namespace molvera
