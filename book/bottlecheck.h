#pragma once

#include <QMap>
#include <QString>

namespace molvera {

struct Bottle;

// A bottle's fields, as a form or a CSV file names them.
enum class BottleField {
    Name,
    Formula,
    MolecularWeight,
    Basis,
    Strength,
    SpecificGravity,
    GravityCelsius,
    Waters,
    Cas,
    Location,
    Note,
    Source,
    Added,
    Changed,
};

// Why a field cannot be saved, as a sentence for the user, per field that cannot.
using BottleProblems = QMap<BottleField, QString>;

// Everything that keeps the bottle out of the book; empty when it can be saved. Checks the bottle
// as withFormulaFacts() left it.
BottleProblems checkBottle(const Bottle &bottle);

} // namespace molvera
