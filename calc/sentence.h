#pragma once

#include "translatable.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace molvera {

// Fills the places %1 to %9 of a sentence template with `values` (%1 the first), in one pass, so
// a value that itself holds "%2" stays as typed. A place may stand more than once or not at all,
// in any order; a % that is not followed by 1 to 9, or by the number of a missing value, is
// kept as written.
inline std::string fillPlaces(std::string_view pattern,
                              std::initializer_list<std::string_view> values)
{
    std::string text;
    text.reserve(pattern.size() + 64);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto place = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (place < values.size()) {
                text += values.begin()[place];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

// A method sentence and its three print lines, marked English templates sharing their places.
struct Wording
{
    const char *method;
    const char *line1;
    const char *line2;
    const char *line3;
};

// Writes `wording` into an outcome's method text and print lines, in the translator's language,
// with its places filled from `values`.
template<typename Outcome>
void writeWording(Outcome &outcome, const Wording &wording, const char *context,
                  const TextTranslator &translator, std::initializer_list<std::string_view> values)
{
    const auto fill = [&](const char *text) {
        return fillPlaces(translated(translator, context, text), values);
    };
    outcome.methodText = fill(wording.method);
    outcome.printLines = {fill(wording.line1), fill(wording.line2), fill(wording.line3)};
}

} // namespace molvera
