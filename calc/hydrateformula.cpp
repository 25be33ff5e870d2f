#include "hydrateformula.h"

#include "numbertext.h"

#include <array>

namespace molvera {

namespace {

constexpr std::array<std::string_view, 3> Separators{".", "\u00B7", "*"};

// The number of waters a water part names, or 0 when `part` is not one.
int watersOf(std::string_view part)
{
    std::string squeezed;
    for (const char c : part) {
        if (!isBlank(c))
            squeezed += c;
    }
    if (squeezed.size() < 3)
        return 0;
    const std::string_view water = std::string_view(squeezed).substr(squeezed.size() - 3);
    if (water != "H2O" && water != "H20")
        return 0;
    const std::string_view count = std::string_view(squeezed).substr(0, squeezed.size() - 3);
    if (count.empty())
        return 1;
    int value = 0;
    for (const char c : count) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
        if (value > MaxCount)
            return 0;
    }
    return value;
}

} // namespace

HydrateFormula splitWaters(std::string_view formula)
{
    std::size_t at = std::string_view::npos;
    std::string_view separator;
    for (const std::string_view candidate : Separators) {
        const std::size_t found = formula.rfind(candidate);
        if (found != std::string_view::npos && (at == std::string_view::npos || found > at)) {
            at = found;
            separator = candidate;
        }
    }
    if (at != std::string_view::npos) {
        if (const int waters = watersOf(formula.substr(at + separator.size())))
            return {trimBlanks(formula.substr(0, at)), separator, waters};
    }
    return {trimBlanks(formula), {}, 0};
}

std::string withWaters(std::string_view formula, std::string_view watersText, double waters)
{
    const HydrateFormula typed = splitWaters(formula);
    if (waters == typed.waters)
        return std::string(formula);
    std::string name(typed.salt);
    if (waters != 0) {
        name += typed.separator.empty() ? "." : typed.separator;
        if (waters != 1)
            name += trimBlanks(watersText);
        name += "H2O";
    }
    return name;
}

} // namespace molvera
