#include "commands.h"

#include <calc/formulapanel.h>
#include <calc/formulareading.h>
#include <calc/molarcalculation.h>
#include <ui/forms/numberlocale.h>
#include <ui/pages/sheetlabel.h>

#include <QCommandLineParser>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

struct Texts
{
    MOLVERA_TR_CONTEXT(molvera::MolarCommand)

    //: The molar command's line in --help.
    static constexpr LocalizedText Summary =
        MOLVERA_TR_NOOP("How much stock to measure for a solution of a molarity, as the Molar "
                        "Solution page works it out.");

    // The letters are the values' names in the help and the manual page.
    // clang-format off
    static constexpr CommandOption Options[] = {
        //: Keep 0.5 and 50mM as they are, with the language's decimal separator.
        {"molarity"_L1, "R"_L1, MOLVERA_TR_NOOP("The molarity wanted, in M or with its unit: 0.5, 50mM."), {}, OptionValue::Number, true},
        //: Keep 1 and 250mL as they are.
        {"volume"_L1, "V"_L1, MOLVERA_TR_NOOP("The volume to make, in litres or with its unit: 1, 250mL."), {}, OptionValue::Number, true},
        //: --mw is an option: keep it. The formulas are never translated.
        {"formula"_L1, "F"_L1, MOLVERA_TR_NOOP("The substance's formula: the sentence names it, and without --mw it gives the molecular weight (NaCl, MgCl2·6H2O)."), {}, OptionValue::Text},
        {"mw"_L1, "M"_L1, MOLVERA_TR_NOOP("The molecular weight in g/mol, instead of the formula's."), {}, OptionValue::Number},
        //: Keep the examples as they are, with the language's decimal separator and its way of writing % w/v.
        {"stock"_L1, "C"_L1, MOLVERA_TR_NOOP("The stock: a percent (98), a molarity (5M, 500 mM), 20 % w/v or 10 g/L. Default: 100 (%)."), "100"_L1, OptionValue::Number},
        {"sg"_L1, "G"_L1, MOLVERA_TR_NOOP("The specific gravity of a percent stock. Default: 1."), "1"_L1, OptionValue::Number},
        {"name"_L1, "N"_L1, MOLVERA_TR_NOOP("The reagent's name, for the sheet's label."), {}, OptionValue::Text},
    };
    // clang-format on

    //: %1 and %2 are options, --formula and --mw.
    static constexpr LocalizedText NoWeight =
        MOLVERA_TR_NOOP("The molar command needs %1 or %2, unless the stock is molar.");
};

// The calculation's inputs in the order it reads them, as the options that give them: the stock's
// text gives its strength and its unit.
constexpr QLatin1StringView OptionOfInput[] = {"mw"_L1, "molarity"_L1, "volume"_L1,
                                               "sg"_L1, "stock"_L1,    "stock"_L1};

CommandOutcome answer(const QCommandLineParser &parser)
{
    const NumberLocale locale = userNumberLocale();
    const auto text = [&parser](QLatin1StringView option) { return toUtf8(parser.value(option)); };
    const std::string molarity = text("molarity"_L1);
    const std::string volume = text("volume"_L1);
    const std::string gravity = text("sg"_L1);
    const std::string formula = text("formula"_L1);
    const std::string stockText = text("stock"_L1);
    const StockText stock = splitStock(stockText);

    // The weight typed, or the formula's as the page's rows give it, the water among the
    // elements. A stock by its own molarity needs none: the page then holds 1.
    std::string total = "1";
    const bool weighed = parser.isSet(u"mw"_s) || !isMolarStock(stock.unit);
    if (parser.isSet(u"mw"_s)) {
        total = text("mw"_L1);
    } else if (weighed) {
        if (!parser.isSet(u"formula"_s)) {
            return Refusal{ExitStatus::UsageError,
                           translated(Texts::NoWeight).arg(u"--formula"_s, u"--mw"_s)};
        }
        const FormulaRead read = readFormula(formula, WaterPart::InElements);
        if (const auto *refusal = std::get_if<FormulaRefusal>(&read))
            return badValue("formula"_L1, formulaRefusalText(*refusal));
        total = formulaWeightText(std::get<FormulaReading>(read), locale);
    }

    const MolarResult result = MolarCalculation::calculate(
        {total, molarity, volume, gravity, stock.strength, stock.unit, formula}, locale,
        translatedText);
    if (std::optional<Refusal> refusal = refusalOf(result, OptionOfInput))
        return *refusal;
    const MolarOutcome &outcome = std::get<MolarOutcome>(result);

    const QString substance = parser.value(u"formula"_s);
    const QJsonValue stockValue =
        isMolarStock(stock.unit)
            ? quantityJson(stock.strength, Dimension::Molarity,
                           stock.unit == MolarInputs::MolarStock ? Unit::Molar : Unit::Millimolar,
                           locale)
            : numberJson(stock.strength, locale);
    const QJsonObject inputs{
        {u"molarity"_s, quantityJson(molarity, Dimension::Molarity, Unit::Molar, locale)},
        {u"volume"_s, quantityJson(volume, Dimension::Volume, Unit::Litre, locale)},
        {u"mw"_s, parser.isSet(u"mw"_s) ? numberJson(total, locale) : QJsonValue()},
        {u"stock"_s, stockValue},
        {u"stock_unit"_s, fromUtf8(stock.unit)},
        {u"sg"_s, numberJson(gravity, locale)}};
    return Answer{
        .sentence = fromUtf8(outcome.methodText),
        .json = {{u"amount"_s, amountJson(outcome.measured, locale)},
                 {u"substance"_s, substance},
                 {u"stock"_s, substance},
                 {u"molecular_weight"_s, weighed ? numberJson(total, locale) : QJsonValue()},
                 {u"inputs"_s, inputs}},
        .sheet = calculationSheet(
            SheetVariant::Molar, outcome.printLines, parser.value(u"name"_s), substance,
            molarStrength(parser.value(u"molarity"_s)),
            molarStock(fromUtf8(stock.strength), fromUtf8(stock.unit), parser.value(u"sg"_s)))};
}

} // namespace

Command molarCommand()
{
    return {.name = "molar"_L1,
            .summary = Texts::Summary,
            .options = Texts::Options,
            .arguments = std::nullopt,
            .printsSheet = true,
            .answer = &answer};
}

} // namespace molvera
