#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace molvera {

// The characters of formulas as technicians type them, or paste them from a web page or a data
// sheet: UTF-8 text, where a count may be written in subscript digits ("CuSO₄·5H₂O") and a
// hydrate's water set off by one of several dots.

// A digit of a count: its value and the bytes it takes.
struct FormulaDigit
{
    int value;
    std::size_t length;
};

// The digit at `at`, 0-9 or a subscript ₀-₉, or none.
constexpr std::optional<FormulaDigit> digitAt(std::string_view text, std::size_t at)
{
    if (at >= text.size())
        return std::nullopt;
    if (text[at] >= '0' && text[at] <= '9')
        return FormulaDigit{text[at] - '0', 1};
    // U+2080 to U+2089: E2 82 80 to E2 82 89.
    if (at + 2 < text.size() && text[at] == '\xE2' && text[at + 1] == '\x82' &&
        static_cast<unsigned char>(text[at + 2]) >= 0x80 &&
        static_cast<unsigned char>(text[at + 2]) <= 0x89)
        return FormulaDigit{static_cast<unsigned char>(text[at + 2]) - 0x80, 3};
    return std::nullopt;
}

// The bytes of the hydrate dot at `at`, or 0: ".", "*", the middle dot "·" and the bullet
// operator "∙", dot operator "⋅" and bullet "•" that other keyboards and pages give for it.
constexpr std::size_t hydrateDotAt(std::string_view text, std::size_t at)
{
    constexpr std::string_view Dots[] = {".", "*", "\u00B7", "\u2219", "\u22C5", "\u2022"};
    for (const std::string_view dot : Dots) {
        if (text.substr(at, dot.size()) == dot)
            return dot.size();
    }
    return 0;
}

} // namespace molvera
