#include "elementtable.h"

#include <array>

namespace molvera {

namespace {

constexpr const char *Context = "molvera::ElementTable";

struct Element
{
    std::string_view symbol;
    const char *name;
    double atomicWeight;
};

// Sorted by English name, as the lists show them; the weights are the program's own constants,
// not today's standard atomic weights, because every result depends on them. Only the names are
// words: symbols are the same in every language.
// clang-format off
constexpr std::array<Element, 32> Elements{{
    {"Al", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Aluminium"), 26.98},   // 1
    {"A", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Argon"), 39.95},        // 2
    {"Ba", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Barium"), 137.34},     // 3
    {"B", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Boron"), 10.81},        // 4
    {"Br", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Bromine"), 79.91},     // 5
    {"Cd", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Cadmium"), 112.4},     // 6
    {"Cs", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Caesium"), 132.905},   // 7
    {"Ca", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Calcium"), 40.08},     // 8
    {"C", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Carbon"), 12.011},      // 9
    {"Cl", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Chlorine"), 35.453},   // 10
    {"Cr", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Chromium"), 51.996},   // 11
    {"Co", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Cobalt"), 58.933},     // 12
    {"Cu", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Copper"), 63.54},      // 13
    {"F", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Fluorine"), 18.998},    // 14
    {"H", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Hydrogen"), 1.008},     // 15
    {"I", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Iodine"), 126.904},     // 16
    {"Fe", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Iron"), 55.847},       // 17
    {"Pb", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Lead"), 207.19},       // 18
    {"Li", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Lithium"), 6.939},     // 19
    {"Mg", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Magnesium"), 24.312},  // 20
    {"Ni", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Nickel"), 58.71},      // 21
    {"N", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Nitrogen"), 14},        // 22
    {"O", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Oxygen"), 16},          // 23
    //: The program's own spelling of Phosphorus.
    {"P", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Phosphous"), 30.97},    // 24
    {"K", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Potassium"), 39.1},     // 25
    {"Si", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Silicon"), 28.09},     // 26
    {"Ag", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Silver"), 107.87},     // 27
    {"Na", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Sodium"), 22.99},      // 28
    {"S", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Sulphur"), 32.064},     // 29
    {"Sn", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Tin"), 118.69},        // 30
    {"W", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Tungsten"), 183.85},    // 31
    {"Zn", MOLVERA_TRANSLATABLE("molvera::ElementTable", "Zinc"), 65.37},        // 32
}};
// clang-format on

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
            displayTexts[i] = listText(element, element.name);
            entries[i] = {displayTexts[i], element.atomicWeight, element.symbol, element.name};
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

std::vector<std::string> ElementTable::listTexts(const TextTranslator &translator)
{
    std::vector<std::string> texts;
    texts.reserve(Elements.size());
    for (const Element &element : Elements)
        texts.push_back(listText(element, translated(translator, Context, element.name)));
    return texts;
}

} // namespace molvera
