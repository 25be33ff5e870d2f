#include "molarcalculation.h"

#include "evaluation.h"
#include "numbertext.h"
#include "sentence.h"

namespace molvera {

MolarResult MolarCalculation::calculate(const MolarInputs &inputs, const NumberLocale &locale)
{
    Evaluation evaluation(locale);
    // All five are converted whatever the unit: with "M" the specific gravity plays no part, yet
    // its text must hold a number.
    const double m = evaluation.number(inputs.total);
    const double r = evaluation.number(inputs.molarity);
    const double v = evaluation.number(inputs.volume);
    const double g = evaluation.number(inputs.specificGravity);
    const double c = evaluation.number(inputs.stockConcentration);

    // Any other unit has no arithmetic: sentences built around an old result would report a
    // failure as success, so such a unit is bad input.
    const bool percentStock = inputs.stockUnit == "%";
    if (!percentStock && inputs.stockUnit != "M")
        evaluation.refuseInput();

    double amount = 0;
    if (percentStock) {
        double a = evaluation.step(m * r);
        a = evaluation.step(a * v);
        double b = evaluation.step(c / 100);
        b = evaluation.step(b * g);
        amount = evaluation.step(a / b);
    } else {
        double a = evaluation.step(v * r);
        a = evaluation.step(a / c);
        amount = evaluation.step(a * 1000);
    }
    if (evaluation.failed())
        return evaluation.failure<MolarResult>();

    MolarOutcome outcome;
    outcome.amount = amount;
    outcome.resultText = writeFixed2(amount, locale);
    const std::string_view t = outcome.resultText;
    const std::string_view f = inputs.formula;
    outcome.methodText =
        concat({"To prepare ", inputs.volume, "L of a ", inputs.molarity, " Molar Solution of ", f,
                ",", " Measure ", t, " grams or mLs of ", f, " and dilute up to ", inputs.volume,
                " Litre(s) with solvent."});
    outcome.printLines = {
        concat({"To prepare ", inputs.volume, "L of a ", inputs.molarity, " Molar Solution of ", f,
                ","}),
        concat({"Measure ", t, " grams or mLs of ", f, " and dilute up to ", inputs.volume}),
        "Litre(s) with solvent.",
    };
    return outcome;
}

} // namespace molvera
