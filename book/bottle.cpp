#include "bottle.h"

#include "formulafacts.h"

#include <array>
#include <utility>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

constexpr std::array BasisKeys{
    std::pair{StockBasis::Purity, u"purity %"},
    std::pair{StockBasis::WeightPerWeight, u"% w/w"},
    std::pair{StockBasis::VolumePerVolume, u"% v/v"},
    std::pair{StockBasis::WeightPerVolume, u"% w/v"},
    std::pair{StockBasis::GramsPerLitre, u"g/L"},
    std::pair{StockBasis::Molar, u"M"},
};

} // namespace

QString basisKey(StockBasis basis)
{
    for (const auto &[each, key] : BasisKeys) {
        if (each == basis)
            return QString::fromUtf16(key);
    }
    Q_UNREACHABLE();
    return {};
}

std::optional<StockBasis> basisFromKey(QStringView key)
{
    for (const auto &[basis, each] : BasisKeys) {
        if (key == QStringView(each))
            return basis;
    }
    return std::nullopt;
}

bool isShareOfWhole(StockBasis basis)
{
    return basis == StockBasis::Purity || basis == StockBasis::WeightPerWeight ||
           basis == StockBasis::VolumePerVolume;
}

bool needsSpecificGravity(StockBasis basis)
{
    return basis == StockBasis::WeightPerWeight || basis == StockBasis::VolumePerVolume;
}

Bottle withFormulaFacts(Bottle bottle)
{
    if (bottle.formula.trimmed().isEmpty())
        return bottle;
    const auto read = readFormulaFacts(bottle.formula);
    if (const auto *facts = std::get_if<FormulaFacts>(&read)) {
        bottle.molecularWeight = facts->molecularWeight;
        bottle.waters = facts->waters;
    }
    return bottle;
}

std::optional<double> impliedMolarity(const Bottle &bottle)
{
    if (bottle.basis == StockBasis::Molar)
        return bottle.strength;
    if (!bottle.molecularWeight || !(*bottle.molecularWeight > 0))
        return std::nullopt;
    const double weight = *bottle.molecularWeight;
    switch (bottle.basis) {
    case StockBasis::WeightPerWeight:
        if (!bottle.specificGravity)
            return std::nullopt;
        return 10 * *bottle.specificGravity * bottle.strength / weight;
    case StockBasis::WeightPerVolume:
        return 10 * bottle.strength / weight;
    case StockBasis::GramsPerLitre:
        return bottle.strength / weight;
    case StockBasis::Purity:
    case StockBasis::VolumePerVolume:
    case StockBasis::Molar:
        break;
    }
    return std::nullopt;
}

} // namespace molvera
