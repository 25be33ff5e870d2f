#include "percentcalculation.h"

#include "evaluation.h"
#include "numbertext.h"
#include "sentence.h"

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
};

const LocalizedText &wordingFor(ConcentrationType type, double specificGravity)
{
    switch (type) {
    case ConcentrationType::WeightPerWeight:
        return Texts::WeightPerWeight;
    case ConcentrationType::WeightPerVolume:
        return specificGravity == 1 ? Texts::WeightPerVolumeInGrams
                                    : Texts::WeightPerVolumeInMillilitres;
    case ConcentrationType::VolumePerVolume:
        return Texts::VolumePerVolume;
    }
    return Texts::WeightPerWeight; // not reached: every type has its wording above
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
    const double v = evaluation.number(inputs.amount);
    const double c = evaluation.number(inputs.requiredConcentration);
    if (evaluation.failed())
        return evaluation.failure<PercentResult>();
    if (!type)
        return NoConcentrationType{};

    // Only w/v measures a weight by volume; a weight fraction is weighed out and a volume
    // fraction needs no density.
    const bool byDensity = *type == ConcentrationType::WeightPerVolume;
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

    // The solvent is what is left of the amount after the result as written, rounded to two
    // decimals, not after the unrounded amount.
    if (*type == ConcentrationType::WeightPerWeight) {
        const NumberRead written = readNumber(outcome.resultText, locale);
        const double *measured = std::get_if<double>(&written);
        if (!measured)
            return ArithmeticFailure{}; // a result too large to read back (near DBL_MAX)
        const double solvent = evaluation.step(v - *measured);
        if (evaluation.failed())
            return evaluation.failure<PercentResult>();
        // Below 0 only where the stock, not more than the amount, was rounded up past it: no
        // solvent is added.
        outcome.solventText = writeFixed2(solvent < 0 ? 0 : solvent, locale);
    }

    writeWording(outcome, wordingFor(*type, g), translator,
                 {inputs.amount, inputs.requiredConcentration, inputs.formula, outcome.resultText,
                  outcome.solventText.value_or(std::string())});
    return outcome;
}

} // namespace molvera
