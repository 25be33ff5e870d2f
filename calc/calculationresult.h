#pragma once

#include <array>
#include <string>

namespace molvera {

// A number text was empty or not a number: the page shows the input error box.
struct InputFailure
{
    bool operator==(const InputFailure &) const = default;
};

// Division by zero, overflow, an invalid result or a number beyond a double's range: the page
// shows nothing and changes nothing.
struct ArithmeticFailure
{
    bool operator==(const ArithmeticFailure &) const = default;
};

// The three lines that a calculation sheet prints, which joined by one space give the method text
// (for the percent calculation) or the same instructions (molar and hydrate).
using PrintLines = std::array<std::string, 3>;

} // namespace molvera
