#pragma once

#include "translatable.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace molvera {

struct ElementEntry;

// Where a hydrate's water of crystallisation goes: among the elements, as part of the substance
// weighed ("MgCl2·6H2O" is Mg 1, Cl 2, H 12, O 6), or apart, as the salt's number of waters
// (Cu 1, S 1, O 4 and 5 waters for "CuSO4·5H2O").
enum class WaterPart { InElements, Apart };

// One element of a formula with its count in the whole formula.
struct ElementCount
{
    const ElementEntry *element = nullptr;
    int count = 0; // 1 to 32767

    bool operator==(const ElementCount &) const = default;
};

// A formula read for the element rows: its elements in the order they first appear (one to six,
// each once), and its water of crystallisation's count (0 without one).
struct FormulaReading
{
    std::vector<ElementCount> elements;
    int waters = 0;
};

// A text that is not a formula molvera can read, with a sentence that says what is wrong and
// where, in the translator's language.
struct FormulaRefusal
{
    std::string message;
};

using FormulaRead = std::variant<FormulaRefusal, FormulaReading>;

// Reads a chemical formula as technicians type it: element symbols of the element table with
// counts ("NaCl", "H2SO4"; "Ar" is Argon too), groups in round or square brackets with a count,
// nested ("K4[Fe(CN)6]"), and one water of crystallisation at the end, as splitWaters() reads it
// ("CuSO4·5H2O"). Blanks between the parts are ignored; a count is 1 to 32767, and so is each
// element's count in the whole formula. Any text, of any length, gives a reading or a refusal.
FormulaRead readFormula(std::string_view formula, WaterPart water,
                        const TextTranslator &translator = {});

} // namespace molvera
