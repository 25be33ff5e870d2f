#include "molarcalculation.h"

#include "evaluation.h"
#include "measuredamount.h"
#include "numbertext.h"
#include "sentence.h"

#include <optional>
#include <utility>

namespace molvera {

namespace {

// The instructions, one line of the sheet to a line. Places: %1 the litres to make and %2 the
// molarity, both as typed, %3 the formula, %4 the stock to measure.
struct Texts
{
    MOLVERA_TR_CONTEXT(molvera::MolarCalculation)

    // A percent stock of specific gravity 1: a weighed solid, or a stock whose gram and
    // millilitre are the same, so the number reads either way.
    //: %1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 grams
    //: or millilitres of stock. The sheet prints three lines: keep the two line breaks.
    //: "Litre(s)" and "grams or mLs" follow typed, possibly decimal numbers: prefer the unit
    //: symbols (L, g, mL) to plural forms.
    static constexpr LocalizedText InGramsOrMillilitres =
        MOLVERA_TR_NOOP("To prepare %1L of a %2 Molar Solution of %3,\n"
                        "Measure %4 grams or mLs of %3 and dilute up to %1\n"
                        "Litre(s) with solvent.");
    // A molar stock, or a percent stock with a specific gravity of its own: a liquid, measured
    // by volume. Weighing that number would make the wrong solution.
    //: %1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4
    //: millilitres of a liquid stock. The sheet prints three lines: keep the two line breaks.
    //: "Litre(s)" follows a typed, possibly decimal number: prefer the unit symbol (L).
    static constexpr LocalizedText InMillilitres =
        MOLVERA_TR_NOOP("To prepare %1L of a %2 Molar Solution of %3,\n"
                        "Measure %4 mL of %3 and dilute up to %1\n"
                        "Litre(s) with solvent.");
    // An amount too small for two decimals, in a unit that shows it.
    //: %1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 the
    //: amount of stock with its unit ("5.84 mg", "0.500 µL"). The sheet prints three lines:
    //: keep the two line breaks. "Litre(s)" follows a typed number: prefer the symbol (L).
    static constexpr LocalizedText WithAmountUnit =
        MOLVERA_TR_NOOP("To prepare %1L of a %2 Molar Solution of %3,\n"
                        "Measure %4 of %3 and dilute up to %1\n"
                        "Litre(s) with solvent.");
    // The volume or the molarity typed with a unit: every quantity says its own.
    //: %1 the volume to make and %2 the molarity, each a number with its unit as typed ("250
    //: mL", "50 mM"), %3 the formula (never translated), %4 the amount of stock with its unit
    //: ("1.51 grams", "22.50 mL"). The sheet prints three lines: keep the two line breaks.
    static constexpr LocalizedText WithUnits =
        MOLVERA_TR_NOOP("To prepare %1 of a %2 Solution of %3,\n"
                        "Measure %4 of %3 and dilute up to %1\n"
                        "with solvent.");
};

// The same two for a solid (a percent stock of specific gravity 1), whose amount is weighed:
// English measures either way, other languages weigh a solid.
struct WeighedTexts
{
    MOLVERA_TR_CONTEXT(molvera::MolarCalculationWeighed)

    //: As the molar sentence with the amount's unit, for a solid that is weighed: %1 litres to
    //: make (a number), %2 the molarity, %3 the formula (never translated), %4 grams of it with
    //: the unit ("5.84 mg"). The sheet prints three lines: keep the two line breaks.
    static constexpr LocalizedText WithAmountUnit =
        MOLVERA_TR_NOOP("To prepare %1L of a %2 Molar Solution of %3,\n"
                        "Measure %4 of %3 and dilute up to %1\n"
                        "Litre(s) with solvent.");
    //: As the molar sentence with units typed, for a solid that is weighed: %1 the volume to
    //: make and %2 the molarity, each with its unit as typed, %3 the formula (never translated),
    //: %4 the grams to weigh with the unit ("1.51 grams"). Keep the two line breaks.
    static constexpr LocalizedText WithUnits =
        MOLVERA_TR_NOOP("To prepare %1 of a %2 Solution of %3,\n"
                        "Measure %4 of %3 and dilute up to %1\n"
                        "with solvent.");
};

// How the stock holds the substance.
enum class Stock { Percent, Molar, Millimolar, WeightPerVolume, GramsPerLitre };

std::optional<Stock> stockOf(std::string_view unit)
{
    if (unit == MolarInputs::PercentStock)
        return Stock::Percent;
    if (unit == MolarInputs::MolarStock)
        return Stock::Molar;
    if (unit == MolarInputs::MillimolarStock)
        return Stock::Millimolar;
    if (unit == MolarInputs::WeightPerVolumeStock)
        return Stock::WeightPerVolume;
    if (unit == MolarInputs::GramsPerLitreStock)
        return Stock::GramsPerLitre;
    return std::nullopt;
}

// `text` without `suffix` at its end and the blanks before it, or nothing without that suffix.
std::optional<std::string_view> before(std::string_view text, std::string_view suffix)
{
    if (!text.ends_with(suffix))
        return std::nullopt;
    return trimBlanks(text.substr(0, text.size() - suffix.size()));
}

} // namespace

StockText splitStock(std::string_view text)
{
    const std::string_view written = trimBlanks(text);
    for (const auto &[basis, unit] : {std::pair{"w/v", MolarInputs::WeightPerVolumeStock},
                                      std::pair{"w/w", MolarInputs::PercentStock}}) {
        if (const auto percent = before(written, basis)) {
            if (const auto strength = before(*percent, "%"))
                return {*strength, unit};
        }
    }
    if (const auto strength = before(written, "%"))
        return {*strength, MolarInputs::PercentStock};
    for (const std::string_view perLitre : {"g/L", "g/l"}) {
        if (const auto strength = before(written, perLitre))
            return {*strength, MolarInputs::GramsPerLitreStock};
    }
    if (written.ends_with('M'))
        return {written, MolarInputs::MolarStock};
    return {written, MolarInputs::PercentStock};
}

MolarResult MolarCalculation::calculate(const MolarInputs &inputs, const NumberLocale &locale,
                                        const TextTranslator &translator)
{
    Evaluation evaluation(locale);
    const std::optional<Stock> stock = stockOf(inputs.stockUnit);
    const bool molarStock = stock == Stock::Molar || stock == Stock::Millimolar;
    // All five are converted whatever the unit: with a molar stock the specific gravity plays no
    // part, yet its text must hold a number.
    const double m = evaluation.number(inputs.total);
    const Quantity r = evaluation.quantity(inputs.molarity, Dimension::Molarity, Unit::Molar);
    const Quantity v = evaluation.quantity(inputs.volume, Dimension::Volume, Unit::Litre);
    const double g = evaluation.number(inputs.specificGravity);
    // A molar stock in M (its strength in mM when so chosen, or with a unit typed).
    const double c = molarStock
                         ? evaluation
                               .quantity(inputs.stockConcentration, Dimension::Molarity,
                                         stock == Stock::Molar ? Unit::Molar : Unit::Millimolar)
                               .value
                         : evaluation.number(inputs.stockConcentration);
    const double cInMolar =
        stock == Stock::Millimolar ? inUnit(c, Unit::Millimolar, Unit::Molar) : c;

    // Any other unit has no arithmetic: sentences built around an old result would report a
    // failure as success, so such a unit is bad input.
    if (!stock)
        evaluation.refuseInput();
    if (evaluation.failed())
        return evaluation.failure<MolarResult>();
    if (c == 0)
        return ZeroStockConcentration{};
    if (stock == Stock::Percent && g == 0)
        return ZeroSpecificGravity{};

    // Grams of the substance the solution needs, M × R × V, against what a millilitre of stock
    // holds; a molar stock is diluted by the ratio of the molarities.
    double amount = 0;
    if (molarStock) {
        double a = evaluation.step(v.value * r.value);
        a = evaluation.step(a / cInMolar);
        amount = evaluation.step(a * 1000);
    } else {
        double a = evaluation.step(m * r.value);
        a = evaluation.step(a * v.value);
        double b = 0;
        if (stock == Stock::GramsPerLitre) {
            b = evaluation.step(c / 1000);
        } else {
            b = evaluation.step(c / 100);
            if (stock == Stock::Percent)
                b = evaluation.step(b * g);
        }
        amount = evaluation.step(a / b);
    }
    if (evaluation.failed())
        return evaluation.failure<MolarResult>();
    if (v.value < 0 || amount < 0)
        return NegativeAmount{};
    // Millilitres of stock against the millilitres to make. A percent stock of specific gravity 1
    // is a solid weighed at its purity (99.9 % CsCl), and cannot be weaker than what is made from
    // it by dissolving; grams may well outnumber the millilitres made.
    const bool weighable = stock == Stock::Percent && g == 1;
    if (!weighable && exceeds(amount, v.value * 1000))
        return WeakStock{};

    MolarOutcome outcome;
    outcome.amount = amount;
    outcome.resultText = writeFixed2(amount, locale);
    const MeasuredAmount measured =
        measuredAmount(amount, weighable ? Dimension::Mass : Dimension::Volume, locale);
    outcome.measured = measured;
    if (r.unit || v.unit) {
        writeWording(outcome, weighable ? WeighedTexts::WithUnits : Texts::WithUnits, translator,
                     {typedQuantityText(v, Unit::Litre, translator),
                      typedQuantityText(r, Unit::Molar, translator), inputs.formula,
                      amountText(measured, translator)});
    } else if (measured.small()) {
        writeWording(
            outcome, weighable ? WeighedTexts::WithAmountUnit : Texts::WithAmountUnit, translator,
            {inputs.volume, inputs.molarity, inputs.formula, amountText(measured, translator)});
    } else {
        writeWording(outcome, weighable ? Texts::InGramsOrMillilitres : Texts::InMillilitres,
                     translator,
                     {inputs.volume, inputs.molarity, inputs.formula, outcome.resultText});
    }
    if (measured.belowMeasuring)
        addClause(outcome, belowMeasuringClause(translator));
    return outcome;
}

} // namespace molvera
