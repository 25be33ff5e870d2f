#pragma once

#include "calculationresult.h"
#include "measuredamount.h"
#include "translatable.h"

#include <optional>
#include <string_view>
#include <variant>

namespace molvera {

struct NumberLocale;

enum class ConcentrationType { WeightPerWeight, WeightPerVolume, VolumePerVolume };

// The texts of the % Solution page's boxes, as the user left them, and what the stock's percent
// is by.
struct PercentInputs
{
    std::string_view stockConcentration;    // S, percent
    std::string_view stockSpecificGravity;  // G
    std::string_view amount;                // V, grams (w/w) or mL, or with its unit: "2 kg"
    std::string_view requiredConcentration; // C, percent
    std::string_view formula;               // only quoted in the sentences
    // w/w (the stock's percent by weight, with its specific gravity) or w/v (grams per 100 mL).
    ConcentrationType stockBasis = ConcentrationType::WeightPerWeight;
};

struct PercentOutcome
{
    double amount = 0;                      // stock to measure
    std::string resultText;                 // amount as "0.00"
    std::optional<std::string> solventText; // weight per weight only
    MeasuredAmount measured;                // the amount as the instructions give it
    std::optional<MeasuredAmount> solvent;  // the solvent as they give it, w/w only
    std::string methodText;
    PrintLines printLines;
};

// No concentration type was chosen and every number was valid: nothing changes.
struct NoConcentrationType
{
    bool operator==(const NoConcentrationType &) const = default;
};

using PercentResult = std::variant<InputFailure, ArithmeticFailure, ZeroStockConcentration,
                                   ZeroSpecificGravity, StockBasisMismatch, WeakStock,
                                   NegativeAmount, NoConcentrationType, PercentOutcome>;

// The stock to measure for a percent solution. w/w is made by weight: C × V / S grams of stock,
// and the rest of the amount in solvent. v/v is made by volume: C × V / S mL, whatever the
// stock's density. w/v divides by the specific gravity too, C × V / (S × G): the millilitres of
// a liquid stock, which a stock of specific gravity 1 gives as grams (a solid, or a solution
// as light as water). From a w/v stock, a w/v solution is a dilution, C × V / S mL, with no
// density. A stock weaker than the solution wanted, or a negative amount, is refused.
class PercentCalculation
{
public:
    static PercentResult calculate(std::optional<ConcentrationType> type,
                                   const PercentInputs &inputs, const NumberLocale &locale,
                                   const TextTranslator &translator = {});
};

} // namespace molvera
