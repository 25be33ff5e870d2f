#pragma once

#include "calculationresult.h"
#include "measuredamount.h"
#include "translatable.h"

#include <string_view>
#include <variant>

namespace molvera {

struct NumberLocale;

// The texts of the Hydrate Solution page's boxes, as the user left them.
struct HydrateInputs
{
    std::string_view total;                 // M, the salt without water, grams per mole
    std::string_view stockConcentration;    // Cs, percent
    std::string_view stockWaters;           // Hs
    std::string_view requiredConcentration; // Cr, percent w/v
    std::string_view requiredWaters;        // Hr, 0 for the anhydrous salt
    std::string_view volume;                // V, mL
    std::string_view formula;               // the salt, with or without waters, as typed
};

struct HydrateOutcome
{
    double mass = 0;         // grams of stock to weigh out
    std::string resultText;  // mass as "0.00"
    MeasuredAmount measured; // the mass as the instructions give it
    // The solution, named by the form its strength is stated for: the salt with the waters
    // required ("CuSO4" for the anhydrous salt), as the sentence names it and the label should;
    // and the stock weighed, with its own waters.
    std::string solutionFormula;
    std::string stockFormula;
    std::string methodText;
    PrintLines printLines;
};

using HydrateResult = std::variant<InputFailure, ArithmeticFailure, ZeroStockPurity,
                                   ZeroMolecularWeight, NegativeAmount, HydrateOutcome>;

// The grams of stock to weigh out for a percent w/v solution of a salt with other waters. Grams
// of salt against millilitres of solution are no contradiction: only a negative amount is
// refused, and a negative number of waters is no count. The formula may be typed with any waters
// (as on the bottle, or as wanted): the sentence names the solution and the stock each with its
// own.
class HydrateCalculation
{
public:
    // Molecular weight of one water of crystallisation.
    static constexpr double WaterWeight = 18.016;

    static HydrateResult calculate(const HydrateInputs &inputs, const NumberLocale &locale,
                                   const TextTranslator &translator = {});
};

} // namespace molvera
