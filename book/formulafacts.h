#pragma once

#include <calc/formulareading.h>

#include <QString>

#include <variant>

namespace molvera {

// What a bottle takes from its formula.
struct FormulaFacts
{
    double molecularWeight = 0; // the water of crystallisation included
    double waters = 0;          // "CuSO4·5H2O" has 5, "CaSO4·½H2O" 0.5
};

// The formula's facts, or why molvera cannot read it (worded where every refusal is).
std::variant<FormulaRefusal, FormulaFacts> readFormulaFacts(const QString &formula);

} // namespace molvera
