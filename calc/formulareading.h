#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace molvera {

struct ChemicalElement;

// Where a hydrate's water of crystallisation goes: among the elements, as part of the substance
// weighed ("MgCl2·6H2O" is Mg 1, Cl 2, H 12, O 6), or apart, as the salt's number of waters
// (Cu 1, S 1, O 4 and 5 waters for "CuSO4·5H2O").
enum class WaterPart { InElements, Apart };

// One element of a formula with its count in the whole formula: whole, 1 to 32767, except where
// half waters among the elements make it a fraction ("CaSO4·0.5H2O": O 4.5).
struct ElementCount
{
    const ChemicalElement *element = nullptr;
    double count = 0;

    bool operator==(const ElementCount &) const = default;
};

// A formula read: its elements in the order they first appear, each once, and its water of
// crystallisation's count (0 without one).
struct FormulaReading
{
    std::vector<ElementCount> elements;
    double waters = 0;
};

// What keeps a text from being read as a formula. The places name what is wrong and where, as
// typed: a part of the formula (a symbol, a bracket, a count) and the formula before it.
enum class FormulaFault {
    NoFormula,        // nothing but blanks
    UnknownElement,   // %1 a symbol that names no element
    NoStandardWeight, // %1 an element without a standard atomic weight
    SmallLetter,      // %1 a symbol typed in small letters, %2 the symbol written as it should be
    TooManyAtoms,     // %1 an element with more than 32767 atoms in the formula
    NotClosed,        // %1 the formula, whose bracket is left open
    NotOpened,        // %1 a closing bracket, %2 the formula before it
    OtherBracket,     // %1 a closing bracket, %2 the formula before it, %3 the opening bracket
    BadCount,         // %1 a count beyond 1 to 32767, %2 the formula before it
    FractionalCount,  // %1 a count with a fraction where a whole one is needed, %2 before it
    CountApart,       // %1 a count set apart by a blank, %2 the formula before it
    NotAtStart,       // %1 what cannot begin a formula
    NotAfter,         // %1 a character or number, %2 the formula before it
    NotWater,         // %1 a hydrate dot, %2 the formula before it
};

struct FormulaRefusal
{
    FormulaFault fault = FormulaFault::NoFormula;
    std::vector<std::string> places;

    bool operator==(const FormulaRefusal &) const = default;
};

using FormulaRead = std::variant<FormulaRefusal, FormulaReading>;

// Reads a chemical formula as technicians type it: element symbols with counts ("NaCl",
// "H2SO4"; any element with a standard atomic weight, and "A" for argon as the element lists
// write it), groups in round or square brackets with a count, nested ("K4[Fe(CN)6]"), and one
// water of crystallisation at the end, as splitWaters() reads it ("CuSO4·5H2O"). Blanks between
// symbols and groups are ignored; a count follows its symbol or bracket directly and is 1 to
// 32767, as is each element's count in the whole formula. Any text, of any length, gives a
// reading or a refusal.
FormulaRead readFormula(std::string_view formula, WaterPart water);

// The formula's molecular weight: each element's count times its weight in formulas (the
// element lists' own weights for the elements they offer), summed in the order read.
double molecularWeight(const FormulaReading &reading);

// Why a reading does not fit a page's six element rows.
struct RowsMisfit
{
    enum class Reason {
        NotListed,   // %1 an element the lists do not offer
        MoreThanSix, // %1 the seventh element
        Fractional,  // %1 an element whose count is not whole
    };
    Reason reason;
    std::string symbol;
};

// What keeps the element rows from holding the reading, or nothing when they can.
std::optional<RowsMisfit> rowsMisfit(const FormulaReading &reading);

} // namespace molvera
