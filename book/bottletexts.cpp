#include "bottletexts.h"

#include "bottle.h"

#include <QCoreApplication>
#include <QLocale>

#include <optional>

namespace molvera {

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(molvera::BottleTexts)
};

// The user's numbers without digit grouping, which molvera never reads back.
QString numberText(double value, int decimals = QLocale::FloatingPointShortest)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return decimals == QLocale::FloatingPointShortest ? locale.toString(value, 'g', decimals)
                                                      : locale.toString(value, 'f', decimals);
}

} // namespace

QString strengthText(const Bottle &bottle)
{
    const QString number = numberText(bottle.strength);
    switch (bottle.basis) {
    case StockBasis::Purity:
        //: A solid's purity; %1 is the number.
        return Texts::tr("%1 % pure").arg(number);
    case StockBasis::WeightPerWeight:
        //: %1 is the number; the notation is the translator's to choose ("% (m/m)").
        return Texts::tr("%1 % w/w").arg(number);
    case StockBasis::VolumePerVolume:
        //: %1 is the number; the notation is the translator's to choose ("% (V/V)").
        return Texts::tr("%1 % v/v").arg(number);
    case StockBasis::WeightPerVolume:
        //: %1 is the number; the notation is the translator's to choose ("% (m/V)").
        return Texts::tr("%1 % w/v").arg(number);
    case StockBasis::GramsPerLitre:
        //: %1 is the number of grams per litre.
        return Texts::tr("%1 g/L").arg(number);
    case StockBasis::Molar:
        //: %1 is the number of moles per litre.
        return Texts::tr("%1 M").arg(number);
    }
    return number;
}

QString impliedMolarityText(const Bottle &bottle)
{
    const std::optional<double> molarity = impliedMolarity(bottle);
    if (!molarity)
        return {};
    const int decimals = *molarity >= 10 ? 1 : *molarity >= 1 ? 2 : 3;
    //: %1 is the number of moles per litre.
    return Texts::tr("%1 M").arg(numberText(*molarity, decimals));
}

} // namespace molvera
