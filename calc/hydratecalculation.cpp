#include "hydratecalculation.h"

#include "evaluation.h"
#include "hydrateformula.h"
#include "measuredamount.h"
#include "numbertext.h"
#include "sentence.h"

namespace molvera {

namespace {

struct Texts
{
    MOLVERA_TR_CONTEXT(molvera::HydrateCalculation)

    // The instructions, one line of the sheet to a line.
    //: %1 mL to make (a number), %2 the percent w/v wanted, %3 the formula of the form its
    //: strength is stated for, %4 grams of stock, %5 the formula of the stock that is weighed
    //: (formulas are never translated). The sheet prints three lines: keep the two line breaks.
    static constexpr LocalizedText Instructions =
        MOLVERA_TR_NOOP("To prepare %1mL of a %2 percent Solution of %3,\n"
                        "Measure %4 grams of %5 and dilute up to %1\n"
                        "mL with solvent.");
    // An amount too small for two decimals, in a unit that shows it.
    //: %1 mL to make (a number), %2 the percent w/v wanted, %3 the formula of the form its
    //: strength is stated for, %4 the stock with its unit ("58.4 mg"), %5 the formula of the
    //: stock that is weighed. The sheet prints three lines: keep the two line breaks.
    static constexpr LocalizedText WithAmountUnit =
        MOLVERA_TR_NOOP("To prepare %1mL of a %2 percent Solution of %3,\n"
                        "Measure %4 of %5 and dilute up to %1\n"
                        "mL with solvent.");
    // The volume typed with a unit.
    //: %1 the volume to make with its unit ("250 mL", "1 L"), %2 the percent w/v wanted, %3 the
    //: formula of the form its strength is stated for, %4 the stock with its unit ("23.47
    //: grams"), %5 the formula of the stock that is weighed. The sheet prints three lines:
    //: keep the two line breaks.
    static constexpr LocalizedText WithUnits =
        MOLVERA_TR_NOOP("To prepare %1 of a %2 percent Solution of %3,\n"
                        "Measure %4 of %5 and dilute up to %1\n"
                        "with solvent.");
};

} // namespace

HydrateResult HydrateCalculation::calculate(const HydrateInputs &inputs, const NumberLocale &locale,
                                            const TextTranslator &translator)
{
    Evaluation evaluation(locale);
    // Each water weight is computed as soon as its count converts, so an overflowing one ends
    // the calculation before a later input is looked at.
    const double m = evaluation.number(inputs.total);
    const double cs = evaluation.number(inputs.stockConcentration);
    const double hs = evaluation.number(inputs.stockWaters);
    if (hs < 0)
        evaluation.refuseLastRead();
    const double ws = evaluation.step(hs * WaterWeight);
    const double cr = evaluation.number(inputs.requiredConcentration);
    const double hr = evaluation.number(inputs.requiredWaters);
    if (hr < 0)
        evaluation.refuseLastRead();
    const double wr = evaluation.step(hr * WaterWeight);
    const Quantity volume = evaluation.quantity(inputs.volume, Dimension::Volume, Unit::Millilitre);
    const double v = volume.value;
    if (evaluation.failed())
        return evaluation.failure<HydrateResult>();
    if (cs == 0)
        return ZeroStockPurity{};

    double a = evaluation.step(cr / 100);
    a = evaluation.step(a * v);
    a = evaluation.step(a * evaluation.step(ws + m));
    double b = evaluation.step(wr + m);
    if (!evaluation.failed() && b == 0)
        return ZeroMolecularWeight{};
    const double c = evaluation.step(cs / 100);
    b = evaluation.step(b * c);
    const double mass = evaluation.step(a / b);
    if (evaluation.failed())
        return evaluation.failure<HydrateResult>();
    if (v < 0 || mass < 0)
        return NegativeAmount{};

    HydrateOutcome outcome;
    outcome.mass = mass;
    outcome.resultText = writeFixed2(mass, locale);
    // What is weighed is the stock as it stands on the shelf, with its own waters; what is made is
    // a strength of the form with the waters required.
    outcome.solutionFormula = withWaters(inputs.formula, inputs.requiredWaters, hr);
    outcome.stockFormula = withWaters(inputs.formula, inputs.stockWaters, hs);
    const std::string &stock = outcome.stockFormula;
    const MeasuredAmount measured = measuredAmount(mass, Dimension::Mass, locale);
    outcome.measured = measured;
    if (volume.unit) {
        writeWording(outcome, Texts::WithUnits, translator,
                     {typedQuantityText(volume, Unit::Millilitre, translator),
                      inputs.requiredConcentration, outcome.solutionFormula,
                      amountText(measured, translator), stock});
    } else {
        writeWording(
            outcome, measured.small() ? Texts::WithAmountUnit : Texts::Instructions, translator,
            {inputs.volume, inputs.requiredConcentration, outcome.solutionFormula,
             measured.small() ? amountText(measured, translator) : outcome.resultText, stock});
    }
    if (measured.belowMeasuring)
        addClause(outcome, belowMeasuringClause(translator));
    return outcome;
}

} // namespace molvera
