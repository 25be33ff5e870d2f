#pragma once

#include <QString>

class QRandomGenerator;

namespace monkey {

struct RandomText
{
    QString text;
    int repeat = 1;
};

// What a user might put into a box: numbers with either decimal separator, exponents, signs,
// blanks, element symbols, non-Latin letters and digits, control characters; with `long` also
// a piece repeated into a text of a few thousand characters.
RandomText randomText(QRandomGenerator &random, bool allowLong);

} // namespace monkey
