#include "hydratecalculation.h"

#include "evaluation.h"
#include "hydrateformula.h"
#include "numbertext.h"
#include "sentence.h"

namespace molvera {

namespace {

constexpr const char *Context = "molvera::HydrateCalculation";

// The method sentence and its print lines. Places: %1 the millilitres to make and %2 the percent
// wanted, both as typed, %3 the formula of the solution wanted, %4 the grams of stock, %5 the
// stock's formula, with its own waters of crystallisation.
// clang-format off
constexpr Wording Sentences{
    //: %1 mL to make (a number), %2 the percent w/v wanted, %3 the formula of the solution
    //: wanted, %4 grams of stock, %5 the formula of the stock that is weighed (formulas are
    //: never translated). The three print lines joined by spaces give this sentence.
    MOLVERA_TRANSLATABLE("molvera::HydrateCalculation", "To prepare %1mL of a %2 percent Solution of %3, Measure %4 grams of %5 and dilute up to %1 mL with solvent."),
    MOLVERA_TRANSLATABLE("molvera::HydrateCalculation", "To prepare %1mL of a %2 percent Solution of %3,"),
    MOLVERA_TRANSLATABLE("molvera::HydrateCalculation", "Measure %4 grams of %5 and dilute up to %1"),
    MOLVERA_TRANSLATABLE("molvera::HydrateCalculation", "mL with solvent."),
};
// clang-format on

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
    const double ws = evaluation.step(hs * WaterWeight);
    const double cr = evaluation.number(inputs.requiredConcentration);
    const double hr = evaluation.number(inputs.requiredWaters);
    const double wr = evaluation.step(hr * WaterWeight);
    const double v = evaluation.number(inputs.volume);
    if (evaluation.failed())
        return evaluation.failure<HydrateResult>();
    if (cs == 0)
        return ZeroStockConcentration{};

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
    // What is weighed is the stock as it stands on the shelf, with its own waters.
    const std::string stock = withWaters(inputs.formula, inputs.stockWaters, hs);
    writeWording(
        outcome, Sentences, Context, translator,
        {inputs.volume, inputs.requiredConcentration, inputs.formula, outcome.resultText, stock});
    return outcome;
}

} // namespace molvera
