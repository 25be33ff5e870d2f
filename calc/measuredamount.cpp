#include "measuredamount.h"

#include "sentence.h"

#include <cmath>

namespace molvera {

namespace {

struct Texts
{
    MOLVERA_TR_CONTEXT(molvera::MeasuredAmount)

    // An amount and its unit, as the instructions give it. %1 is a number.
    //: An amount of a weighed substance; %1 is a number with two decimals.
    static constexpr LocalizedText Grams = MOLVERA_TR_NOOP("%1 grams");
    //: %1 is a number. The unit symbols (mL, mg, µg, µL, nL, L, kg, M, mM, µM, nM) are
    //: international: change them only where the language writes them otherwise.
    static constexpr LocalizedText Millilitres = MOLVERA_TR_NOOP("%1 mL");
    //: %1 is a number with three significant digits.
    static constexpr LocalizedText Milligrams = MOLVERA_TR_NOOP("%1 mg");
    //: %1 is a number with three significant digits.
    static constexpr LocalizedText Micrograms = MOLVERA_TR_NOOP("%1 \u00B5g");
    //: %1 is a number with three significant digits.
    static constexpr LocalizedText Microlitres = MOLVERA_TR_NOOP("%1 \u00B5L");
    //: %1 is a number with three significant digits.
    static constexpr LocalizedText Nanolitres = MOLVERA_TR_NOOP("%1 nL");
    //: A number typed with its unit; %1 is the number as typed, %2 the unit's symbol (L, mL, µL,
    //: kg, g, mg, M, mM, µM, nM). Keep a no-break space between them if the language does.
    static constexpr LocalizedText Typed = MOLVERA_TR_NOOP("%1 %2");

    //: Added after instructions whose amount is less than a balance (1 mg) or a pipette (0.5
    //: µL) measures well. One short sentence.
    static constexpr LocalizedText BelowMeasuring = MOLVERA_TR_NOOP(
        "So little cannot be measured well: make a more concentrated solution first and dilute "
        "it.");
};

const LocalizedText &patternOf(Unit unit)
{
    switch (unit) {
    case Unit::Millilitre:
        return Texts::Millilitres;
    case Unit::Milligram:
        return Texts::Milligrams;
    case Unit::Microgram:
        return Texts::Micrograms;
    case Unit::Microlitre:
        return Texts::Microlitres;
    case Unit::Nanolitre:
        return Texts::Nanolitres;
    default:
        return Texts::Grams;
    }
}

// Whether the "0.00" text shows fewer than two significant digits: "0.00" to "0.09". Its whole
// part is "0" and its first decimal, two from the end after a separator of any length, is 0.
bool showsBelowTwoDigits(std::string_view fixed)
{
    if (fixed.starts_with('-'))
        fixed.remove_prefix(1);
    return fixed.size() >= 4 && fixed[0] == '0' && (fixed[1] < '0' || fixed[1] > '9') &&
           fixed[fixed.size() - 2] == '0';
}

} // namespace

MeasuredAmount measuredAmount(double amount, Dimension dimension, const NumberLocale &locale)
{
    const bool mass = dimension == Dimension::Mass;
    const Unit whole = mass ? Unit::Gram : Unit::Millilitre;
    const std::string fixed = writeFixed2(amount, locale);
    if (amount == 0 || !std::isfinite(amount) || !showsBelowTwoDigits(fixed))
        return {fixed, whole, amount, false};
    // A balance reads milligrams and a pipette microlitres; below 1 mg and 0.1 µL the next unit
    // down keeps three digits readable.
    const Unit next = mass ? Unit::Milligram : Unit::Microlitre;
    const Unit smallest = mass ? Unit::Microgram : Unit::Nanolitre;
    // Limits are compared as three significant digits show them: 0.9996 mg is written "1.00 mg".
    const double inNext = std::fabs(inUnit(amount, whole, next));
    const Unit unit = inNext >= (mass ? 0.9995 : 0.09995) ? next : smallest;
    const bool below = mass ? unit == smallest : inNext < 0.49995;
    const double value = inUnit(amount, whole, unit);
    return {writeSignificant3(value, locale), unit, value, below};
}

std::string amountText(const MeasuredAmount &amount, const TextTranslator &translator)
{
    return fillPlaces(translated(translator, patternOf(amount.unit)), {amount.number});
}

std::string typedQuantityText(const Quantity &quantity, Unit bare, const TextTranslator &translator)
{
    if (!quantity.unit && (bare == Unit::Gram || bare == Unit::Millilitre))
        return amountText({std::string(quantity.number), bare, quantity.value}, translator);
    return fillPlaces(translated(translator, Texts::Typed),
                      {quantity.number, symbolOf(quantity.unit.value_or(bare))});
}

std::string belowMeasuringClause(const TextTranslator &translator)
{
    return translated(translator, Texts::BelowMeasuring);
}

} // namespace molvera
