#pragma once

#include <calc/measuredamount.h>
#include <calc/translatable.h>
#include <print/calculationsheet.h>
#include <ui/pages/refusalmessages.h>

#include <QJsonObject>
#include <QLatin1StringView>
#include <QString>

#include <optional>
#include <span>
#include <string_view>
#include <variant>

class QCommandLineParser;

namespace molvera {

struct NumberLocale;

// What the program's exit status says of a command; the manual page documents them.
enum class ExitStatus {
    Answered = 0,
    UsageError = 1, // an unknown command or option, or a value or an option missing
    BadInput = 2,   // a value that is not a number or formula the option takes
    Refused = 3,    // a preparation that cannot be made or calculated
};

// How an option's value is checked before the command reads it. Every value is one line of
// UTF-8 text no longer than a page's box holds; a number is not negative.
enum class OptionValue { Flag, Text, Choice, Number };

struct CommandOption
{
    QLatin1StringView name;         // "molarity", given as --molarity
    QLatin1StringView valueName;    // "R", as the help and the manual page write it
    LocalizedText description;      // for --help
    QLatin1StringView defaultValue; // empty for none
    OptionValue value = OptionValue::Number;
    bool required = false;
};

// The arguments a command takes after its word: at most `most` of them.
struct CommandArguments
{
    QLatin1StringView syntax; // "F", as the help writes them
    LocalizedText description;
    int most = 1;
};

// A command's answer: the line it writes, the members of its JSON object besides "format",
// "command" and "sentence", and the sheet that --pdf writes.
struct Answer
{
    QString sentence;
    QJsonObject json;
    std::optional<CalculationSheet> sheet;
};

// Why a command gives no answer: the exit status and what standard error says, a sentence.
struct Refusal
{
    ExitStatus status = ExitStatus::UsageError;
    QString message;
};

using CommandOutcome = std::variant<Refusal, Answer>;

// One command of the command line, one entry of the command table (commands.h). Each command
// also takes --json, --help, and --pdf FILE where it prints a sheet.
struct Command
{
    QLatin1StringView name; // the word after the program's name: "molar"
    LocalizedText summary;  // one line, for --help
    std::span<const CommandOption> options;
    std::optional<CommandArguments> arguments;
    bool printsSheet = false;
    // Answers from a parser that has processed the command line with the command's options,
    // whose values have been checked.
    CommandOutcome (*answer)(const QCommandLineParser &parser) = nullptr;
};

// The options of `command` for `parser`, with the command's word as its first argument, in the
// way Qt describes git-like commands; the program's description is the caller's.
void describeCommand(QCommandLineParser &parser, const Command &command);

// Checks the values, answers the command and writes its answer: its sentence, its JSON object
// or its sheet, or a message on standard error. `parser` has processed the command line.
ExitStatus answerCommand(const QCommandLineParser &parser, const Command &command);

// A text of the command line's tables in the user's language.
QString translated(const LocalizedText &text);

// Refusals that a command words itself.
// The value of `option` (--name) is not one the option takes; `reason` says why when it is more
// than not being a number.
Refusal badValue(QLatin1StringView option, const QString &reason = {});
Refusal badChoice(QLatin1StringView option, QStringView choices);
// An argument after the command's word is not one it takes, for `reason`.
Refusal badArgument(const Command &command, const QString &reason);

// What a calculation refuses, if it does: an input that does not read is the option of its place
// in `optionOfInput`, other refusals say why as the page's message box does.
template<typename... Alternatives>
std::optional<Refusal> refusalOf(const std::variant<Alternatives...> &result,
                                 std::span<const QLatin1StringView> optionOfInput)
{
    if (const auto *failure = std::get_if<InputFailure>(&result))
        return badValue(optionOfInput[std::size_t(failure->input)]);
    const RefusalMessage message =
        std::visit([](const auto &kind) { return refusalMessage(kind); }, result);
    if (message.text.isEmpty())
        return std::nullopt;
    return Refusal{ExitStatus::Refused, message.text};
}

// Values as the JSON object gives them: numbers as read, never in the user's number format.
// A number the calculation read, or null.
QJsonValue numberJson(std::string_view text, const NumberLocale &locale);
// A number with an optional unit, in `bare`.
QJsonValue quantityJson(std::string_view text, Dimension dimension, Unit bare,
                        const NumberLocale &locale);
// An amount as the instructions give it: {"value", "unit"}, in g, mg, µg, mL or µL.
QJsonObject amountJson(const MeasuredAmount &amount, const NumberLocale &locale);

} // namespace molvera
