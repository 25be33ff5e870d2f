#include "casnumber.h"

#include <QList>

namespace molvera {

std::optional<int> casCheckDigit(QStringView cas)
{
    const QList<QStringView> parts = cas.split(u'-');
    if (parts.size() != 3 || parts[0].size() < 2 || parts[0].size() > 7 || parts[1].size() != 2 ||
        parts[2].size() != 1)
        return std::nullopt;
    for (QChar c : cas) {
        if (c != u'-' && !(c >= u'0' && c <= u'9'))
            return std::nullopt;
    }
    // The digits before the check digit, weighted 1, 2, 3 ... from the right, summed, modulo 10.
    int sum = 0;
    int weight = 1;
    for (qsizetype at = cas.size() - 3; at >= 0; --at) {
        if (cas[at] != u'-')
            sum += weight++ * cas[at].digitValue();
    }
    return sum % 10;
}

} // namespace molvera
