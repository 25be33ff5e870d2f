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

// The units typed with a number, as the sentences write them: the symbols are international, yet
// some languages spell the concentrations out (German "mmol/L").
struct UnitTexts
{
    MOLVERA_TR_CONTEXT(molvera::Units)

    // clang-format off
    //: Moles per litre after a typed number, as the sentences write the page's "M".
    static constexpr LocalizedText Molar = MOLVERA_TR_NOOP("M");
    //: Millimoles per litre after a typed number; write it as "M" is written (mmol/L).
    static constexpr LocalizedText Millimolar = MOLVERA_TR_NOOP("mM");
    //: Micromoles per litre after a typed number; write it as "M" is written (µmol/L).
    static constexpr LocalizedText Micromolar = MOLVERA_TR_NOOP("µM");
    //: Nanomoles per litre after a typed number; write it as "M" is written (nmol/L).
    static constexpr LocalizedText Nanomolar = MOLVERA_TR_NOOP("nM");
    //: Litres after a typed number.
    static constexpr LocalizedText Litre = MOLVERA_TR_NOOP("L");
    //: Millilitres after a typed number.
    static constexpr LocalizedText Millilitre = MOLVERA_TR_NOOP("mL");
    //: Microlitres after a typed number.
    static constexpr LocalizedText Microlitre = MOLVERA_TR_NOOP("µL");
    //: Kilograms after a typed number.
    static constexpr LocalizedText Kilogram = MOLVERA_TR_NOOP("kg");
    //: Grams after a typed number: the symbol, where "%1 grams" spells the word out.
    static constexpr LocalizedText Gram = MOLVERA_TR_NOOP("g");
    //: Milligrams after a typed number.
    static constexpr LocalizedText Milligram = MOLVERA_TR_NOOP("mg");
    // clang-format on
};

// A typed unit's symbol in the translator's language; the program's symbol for the others.
std::string typedSymbol(Unit unit, const TextTranslator &translator)
{
    switch (unit) {
    case Unit::Molar:
        return translated(translator, UnitTexts::Molar);
    case Unit::Millimolar:
        return translated(translator, UnitTexts::Millimolar);
    case Unit::Micromolar:
        return translated(translator, UnitTexts::Micromolar);
    case Unit::Nanomolar:
        return translated(translator, UnitTexts::Nanomolar);
    case Unit::Litre:
        return translated(translator, UnitTexts::Litre);
    case Unit::Millilitre:
        return translated(translator, UnitTexts::Millilitre);
    case Unit::Microlitre:
        return translated(translator, UnitTexts::Microlitre);
    case Unit::Kilogram:
        return translated(translator, UnitTexts::Kilogram);
    case Unit::Gram:
        return translated(translator, UnitTexts::Gram);
    case Unit::Milligram:
        return translated(translator, UnitTexts::Milligram);
    default:
        return std::string(symbolOf(unit));
    }
}

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
                      {quantity.number, typedSymbol(quantity.unit.value_or(bare), translator)});
}

std::string belowMeasuringClause(const TextTranslator &translator)
{
    return translated(translator, Texts::BelowMeasuring);
}

} // namespace molvera
