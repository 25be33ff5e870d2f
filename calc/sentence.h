#pragma once

#include "calculationresult.h"
#include "translatable.h"

#include <algorithm>
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

// Writes a calculation's instructions into an outcome's method text and print lines, in the
// translator's language, with the places filled from `values`. `wording` is one template with a
// line break where the sheet breaks its three lines: on screen the lines read as one sentence,
// joined by spaces. A translation with more breaks keeps the rest on the last line.
template<typename Outcome>
void writeWording(Outcome &outcome, const LocalizedText &wording, const TextTranslator &translator,
                  std::initializer_list<std::string_view> values)
{
    const std::string text = translated(translator, wording);
    outcome.methodText.clear();
    outcome.printLines = {};
    std::size_t line = 0;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        // Line by line, so that a typed value stays whole whatever it holds.
        const std::string filled =
            fillPlaces(std::string_view(text).substr(from, end - from), values);
        if (from > 0)
            outcome.methodText += ' ';
        outcome.methodText += filled;
        std::string &printLine = outcome.printLines[std::min(line, outcome.printLines.size() - 1)];
        printLine += line >= outcome.printLines.size() ? ' ' + filled : filled;
        ++line;
        from = end + 1;
    }
}

// Adds a sentence after an outcome's instructions, on the screen and on the sheet's last line.
template<typename Outcome> void addClause(Outcome &outcome, const std::string &clause)
{
    outcome.methodText += ' ' + clause;
    outcome.printLines.back() += ' ' + clause;
}

} // namespace molvera
