#pragma once

#include <calc/numbertext.h>
#include <calc/quantity.h>

#include <QString>

#include <string>
#include <string_view>

namespace molvera {

// What the pages hand the calculation core, which knows no Qt: the user's number conventions,
// its marked texts in the user's language, and UTF-8.

// The user's number conventions, read from the default QLocale at the moment of use.
NumberLocale userNumberLocale();

// A number that the program writes itself ("1.00", "0.5", "98.07"), with the user's decimal
// separator, so that it reads back as a number in the user's locale.
QString localizedNumber(QStringView programText);
// A number the program worked out or read from elsewhere, in general form in the user's locale.
QString programNumber(double value);

// A text that the calculations mark (calc/ knows no Qt), in the user's language: the
// TextTranslator that the pages hand to them. Without a catalogue it is the English text.
std::string translatedText(const char *context, const char *english);

// A number typed with or without its unit ("50 mM", "0.5"): the number as typed, and the unit's
// symbol as the program writes it, empty for a bare number or a text that does not read.
struct TypedQuantity
{
    QString number;
    QString unit;
};
TypedQuantity typedQuantity(const QString &text, Dimension dimension);

// The calculation core speaks UTF-8.
std::string toUtf8(const QString &text);
QString fromUtf8(std::string_view text);

} // namespace molvera
