#pragma once

#include "calculationresult.h"
#include "measuredamount.h"
#include "translatable.h"

#include <string_view>
#include <variant>

namespace molvera {

struct NumberLocale;

// The texts of the Molar Solution page's boxes, as the user left them.
struct MolarInputs
{
    std::string_view total;              // M, grams per mole
    std::string_view molarity;           // R, moles per litre, or with its unit: "50 mM"
    std::string_view volume;             // V, litres, or with its unit: "250 mL"
    std::string_view specificGravity;    // G
    std::string_view stockConcentration; // C, in the stock unit's terms
    std::string_view stockUnit;          // one of MolarInputs' stock units below
    std::string_view formula;            // only quoted in the sentences

    // What the stock's strength is given as: a percent by weight with a specific gravity, the
    // stock's own molarity in M or mM (or with a unit typed), a percent by weight in volume, or
    // grams per litre (milligrams per millilitre).
    static constexpr std::string_view PercentStock = "%";
    static constexpr std::string_view MolarStock = "M";
    static constexpr std::string_view MillimolarStock = "mM";
    static constexpr std::string_view WeightPerVolumeStock = "% w/v";
    static constexpr std::string_view GramsPerLitreStock = "g/L";
};

// A stock given by its own molarity, in M or mM: measured by volume, with no formula needed.
constexpr bool isMolarStock(std::string_view stockUnit)
{
    return stockUnit == MolarInputs::MolarStock || stockUnit == MolarInputs::MillimolarStock;
}

// A stock's strength written with its unit in one text, as a command line takes it, split into
// what the page's stock box and stock list would hold.
struct StockText
{
    std::string_view strength; // the number, blanks around it dropped
    std::string_view unit;     // one of MolarInputs' stock units
};

// "98 %" and "98 % w/w" are a percent stock, "20 % w/v" one in % w/v, "10 g/L" (or "g/l") one in
// grams per litre, with or without blanks. A molarity ends in M ("5M", "500 mM", "10 µM"): a molar
// stock whose strength keeps its unit, as the stock box takes it with "M" chosen. Anything else,
// a bare number among them, is a percent stock's strength as written, for the calculation to read.
StockText splitStock(std::string_view text);

struct MolarOutcome
{
    double amount = 0;       // grams or millilitres of stock
    std::string resultText;  // amount as "0.00"
    MeasuredAmount measured; // the amount as the instructions give it
    std::string methodText;
    PrintLines printLines;
};

using MolarResult = std::variant<InputFailure, ArithmeticFailure, ZeroStockConcentration,
                                 ZeroSpecificGravity, WeakStock, NegativeAmount, MolarOutcome>;

// The stock to measure for a molar solution, in millilitres (or grams of a solid given as a
// percent stock of specific gravity 1). A liquid stock giving more than the volume to make, or a
// negative amount, is refused.
class MolarCalculation
{
public:
    static MolarResult calculate(const MolarInputs &inputs, const NumberLocale &locale,
                                 const TextTranslator &translator = {});
};

} // namespace molvera
