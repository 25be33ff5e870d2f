#pragma once

#include "numbertext.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace molvera {

// The units a number may be typed with, after it ("50 mM", "250mL", "2 kg"), or that an amount
// is written in.
enum class Unit {
    Molar,
    Millimolar,
    Micromolar,
    Nanomolar,
    Litre,
    Millilitre,
    Microlitre,
    Nanolitre,
    Kilogram,
    Gram,
    Milligram,
    Microgram,
};

// What a number box measures: the units that may follow its number.
enum class Dimension { Molarity, Volume, Mass };

Dimension dimensionOf(Unit unit);
// The unit's symbol as the program writes it: "mM", "µL" (with the micro sign), "g".
std::string_view symbolOf(Unit unit);
// How many of `to` make one `from`: 1000 mL in a L. Both of one dimension.
double factor(Unit from, Unit to);
// `value` of `from` in `to`, rounded once.
double inUnit(double value, Unit from, Unit to);

// A number typed with its unit, or bare.
struct Quantity
{
    double value = 0;         // in the box's own unit, the one a bare number is in
    std::string_view number;  // the number as typed, blanks around it dropped
    std::optional<Unit> unit; // as typed; none for a bare number
};

// Why a text is no quantity: not a number, a number beyond a double's range, or a unit that the
// box cannot take ("5 mL" for a molarity, "5 MM").
using QuantityRead = std::variant<Quantity, NumberError>;

// Reads a number with an optional unit of `dimension` after it, with or without a blank: M, mM,
// µM, nM for a molarity; L, mL, µL for a volume ("l" for "L" too); kg, g, mg for a mass. "µ" may
// be typed as µ (U+00B5), μ (U+03BC) or "u". A bare number is in `bare`, and so is the value.
QuantityRead readQuantity(std::string_view text, Dimension dimension, Unit bare,
                          const NumberLocale &locale);

} // namespace molvera
