#include "percentcalculation.h"

#include "evaluation.h"
#include "numbertext.h"
#include "sentence.h"

namespace molvera {

namespace {

// The words that tell the three types apart, in the order the sentence uses them.
struct TypeWords
{
    std::string_view amountUnit;     // after the amount to make
    std::string_view solutionKind;   // after the required concentration
    std::string_view stockUnit;      // after the amount of stock to measure
    std::string_view completion;     // mix with solvent, or dilute up to the amount
    std::string_view sentenceEnding; // after the solvent, or the amount made up to
    std::string_view line2Ending;    // the unit closing print line 2
    std::string_view line3;          // print line 3
};

constexpr TypeWords wordsFor(ConcentrationType type)
{
    switch (type) {
    case ConcentrationType::WeightPerWeight:
        return {.amountUnit = " grams of a ",
                .solutionKind = " % w/w solution of ",
                .stockUnit = " grams of ",
                .completion = " and mix with ",
                .sentenceEnding = " grams of solvent.",
                .line2Ending = " grams",
                .line3 = "of solvent."};
    case ConcentrationType::WeightPerVolume:
        return {.amountUnit = " mL of a ",
                .solutionKind = " % w/v solution of ",
                .stockUnit = " grams of ",
                .completion = " and dilute up to ",
                .sentenceEnding = " mL with solvent.",
                .line2Ending = " mL",
                .line3 = "with solvent."};
    case ConcentrationType::VolumePerVolume:
        return {.amountUnit = " mL of a ",
                .solutionKind = " % v/v solution of ",
                .stockUnit = " mL of ",
                .completion = " and dilute up to ",
                .sentenceEnding = " mL with solvent.",
                .line2Ending = " mL",
                .line3 = "with solvent."};
    }
    return {}; // not reached: every type has its words above
}

} // namespace

PercentResult PercentCalculation::calculate(std::optional<ConcentrationType> type,
                                            const PercentInputs &inputs, const NumberLocale &locale)
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

    double a = evaluation.step(c / 100);
    a = evaluation.step(a * v);
    double b = evaluation.step(s / 100);
    b = evaluation.step(b * g);
    const double amount = evaluation.step(a / b);
    if (evaluation.failed())
        return evaluation.failure<PercentResult>();

    PercentOutcome outcome;
    outcome.amount = amount;
    outcome.resultText = writeFixed2(amount, locale);

    // The solvent is what is left of the amount after the result as written, rounded to two
    // decimals, not after the unrounded amount.
    std::string_view w;
    if (*type == ConcentrationType::WeightPerWeight) {
        const NumberRead written = readNumber(outcome.resultText, locale);
        const double *measured = std::get_if<double>(&written);
        if (!measured)
            return ArithmeticFailure{}; // a result too large to read back (near DBL_MAX)
        const double solvent = evaluation.step(v - *measured);
        if (evaluation.failed())
            return evaluation.failure<PercentResult>();
        outcome.solventText = writeFixed2(solvent, locale);
        w = *outcome.solventText;
    }

    const TypeWords words = wordsFor(*type);
    const std::string_view vText = inputs.amount;
    const std::string_view cText = inputs.requiredConcentration;
    const std::string_view f = inputs.formula;
    const std::string_view r = outcome.resultText;
    // What the completion names: the solvent to mix in for w/w, the amount to make up to otherwise.
    const std::string_view completionAmount = outcome.solventText ? w : vText;

    outcome.methodText =
        concat({"To prepare ", vText, words.amountUnit, cText, words.solutionKind, f, " , Measure ",
                r, words.stockUnit, f, words.completion, completionAmount, words.sentenceEnding});
    outcome.printLines = {
        concat({"To prepare ", vText, words.amountUnit, cText, words.solutionKind, f, " ,"}),
        concat({"Measure ", r, words.stockUnit, f, words.completion, completionAmount,
                words.line2Ending}),
        std::string(words.line3),
    };
    return outcome;
}

} // namespace molvera
