#include "texts.h"

#include <QRandomGenerator>
#include <QStringList>

#include <iterator>

namespace monkey {

namespace {

// clang-format off
constexpr QStringView Pieces[] = {
    // numbers as typed in either locale, and almost-numbers
    u"1", u"0", u"2", u"15", u"100", u"0.5", u"0,5", u"1.84", u"1,84", u"98.07", u"98,07",
    u"-3", u"+4", u"-0", u"1e3", u"1E-3", u"2.5e+2", u"2,5e+2", u"1e999", u"1e-400", u".5", u"5.",
    u",5", u"1,000.5", u"1.000,5", u"12345678901234567890", u"0x1A", u"inf", u"nan", u"e", u"-",
    u"1..2", u"1,,2",
    // blanks
    u" ", u"   ", u"\u00a0", u"\u2009",
    // letters: formulas, names, other scripts, digits of other scripts, a combining accent
    u"H2SO4", u"NaCl", u"Cu", u"O", u"Sulphuric Acid", u"αβγ", u"Серная кислота", u"硫酸",
    u"حمض", u"שלום", u"١٢٣", u"١٫٥", u"１２", u"−5", u"e\u0301", u"\U0001F9EA",
    // control and formatting characters
    u"\t", u"\n", u"\u0001", u"\u007f", u"\u200b", u"\u202e",
};
// clang-format on

} // namespace

RandomText randomText(QRandomGenerator &random, bool allowLong)
{
    const auto piece = [&random] {
        return Pieces[random.bounded(int(std::size(Pieces)))].toString();
    };
    if (allowLong && random.bounded(8) == 0) {
        const QString unit = piece() + piece();
        return {unit, int(2000 / qMax(1, int(unit.size()))) + random.bounded(1000)};
    }
    QString text;
    const int count = 1 + random.bounded(3);
    for (int i = 0; i < count; ++i)
        text += piece();
    return {text, 1};
}

} // namespace monkey
