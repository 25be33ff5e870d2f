#pragma once

#include <string>
#include <string_view>

namespace molvera {

// A formula read as a salt and its water of crystallisation, the way technicians type hydrates:
// "CuSO4·5H2O", "MgCl2.6H2O", "Na2CO3*10H2O", "CuSO4.H2O" (one water), "CaSO4·0.5H2O" and
// "CaSO4·½H2O" (half a water), "Na2S 9H2O" (set off by a blank), "CuSO₄·5H₂O" as pasted, and
// "H20" with a digit zero for water, a common slip.
struct HydrateFormula
{
    std::string_view salt;      // what stands before the water part, blanks around it dropped
    std::string_view separator; // the hydrate dot or blank as typed; empty without a water part
    double waters = 0;          // above 0 and at most 32767 with a water part, else 0
    // A hydrate dot stands in the formula, yet what follows the last one is no water of
    // crystallisation ("CuSO4.5NH3"): the formula cannot be renamed with other waters.
    bool unreadableWater = false;
};

// Splits a trailing water part off `formula`: after the first hydrate dot (".", "·", "*", "∙",
// "⋅", "•") or blank from which the rest reads as one, a count (whole, decimal with "." or ",",
// or with "½") of above 0 to 32767, or none for one water (not after a blank), then "H2O" or
// "H20"; blanks within it are ignored. A formula without such a part is all salt, with no waters.
HydrateFormula splitWaters(std::string_view formula);

// The formula of the salt of `formula` with `waters` waters of crystallisation, `watersText` as
// typed naming the count: `formula` itself when it has that many already, else its salt, then the
// water part in its own separator ("." when it had none) unless `waters` is 0: "CuSO4" with 5
// gives "CuSO4.5H2O", "CuSO4·5H2O" with 0 gives "CuSO4", "CuSO4" with 1 gives "CuSO4.H2O". A
// formula whose water part cannot be read, or a count that is not plainly written (digits with
// at most one decimal separator), names it as typed; an empty formula gives nothing.
std::string withWaters(std::string_view formula, std::string_view watersText, double waters);

} // namespace molvera
