#include "commandline.h"

#include "application.h"
#include "commands.h"

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
// takes them ("-style fusion", "-style=fusion", also with two dashes). From the first argument
// that is no option on, such as a command's word, they are all the program's: a command's
// "--name" is not Qt's "-name".
QStringList ownArguments(const QStringList &arguments)
{
    QStringList own;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString &argument = arguments.at(index);
        if (!argument.startsWith(u'-')) {
            own += arguments.mid(index);
            break;
        }
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

void addDescription(QCommandLineParser &parser)
{
    parser.setApplicationDescription(Texts::tr("Works out how to make up reagent solutions."));
}

void describeOptions(QCommandLineParser &parser)
{
    addDescription(parser);
    parser.addHelpOption();
    parser.addVersionOption();
    QStringList words;
    for (const Command &command : commands())
        words.append(command.name);
    //: %1 lists the commands, which are never translated: "molar, percent, hydrate, formula".
    //: COMMAND stands for one of them.
    parser.addPositionalArgument(u"command"_s,
                                 Texts::tr("One of %1, answered on the terminal; \"molvera "
                                           "COMMAND --help\" describes its options. Without a "
                                           "command molvera opens its window.")
                                     .arg(words.join(u", ")),
                                 u"[command]"_s);
}

// A message on standard error, after the program's name, as Qt's parser gives its own.
void tell(const QString &message)
{
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

// The command whose word is the first argument, before or after the program's own options.
const Command *commandOf(const QStringList &arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.parse(arguments);
    const QStringList words = parser.positionalArguments();
    return words.isEmpty() ? nullptr : findCommand(words.first());
}

// What the command line asks for before anything else.
enum class Request { Window, Answer, QtOptions };

Request request(const QStringList &arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    if (!parser.parse(arguments))
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

CommandLine::CommandLine(int argc, char **argv)
{
    const QStringList arguments = argumentList(argc, argv);
    m_arguments = arguments.mid(0, 1) + ownArguments(arguments);
    // With no argument, the window starts: nothing to read.
    if (m_arguments.size() > 1)
        m_command = commandOf(m_arguments);
}

std::unique_ptr<QCoreApplication> CommandLine::createApplication(int &argc, char **argv) const
{
    describeProgram();
    if (m_command) {
        argc = 1;
        if (writesSheet()) {
            // The platform's theme is left out too: a desktop's (gtk3) would look for a display.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qunsetenv("QT_QPA_PLATFORMTHEME");
            return std::make_unique<QGuiApplication>(argc, argv);
        }
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    switch (request(m_arguments)) {
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

bool CommandLine::writesSheet() const
{
    QCommandLineParser parser;
    addDescription(parser);
    describeCommand(parser, *m_command);
    return m_command->printsSheet && parser.parse(m_arguments) && parser.isSet(u"pdf"_s);
}

std::optional<int> CommandLine::answer() const
{
    if (m_command)
        return answerCommand();
    QCommandLineParser parser;
    describeOptions(parser);
    // --help, --version and a wrong option end the program here.
    parser.process(m_arguments);
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        //: %1 is the program's name, %2 the argument it was given, which names no command.
        tell(Texts::tr("%1: unknown command '%2'; \"%1 --help\" lists the commands.")
                 .arg(QCoreApplication::applicationName(), extra.first()));
        return EXIT_FAILURE;
    }
    return std::nullopt;
}

int CommandLine::answerCommand() const
{
    QCommandLineParser parser;
    addDescription(parser);
    describeCommand(parser, *m_command);
    // --help and a wrong option end the program here.
    parser.process(m_arguments);
    // The command's word, then its arguments.
    const qsizetype most = 1 + (m_command->arguments ? m_command->arguments->most : 0);
    if (const QStringList extra = parser.positionalArguments().mid(most); !extra.isEmpty()) {
        //: %1 is the program's name, %2 the argument it was given.
        const QString message = Texts::tr("%1: unexpected argument '%2'");
        tell(message.arg(QCoreApplication::applicationName(), extra.first()));
        return EXIT_FAILURE;
    }
    return int(molvera::answerCommand(parser, *m_command));
}

} // namespace molvera
