#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace molvera {

// What a bottle's strength is measured in.
enum class StockBasis {
    Purity,          // a solid: % of the substance in what is weighed
    WeightPerWeight, // % w/w: grams in 100 g of the liquid
    VolumePerVolume, // % v/v: mL in 100 mL of the liquid
    WeightPerVolume, // % w/v: grams in 100 mL
    GramsPerLitre,   // g/L, the same number as mg/mL
    Molar,           // M, mol/L
};

// The basis as the starter file and the CSV files write it ("purity %", "% w/w", "g/L", "M"),
// which is also how the book stores it: not language, never translated.
QString basisKey(StockBasis basis);
std::optional<StockBasis> basisFromKey(QStringView key);

// Whether a strength of this basis is a share of a whole, so at most 100. A % w/v is not: 120 g
// in 100 mL is a real solution.
bool isShareOfWhole(StockBasis basis);
// Whether the basis turns into amounts only with the liquid's specific gravity.
bool needsSpecificGravity(StockBasis basis);

// One bottle on the lab's shelf.
struct Bottle
{
    qint64 id = 0; // 0 until the book holds it
    QString name;
    QString formula; // as typed: "CuSO4·5H2O"
    // From the formula where molvera reads it, typed otherwise.
    std::optional<double> molecularWeight;
    StockBasis basis = StockBasis::Purity;
    double strength = 0;
    std::optional<double> specificGravity;
    std::optional<double> gravityCelsius; // the temperature the specific gravity was measured at
    double waters = 0; // of crystallisation, from the formula's water part where molvera reads it
    QString cas;       // "7647-14-5"
    QString location;  // where it stands
    QString note;
    QString source;
    QDateTime added;
    QDateTime changed;
    qint64 rowVersion = 0; // bumped by every change the book saves: tells two edits apart
    QString starterKey;    // a starter bottle's English starter name; empty for the lab's own

    bool operator==(const Bottle &) const = default;
};

// The bottle with the molecular weight and waters of its formula, where molvera reads it; a
// formula it cannot read leaves what was typed.
Bottle withFormulaFacts(Bottle bottle);

// The molarity the bottle's strength implies, for a technician to check the numbers against the
// label: 10 · SG · % / MW for % w/w, 10 · % / MW for % w/v, g/L / MW, M as it is. None for a
// solid, nor for % v/v, which would need the pure liquid's density.
std::optional<double> impliedMolarity(const Bottle &bottle);

} // namespace molvera
