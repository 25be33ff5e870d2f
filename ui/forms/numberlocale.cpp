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

std::string toUtf8(const QString &text)
{
    return text.toStdString();
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace molvera
