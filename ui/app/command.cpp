#include "command.h"

#include <calc/molarcalculation.h>
#include <calc/numbertext.h>
#include <print/sheetpdf.h>
#include <ui/forms/numberlocale.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QJsonDocument>
#include <QLocale>

#include <algorithm>
#include <cstdio>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// The texts of every command's checks and its common options. The messages follow the
// program's name and a colon on standard error.
struct Texts
{
    MOLVERA_TR_CONTEXT(molvera::Commands)

    // clang-format off
    static constexpr CommandOption CommonOptions[] = {
        {"json"_L1, {}, MOLVERA_TR_NOOP("Write the answer as one JSON object, with numbers as numbers."), {}, OptionValue::Flag},
        //: FILE is the option's value, as the help writes it: keep it as it is.
        {"pdf"_L1, "FILE"_L1, MOLVERA_TR_NOOP("Write the calculation's sheet to FILE, as Save as PDF does."), {}, OptionValue::Text},
    };
    // clang-format on

    //: %1 is an option, such as --molarity, %2 a number of characters.
    static constexpr LocalizedText TooLong = MOLVERA_TR_NOOP("%1: longer than %2 characters.");
    //: %1 is an option, such as --name.
    static constexpr LocalizedText NotText = MOLVERA_TR_NOOP("%1: not one line of UTF-8 text.");
    //: %1 is an option, such as --volume.
    static constexpr LocalizedText Negative =
        MOLVERA_TR_NOOP("%1: a negative number, which no amount or strength can be.");
    //: %1 is an option, such as --molarity, which takes a number, with a unit for some options.
    static constexpr LocalizedText NotANumber =
        MOLVERA_TR_NOOP("%1: not a number, or not in a unit this option takes.");
    //: %1 is an option, such as --formula, or the program's name, molvera; %2 a sentence that
    //: says what is wrong with it.
    static constexpr LocalizedText Wrong = MOLVERA_TR_NOOP("%1: %2");
    //: %1 is an option, such as --type, %2 the values it takes, such as "w/w, w/v, v/v".
    static constexpr LocalizedText Choices = MOLVERA_TR_NOOP("%1 takes one of: %2.");
    //: %1 is a command, such as molar, %2 an option, such as --molarity.
    static constexpr LocalizedText Missing = MOLVERA_TR_NOOP("The %1 command needs %2.");
    //: %1 is the file's path, %2 the reason as the system gives it.
    static constexpr LocalizedText NotSaved =
        MOLVERA_TR_NOOP("The sheet was not saved as “%1”: %2");
};

// The most a page's box holds (a line edit's longest text): no number, formula or name is
// longer, and a longer value is a slip, not something to work with.
constexpr qsizetype MostCharacters = 32767;

QString optionName(QLatin1StringView option)
{
    return "--"_L1 + option;
}

void write(std::FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

// A message on standard error, after the program's name, as Qt's parser gives its own.
void tell(const QString &message)
{
    write(stderr,
          (translated(Texts::Wrong).arg(QCoreApplication::applicationName(), message) + u'\n')
              .toUtf8());
}

// Whether `text` holds a number below 0, bare, with a unit or as a stock's strength.
bool readsNegative(std::string_view text, const NumberLocale &locale)
{
    const std::string_view number = splitStock(text).strength;
    const auto below0 = [&](Dimension dimension, Unit bare) {
        const QuantityRead read = readQuantity(number, dimension, bare, locale);
        const auto *quantity = std::get_if<Quantity>(&read);
        return quantity && quantity->value < 0;
    };
    return below0(Dimension::Molarity, Unit::Molar) || below0(Dimension::Volume, Unit::Litre) ||
           below0(Dimension::Mass, Unit::Gram);
}

// The value of an option (`label` "--molarity") or an argument (`label` the command's word).
std::optional<Refusal> checkValue(const QString &label, OptionValue kind, const QString &value)
{
    if (value.size() > MostCharacters) {
        return Refusal{ExitStatus::BadInput,
                       translated(Texts::TooLong).arg(label, QLocale().toString(MostCharacters))};
    }
    // Bytes that are not UTF-8 arrive as replacement characters.
    const bool oneLine = std::ranges::none_of(value, [](QChar c) {
        return c == QChar::ReplacementCharacter ||
               (c.category() == QChar::Other_Control && c != u'\t');
    });
    if (!oneLine)
        return Refusal{ExitStatus::BadInput, translated(Texts::NotText).arg(label)};
    if (kind == OptionValue::Number && readsNegative(toUtf8(value), userNumberLocale()))
        return Refusal{ExitStatus::BadInput, translated(Texts::Negative).arg(label)};
    return std::nullopt;
}

Refusal missingOption(const Command &command, QStringView option)
{
    return {ExitStatus::UsageError, translated(Texts::Missing).arg(command.name, option)};
}

std::optional<Refusal> checkOptions(const QCommandLineParser &parser, const Command &command,
                                    std::span<const CommandOption> options)
{
    for (const CommandOption &option : options) {
        const QString name = option.name;
        if (!parser.isSet(name)) {
            if (option.required)
                return missingOption(command, optionName(option.name));
            continue;
        }
        if (option.value == OptionValue::Flag)
            continue;
        if (auto refusal = checkValue(optionName(option.name), option.value, parser.value(name)))
            return refusal;
    }
    return std::nullopt;
}

CommandOutcome checkedAnswer(const QCommandLineParser &parser, const Command &command)
{
    // --pdf is the second common option, for commands that print a sheet.
    const std::span<const CommandOption> common(Texts::CommonOptions, command.printsSheet ? 2 : 1);
    if (auto refusal = checkOptions(parser, command, command.options))
        return *refusal;
    if (auto refusal = checkOptions(parser, command, common))
        return *refusal;
    for (const QString &argument : parser.positionalArguments().mid(1)) {
        if (auto refusal = checkValue(command.name, OptionValue::Text, argument))
            return *refusal;
    }
    return command.answer(parser);
}

QByteArray jsonText(const Command &command, const Answer &answer)
{
    QJsonObject object{{u"format"_s, 1}, {u"command"_s, QString(command.name)}};
    for (auto member = answer.json.constBegin(); member != answer.json.constEnd(); ++member)
        object.insert(member.key(), member.value());
    object.insert(u"sentence"_s, answer.sentence);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

QString translated(const LocalizedText &text)
{
    return QCoreApplication::translate(text.context, text.english);
}

void describeCommand(QCommandLineParser &parser, const Command &command)
{
    parser.addHelpOption();
    parser.addPositionalArgument(command.name, translated(command.summary), command.name);
    if (command.arguments) {
        parser.addPositionalArgument(command.arguments->syntax,
                                     translated(command.arguments->description));
    }
    const auto add = [&parser](const CommandOption &option) {
        QCommandLineOption qtOption(option.name, translated(option.description));
        if (option.value != OptionValue::Flag) {
            qtOption.setValueName(option.valueName);
            if (!option.defaultValue.isEmpty())
                qtOption.setDefaultValue(option.defaultValue);
        }
        parser.addOption(qtOption);
    };
    std::ranges::for_each(command.options, add);
    add(Texts::CommonOptions[0]);
    if (command.printsSheet)
        add(Texts::CommonOptions[1]);
}

ExitStatus answerCommand(const QCommandLineParser &parser, const Command &command)
{
    const CommandOutcome outcome = checkedAnswer(parser, command);
    if (const auto *refusal = std::get_if<Refusal>(&outcome)) {
        tell(refusal->message);
        return refusal->status;
    }
    const Answer &answer = std::get<Answer>(outcome);
    // The sheet first: an answer whose sheet could not be written is no answer.
    if (command.printsSheet && answer.sheet && parser.isSet(u"pdf"_s)) {
        const QString path = parser.value(u"pdf"_s);
        if (const std::optional<QString> error =
                saveSheetPdf(*answer.sheet, path, QDate::currentDate(), QLocale())) {
            tell(translated(Texts::NotSaved).arg(QDir::toNativeSeparators(path), *error));
            return ExitStatus::BadInput;
        }
    }
    write(stdout,
          parser.isSet(u"json"_s) ? jsonText(command, answer) : (answer.sentence + u'\n').toUtf8());
    return ExitStatus::Answered;
}

Refusal badValue(QLatin1StringView option, const QString &reason)
{
    if (!reason.isEmpty())
        return {ExitStatus::BadInput, translated(Texts::Wrong).arg(optionName(option), reason)};
    return {ExitStatus::BadInput, translated(Texts::NotANumber).arg(optionName(option))};
}

Refusal badChoice(QLatin1StringView option, QStringView choices)
{
    return {ExitStatus::UsageError, translated(Texts::Choices).arg(optionName(option), choices)};
}

Refusal badArgument(const Command &command, const QString &reason)
{
    return {ExitStatus::BadInput, translated(Texts::Wrong).arg(command.name, reason)};
}

QJsonValue numberJson(std::string_view text, const NumberLocale &locale)
{
    const NumberRead read = readNumber(text, locale);
    if (const double *value = std::get_if<double>(&read))
        return *value;
    return QJsonValue::Null;
}

QJsonValue quantityJson(std::string_view text, Dimension dimension, Unit bare,
                        const NumberLocale &locale)
{
    const QuantityRead read = readQuantity(text, dimension, bare, locale);
    if (const auto *quantity = std::get_if<Quantity>(&read))
        return quantity->value;
    return QJsonValue::Null;
}

QJsonObject amountJson(const MeasuredAmount &amount, const NumberLocale &locale)
{
    // The number the instructions say, so that a script and the sentence agree; nanolitres, which
    // no pipette reads, as microlitres.
    const NumberRead read = readNumber(amount.number, locale);
    double value = std::holds_alternative<double>(read) ? std::get<double>(read) : amount.value;
    Unit unit = amount.unit;
    if (unit == Unit::Nanolitre) {
        value /= 1000;
        unit = Unit::Microlitre;
    }
    return {{u"value"_s, value}, {u"unit"_s, fromUtf8(symbolOf(unit))}};
}

} // namespace molvera
