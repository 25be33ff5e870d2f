#include "commands.h"

#include <calc/molarcalculation.h>
#include <calc/percentcalculation.h>
#include <ui/forms/numberlocale.h>
#include <ui/pages/sheetlabel.h>

#include <QCommandLineParser>

#include <algorithm>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

struct Texts
{
    MOLVERA_TR_CONTEXT(molvera::PercentCommand)

    //: The percent command's line in --help.
    static constexpr LocalizedText Summary =
        MOLVERA_TR_NOOP("How much stock to measure for a percent solution, as the % Solution "
                        "page works it out.");

    // The letters are the values' names in the help and the manual page.
    // clang-format off
    static constexpr CommandOption Options[] = {
        //: w/w, w/v and v/v are the option's values: keep them as they are.
        {"type"_L1, "T"_L1, MOLVERA_TR_NOOP("What the percent is of: w/w (made by weight), w/v or v/v."), {}, OptionValue::Choice, true},
        {"percent"_L1, "C"_L1, MOLVERA_TR_NOOP("The percent wanted."), {}, OptionValue::Number, true},
        //: Keep 100, 2 kg and 1 L as they are.
        {"amount"_L1, "A"_L1, MOLVERA_TR_NOOP("The amount to make, in grams for w/w and mL otherwise, or with its unit: 100, 2 kg, 1 L."), {}, OptionValue::Number, true},
        //: Keep "20 % w/v" as it is, but for the language's decimal separator and its way of writing % w/v.
        {"stock"_L1, "S"_L1, MOLVERA_TR_NOOP("The stock's percent by weight, or in grams per 100 mL written as 20 % w/v. Default: 100."), "100"_L1, OptionValue::Number},
        {"sg"_L1, "G"_L1, MOLVERA_TR_NOOP("The specific gravity of the stock. Default: 1."), "1"_L1, OptionValue::Number},
        {"formula"_L1, "F"_L1, MOLVERA_TR_NOOP("The substance's formula, which the sentence names."), {}, OptionValue::Text},
        {"name"_L1, "N"_L1, MOLVERA_TR_NOOP("The reagent's name, for the sheet's label."), {}, OptionValue::Text},
    };
    // clang-format on
};

struct TypeDesign
{
    QStringView word; // as --type takes it
    ConcentrationType type;
};

constexpr TypeDesign Types[] = {
    {u"w/w", ConcentrationType::WeightPerWeight},
    {u"w/v", ConcentrationType::WeightPerVolume},
    {u"v/v", ConcentrationType::VolumePerVolume},
};

// The calculation's inputs in the order it reads them, as the options that give them.
constexpr QLatin1StringView OptionOfInput[] = {"stock"_L1, "sg"_L1, "amount"_L1, "percent"_L1};

CommandOutcome answer(const QCommandLineParser &parser)
{
    const QString typeWord = parser.value(u"type"_s);
    const auto *design = std::ranges::find(Types, typeWord, &TypeDesign::word);
    if (design == std::end(Types))
        return badChoice("type"_L1, u"w/w, w/v, v/v");
    const ConcentrationType type = design->type;

    const NumberLocale locale = userNumberLocale();
    const auto text = [&parser](QLatin1StringView option) { return toUtf8(parser.value(option)); };
    const std::string percent = text("percent"_L1);
    const std::string amount = text("amount"_L1);
    const std::string gravity = text("sg"_L1);
    const std::string formula = text("formula"_L1);
    const std::string stockText = text("stock"_L1);
    // A percent, of weight in weight unless it says w/v; a molar stock is no percent.
    const StockText stock = splitStock(stockText);
    const bool wvStock = stock.unit == MolarInputs::WeightPerVolumeStock;
    if (!wvStock && stock.unit != MolarInputs::PercentStock)
        return badValue("stock"_L1);
    const ConcentrationType basis =
        wvStock ? ConcentrationType::WeightPerVolume : ConcentrationType::WeightPerWeight;

    const PercentResult result = PercentCalculation::calculate(
        type, {stock.strength, gravity, amount, percent, formula, basis}, locale, translatedText);
    if (std::optional<Refusal> refusal = refusalOf(result, OptionOfInput))
        return *refusal;
    const PercentOutcome &outcome = std::get<PercentOutcome>(result);

    const bool byWeight = type == ConcentrationType::WeightPerWeight;
    const QString substance = parser.value(u"formula"_s);
    const QJsonObject inputs{
        {u"type"_s, typeWord},
        {u"percent"_s, numberJson(percent, locale)},
        {u"amount"_s, byWeight ? quantityJson(amount, Dimension::Mass, Unit::Gram, locale)
                               : quantityJson(amount, Dimension::Volume, Unit::Millilitre, locale)},
        {u"stock"_s, numberJson(stock.strength, locale)},
        {u"stock_basis"_s, wvStock ? u"% w/v"_s : u"% w/w"_s},
        {u"sg"_s, numberJson(gravity, locale)}};
    QJsonObject json{{u"amount"_s, amountJson(outcome.measured, locale)},
                     {u"substance"_s, substance},
                     {u"stock"_s, substance},
                     {u"molecular_weight"_s, QJsonValue()},
                     {u"inputs"_s, inputs}};
    if (outcome.solvent)
        json.insert(u"solvent"_s, amountJson(*outcome.solvent, locale));
    return Answer{.sentence = fromUtf8(outcome.methodText),
                  .json = json,
                  .sheet = calculationSheet(
                      SheetVariant::Percent, outcome.printLines, parser.value(u"name"_s), substance,
                      percentStrength(parser.value(u"percent"_s), type),
                      percentStock(fromUtf8(stock.strength), basis, type, parser.value(u"sg"_s)))};
}

} // namespace

Command percentCommand()
{
    return {.name = "percent"_L1,
            .summary = Texts::Summary,
            .options = Texts::Options,
            .arguments = std::nullopt,
            .printsSheet = true,
            .answer = &answer};
}

} // namespace molvera
