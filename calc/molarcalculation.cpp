#include "molarcalculation.h"

#include "evaluation.h"
#include "numbertext.h"
#include "sentence.h"

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
};

} // namespace

MolarResult MolarCalculation::calculate(const MolarInputs &inputs, const NumberLocale &locale,
                                        const TextTranslator &translator)
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
    if (evaluation.failed())
        return evaluation.failure<MolarResult>();
    if (c == 0)
        return ZeroStockConcentration{};
    if (percentStock && g == 0)
        return ZeroSpecificGravity{};

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
    if (v < 0 || amount < 0)
        return NegativeAmount{};
    // Millilitres of stock against the millilitres to make. A percent stock of specific gravity 1
    // is a solid weighed at its purity (99.9 % CsCl), and cannot be weaker than what is made from
    // it by dissolving; grams may well outnumber the millilitres made.
    const bool weighable = percentStock && g == 1;
    if (!weighable && exceeds(amount, v * 1000))
        return WeakStock{};

    MolarOutcome outcome;
    outcome.amount = amount;
    outcome.resultText = writeFixed2(amount, locale);
    writeWording(outcome, weighable ? Texts::InGramsOrMillilitres : Texts::InMillilitres,
                 translator, {inputs.volume, inputs.molarity, inputs.formula, outcome.resultText});
    return outcome;
}

} // namespace molvera
