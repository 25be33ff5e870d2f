#pragma once

#include "translatable.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace molvera {

struct ElementEntry
{
    std::string_view displayText; // "Na - Sodium": symbol in two positions, " - ", English name
    double atomicWeight;
    std::string_view symbol; // "Na", "A": the same in every language
    const char *name;        // "Sodium": English, and the key of its translation
};

// The 32 elements that the formula rows offer, in the order of every element list.
class ElementTable
{
public:
    static std::span<const ElementEntry> entries();

    // The first entry whose display text equals the text exactly, or nullptr.
    static const ElementEntry *lookup(std::string_view displayText);
    // The entry of a symbol as the table has it ("Na", "A"), or nullptr.
    static const ElementEntry *lookupSymbol(std::string_view symbol);
    // The entry's name in the user's language ("Natrium").
    static std::string translatedName(const ElementEntry &entry,
                                      const TextTranslator &translator = {});

    // What an element list shows, in table order: each entry's display text with its name in
    // the user's language (the symbol, its padding and " - " stay). Rows still work with the
    // entries' English display texts, found by their place in the list.
    static std::vector<std::string> listTexts(const TextTranslator &translator = {});
};

} // namespace molvera
