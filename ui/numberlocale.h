#pragma once

#include <calc/numbertext.h>

#include <QString>

#include <string>
#include <string_view>

namespace molvera {

// The user's number conventions, read from the default QLocale at the moment of use.
NumberLocale userNumberLocale();

// A number that the program writes itself ("1.00", "0.5", "98.07"), with the user's decimal
// separator, so that it reads back as a number in the user's locale.
QString localizedNumber(QStringView programText);

// The calculation core speaks UTF-8.
std::string toUtf8(const QString &text);
QString fromUtf8(std::string_view text);

} // namespace molvera
