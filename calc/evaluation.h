#pragma once

#include "calculationresult.h"
#include "quantity.h"

#include <string_view>

namespace molvera {

struct NumberLocale;

// The conversions and arithmetic steps of one calculation, in their fixed order. The first failure
// is kept and decides the outcome: later conversions are not looked at and later steps change
// nothing. Faults are found from the values themselves, never from floating-point traps.
class Evaluation
{
public:
    explicit Evaluation(const NumberLocale &locale)
        : m_locale(locale)
    {}

    // The number in a text typed by the user: not a number is an input failure, a number beyond
    // a double's range an arithmetic failure. Gives 0 once anything has failed. Texts are counted
    // as they are read, so that an input failure names its text.
    double number(std::string_view text);
    // A number with an optional unit of `dimension` after it, its value in `bare`, the unit a
    // bare number is in; a unit the box cannot take is an input failure, as a letter is.
    Quantity quantity(std::string_view text, Dimension dimension, Unit bare);

    // The value of one arithmetic step: infinite (overflow, division by zero) or not a number
    // (0/0, inf - inf) is an arithmetic failure.
    double step(double value);

    // The input after the texts read so far is refused for a reason of its own.
    void refuseInput();
    // The text read last holds a number, yet not one its input takes (a negative count).
    void refuseLastRead();

    bool failed() const { return m_state != State::Running; }

    // The failure as the calculation's result type; only meaningful once failed().
    template<typename Result> Result failure() const
    {
        if (m_state == State::InputFailed)
            return InputFailure{m_inputsRead};
        return ArithmeticFailure{};
    }

private:
    enum class State { Running, InputFailed, ArithmeticFailed };

    const NumberLocale &m_locale;
    State m_state = State::Running;
    int m_inputsRead = 0; // before a failure; then the place of the input that failed
};

// Whether `measure` exceeds `made`, the amount it is part of. A quotient of two equal
// concentrations lands a few units in the last place either side of the amount, which is no
// weaker stock.
inline bool exceeds(double measure, double made)
{
    return measure > made + 1e-12 * (made < 0 ? -made : made);
}

} // namespace molvera
