#pragma once

#include <span>
#include <string_view>

namespace molvera {

struct ElementEntry;

// A chemical element as formulas name it, with its abridged standard atomic weight.
struct ChemicalElement
{
    int atomicNumber;
    std::string_view symbol; // "Mn"
    double standardWeight;   // grams per mole; 0 for an element that has none (Tc, Pm, Po ...)

    bool hasStandardWeight() const { return standardWeight > 0; }
};

// Every element, 1 to 118, with the standard atomic weights of those that have one.
class PeriodicTable
{
public:
    static std::span<const ChemicalElement> elements();
    // The element of a symbol as written in formulas ("Mn", "Ar"), or nullptr.
    static const ChemicalElement *lookup(std::string_view symbol);
    // The element lists' entry for the element ("Ar" is their "A"), or nullptr for the elements
    // the lists do not offer.
    static const ElementEntry *listed(const ChemicalElement &element);
    // The weight a formula counts the element at: the lists' own weight for the 32 they offer,
    // since every result of the rows depends on those, the standard atomic weight otherwise.
    static double formulaWeight(const ChemicalElement &element);
};

} // namespace molvera
