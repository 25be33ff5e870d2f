#include "periodictable.h"

#include "elementtable.h"

#include <array>

namespace molvera {

namespace {

// Abridged standard atomic weights: IUPAC 2021, T. Prohaska et al., Pure Appl. Chem. 2022,
// 94(5), 573-600, doi:10.1515/pac-2019-0603, Table 1; zirconium 91.222 after the 2024 revision.
// Elements without a standard atomic weight (their isotopic make-up varies with the source) have
// 0 and are refused in formulas rather than weighed at a guess.
// clang-format off
constexpr std::array<ChemicalElement, 118> Elements{{
    {1, "H", 1.0080}, {2, "He", 4.0026}, {3, "Li", 6.94}, {4, "Be", 9.0122},
    {5, "B", 10.81}, {6, "C", 12.011}, {7, "N", 14.007}, {8, "O", 15.999},
    {9, "F", 18.998}, {10, "Ne", 20.180}, {11, "Na", 22.990}, {12, "Mg", 24.305},
    {13, "Al", 26.982}, {14, "Si", 28.085}, {15, "P", 30.974}, {16, "S", 32.06},
    {17, "Cl", 35.45}, {18, "Ar", 39.95}, {19, "K", 39.098}, {20, "Ca", 40.078},
    {21, "Sc", 44.956}, {22, "Ti", 47.867}, {23, "V", 50.942}, {24, "Cr", 51.996},
    {25, "Mn", 54.938}, {26, "Fe", 55.845}, {27, "Co", 58.933}, {28, "Ni", 58.693},
    {29, "Cu", 63.546}, {30, "Zn", 65.38}, {31, "Ga", 69.723}, {32, "Ge", 72.630},
    {33, "As", 74.922}, {34, "Se", 78.971}, {35, "Br", 79.904}, {36, "Kr", 83.798},
    {37, "Rb", 85.468}, {38, "Sr", 87.62}, {39, "Y", 88.906}, {40, "Zr", 91.222},
    {41, "Nb", 92.906}, {42, "Mo", 95.95}, {43, "Tc", 0}, {44, "Ru", 101.07},
    {45, "Rh", 102.91}, {46, "Pd", 106.42}, {47, "Ag", 107.87}, {48, "Cd", 112.41},
    {49, "In", 114.82}, {50, "Sn", 118.71}, {51, "Sb", 121.76}, {52, "Te", 127.60},
    {53, "I", 126.90}, {54, "Xe", 131.29}, {55, "Cs", 132.91}, {56, "Ba", 137.33},
    {57, "La", 138.91}, {58, "Ce", 140.12}, {59, "Pr", 140.91}, {60, "Nd", 144.24},
    {61, "Pm", 0}, {62, "Sm", 150.36}, {63, "Eu", 151.96}, {64, "Gd", 157.25},
    {65, "Tb", 158.93}, {66, "Dy", 162.50}, {67, "Ho", 164.93}, {68, "Er", 167.26},
    {69, "Tm", 168.93}, {70, "Yb", 173.05}, {71, "Lu", 174.97}, {72, "Hf", 178.49},
    {73, "Ta", 180.95}, {74, "W", 183.84}, {75, "Re", 186.21}, {76, "Os", 190.23},
    {77, "Ir", 192.22}, {78, "Pt", 195.08}, {79, "Au", 196.97}, {80, "Hg", 200.59},
    {81, "Tl", 204.38}, {82, "Pb", 207.2}, {83, "Bi", 208.98}, {84, "Po", 0},
    {85, "At", 0}, {86, "Rn", 0}, {87, "Fr", 0}, {88, "Ra", 0},
    {89, "Ac", 0}, {90, "Th", 232.04}, {91, "Pa", 231.04}, {92, "U", 238.03},
    {93, "Np", 0}, {94, "Pu", 0}, {95, "Am", 0}, {96, "Cm", 0},
    {97, "Bk", 0}, {98, "Cf", 0}, {99, "Es", 0}, {100, "Fm", 0},
    {101, "Md", 0}, {102, "No", 0}, {103, "Lr", 0}, {104, "Rf", 0},
    {105, "Db", 0}, {106, "Sg", 0}, {107, "Bh", 0}, {108, "Hs", 0},
    {109, "Mt", 0}, {110, "Ds", 0}, {111, "Rg", 0}, {112, "Cn", 0},
    {113, "Nh", 0}, {114, "Fl", 0}, {115, "Mc", 0}, {116, "Lv", 0},
    {117, "Ts", 0}, {118, "Og", 0},
}};
// clang-format on

// The element lists write argon with the one letter it had when they were made.
constexpr std::string_view ListArgon = "A";

} // namespace

std::span<const ChemicalElement> PeriodicTable::elements()
{
    return Elements;
}

const ChemicalElement *PeriodicTable::lookup(std::string_view symbol)
{
    for (const ChemicalElement &element : Elements) {
        if (element.symbol == symbol)
            return &element;
    }
    return nullptr;
}

const ElementEntry *PeriodicTable::listed(const ChemicalElement &element)
{
    return ElementTable::lookupSymbol(element.symbol == "Ar" ? ListArgon : element.symbol);
}

double PeriodicTable::formulaWeight(const ChemicalElement &element)
{
    if (const ElementEntry *entry = listed(element))
        return entry->atomicWeight;
    return element.standardWeight;
}

} // namespace molvera
