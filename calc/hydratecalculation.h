#pragma once

#include "calculationresult.h"
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
    std::string_view formula;               // the solution wanted, quoted in the sentences
};

struct HydrateOutcome
{
    double mass = 0;        // grams of stock to weigh out
    std::string resultText; // mass as "0.00"
    std::string methodText;
    PrintLines printLines;
};

using HydrateResult = std::variant<InputFailure, ArithmeticFailure, ZeroStockConcentration,
                                   ZeroMolecularWeight, NegativeAmount, HydrateOutcome>;

// The grams of stock to weigh out for a percent w/v solution of a salt with other waters. Grams
// of salt against millilitres of solution are no contradiction: only a negative amount is
// refused.
class HydrateCalculation
{
public:
    // Molecular weight of one water of crystallisation.
    static constexpr double WaterWeight = 18.016;

    static HydrateResult calculate(const HydrateInputs &inputs, const NumberLocale &locale,
                                   const TextTranslator &translator = {});
};

} // namespace molvera
