#include "elementtable.h"

#include <array>

namespace molvera {

namespace {

struct Element
{
    std::string_view symbol;
    LocalizedText name;
    double atomicWeight;
};

// Sorted by English name, as the lists show them; the weights are the program's own constants,
// not today's standard atomic weights, because every result depends on them. Only the names are
// words: symbols are the same in every language.
struct Names
{
    MOLVERA_TR_CONTEXT(molvera::ElementTable)

    // clang-format off
    static constexpr std::array<Element, 32> Elements{{
        {"Al", MOLVERA_TR_NOOP("Aluminium"), 26.98},   // 1
        {"A", MOLVERA_TR_NOOP("Argon"), 39.95},        // 2
        {"Ba", MOLVERA_TR_NOOP("Barium"), 137.34},     // 3
        {"B", MOLVERA_TR_NOOP("Boron"), 10.81},        // 4
        {"Br", MOLVERA_TR_NOOP("Bromine"), 79.91},     // 5
        {"Cd", MOLVERA_TR_NOOP("Cadmium"), 112.4},     // 6
        {"Cs", MOLVERA_TR_NOOP("Caesium"), 132.905},   // 7
        {"Ca", MOLVERA_TR_NOOP("Calcium"), 40.08},     // 8
        {"C", MOLVERA_TR_NOOP("Carbon"), 12.011},      // 9
        {"Cl", MOLVERA_TR_NOOP("Chlorine"), 35.453},   // 10
        {"Cr", MOLVERA_TR_NOOP("Chromium"), 51.996},   // 11
        {"Co", MOLVERA_TR_NOOP("Cobalt"), 58.933},     // 12
        {"Cu", MOLVERA_TR_NOOP("Copper"), 63.54},      // 13
        {"F", MOLVERA_TR_NOOP("Fluorine"), 18.998},    // 14
        {"H", MOLVERA_TR_NOOP("Hydrogen"), 1.008},     // 15
        {"I", MOLVERA_TR_NOOP("Iodine"), 126.904},     // 16
        {"Fe", MOLVERA_TR_NOOP("Iron"), 55.847},       // 17
        {"Pb", MOLVERA_TR_NOOP("Lead"), 207.19},       // 18
        {"Li", MOLVERA_TR_NOOP("Lithium"), 6.939},     // 19
        {"Mg", MOLVERA_TR_NOOP("Magnesium"), 24.312},  // 20
        {"Ni", MOLVERA_TR_NOOP("Nickel"), 58.71},      // 21
        {"N", MOLVERA_TR_NOOP("Nitrogen"), 14},        // 22
        {"O", MOLVERA_TR_NOOP("Oxygen"), 16},          // 23
        //: The program's own spelling of Phosphorus.
        {"P", MOLVERA_TR_NOOP("Phosphous"), 30.97},    // 24
        {"K", MOLVERA_TR_NOOP("Potassium"), 39.1},     // 25
        {"Si", MOLVERA_TR_NOOP("Silicon"), 28.09},     // 26
        {"Ag", MOLVERA_TR_NOOP("Silver"), 107.87},     // 27
        {"Na", MOLVERA_TR_NOOP("Sodium"), 22.99},      // 28
        {"S", MOLVERA_TR_NOOP("Sulphur"), 32.064},     // 29
        {"Sn", MOLVERA_TR_NOOP("Tin"), 118.69},        // 30
        {"W", MOLVERA_TR_NOOP("Tungsten"), 183.85},    // 31
        {"Zn", MOLVERA_TR_NOOP("Zinc"), 65.37},        // 32
    }};
    // clang-format on
};
constexpr const std::array<Element, 32> &Elements = Names::Elements;

// The symbol left-aligned in two positions, " - ", the name: "H  - Hydrogen".
std::string listText(const Element &element, std::string_view name)
{
    std::string text(element.symbol);
    text.resize(2, ' ');
    text += " - ";
    text += name;
    return text;
}

// The entries with their English display texts, made once; they never change.
struct Table
{
    std::array<std::string, Elements.size()> displayTexts;
    std::array<ElementEntry, Elements.size()> entries;

    Table()
    {
        for (std::size_t i = 0; i < Elements.size(); ++i) {
            const Element &element = Elements[i];
            displayTexts[i] = listText(element, element.name.english);
            entries[i] = {displayTexts[i], element.atomicWeight, element.symbol,
                          element.name.english};
        }
    }
};

const Table &table()
{
    static const Table made;
    return made;
}

} // namespace

std::span<const ElementEntry> ElementTable::entries()
{
    return table().entries;
}

const ElementEntry *ElementTable::lookup(std::string_view displayText)
{
    for (const ElementEntry &entry : table().entries) {
        if (entry.displayText == displayText)
            return &entry;
    }
    return nullptr;
}

const ElementEntry *ElementTable::lookupSymbol(std::string_view symbol)
{
    for (const ElementEntry &entry : table().entries) {
        if (entry.symbol == symbol)
            return &entry;
    }
    return nullptr;
}

std::string ElementTable::translatedName(const ElementEntry &entry,
                                         const TextTranslator &translator)
{
    return translated(translator, Elements[std::size_t(&entry - table().entries.data())].name);
}

std::vector<std::string> ElementTable::listTexts(const TextTranslator &translator)
{
    std::vector<std::string> texts;
    texts.reserve(Elements.size());
    for (const Element &element : Elements)
        texts.push_back(listText(element, translated(translator, element.name)));
    return texts;
}

} // namespace molvera
