#include "elementtable.h"

#include <array>

namespace molvera {

namespace {

// Sorted by English name, as the lists show them; the weights are the program's own constants,
// not today's standard atomic weights, because every result depends on them.
// clang-format off
constexpr std::array<ElementEntry, 32> Entries{{
    {"Al - Aluminium", 26.98},   // 1
    {"A  - Argon", 39.95},       // 2
    {"Ba - Barium", 137.34},     // 3
    {"B  - Boron", 10.81},       // 4
    {"Br - Bromine", 79.91},     // 5
    {"Cd - Cadmium", 112.4},     // 6
    {"Cs - Caesium", 132.905},   // 7
    {"Ca - Calcium", 40.08},     // 8
    {"C  - Carbon", 12.011},     // 9
    {"Cl - Chlorine", 35.453},   // 10
    {"Cr - Chromium", 51.996},   // 11
    {"Co - Cobalt", 58.933},     // 12
    {"Cu - Copper", 63.54},      // 13
    {"F  - Fluorine", 18.998},   // 14
    {"H  - Hydrogen", 1.008},    // 15
    {"I  - Iodine", 126.904},    // 16
    {"Fe - Iron", 55.847},       // 17
    {"Pb - Lead", 207.19},       // 18
    {"Li - Lithium", 6.939},     // 19
    {"Mg - Magnesium", 24.312},  // 20
    {"Ni - Nickel", 58.71},      // 21
    {"N  - Nitrogen", 14},       // 22
    {"O  - Oxygen", 16},         // 23
    {"P  - Phosphous", 30.97},   // 24
    {"K  - Potassium", 39.1},    // 25
    {"Si - Silicon", 28.09},     // 26
    {"Ag - Silver", 107.87},     // 27
    {"Na - Sodium", 22.99},      // 28
    {"S  - Sulphur", 32.064},    // 29
    {"Sn - Tin", 118.69},        // 30
    {"W  - Tungsten", 183.85},   // 31
    {"Zn - Zinc", 65.37},        // 32
}};
// clang-format on

} // namespace

std::span<const ElementEntry> ElementTable::entries()
{
    return Entries;
}

const ElementEntry *ElementTable::lookup(std::string_view displayText)
{
    for (const ElementEntry &entry : Entries) {
        if (entry.displayText == displayText)
            return &entry;
    }
    return nullptr;
}

} // namespace molvera
