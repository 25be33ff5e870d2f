// molvera-monkey: a seeded random user of the real main window.
//
//   molvera-monkey --seed N --actions N [--locale de_DE] [--shrink-seconds S]
//   molvera-monkey --locale de_DE --replay FILE
//
// MOLVERA_MONKEY_SEED, when set, replaces the seed. Exit code 0: nothing found.

#include "run.h"
#include "supervisor.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    bool child = false;
    for (int i = 1; i < argc; ++i)
        child = child || std::strcmp(argv[i], "--child") == 0;
    // The child is the program with its window; the supervisor only starts children.
    const std::unique_ptr<QCoreApplication> app =
        child ? std::make_unique<QApplication>(argc, argv)
              : std::make_unique<QCoreApplication>(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption seed(u"seed"_s, u"Seed of the random user."_s, u"n"_s, u"1"_s);
    const QCommandLineOption actions(u"actions"_s, u"How many actions."_s, u"n"_s, u"2000"_s);
    const QCommandLineOption locale(u"locale"_s, u"The user's locale."_s, u"name"_s, u"en_US"_s);
    const QCommandLineOption replay(u"replay"_s, u"Replay the actions of a file."_s, u"file"_s);
    const QCommandLineOption shrinkSeconds(
        u"shrink-seconds"_s, u"Time allowed for shrinking a failure."_s, u"s"_s, u"240"_s);
    const QCommandLineOption childOption(u"child"_s, u"(internal) run in this process."_s);
    const QCommandLineOption log(u"log"_s, u"(internal) action log."_s, u"file"_s);
    const QCommandLineOption scratch(u"scratch"_s, u"(internal) folder for sheets."_s, u"dir"_s);
    parser.addOptions({seed, actions, locale, replay, shrinkSeconds, childOption, log, scratch});
    parser.process(*app);

    quint64 seedValue = parser.value(seed).toULongLong();
    if (const QByteArray fromEnvironment = qgetenv("MOLVERA_MONKEY_SEED");
        !fromEnvironment.isEmpty())
        seedValue = fromEnvironment.toULongLong();

    if (child) {
        return monkey::runMonkey({.seed = seedValue,
                                  .actions = parser.value(actions).toInt(),
                                  .locale = parser.value(locale),
                                  .logPath = parser.value(log),
                                  .replayPath = parser.value(replay),
                                  .scratch = parser.value(scratch)});
    }
    monkey::Supervisor supervisor(QCoreApplication::applicationFilePath(), parser.value(locale),
                                  parser.value(shrinkSeconds).toInt());
    if (parser.isSet(replay))
        return supervisor.replayFile(parser.value(replay));
    return supervisor.run(seedValue, parser.value(actions).toInt());
}
