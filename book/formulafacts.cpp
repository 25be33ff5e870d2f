#include "formulafacts.h"

#include <calc/elementtable.h>
#include <calc/formulareading.h>

#include <QCoreApplication>

namespace molvera {

// The one place where the book reads formulas with the calculator's reader.
std::variant<QString, FormulaFacts> readFormulaFacts(const QString &formula)
{
    const TextTranslator translator = [](const char *context, const char *english) {
        return QCoreApplication::translate(context, english).toStdString();
    };
    const std::string text = formula.toStdString();
    const FormulaRead whole = readFormula(text, WaterPart::InElements, translator);
    if (const auto *refusal = std::get_if<FormulaRefusal>(&whole))
        return QString::fromStdString(refusal->message);
    const FormulaRead apart = readFormula(text, WaterPart::Apart, translator);
    if (const auto *refusal = std::get_if<FormulaRefusal>(&apart))
        return QString::fromStdString(refusal->message);

    FormulaFacts facts;
    for (const auto &[element, count] : std::get<FormulaReading>(whole).elements)
        facts.molecularWeight += element->atomicWeight * count;
    facts.waters = std::get<FormulaReading>(apart).waters;
    return facts;
}

} // namespace molvera
