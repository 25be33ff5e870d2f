#include "evaluation.h"

#include "numbertext.h"

#include <cmath>

namespace molvera {

double Evaluation::number(std::string_view text)
{
    if (failed())
        return 0;
    const NumberRead read = readNumber(text, m_locale);
    if (const double *value = std::get_if<double>(&read)) {
        ++m_inputsRead;
        return *value;
    }
    m_state = std::get<NumberError>(read) == NumberError::OutOfRange ? State::ArithmeticFailed
                                                                     : State::InputFailed;
    return 0;
}

Quantity Evaluation::quantity(std::string_view text, Dimension dimension, Unit bare)
{
    if (failed())
        return {};
    const QuantityRead read = readQuantity(text, dimension, bare, m_locale);
    if (const Quantity *quantity = std::get_if<Quantity>(&read)) {
        ++m_inputsRead;
        return *quantity;
    }
    m_state = std::get<NumberError>(read) == NumberError::OutOfRange ? State::ArithmeticFailed
                                                                     : State::InputFailed;
    return {};
}

double Evaluation::step(double value)
{
    if (failed())
        return 0;
    if (!std::isfinite(value)) {
        m_state = State::ArithmeticFailed;
        return 0;
    }
    return value;
}

void Evaluation::refuseInput()
{
    if (!failed())
        m_state = State::InputFailed;
}

void Evaluation::refuseLastRead()
{
    if (failed() || m_inputsRead == 0)
        return;
    --m_inputsRead;
    m_state = State::InputFailed;
}

} // namespace molvera
