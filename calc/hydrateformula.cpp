#include "hydrateformula.h"

#include "formulatext.h"
#include "numbertext.h"

namespace molvera {

namespace {

constexpr std::string_view Half = "\u00BD";

// The number of waters a water part names, or 0 when `part` is not one. After a blank the count
// must be written: "NaCl H2O" is no hydrate a technician would type.
double watersOf(std::string_view part, bool countRequired)
{
    std::string squeezed;
    for (const char c : part) {
        if (!isBlank(c))
            squeezed += c;
    }
    const std::string_view text = squeezed;
    std::size_t at = 0;
    double whole = 0;
    bool written = false;
    while (const std::optional<FormulaDigit> digit = digitAt(text, at)) {
        whole = whole * 10 + digit->value;
        if (whole > MaxCount)
            return 0;
        at += digit->length;
        written = true;
    }
    double fraction = 0;
    if (written && at < text.size() && (text[at] == '.' || text[at] == ',') &&
        digitAt(text, at + 1)) {
        ++at;
        double place = 0.1;
        while (const std::optional<FormulaDigit> digit = digitAt(text, at)) {
            fraction += digit->value * place;
            place /= 10;
            at += digit->length;
        }
    } else if (text.substr(at, Half.size()) == Half) {
        fraction = 0.5;
        at += Half.size();
        written = true;
    }
    if (!written && countRequired)
        return 0;
    // "H2O", or "H20"; the 2 and the 0 may be subscripts.
    if (at >= text.size() || text[at] != 'H')
        return 0;
    const std::optional<FormulaDigit> two = digitAt(text, at + 1);
    if (!two || two->value != 2)
        return 0;
    at += 1 + two->length;
    if (at < text.size() && text[at] == 'O') {
        ++at;
    } else if (const std::optional<FormulaDigit> zero = digitAt(text, at); zero && !zero->value) {
        at += zero->length;
    } else {
        return 0;
    }
    if (at != text.size())
        return 0;
    const double waters = written ? whole + fraction : 1;
    return waters > MaxCount ? 0 : waters;
}

// Digits with at most one decimal separator, nothing else: a count the name can show as typed.
bool isPlainCount(std::string_view text)
{
    text = trimBlanks(text);
    bool digit = false;
    bool separator = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if ((c == '.' || c == ',') && !separator)
            separator = true;
        else
            return false;
    }
    return digit;
}

} // namespace

HydrateFormula splitWaters(std::string_view formula)
{
    bool dotSeen = false;
    for (std::size_t at = 0; at < formula.size(); ++at) {
        std::size_t length = hydrateDotAt(formula, at);
        const bool blank = !length && isBlank(formula[at]);
        if (blank) {
            length = 1;
            // A blank sets a water part off only after the salt.
            if (trimBlanks(formula.substr(0, at)).empty())
                continue;
        }
        if (!length)
            continue;
        dotSeen = dotSeen || !blank;
        if (const double waters = watersOf(formula.substr(at + length), blank))
            return {trimBlanks(formula.substr(0, at)), formula.substr(at, length), waters, false};
        at += length - 1;
    }
    return {trimBlanks(formula), {}, 0, dotSeen};
}

std::string withWaters(std::string_view formula, std::string_view watersText, double waters)
{
    const HydrateFormula typed = splitWaters(formula);
    if (typed.salt.empty())
        return typed.separator.empty() ? std::string() : std::string(formula);
    if (typed.unreadableWater || !isPlainCount(watersText) || waters == typed.waters)
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
