#pragma once

#include "calculationresult.h"
#include "translatable.h"

#include <string_view>
#include <variant>

namespace molvera {

struct NumberLocale;

// The texts of the Molar Solution page's boxes, as the user left them.
struct MolarInputs
{
    std::string_view total;              // M, grams per mole
    std::string_view molarity;           // R, moles per litre
    std::string_view volume;             // V, litres
    std::string_view specificGravity;    // G
    std::string_view stockConcentration; // C, percent or molar
    std::string_view stockUnit;          // "%" or "M"
    std::string_view formula;            // only quoted in the sentences
};

struct MolarOutcome
{
    double amount = 0;      // grams or millilitres of stock
    std::string resultText; // amount as "0.00"
    std::string methodText;
    PrintLines printLines;
};

using MolarResult = std::variant<InputFailure, ArithmeticFailure, ZeroStockConcentration,
                                 ZeroSpecificGravity, WeakStock, NegativeAmount, MolarOutcome>;

// The stock to measure for a molar solution, in millilitres (or grams of a solid given as 100 %
// with specific gravity 1). More stock than the volume to make, or a negative amount, is refused.
class MolarCalculation
{
public:
    static MolarResult calculate(const MolarInputs &inputs, const NumberLocale &locale,
                                 const TextTranslator &translator = {});
};

} // namespace molvera
