#pragma once

#include <string>
#include <string_view>

namespace molvera {

// A formula read as a salt and its water of crystallisation, the way technicians type hydrates:
// "CuSO4·5H2O", "MgCl2.6H2O", "Na2CO3*10H2O", "CuSO4.H2O" (one water), and "H20" with a digit
// zero for water, a common slip.
struct HydrateFormula
{
    std::string_view salt;      // what stands before the water part, blanks around it dropped
    std::string_view separator; // ".", "·" or "*" as typed; empty without a water part
    int waters = 0;             // 1 to 32767 with a water part, else 0
};

// Splits a trailing water part off `formula`: after the last ".", "·" or "*", a count of 1 to
// 32767 or none (one water), then "H2O" or "H20"; blanks within it are ignored. A formula without
// such a part is all salt, with no waters.
HydrateFormula splitWaters(std::string_view formula);

// The formula of the salt of `formula` with `waters` waters of crystallisation (`watersText`, as
// typed, names the count): `formula` itself when it has that many already, else its salt, then
// the water part in its own separator ("." when it had none) unless `waters` is 0: "CuSO4" with 5
// gives "CuSO4.5H2O", "CuSO4·5H2O" with 0 gives "CuSO4", "CuSO4" with 1 gives "CuSO4.H2O".
std::string withWaters(std::string_view formula, std::string_view watersText, double waters);

} // namespace molvera
