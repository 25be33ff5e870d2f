#pragma once

#include <calc/calculationresult.h>
#include <print/calculationsheet.h>

#include <QString>

namespace molvera {

enum class ConcentrationType;

// What a page's sheet says of a calculation besides its instructions: the label's strength and
// the stock line, from the texts the calculation read. A page and the command line print the same
// sheet for the same calculation.

// The strength that the printed label gives: the number as typed and its unit, one of
// SheetTexts' units ("M", "% w/v"), which the sheet writes the user's way.
struct SheetStrength
{
    QString value;
    QString unit;
};

// The molarity as typed, "50" and "mM", or "0.5" and M when typed without a unit.
SheetStrength molarStrength(const QString &molarity);
// The stock of the molar page: its strength and stock unit (MolarInputs' units), and its specific
// gravity, which only a percent stock uses. A molar stock typed with its unit says that unit.
SheetStock molarStock(const QString &concentration, const QString &unit,
                      const QString &specificGravity);

SheetStrength percentStrength(const QString &concentration, ConcentrationType type);
// The stock of the % page, whose percent is of `basis`; only a w/v solution from a w/w stock
// divides by the stock's gravity.
SheetStock percentStock(const QString &concentration, ConcentrationType basis,
                        ConcentrationType type, const QString &specificGravity);

// A hydrate's strength is always w/v; its stock is a purity in percent with its waters.
SheetStrength hydrateStrength(const QString &concentration);
SheetStock hydrateStock(const QString &purity, const QString &waters);

// The whole sheet of a calculation that succeeded.
CalculationSheet calculationSheet(SheetVariant variant, const PrintLines &printLines,
                                  const QString &name, const QString &formula,
                                  const SheetStrength &strength, const SheetStock &stock);

} // namespace molvera
