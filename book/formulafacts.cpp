#include "formulafacts.h"

namespace molvera {

// The one place where the book reads formulas with the calculator's reader.
std::variant<FormulaRefusal, FormulaFacts> readFormulaFacts(const QString &formula)
{
    const std::string text = formula.toStdString();
    const FormulaRead read = readFormula(text, WaterPart::Apart);
    if (const auto *refusal = std::get_if<FormulaRefusal>(&read))
        return *refusal;
    // Read with the water apart, the salt and its waters; weighed, the water counts too.
    const FormulaReading &salt = std::get<FormulaReading>(read);
    const FormulaRead whole = readFormula(text, WaterPart::InElements);
    if (const auto *refusal = std::get_if<FormulaRefusal>(&whole))
        return *refusal;
    return FormulaFacts{molecularWeight(std::get<FormulaReading>(whole)), salt.waters};
}

} // namespace molvera
