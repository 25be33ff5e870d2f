#include "hydratecalculation.h"

#include "evaluation.h"
#include "numbertext.h"
#include "sentence.h"

namespace molvera {

HydrateResult HydrateCalculation::calculate(const HydrateInputs &inputs, const NumberLocale &locale)
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

    double a = evaluation.step(cr / 100);
    a = evaluation.step(a * v);
    a = evaluation.step(a * evaluation.step(ws + m));
    double b = evaluation.step(wr + m);
    const double c = evaluation.step(cs / 100);
    b = evaluation.step(b * c);
    const double mass = evaluation.step(a / b);
    if (evaluation.failed())
        return evaluation.failure<HydrateResult>();

    HydrateOutcome outcome;
    outcome.mass = mass;
    outcome.resultText = writeFixed2(mass, locale);
    const std::string_view r = outcome.resultText;
    const std::string_view f = inputs.formula;
    outcome.methodText =
        concat({"To prepare ", inputs.volume, "mL of a ", inputs.requiredConcentration,
                " percent Solution of ", f, ",", " Measure ", r, " grams of ", f,
                " and dilute up to ", inputs.volume, " mL with solvent."});
    outcome.printLines = {
        concat({"To prepare ", inputs.volume, "mL of a ", inputs.requiredConcentration,
                " percent Solution of ", f, ","}),
        concat({"Measure ", r, " grams of ", f, " and dilute up to ", inputs.volume}),
        "mL with solvent.",
    };
    return outcome;
}

} // namespace molvera
