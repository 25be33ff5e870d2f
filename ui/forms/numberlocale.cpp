#include "numberlocale.h"

#include <QCoreApplication>
#include <QLocale>

namespace molvera {

std::string translatedText(const char *context, const char *english)
{
    return QCoreApplication::translate(context, english).toStdString();
}

NumberLocale userNumberLocale()
{
    return NumberLocale{QLocale().decimalPoint().toStdString()};
}

QString localizedNumber(QStringView programText)
{
    QString text = programText.toString();
    text.replace(u'.', QLocale().decimalPoint());
    return text;
}

TypedQuantity typedQuantity(const QString &text, Dimension dimension)
{
    // Only the number and the unit are wanted: the unit a bare number would be in is any of the
    // dimension's.
    const Unit any = dimension == Dimension::Molarity ? Unit::Molar
                     : dimension == Dimension::Volume ? Unit::Litre
                                                      : Unit::Gram;
    const std::string typed = toUtf8(text);
    const QuantityRead read = readQuantity(typed, dimension, any, userNumberLocale());
    const auto *quantity = std::get_if<Quantity>(&read);
    if (!quantity || !quantity->unit)
        return {text, {}};
    return {fromUtf8(quantity->number), fromUtf8(symbolOf(*quantity->unit))};
}

QString programNumber(double value)
{
    return fromUtf8(writeGeneral(value, userNumberLocale()));
}

std::string toUtf8(const QString &text)
{
    return text.toStdString();
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace molvera
