#include "quantity.h"

#include <array>

namespace molvera {

namespace {

struct UnitDesign
{
    Unit unit;
    Dimension dimension;
    int exponent; // the unit is 10^exponent M, L or g
    std::string_view symbol;
};

constexpr std::array<UnitDesign, 12> Units{{
    {Unit::Molar, Dimension::Molarity, 0, "M"},
    {Unit::Millimolar, Dimension::Molarity, -3, "mM"},
    {Unit::Micromolar, Dimension::Molarity, -6, "\u00B5M"},
    {Unit::Nanomolar, Dimension::Molarity, -9, "nM"},
    {Unit::Litre, Dimension::Volume, 0, "L"},
    {Unit::Millilitre, Dimension::Volume, -3, "mL"},
    {Unit::Microlitre, Dimension::Volume, -6, "\u00B5L"},
    {Unit::Nanolitre, Dimension::Volume, -9, "nL"},
    {Unit::Kilogram, Dimension::Mass, 3, "kg"},
    {Unit::Gram, Dimension::Mass, 0, "g"},
    {Unit::Milligram, Dimension::Mass, -3, "mg"},
    {Unit::Microgram, Dimension::Mass, -6, "\u00B5g"},
}};

const UnitDesign &designOf(Unit unit)
{
    return Units[std::size_t(unit)];
}

// What may be typed for a unit: its symbol, with "l" for "L" and "u" or Greek mu for "µ".
struct Spelling
{
    std::string_view text;
    Unit unit;
};

// The units that may be typed, per dimension: a nanolitre or a microgram is written by the
// program but not a unit a box is typed in. Longer spellings first, so that "mM" is not read as
// "M" after an "m".
constexpr Spelling Spellings[] = {
    {"\u00B5M", Unit::Micromolar},
    {"\u03BCM", Unit::Micromolar},
    {"uM", Unit::Micromolar},
    {"mM", Unit::Millimolar},
    {"nM", Unit::Nanomolar},
    {"M", Unit::Molar},
    {"\u00B5L", Unit::Microlitre},
    {"\u00B5l", Unit::Microlitre},
    {"\u03BCL", Unit::Microlitre},
    {"\u03BCl", Unit::Microlitre},
    {"uL", Unit::Microlitre},
    {"ul", Unit::Microlitre},
    {"mL", Unit::Millilitre},
    {"ml", Unit::Millilitre},
    {"L", Unit::Litre},
    {"l", Unit::Litre},
    {"kg", Unit::Kilogram},
    {"mg", Unit::Milligram},
    {"g", Unit::Gram},
};

} // namespace

Dimension dimensionOf(Unit unit)
{
    return designOf(unit).dimension;
}

std::string_view symbolOf(Unit unit)
{
    return designOf(unit).symbol;
}

double factor(Unit from, Unit to)
{
    return inUnit(1, from, to);
}

double inUnit(double value, Unit from, Unit to)
{
    // Powers of ten up to 10^22 are exact doubles: multiplying or dividing by one rounds once, so
    // 250 mL is exactly 0.25 L, as 0.25 typed would be.
    int steps = designOf(from).exponent - designOf(to).exponent;
    double scale = 1;
    for (int i = steps < 0 ? -steps : steps; i > 0; --i)
        scale *= 10;
    return steps < 0 ? value / scale : value * scale;
}

QuantityRead readQuantity(std::string_view text, Dimension dimension, Unit bare,
                          const NumberLocale &locale)
{
    const std::string_view typed = trimBlanks(text);
    std::string_view number = typed;
    std::optional<Unit> unit;
    for (const Spelling &spelling : Spellings) {
        if (dimensionOf(spelling.unit) == dimension && typed.ends_with(spelling.text)) {
            number = trimBlanks(typed.substr(0, typed.size() - spelling.text.size()));
            unit = spelling.unit;
            break;
        }
    }
    const NumberRead read = readNumber(number, locale);
    const double *value = std::get_if<double>(&read);
    if (!value)
        return std::get<NumberError>(read);
    const double inBare = unit ? inUnit(*value, *unit, bare) : *value;
    return Quantity{inBare, number, unit};
}

} // namespace molvera
