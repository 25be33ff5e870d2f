#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace molvera {

// The user's number conventions, handed in by the caller: the core never reads the environment.
struct NumberLocale
{
    std::string decimalSeparator = ".";
};

// Why a text gave no number.
enum class NumberError {
    NotANumber, // empty, malformed, "inf", "nan", hexadecimal, grouped digits ...
    OutOfRange, // a well-formed number beyond the range of a double, such as 1e999
};

using NumberRead = std::variant<double, NumberError>;

// A blank, as every typed text is read: a space or a tab.
constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// `text` without the blanks around it.
std::string_view trimBlanks(std::string_view text);

// The largest count a formula row takes: a count is a 16-bit signed integer.
constexpr int MaxCount = 32767;

// Reads a number typed by the user: blanks around it, an optional sign, digits with at most one
// decimal separator of the locale, an optional exponent. No digit grouping.
NumberRead readNumber(std::string_view text, const NumberLocale &locale);

// Reads a formula row's count: a number rounded half to even into 16 bits; 0 when the text does
// not convert or lies outside -32768 to 32767.
std::int16_t readCount(std::string_view text, const NumberLocale &locale);

// General form: at most 15 significant digits, no trailing zeros, no separator for a whole number.
std::string writeGeneral(double value, const NumberLocale &locale);

// The "0.00" format: at least one integer digit, exactly two decimals, no digit grouping.
std::string writeFixed2(double value, const NumberLocale &locale);
// The same with `decimals` places (0 to 15), rounded half away from zero after taking the value to
// 15 significant digits.
std::string writeFixed(double value, int decimals, const NumberLocale &locale);
// Three significant digits, with places after the point as needed and none dropped: "5.84",
// "20.0", "0.500", "584".
std::string writeSignificant3(double value, const NumberLocale &locale);

} // namespace molvera
