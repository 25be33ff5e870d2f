#pragma once

#include <span>
#include <string_view>

namespace molvera {

struct ElementEntry
{
    std::string_view displayText; // "Na - Sodium": symbol in two positions, " - ", English name
    double atomicWeight;
};

// The 32 elements that the formula rows offer, in the order of every element list.
class ElementTable
{
public:
    static std::span<const ElementEntry> entries();

    // The first entry whose display text equals the text exactly, or nullptr.
    static const ElementEntry *lookup(std::string_view displayText);
};

} // namespace molvera
