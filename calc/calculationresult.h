#pragma once

#include <array>
#include <string>

namespace molvera {

// A number text was empty or not a number: the page shows the input error box and hands the
// keyboard to the box that holds the text.
struct InputFailure
{
    // Which text: its place, from 0, in the calculation's inputs (the order it reads them in).
    int input = 0;

    bool operator==(const InputFailure &) const = default;
};

// Overflow, an invalid result or a number beyond a double's range: too large to compute.
struct ArithmeticFailure
{
    bool operator==(const ArithmeticFailure &) const = default;
};

// A stock concentration of 0, which every amount is divided by.
struct ZeroStockConcentration
{
    bool operator==(const ZeroStockConcentration &) const = default;
};

// A starting substance of 0 % purity: a hydrate page's stock, which every amount is divided by.
struct ZeroStockPurity
{
    bool operator==(const ZeroStockPurity &) const = default;
};

// A specific gravity of 0, where the stock's density divides the amount.
struct ZeroSpecificGravity
{
    bool operator==(const ZeroSpecificGravity &) const = default;
};

// A molecular weight of 0 (the salt's with its waters), which the amount is divided by.
struct ZeroMolecularWeight
{
    bool operator==(const ZeroMolecularWeight &) const = default;
};

// A stock stated in % w/v for a w/w or v/v solution: grams in a volume of stock say nothing of
// its weight or volume fraction without a density the basis leaves out.
struct StockBasisMismatch
{
    bool operator==(const StockBasisMismatch &) const = default;
};

// The stock is weaker than the solution wanted: more of it would be needed than the amount to
// make, so the solution cannot be made by dilution.
struct WeakStock
{
    bool operator==(const WeakStock &) const = default;
};

// An amount to make, to measure or of solvent to add would be negative.
struct NegativeAmount
{
    bool operator==(const NegativeAmount &) const = default;
};

// The three lines that a calculation sheet prints, which joined by one space give the method text
// (for the percent calculation) or the same instructions (molar and hydrate).
using PrintLines = std::array<std::string, 3>;

} // namespace molvera
