#pragma once

#include "quantity.h"
#include "translatable.h"

#include <string>

namespace molvera {

// An amount to measure as the instructions give it: in grams or millilitres with two decimals, as
// always, or, where those two decimals would show fewer than two significant digits, in a unit a
// balance or a pipette reads, with three significant digits ("5.84 µg", "0.500 µL").
struct MeasuredAmount
{
    std::string number; // "27.18", "5.84"
    Unit unit;          // g or mL; mg or µg, µL or nL for the small ones
    double value = 0;   // in `unit`, unrounded
    // Below what a balance (1 mg) or a pipette (0.5 µL) measures well.
    bool belowMeasuring = false;

    bool small() const { return unit != Unit::Gram && unit != Unit::Millilitre; }
};

// `amount` grams (Dimension::Mass) or millilitres (Dimension::Volume), as it is measured.
MeasuredAmount measuredAmount(double amount, Dimension dimension, const NumberLocale &locale);

// The amount with its unit, in the translator's language: "27.18 grams", "33.71 mL", "5.84 µg".
std::string amountText(const MeasuredAmount &amount, const TextTranslator &translator);

// A quantity typed with the number as the sentences give it: "250 mL", "50 mM"; a bare number
// in `bare`, written as the instructions always wrote that unit after a number ("100 grams").
std::string typedQuantityText(const Quantity &quantity, Unit bare,
                              const TextTranslator &translator);

// The clause added to instructions whose amount is below what can be measured well: to make a
// more concentrated solution first.
std::string belowMeasuringClause(const TextTranslator &translator);

} // namespace molvera
