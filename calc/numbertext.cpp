#include "numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace molvera {

namespace {

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// No locale has an empty separator; should one come, it stands for "." rather than leaving no
// way to type a fraction.
std::string_view separatorOf(const NumberLocale &locale)
{
    if (locale.decimalSeparator.empty())
        return ".";
    return locale.decimalSeparator;
}

// from_chars says result_out_of_range at both ends of the range; the text itself tells which:
// true when the number's decimal exponent is at least 0, i.e. it overflowed rather than
// underflowed.
bool isTooLarge(std::string_view mantissa, std::string_view exponent)
{
    bool found = false; // a non-zero digit
    bool inFraction = false;
    long long integerDigits = 0; // from the first non-zero one
    long long fractionZeros = 0; // before the first non-zero digit of the fraction
    for (const char c : mantissa) {
        if (!isDigit(c)) {
            inFraction = true; // the separator, whatever its length: no digit is part of it
        } else if (!inFraction) {
            if (found || c != '0') {
                found = true;
                ++integerDigits;
            }
        } else if (!found) {
            if (c == '0')
                ++fractionZeros;
            else
                found = true;
        }
    }
    if (!found)
        return false;
    long long position = integerDigits > 0 ? integerDigits - 1 : -(fractionZeros + 1);

    // The exponent, saturated far beyond any double's range.
    bool negative = false;
    std::size_t i = 0;
    if (i < exponent.size() && (exponent[i] == '+' || exponent[i] == '-')) {
        negative = exponent[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < exponent.size(); ++i) {
        if (value < 1'000'000'000'000LL)
            value = value * 10 + (exponent[i] - '0');
    }
    position += negative ? -value : value;
    return position >= 0;
}

// A finite, non-zero magnitude rounded to 15 significant digits: digits[0].digits[1..14] ×
// 10^exponent.
struct Decimal15
{
    std::array<char, 15> digits;
    int exponent;
};

Decimal15 toDecimal15(double magnitude)
{
    // "d.dddddddddddddde+ddd" at most: 21 characters.
    std::array<char, 32> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, 14);
    Decimal15 decimal{};
    decimal.digits[0] = buffer[0];
    for (int i = 1; i < 15; ++i)
        decimal.digits[i] = buffer[i + 1];
    const char *p = buffer.data() + 17; // past "d." and 14 digits, and the 'e'
    const bool negative = *p == '-';
    ++p;
    int exponent = 0;
    for (; p < written.ptr; ++p)
        exponent = exponent * 10 + (*p - '0');
    decimal.exponent = negative ? -exponent : exponent;
    return decimal;
}

std::string nonFinite(double value)
{
    if (std::isnan(value))
        return "nan";
    return value < 0 ? "-inf" : "inf";
}

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

NumberRead readNumber(std::string_view text, const NumberLocale &locale)
{
    const std::string_view separator = separatorOf(locale);

    const std::string_view s = trimBlanks(text);

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t mantissaBegin = i;
    std::size_t separatorAt = std::string_view::npos;
    std::size_t digits = 0;
    while (i < s.size()) {
        if (isDigit(s[i])) {
            ++digits;
            ++i;
        } else if (separatorAt == std::string_view::npos && s.substr(i).starts_with(separator)) {
            separatorAt = i;
            i += separator.size();
        } else {
            break;
        }
    }
    if (digits == 0)
        return NumberError::NotANumber;
    const std::size_t mantissaEnd = i;
    std::size_t exponentBegin = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        exponentBegin = i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0)
            return NumberError::NotANumber;
    }
    if (i != s.size())
        return NumberError::NotANumber;

    // The text is well formed; from_chars (locale-free) does the correctly rounded conversion on
    // the same text with the separator replaced by '.' and without the sign, which it refuses.
    const std::string_view body = s.substr(mantissaBegin);
    double value = 0;
    std::from_chars_result result{};
    bool whole = false;
    if (separatorAt == std::string_view::npos || separator == ".") {
        result = std::from_chars(body.data(), body.data() + body.size(), value);
        whole = result.ptr == body.data() + body.size();
    } else {
        const std::size_t at = separatorAt - mantissaBegin;
        const std::size_t length = body.size() - separator.size() + 1;
        std::array<char, 64> small;
        std::string large;
        char *buffer = small.data();
        if (length > small.size()) {
            large.resize(length);
            buffer = large.data();
        }
        body.copy(buffer, at);
        buffer[at] = '.';
        body.substr(at + separator.size()).copy(buffer + at + 1, length - at - 1);
        result = std::from_chars(buffer, buffer + length, value);
        whole = result.ptr == buffer + length;
    }
    if (!whole)
        return NumberError::NotANumber; // cannot happen for a text that passed the checks above
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view mantissa = s.substr(mantissaBegin, mantissaEnd - mantissaBegin);
        const std::string_view exponent =
            exponentBegin < s.size() ? s.substr(exponentBegin) : std::string_view();
        if (isTooLarge(mantissa, exponent))
            return NumberError::OutOfRange;
        value = 0; // underflow: the number is zero
    } else if (result.ec != std::errc()) {
        return NumberError::NotANumber;
    }
    return negative ? -value : value;
}

std::int16_t readCount(std::string_view text, const NumberLocale &locale)
{
    const NumberRead read = readNumber(text, locale);
    const double *value = std::get_if<double>(&read);
    if (!value)
        return 0;
    // Half to even, without depending on the floating-point environment's rounding mode.
    // Every double from 2^52 up is whole already, and its fraction is 0.
    const double floor = std::floor(*value);
    const double fraction = *value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0))
        rounded = floor + 1;
    if (rounded < -32768.0 || rounded > 32767.0)
        return 0;
    return static_cast<std::int16_t>(rounded);
}

std::string writeGeneral(double value, const NumberLocale &locale)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    if (value == 0)
        return "0"; // also for -0

    // The classic general format, printf's %.15g, correctly rounded: no trailing zeros, the
    // exponent form below 1e-4 and from 1e15 up. Written with a capital E and the user's
    // separator: 1E-05, 1,5E+20, 1.79769313486232E+308.
    std::array<char, 32> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::general, 15);
    const std::string_view separator = separatorOf(locale);
    std::string text;
    text.reserve(24 + separator.size());
    for (const char *c = buffer.data(); c != written.ptr; ++c) {
        if (*c == '.')
            text += separator;
        else
            text += *c == 'e' ? 'E' : *c;
    }
    return text;
}

std::string writeFixed2(double value, const NumberLocale &locale)
{
    return writeFixed(value, 2, locale);
}

std::string writeSignificant3(double value, const NumberLocale &locale)
{
    if (!std::isfinite(value) || value == 0)
        return writeFixed(value, 2, locale);
    // The places after the point that leave three significant digits; a value that rounds up to
    // the next power of ten ("9.996") keeps three with one place fewer.
    const int exponent = toDecimal15(std::fabs(value)).exponent;
    const int decimals = std::max(0, 2 - exponent);
    const std::string text = writeFixed(value, decimals, locale);
    std::size_t digits = 0;
    bool leading = true;
    for (const char c : text) {
        if (c < '0' || c > '9' || (leading && c == '0'))
            continue;
        leading = false;
        ++digits;
    }
    return digits > 3 && decimals > 0 ? writeFixed(value, decimals - 1, locale) : text;
}

std::string writeFixed(double value, int decimals, const NumberLocale &locale)
{
    if (!std::isfinite(value))
        return nonFinite(value);

    const std::string_view separator = separatorOf(locale);
    // The magnitude in units of the last place, as decimal digits, most significant first.
    std::string lastPlaces;
    if (value != 0) {
        const Decimal15 decimal = toDecimal15(std::fabs(value));
        // digits[i] stands at 10^(exponent - i); the places are kept down to 10^-decimals.
        const int kept = decimal.exponent + 1 + decimals;
        bool roundUp = false;
        if (kept <= 0) {
            roundUp = kept == 0 && decimal.digits[0] >= '5';
        } else if (kept >= 15) {
            // Beyond 15 significant digits the places are written as zeros.
            lastPlaces.reserve(kept + 1);
            lastPlaces.append(decimal.digits.data(), 15);
            lastPlaces.append(kept - 15, '0');
        } else {
            lastPlaces.append(decimal.digits.data(), kept);
            roundUp = decimal.digits[kept] >= '5'; // a final 5 goes away from zero
        }
        if (roundUp) {
            int i = static_cast<int>(lastPlaces.size()) - 1;
            for (; i >= 0 && lastPlaces[i] == '9'; --i)
                lastPlaces[i] = '0';
            if (i >= 0)
                ++lastPlaces[i];
            else
                lastPlaces.insert(lastPlaces.begin(), '1');
        }
    }
    const std::size_t places = std::size_t(decimals);
    if (lastPlaces.size() < places + 1)
        lastPlaces.insert(0, places + 1 - lastPlaces.size(), '0');

    std::string text;
    text.reserve(lastPlaces.size() + separator.size() + 1);
    if (value < 0 && lastPlaces.find_first_not_of('0') != std::string::npos)
        text += '-';
    text.append(lastPlaces, 0, lastPlaces.size() - places);
    if (places > 0) {
        text += separator;
        text.append(lastPlaces, lastPlaces.size() - places, places);
    }
    return text;
}

} // namespace molvera
