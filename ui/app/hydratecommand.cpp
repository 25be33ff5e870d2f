#include "commands.h"

#include <calc/formulapanel.h>
#include <calc/formulareading.h>
#include <calc/hydratecalculation.h>
#include <ui/forms/numberlocale.h>
#include <ui/pages/sheetlabel.h>

#include <QCommandLineParser>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

struct Texts
{
    MOLVERA_TR_CONTEXT(molvera::HydrateCommand)

    //: The hydrate command's line in --help. The salt on the shelf is the starting substance.
    static constexpr LocalizedText Summary =
        MOLVERA_TR_NOOP("How much of a salt, as it stands on the shelf, to weigh for a percent "
                        "w/v solution of a form with other waters, as the Hydrate Solution page "
                        "works it out.");

    // The letters are the values' names in the help and the manual page.
    // clang-format off
    static constexpr CommandOption Options[] = {
        //: The formula is never translated.
        {"formula"_L1, "F"_L1, MOLVERA_TR_NOOP("The salt as its bottle writes it, with its waters: CuSO4·5H2O."), {}, OptionValue::Text, true},
        {"percent"_L1, "C"_L1, MOLVERA_TR_NOOP("The percent w/v wanted."), {}, OptionValue::Number, true},
        //: Keep 100 and 1 L as they are.
        {"volume"_L1, "V"_L1, MOLVERA_TR_NOOP("The volume to make, in mL or with its unit: 100, 1 L."), {}, OptionValue::Number, true},
        {"waters"_L1, "N"_L1, MOLVERA_TR_NOOP("The waters of crystallisation of the form the percent is stated for. Default: 0, the anhydrous salt."), "0"_L1, OptionValue::Number},
        //: --formula is an option: keep it.
        {"stock-waters"_L1, "N"_L1, MOLVERA_TR_NOOP("The waters of crystallisation of the salt on the shelf, if not those of --formula."), {}, OptionValue::Number},
        {"purity"_L1, "P"_L1, MOLVERA_TR_NOOP("The purity of the salt on the shelf, in percent. Default: 100."), "100"_L1, OptionValue::Number},
        {"name"_L1, "N"_L1, MOLVERA_TR_NOOP("The reagent's name, for the sheet's label."), {}, OptionValue::Text},
    };
    // clang-format on
};

// The calculation's inputs in the order it reads them, as the options that give them: the
// salt's weight comes from the formula.
constexpr QLatin1StringView OptionOfInput[] = {"formula"_L1, "purity"_L1, "stock-waters"_L1,
                                               "percent"_L1, "waters"_L1, "volume"_L1};

CommandOutcome answer(const QCommandLineParser &parser)
{
    const NumberLocale locale = userNumberLocale();
    const auto text = [&parser](QLatin1StringView option) { return toUtf8(parser.value(option)); };
    const std::string formula = text("formula"_L1);
    const std::string percent = text("percent"_L1);
    const std::string volume = text("volume"_L1);
    const std::string waters = text("waters"_L1);
    const std::string purity = text("purity"_L1);

    // The salt fills the page's rows, which give its weight; the water apart is the stock's, as
    // the formula box fills the stock's waters.
    const FormulaRead read = readFormula(formula, WaterPart::Apart);
    if (const auto *refusal = std::get_if<FormulaRefusal>(&read))
        return badValue("formula"_L1, formulaRefusalText(*refusal));
    const auto &reading = std::get<FormulaReading>(read);
    if (const std::optional<RowsMisfit> misfit = rowsMisfit(reading))
        return badValue("formula"_L1, refusalMessage(*misfit).text);
    const std::string total = formulaWeightText(reading, locale);
    const std::string stockWaters = parser.isSet(u"stock-waters"_s)
                                        ? text("stock-waters"_L1)
                                        : writeGeneral(reading.waters, locale);

    const HydrateResult result = HydrateCalculation::calculate(
        {total, purity, stockWaters, percent, waters, volume, formula}, locale, translatedText);
    if (std::optional<Refusal> refusal = refusalOf(result, OptionOfInput))
        return *refusal;
    const HydrateOutcome &outcome = std::get<HydrateOutcome>(result);

    const QJsonObject inputs{
        {u"percent"_s, numberJson(percent, locale)},
        {u"volume"_s, quantityJson(volume, Dimension::Volume, Unit::Millilitre, locale)},
        {u"waters"_s, numberJson(waters, locale)},
        {u"stock_waters"_s, numberJson(stockWaters, locale)},
        {u"purity"_s, numberJson(purity, locale)}};
    return Answer{
        .sentence = fromUtf8(outcome.methodText),
        .json = {{u"amount"_s, amountJson(outcome.measured, locale)},
                 {u"substance"_s, fromUtf8(outcome.solutionFormula)},
                 {u"stock"_s, fromUtf8(outcome.stockFormula)},
                 {u"molecular_weight"_s, numberJson(total, locale)},
                 {u"inputs"_s, inputs}},
        // The label names the solution as the sentence does, by the form its strength is for.
        .sheet = calculationSheet(SheetVariant::Hydrate, outcome.printLines,
                                  parser.value(u"name"_s), fromUtf8(outcome.solutionFormula),
                                  hydrateStrength(parser.value(u"percent"_s)),
                                  hydrateStock(parser.value(u"purity"_s), fromUtf8(stockWaters)))};
}

} // namespace

Command hydrateCommand()
{
    return {.name = "hydrate"_L1,
            .summary = Texts::Summary,
            .options = Texts::Options,
            .arguments = std::nullopt,
            .printsSheet = true,
            .answer = &answer};
}

} // namespace molvera
