#include "commands.h"

#include <book/bookcsv.h>
#include <book/bookstore.h>
#include <book/bottletexts.h>
#include <book/labaddress.h>
#include <book/starterbottles.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QSaveFile>
#include <QStringList>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

struct Texts
{
    MOLVERA_TR_CONTEXT(molvera::BookCommand)

    //: The book command's line in --help.
    static constexpr LocalizedText Summary =
        MOLVERA_TR_NOOP("Lists, exports or imports the bottles of the reagent book.");
    //: Keep list, export, import and FILE as they are: they are typed so.
    static constexpr LocalizedText Arguments = MOLVERA_TR_NOOP(
        "list; export FILE, as CSV; or import FILE, a CSV file of either kind, all or nothing.");
    //: CONNECTION is the option's value, as the help writes it: keep it as it is.
    static constexpr LocalizedText LabOption = MOLVERA_TR_NOOP(
        "The lab book at CONNECTION, a libpq connection string or URI, instead of your own book "
        "(MOLVERA_LAB_BOOK gives it too).");
    static constexpr LocalizedText CommaOption = MOLVERA_TR_NOOP(
        "Export with semicolons and decimal commas, as spreadsheets of such languages read it.");

    //: Keep list, export, import and FILE as they are.
    static constexpr LocalizedText What =
        MOLVERA_TR_NOOP("The book command takes list, export FILE or import FILE.");
    //: %1 is the file, %2 why it could not be read or written, as the system says it.
    static constexpr LocalizedText FileFailed = MOLVERA_TR_NOOP("“%1”: %2");
    //: A bottle of the list: %1 its name, %2 its formula (never translated), %3 its strength.
    static constexpr LocalizedText Listed = MOLVERA_TR_NOOP("%1\t%2\t%3");
    //: %1 is how many bottles were written, %2 the file.
    static constexpr LocalizedText Exported = MOLVERA_TR_NOOP("%1 bottles written to “%2”.");
    //: %1 is how many bottles were added, %2 how many rows were in the book already.
    static constexpr LocalizedText Imported =
        MOLVERA_TR_NOOP("%1 bottles added; %2 already in the book and not added again.");
    //: After this sentence, each bad row is named on a line of its own.
    static constexpr LocalizedText NotImported =
        MOLVERA_TR_NOOP("Nothing was imported: these rows cannot be.");
};

// clang-format off
constexpr CommandOption Options[] = {
    {"lab-book"_L1, "CONNECTION"_L1, Texts::LabOption, {}, OptionValue::Text},
    {"decimal-comma"_L1, {}, Texts::CommaOption, {}, OptionValue::Flag},
};
// clang-format on

CommandOutcome answer(const QCommandLineParser &parser);

constexpr Command ThisCommand{
    .name = "book"_L1,
    .summary = Texts::Summary,
    .options = Options,
    .arguments = CommandArguments{.syntax = "list|export FILE|import FILE"_L1,
                                  .description = Texts::Arguments,
                                  .most = 2},
    .printsSheet = false,
    .answer = &answer,
};

QJsonObject bottleJson(const Bottle &bottle, const QString &book)
{
    const auto optional = [](const std::optional<double> &value) {
        return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
    };
    return {
        {u"name"_s, shownName(bottle)},
        {u"formula"_s, bottle.formula},
        {u"basis"_s, basisKey(bottle.basis)},
        {u"strength"_s, bottle.strength},
        {u"specific_gravity"_s, optional(bottle.specificGravity)},
        // To the 15 digits molvera writes a weight with, not the sum's last bits.
        {u"molecular_weight"_s,
         optional(bottle.molecularWeight
                      ? std::optional(QString::number(*bottle.molecularWeight, 'g', 15).toDouble())
                      : std::nullopt)},
        {u"waters"_s, bottle.waters},
        {u"cas"_s, bottle.cas},
        {u"location"_s, bottle.location},
        {u"book"_s, book}};
}

CommandOutcome answer(const QCommandLineParser &parser)
{
    const QStringList arguments = parser.positionalArguments().mid(1);
    const QString what = arguments.value(0);
    const bool withFile = what == u"export" || what == u"import";
    if (!(what == u"list" && arguments.size() == 1) && !(withFile && arguments.size() == 2))
        return Refusal{ExitStatus::UsageError, translated(Texts::What)};

    // The lab book where one is asked for, else the user's own.
    const QString lab =
        parser.isSet(u"lab-book"_s) ? parser.value(u"lab-book"_s) : BookStore::environmentLabBook();
    BookStore store;
    const BookStatus &status =
        lab.isEmpty() ? store.open(BookStore::defaultPath()) : store.openLab(lab);
    if (!status.canRead())
        return Refusal{ExitStatus::Refused, status.message};
    const QString book = lab.isEmpty() ? u"mine"_s : u"lab"_s;

    if (what == u"list") {
        QStringList lines;
        QJsonArray bottles;
        for (const Bottle &bottle : store.bottles()) {
            lines << translated(Texts::Listed)
                         .arg(shownName(bottle), bottle.formula, strengthText(bottle));
            bottles.append(bottleJson(bottle, book));
        }
        return Answer{.sentence = lines.join(u'\n'),
                      .json = {{u"bottles"_s, bottles}},
                      .sheet = std::nullopt};
    }

    const QString path = arguments.value(1);
    if (what == u"export") {
        const QList<Bottle> bottles = store.bottles();
        QSaveFile file(path);
        const CsvDialect dialect =
            parser.isSet(u"decimal-comma"_s) ? CsvDialect::DecimalComma : CsvDialect::Rfc4180;
        if (!file.open(QIODevice::WriteOnly) || file.write(writeBookCsv(bottles, dialect)) < 0 ||
            !file.commit()) {
            return Refusal{ExitStatus::BadInput,
                           translated(Texts::FileFailed)
                               .arg(QDir::toNativeSeparators(path), file.errorString())};
        }
        return Answer{
            .sentence =
                translated(Texts::Exported).arg(bottles.size()).arg(QDir::toNativeSeparators(path)),
            .json = {{u"written"_s, bottles.size()}, {u"file"_s, path}},
            .sheet = std::nullopt};
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Refusal{
            ExitStatus::BadInput,
            translated(Texts::FileFailed).arg(QDir::toNativeSeparators(path), file.errorString())};
    }
    const ImportReport report = store.importCsv(file.readAll());
    if (report.refusal)
        return Refusal{ExitStatus::Refused, report.refusal->message};
    if (!report.problems.isEmpty()) {
        QStringList lines{translated(Texts::NotImported)};
        for (const ImportProblem &problem : report.problems)
            lines << problem.sentence();
        return Refusal{ExitStatus::Refused, lines.join(u'\n')};
    }
    QJsonArray skipped;
    for (const ImportProblem &problem : report.skipped)
        skipped.append(problem.line);
    return Answer{.sentence =
                      translated(Texts::Imported).arg(report.added).arg(report.skipped.size()),
                  .json = {{u"added"_s, report.added}, {u"skipped_lines"_s, skipped}},
                  .sheet = std::nullopt};
}

} // namespace

Command bookCommand()
{
    return ThisCommand;
}

} // namespace molvera
