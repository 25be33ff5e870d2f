#include "sheetlabel.h"

#include <calc/molarcalculation.h>
#include <calc/percentcalculation.h>
#include <print/sheettexts.h>
#include <ui/forms/numberlocale.h>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

bool isStockUnit(const QString &unit, std::string_view stockUnit)
{
    return unit == fromUtf8(stockUnit);
}

const char *percentUnit(ConcentrationType type)
{
    switch (type) {
    case ConcentrationType::WeightPerWeight:
        return SheetTexts::WeightPerWeightUnit;
    case ConcentrationType::WeightPerVolume:
        return SheetTexts::WeightPerVolumeUnit;
    case ConcentrationType::VolumePerVolume:
        return SheetTexts::VolumePerVolumeUnit;
    }
    return SheetTexts::WeightPerWeightUnit; // not reached: every type has its unit above
}

} // namespace

SheetStrength molarStrength(const QString &molarity)
{
    const TypedQuantity typed = typedQuantity(molarity, Dimension::Molarity);
    return {typed.number,
            typed.unit.isEmpty() ? QString::fromLatin1(SheetTexts::MolarUnit) : typed.unit};
}

SheetStock molarStock(const QString &concentration, const QString &unit,
                      const QString &specificGravity)
{
    // A stock by its own molarity, or in grams per volume, is measured by volume alone: its
    // gravity plays no part.
    const bool molar = isMolarStock(toUtf8(unit));
    const TypedQuantity typed = molar ? typedQuantity(concentration, Dimension::Molarity)
                                      : TypedQuantity{concentration, {}};
    return {.strength = typed.number,
            .unit = typed.unit.isEmpty() ? unit : typed.unit,
            .specificGravity =
                isStockUnit(unit, MolarInputs::PercentStock) ? specificGravity : QString(),
            .waters = {},
            .bottle = {}};
}

SheetStrength percentStrength(const QString &concentration, ConcentrationType type)
{
    return {concentration, QString::fromUtf8(percentUnit(type))};
}

SheetStock percentStock(const QString &concentration, ConcentrationType basis,
                        ConcentrationType type, const QString &specificGravity)
{
    const bool byDensity =
        type == ConcentrationType::WeightPerVolume && basis != ConcentrationType::WeightPerVolume;
    return {.strength = concentration,
            .unit = QString::fromUtf8(percentUnit(basis)),
            .specificGravity = byDensity ? specificGravity : QString(),
            .waters = {},
            .bottle = {}};
}

SheetStrength hydrateStrength(const QString &concentration)
{
    return {concentration, QString::fromLatin1(SheetTexts::WeightPerVolumeUnit)};
}

SheetStock hydrateStock(const QString &purity, const QString &waters)
{
    return {
        .strength = purity, .unit = u"%"_s, .specificGravity = {}, .waters = waters, .bottle = {}};
}

CalculationSheet calculationSheet(SheetVariant variant, const PrintLines &printLines,
                                  const QString &name, const QString &formula,
                                  const SheetStrength &strength, const SheetStock &stock)
{
    return {
        .variant = variant,
        .printLines = {fromUtf8(printLines[0]), fromUtf8(printLines[1]), fromUtf8(printLines[2])},
        .chemicalName = name,
        .chemicalFormula = formula,
        .strength = strength.value,
        .strengthUnit = strength.unit,
        .stock = stock};
}

} // namespace molvera
