#pragma once

#include <QStringView>

#include <optional>

namespace molvera {

// The check digit that a CAS registry number's other digits call for, or none when the text is
// not written as one: 2 to 7 digits, 2 digits and 1 digit, joined by hyphens ("7647-14-5"). The
// number is right when its last digit is this one.
std::optional<int> casCheckDigit(QStringView cas);

} // namespace molvera
