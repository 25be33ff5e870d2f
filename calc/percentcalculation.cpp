#include "percentcalculation.h"

#include "evaluation.h"
#include "measuredamount.h"
#include "numbertext.h"
#include "sentence.h"

#include <algorithm>

namespace molvera {

namespace {

// The instructions for each way of making the solution, one line of the sheet to a line. Every
// text has the same places: %1 the amount to make and %2 the concentration wanted, both as typed,
// %3 the formula, %4 the stock to measure and %5 the solvent to mix in (w/w only).
struct Texts
{
    MOLVERA_TR_CONTEXT(molvera::PercentCalculation)

    //: %1 grams to make, %2 the percent wanted, %3 the formula (never translated), %4 grams of
    //: stock, %5 grams of solvent. The sheet prints three lines: keep the two line breaks.
    static constexpr LocalizedText WeightPerWeight =
        MOLVERA_TR_NOOP("To prepare %1 grams of a %2 % w/w solution of %3 ,\n"
                        "Measure %4 grams of %3 and mix with %5 grams\n"
                        "of solvent.");
    // A stock of specific gravity 1: a solid, or a solution as light as water, weighed out.
    //: %1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 grams of
    //: stock. The sheet prints three lines: keep the two line breaks.
    static constexpr LocalizedText WeightPerVolumeInGrams =
        MOLVERA_TR_NOOP("To prepare %1 mL of a %2 % w/v solution of %3 ,\n"
                        "Measure %4 grams of %3 and dilute up to %1 mL\n"
                        "with solvent.");
    // A stock with a specific gravity of its own is a liquid, measured by volume.
    //: %1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 mL of a
    //: liquid stock. The sheet prints three lines: keep the two line breaks.
    static constexpr LocalizedText WeightPerVolumeInMillilitres =
        MOLVERA_TR_NOOP("To prepare %1 mL of a %2 % w/v solution of %3 ,\n"
                        "Measure %4 mL of %3 and dilute up to %1 mL\n"
                        "with solvent.");
    //: %1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 mL of stock.
    //: The sheet prints three lines: keep the two line breaks.
    static constexpr LocalizedText VolumePerVolume =
        MOLVERA_TR_NOOP("To prepare %1 mL of a %2 % v/v solution of %3 ,\n"
                        "Measure %4 mL of %3 and dilute up to %1 mL\n"
                        "with solvent.");

    // The same, where the amount to make was typed with a unit or the amount to measure is too
    // small for two decimals: each amount says its own unit.
    //: %1 the amount to make with its unit ("2 kg", "100 grams"), %2 the percent wanted, %3 the
    //: formula (never translated), %4 the stock and %5 the solvent to mix in, each with its unit
    //: ("300.00 grams", "5.84 mg"). The sheet prints three lines: keep the two line breaks.
    static constexpr LocalizedText WeightPerWeightWithUnits =
        MOLVERA_TR_NOOP("To prepare %1 of a %2 % w/w solution of %3 ,\n"
                        "Measure %4 of %3 and mix with %5\n"
                        "of solvent.");
    //: %1 the volume to make with its unit ("250 mL", "1 L"), %2 the percent wanted, %3 the
    //: formula (never translated), %4 the stock with its unit ("4.50 mL", "58.4 mg"). The sheet
    //: prints three lines: keep the two line breaks.
    static constexpr LocalizedText WeightPerVolumeWithUnits =
        MOLVERA_TR_NOOP("To prepare %1 of a %2 % w/v solution of %3 ,\n"
                        "Measure %4 of %3 and dilute up to %1\n"
                        "with solvent.");
    //: %1 the volume to make with its unit ("250 mL", "1 L"), %2 the percent wanted, %3 the
    //: formula (never translated), %4 the stock with its unit ("4.50 mL", "58.4 µL"). The sheet
    //: prints three lines: keep the two line breaks.
    static constexpr LocalizedText VolumePerVolumeWithUnits =
        MOLVERA_TR_NOOP("To prepare %1 of a %2 % v/v solution of %3 ,\n"
                        "Measure %4 of %3 and dilute up to %1\n"
                        "with solvent.");
};

// The w/v sentence with units for a solid (specific gravity 1), whose amount is weighed: English
// measures either way, other languages weigh a solid.
struct WeighedTexts
{
    MOLVERA_TR_CONTEXT(molvera::PercentCalculationWeighed)

    //: As the w/v sentence with units, for a solid that is weighed: %1 the volume to make with
    //: its unit, %2 the percent wanted, %3 the formula (never translated), %4 the grams to weigh
    //: with the unit ("4.50 grams", "58.4 mg"). Keep the two line breaks.
    static constexpr LocalizedText WeightPerVolumeWithUnits =
        MOLVERA_TR_NOOP("To prepare %1 of a %2 % w/v solution of %3 ,\n"
                        "Measure %4 of %3 and dilute up to %1\n"
                        "with solvent.");
};

const LocalizedText &wordingFor(ConcentrationType type, bool weighed, bool withUnits)
{
    switch (type) {
    case ConcentrationType::WeightPerWeight:
        return withUnits ? Texts::WeightPerWeightWithUnits : Texts::WeightPerWeight;
    case ConcentrationType::WeightPerVolume:
        if (withUnits)
            return weighed ? WeighedTexts::WeightPerVolumeWithUnits
                           : Texts::WeightPerVolumeWithUnits;
        return weighed ? Texts::WeightPerVolumeInGrams : Texts::WeightPerVolumeInMillilitres;
    case ConcentrationType::VolumePerVolume:
        return withUnits ? Texts::VolumePerVolumeWithUnits : Texts::VolumePerVolume;
    }
    return Texts::WeightPerWeight; // not reached: every type has its wording above
}

// The amount to make: grams for w/w, millilitres otherwise; with no type yet, either.
Quantity readAmount(Evaluation &evaluation, std::string_view text,
                    std::optional<ConcentrationType> type, const NumberLocale &locale)
{
    const bool byWeight = type == ConcentrationType::WeightPerWeight;
    if (!type &&
        std::holds_alternative<Quantity>(readQuantity(text, Dimension::Mass, Unit::Gram, locale)))
        return evaluation.quantity(text, Dimension::Mass, Unit::Gram);
    return byWeight ? evaluation.quantity(text, Dimension::Mass, Unit::Gram)
                    : evaluation.quantity(text, Dimension::Volume, Unit::Millilitre);
}

} // namespace

PercentResult PercentCalculation::calculate(std::optional<ConcentrationType> type,
                                            const PercentInputs &inputs, const NumberLocale &locale,
                                            const TextTranslator &translator)
{
    Evaluation evaluation(locale);
    // Converted before the type is looked at: a bad number is reported even with no type.
    const double s = evaluation.number(inputs.stockConcentration);
    const double g = evaluation.number(inputs.stockSpecificGravity);
    const Quantity amountToMake = readAmount(evaluation, inputs.amount, type, locale);
    const double v = amountToMake.value;
    const double c = evaluation.number(inputs.requiredConcentration);
    if (evaluation.failed())
        return evaluation.failure<PercentResult>();
    if (!type)
        return NoConcentrationType{};

    // Only w/v measures a weight by volume; a weight fraction is weighed out and a volume
    // fraction needs no density. A w/v stock is itself grams in a volume: diluted to a w/v
    // solution by volume alone, and nothing else.
    const bool wvStock = inputs.stockBasis == ConcentrationType::WeightPerVolume;
    if (wvStock && *type != ConcentrationType::WeightPerVolume)
        return StockBasisMismatch{};
    const bool byDensity = *type == ConcentrationType::WeightPerVolume && !wvStock;
    if (s == 0)
        return ZeroStockConcentration{};
    if (byDensity && g == 0)
        return ZeroSpecificGravity{};

    double a = evaluation.step(c / 100);
    a = evaluation.step(a * v);
    double b = evaluation.step(s / 100);
    if (byDensity)
        b = evaluation.step(b * g);
    const double amount = evaluation.step(a / b);
    if (evaluation.failed())
        return evaluation.failure<PercentResult>();
    if (v < 0 || amount < 0)
        return NegativeAmount{};
    // A solid (specific gravity 1, at whatever purity) dissolved by weight into a volume cannot be
    // weaker than the solution made from it; any liquid can.
    const bool solid = byDensity && g == 1;
    if (!solid && exceeds(amount, v))
        return WeakStock{};

    PercentOutcome outcome;
    outcome.amount = amount;
    outcome.resultText = writeFixed2(amount, locale);
    // A stock weighed (w/w, or w/v of specific gravity 1) in grams, a liquid measured in mL.
    const bool weighed = *type == ConcentrationType::WeightPerWeight || solid;
    const MeasuredAmount measured =
        measuredAmount(amount, weighed ? Dimension::Mass : Dimension::Volume, locale);
    outcome.measured = measured;

    // The solvent is what is left of the amount after the result as written, rounded to two
    // decimals, not after the unrounded amount. A stock amount written smaller than that leaves
    // the rest of the amount itself, written as small.
    std::optional<MeasuredAmount> solvent;
    if (*type == ConcentrationType::WeightPerWeight) {
        const NumberRead written = readNumber(outcome.resultText, locale);
        const double *read = std::get_if<double>(&written);
        if (!read)
            return ArithmeticFailure{}; // a result too large to read back (near DBL_MAX)
        const double left = evaluation.step(v - *read);
        if (evaluation.failed())
            return evaluation.failure<PercentResult>();
        // Below 0 only where the stock, not more than the amount, was rounded up past it: no
        // solvent is added.
        outcome.solventText = writeFixed2(left < 0 ? 0 : left, locale);
        solvent = MeasuredAmount{*outcome.solventText, Unit::Gram, left < 0 ? 0 : left};
        if (measured.small())
            solvent = measuredAmount(std::max(0.0, v - amount), Dimension::Mass, locale);
        outcome.solvent = solvent;
    }

    const bool withUnits = amountToMake.unit || measured.small();
    if (withUnits) {
        const Unit bare =
            *type == ConcentrationType::WeightPerWeight ? Unit::Gram : Unit::Millilitre;
        writeWording(outcome, wordingFor(*type, weighed, true), translator,
                     {typedQuantityText(amountToMake, bare, translator),
                      inputs.requiredConcentration, inputs.formula,
                      amountText(measured, translator),
                      solvent ? amountText(*solvent, translator) : std::string()});
    } else {
        writeWording(outcome, wordingFor(*type, weighed, false), translator,
                     {inputs.amount, inputs.requiredConcentration, inputs.formula,
                      outcome.resultText, outcome.solventText.value_or(std::string())});
    }
    if (measured.belowMeasuring)
        addClause(outcome, belowMeasuringClause(translator));
    return outcome;
}

} // namespace molvera
