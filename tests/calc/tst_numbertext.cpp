#include "calctest.h"

#include <calc/measuredamount.h>
#include <calc/numbertext.h>
#include <calc/quantity.h>

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using namespace calctest;
using molvera::NumberError;
using molvera::NumberLocale;

namespace {

enum class Read { Number, NotANumber, OutOfRange };

} // namespace

Q_DECLARE_METATYPE(Read)

class tst_NumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readNumber_data();
    void readNumber();
    void readCount_data();
    void readCount();
    void writeGeneral_data();
    void writeGeneral();
    void writeFixed2_data();
    void writeFixed2();
    void roundTrip_data();
    void roundTrip();
    void readQuantity_data();
    void readQuantity();
    void measuredAmount_data();
    void measuredAmount();
};

void tst_NumberText::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<Read>("read");
    QTest::addColumn<double>("value");

    const QString ar = u"\u066B"_s; // Arabic decimal separator: two bytes in UTF-8

    QTest::newRow("whole") << u"5"_s << en << Read::Number << 5.0;
    QTest::newRow("decimal") << u"98.07"_s << en << Read::Number << 98.07;
    QTest::newRow("blanks around") << u" \t 5 \t"_s << en << Read::Number << 5.0;
    QTest::newRow("plus sign") << u"+5"_s << en << Read::Number << 5.0;
    QTest::newRow("minus sign") << u"-5.25"_s << en << Read::Number << -5.25;
    QTest::newRow("leading separator") << u".5"_s << en << Read::Number << 0.5;
    QTest::newRow("trailing separator") << u"5."_s << en << Read::Number << 5.0;
    QTest::newRow("signed leading separator") << u"-.5"_s << en << Read::Number << -0.5;
    QTest::newRow("exponent") << u"1e5"_s << en << Read::Number << 1e5;
    QTest::newRow("exponent capital, signed") << u"1.5E-3"_s << en << Read::Number << 1.5e-3;
    QTest::newRow("exponent plus") << u"2e+2"_s << en << Read::Number << 200.0;
    QTest::newRow("separator then exponent") << u"5.e1"_s << en << Read::Number << 50.0;
    QTest::newRow("leading zeros") << u"007.50"_s << en << Read::Number << 7.5;
    QTest::newRow("long digits") << u"123456789012345678901234567890"_s << en << Read::Number
                                 << 123456789012345678901234567890.0;
    QTest::newRow("largest double")
        << u"1.7976931348623157e308"_s << en << Read::Number << std::numeric_limits<double>::max();
    QTest::newRow("subnormal") << u"4e-320"_s << en << Read::Number << 4e-320;
    QTest::newRow("underflow is 0") << u"1e-999"_s << en << Read::Number << 0.0;
    QTest::newRow("underflow negative exponent digits")
        << u"0.001e-322"_s << en << Read::Number << 0.0;
    QTest::newRow("zero with huge exponent")
        << u"0e99999999999999999999"_s << en << Read::Number << 0.0;
    QTest::newRow("huge exponent made small") << u"0.0001e310"_s << en << Read::Number << 1e306;

    QTest::newRow("beyond range") << u"1e999"_s << en << Read::OutOfRange << 0.0;
    QTest::newRow("beyond range negative") << u"-1e999"_s << en << Read::OutOfRange << 0.0;
    QTest::newRow("just beyond range") << u"1.8e308"_s << en << Read::OutOfRange << 0.0;
    QTest::newRow("beyond range by digits") << u"1000e306"_s << en << Read::OutOfRange << 0.0;
    QTest::newRow("beyond range huge exponent")
        << u"1e99999999999999999999999"_s << en << Read::OutOfRange << 0.0;

    QTest::newRow("empty") << QString() << en << Read::NotANumber << 0.0;
    QTest::newRow("blanks only") << u"  \t"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("separator alone") << u"."_s << en << Read::NotANumber << 0.0;
    QTest::newRow("sign alone") << u"-"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("sign and separator") << u"+."_s << en << Read::NotANumber << 0.0;
    QTest::newRow("blank after sign") << u"- 5"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("two signs") << u"--5"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("trailing sign") << u"5-"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("two separators") << u"1.2.3"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("exponent without digits") << u"1e"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("exponent sign without digits") << u"1e+"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("exponent alone") << u"e5"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("fractional exponent") << u"1e2.5"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("letters") << u"abc"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("number then letters") << u"12abc"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("inner blank") << u"1 000"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("no-break space") << u"\u00A05"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("inf") << u"inf"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("-Infinity") << u"-Infinity"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("nan") << u"nan"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("hexadecimal") << u"0x1A"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("hexadecimal float") << u"0x1p3"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("comma in English") << u"1,5"_s << en << Read::NotANumber << 0.0;
    QTest::newRow("grouping in English") << u"1,000"_s << en << Read::NotANumber << 0.0;

    QTest::newRow("de comma") << u"1,5"_s << de << Read::Number << 1.5;
    QTest::newRow("de example") << u"98,07"_s << de << Read::Number << 98.07;
    QTest::newRow("de leading comma") << u",5"_s << de << Read::Number << 0.5;
    QTest::newRow("de trailing comma") << u"5,"_s << de << Read::Number << 5.0;
    QTest::newRow("de exponent") << u"-1,5e2"_s << de << Read::Number << -150.0;
    QTest::newRow("de whole") << u"64"_s << de << Read::Number << 64.0;
    QTest::newRow("de point") << u"0.5"_s << de << Read::NotANumber << 0.0;
    QTest::newRow("de grouping") << u"1.000"_s << de << Read::NotANumber << 0.0;
    QTest::newRow("de grouping and comma") << u"1.000,5"_s << de << Read::NotANumber << 0.0;
    QTest::newRow("de comma alone") << u","_s << de << Read::NotANumber << 0.0;
    QTest::newRow("de beyond range") << u"1,0e999"_s << de << Read::OutOfRange << 0.0;
    QTest::newRow("de underflow") << u"1,0e-999"_s << de << Read::Number << 0.0;

    QTest::newRow("ar separator") << u"1\u066B5"_s << ar << Read::Number << 1.5;
    QTest::newRow("ar point") << u"1.5"_s << ar << Read::NotANumber << 0.0;
}

void tst_NumberText::readNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(Read, read);
    QFETCH(double, value);

    const molvera::NumberRead result = molvera::readNumber(text.toStdString(), localeOf(separator));
    switch (read) {
    case Read::Number:
        QVERIFY(std::holds_alternative<double>(result));
        QCOMPARE(exact(std::get<double>(result)), exact(value));
        break;
    case Read::NotANumber:
        QVERIFY(std::holds_alternative<NumberError>(result));
        QVERIFY(std::get<NumberError>(result) == NumberError::NotANumber);
        break;
    case Read::OutOfRange:
        QVERIFY(std::holds_alternative<NumberError>(result));
        QVERIFY(std::get<NumberError>(result) == NumberError::OutOfRange);
        break;
    }
}

void tst_NumberText::readCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("count");

    QTest::newRow("picked") << u"4"_s << en << 4;
    QTest::newRow("2.5 to even 2") << u"2.5"_s << en << 2;
    QTest::newRow("3.5 to even 4") << u"3.5"_s << en << 4;
    QTest::newRow("0.5 to even 0") << u"0.5"_s << en << 0;
    QTest::newRow("1.5 to even 2") << u"1.5"_s << en << 2;
    QTest::newRow("-2.5 to even -2") << u"-2.5"_s << en << -2;
    QTest::newRow("-3.5 to even -4") << u"-3.5"_s << en << -4;
    QTest::newRow("below half") << u"2.4999"_s << en << 2;
    QTest::newRow("above half") << u"2.5001"_s << en << 3;
    QTest::newRow("negative") << u"-1"_s << en << -1;
    QTest::newRow("negative fraction to 0") << u"-0.4"_s << en << 0;
    QTest::newRow("exponent") << u"1e4"_s << en << 10000;
    QTest::newRow("blanks") << u" 9\t"_s << en << 9;
    QTest::newRow("largest") << u"32767"_s << en << 32767;
    QTest::newRow("smallest") << u"-32768"_s << en << -32768;
    QTest::newRow("largest after rounding") << u"32767.4"_s << en << 32767;
    QTest::newRow("rounds beyond largest") << u"32767.5"_s << en << 0;
    QTest::newRow("rounds to smallest") << u"-32768.5"_s << en << -32768;
    QTest::newRow("rounds beyond smallest") << u"-32768.6"_s << en << 0;
    QTest::newRow("40000") << u"40000"_s << en << 0;
    QTest::newRow("-40000") << u"-40000"_s << en << 0;
    QTest::newRow("beyond double") << u"1e999"_s << en << 0;
    QTest::newRow("huge") << u"1e300"_s << en << 0;
    QTest::newRow("tiny") << u"1e-999"_s << en << 0;
    QTest::newRow("empty") << QString() << en << 0;
    QTest::newRow("abc") << u"abc"_s << en << 0;
    QTest::newRow("comma in English") << u"2,5"_s << en << 0;
    QTest::newRow("grouping in English") << u"1,000"_s << en << 0;
    QTest::newRow("de 2,5 to even 2") << u"2,5"_s << de << 2;
    QTest::newRow("de 3,5 to even 4") << u"3,5"_s << de << 4;
    QTest::newRow("de point") << u"2.5"_s << de << 0;
    QTest::newRow("de whole") << u"7"_s << de << 7;
}

void tst_NumberText::readCount()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(int, count);

    QCOMPARE(int(molvera::readCount(text.toStdString(), localeOf(separator))), count);
}

void tst_NumberText::writeGeneral_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");

    QTest::newRow("hydrogen twice") << 1.008 * 2 << en << u"2.016"_s;
    QTest::newRow("sulphur once") << 32.064 * 1 << en << u"32.064"_s;
    QTest::newRow("oxygen four times: whole") << 16.0 * 4 << en << u"64"_s;
    QTest::newRow("sulphuric acid total") << 2.016 + 32.064 + 64.0 << en << u"98.08"_s;
    QTest::newRow("lead times 32767") << 207.19 * 32767 << en << u"6788994.73"_s;
    QTest::newRow("zero") << 0.0 << en << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << en << u"0"_s;
    QTest::newRow("negative weight") << -1.008 << en << u"-1.008"_s;
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << en << u"0.3"_s;
    QTest::newRow("a third") << 1.0 / 3 << en << u"0.333333333333333"_s;
    QTest::newRow("two thirds") << 2.0 / 3 << en << u"0.666666666666667"_s;
    QTest::newRow("15 digits") << 123456789012345.0 << en << u"123456789012345"_s;
    QTest::newRow("16 digits rounded") << 12345678901234.56 << en << u"12345678901234.6"_s;
    QTest::newRow("largest without exponent") << 999999999999999.0 << en << u"999999999999999"_s;
    QTest::newRow("rounds up to exponent") << 999999999999999.9 << en << u"1E+15"_s;
    QTest::newRow("1e15") << 1e15 << en << u"1E+15"_s;
    QTest::newRow("1.5e20") << 1.5e20 << en << u"1.5E+20"_s;
    QTest::newRow("negative 1.5e20") << -1.5e20 << en << u"-1.5E+20"_s;
    QTest::newRow("1e-4 without exponent") << 0.0001 << en << u"0.0001"_s;
    QTest::newRow("0.00012345") << 0.00012345 << en << u"0.00012345"_s;
    QTest::newRow("1e-5 with exponent") << 0.00001 << en << u"1E-05"_s;
    QTest::newRow("1.2345e-5") << 0.000012345 << en << u"1.2345E-05"_s;
    QTest::newRow("1e-300") << 1e-300 << en << u"1E-300"_s;
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << en << u"1.79769313486232E+308"_s;
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << en << u"4.94065645841247E-324"_s;

    QTest::newRow("de hydrogen twice") << 1.008 * 2 << de << u"2,016"_s;
    QTest::newRow("de whole") << 64.0 << de << u"64"_s;
    QTest::newRow("de total") << 2.016 + 32.064 + 64.0 << de << u"98,08"_s;
    QTest::newRow("de lead times 32767") << 207.19 * 32767 << de << u"6788994,73"_s;
    QTest::newRow("de 1.5e20") << 1.5e20 << de << u"1,5E+20"_s;
    QTest::newRow("de 1e-5") << 0.00001 << de << u"1E-05"_s;
    QTest::newRow("de 0.0001") << 0.0001 << de << u"0,0001"_s;
    QTest::newRow("ar separator") << 2.5 << u"\u066B"_s << u"2\u066B5"_s;
}

void tst_NumberText::writeGeneral()
{
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, text);

    QCOMPARE(QString::fromStdString(molvera::writeGeneral(value, localeOf(separator))), text);
}

void tst_NumberText::writeFixed2_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");

    QTest::newRow("worked example") << 49.04 / (0.9807 * 1.84) << en << u"27.18"_s;
    QTest::newRow("whole") << 12.0 << en << u"12.00"_s;
    QTest::newRow("one decimal") << 0.5 << en << u"0.50"_s;
    QTest::newRow("zero") << 0.0 << en << u"0.00"_s;
    QTest::newRow("negative zero") << -0.0 << en << u"0.00"_s;
    QTest::newRow("2.675 final 5 up") << 2.675 << en << u"2.68"_s;
    QTest::newRow("1.005 final 5 up") << 1.005 << en << u"1.01"_s;
    QTest::newRow("-2.675 final 5 away from zero") << -2.675 << en << u"-2.68"_s;
    QTest::newRow("0.125") << 0.125 << en << u"0.13"_s;
    QTest::newRow("0.124999") << 0.124999 << en << u"0.12"_s;
    QTest::newRow("0.006 up") << 0.006 << en << u"0.01"_s;
    QTest::newRow("0.005 up") << 0.005 << en << u"0.01"_s;
    QTest::newRow("0.004 down") << 0.004 << en << u"0.00"_s;
    QTest::newRow("-0.004 is not -0.00") << -0.004 << en << u"0.00"_s;
    QTest::newRow("-0.005 away from zero") << -0.005 << en << u"-0.01"_s;
    QTest::newRow("tiny") << 1e-300 << en << u"0.00"_s;
    QTest::newRow("negative tiny") << -1e-300 << en << u"0.00"_s;
    QTest::newRow("subnormal") << 1e-320 << en << u"0.00"_s;
    QTest::newRow("carry 9.995") << 9.995 << en << u"10.00"_s;
    QTest::newRow("carry 999.995") << 999.995 << en << u"1000.00"_s;
    QTest::newRow("carry negative") << -999.995 << en << u"-1000.00"_s;
    QTest::newRow("solvent 600 - 122.45") << 600 - 122.45 << en << u"477.55"_s;
    QTest::newRow("solvent 0.006 - 0") << 0.006 - 0.0 << en << u"0.01"_s;
    QTest::newRow("no grouping") << 1234567.891 << en << u"1234567.89"_s;
    QTest::newRow("13 integer digits") << 1234567890123.456 << en << u"1234567890123.46"_s;
    QTest::newRow("15 digits first") << 12345678901234.56 << en << u"12345678901234.60"_s;
    QTest::newRow("1e15 in full") << 1e15 << en << u"1000000000000000.00"_s;
    QTest::newRow("1.5e20 in full") << 1.5e20 << en << u"150000000000000000000.00"_s;
    QTest::newRow("beyond 15 digits as zeros")
        << 123456789012345678.0 << en << u"123456789012346000.00"_s;
    QTest::newRow("negative large") << -2.5e16 << en << u"-25000000000000000.00"_s;

    QTest::newRow("de worked example") << 49.04 / (0.9807 * 1.84) << de << u"27,18"_s;
    QTest::newRow("de 2.675") << 2.675 << de << u"2,68"_s;
    QTest::newRow("de -2.675") << -2.675 << de << u"-2,68"_s;
    QTest::newRow("de zero") << 0.0 << de << u"0,00"_s;
    QTest::newRow("de -0.004") << -0.004 << de << u"0,00"_s;
    QTest::newRow("de no grouping") << 1234567.891 << de << u"1234567,89"_s;
    QTest::newRow("de 1e15") << 1e15 << de << u"1000000000000000,00"_s;
    QTest::newRow("ar separator") << 2.5 << u"\u066B"_s << u"2\u066B50"_s;
}

void tst_NumberText::writeFixed2()
{
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, text);

    QCOMPARE(QString::fromStdString(molvera::writeFixed2(value, localeOf(separator))), text);
}

void tst_NumberText::roundTrip_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");

    for (const QString &separator : {en, de}) {
        for (const double value : {2.016, 98.08, -1.008, 6788994.73, 1e15, 1.5e20, 0.0001, 1e-5,
                                   1e-300, 4.94065645841247e-324, 123456789012345.0}) {
            QTest::addRow("%s in '%s'", qPrintable(exact(value)), qPrintable(separator))
                << value << separator;
        }
    }
}

// A value of at most 15 significant digits comes back unchanged from its general text.
void tst_NumberText::roundTrip()
{
    QFETCH(double, value);
    QFETCH(QString, separator);

    const NumberLocale locale = localeOf(separator);
    const molvera::NumberRead read =
        molvera::readNumber(molvera::writeGeneral(value, locale), locale);
    QVERIFY(std::holds_alternative<double>(read));
    QCOMPARE(exact(std::get<double>(read)), exact(value));
}

// A number with the unit typed after it, read in the box's own unit: -1 where the box refuses it.
void tst_NumberText::readQuantity_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("dimension");
    QTest::addColumn<double>("value");
    const auto row = [](const char *name, const char *text, molvera::Dimension dimension,
                        double value) {
        QTest::newRow(name) << QString::fromUtf8(text) << int(dimension) << value;
    };
    using enum molvera::Dimension;
    row("bare, in the box's unit", " 0.5 ", Molarity, 0.5);
    row("millimolar with a blank", "50 mM", Molarity, 0.05);
    row("micro as u, no blank", "10uM", Molarity, 1e-5);
    row("micro as the Greek mu", "10 \u03BCM", Molarity, 1e-5);
    row("nanomolar", "5 nM", Molarity, 5e-9);
    row("millilitres of a litre box", "250mL", Volume, 0.25);
    row("l for L", "2 l", Volume, 2);
    row("microlitres", "500 \u00B5l", Volume, 5e-4);
    row("kilograms of a gram box", "2 kg", Mass, 2000);
    row("a volume for a molarity", "5 mL", Molarity, -1);
    row("capitals mistyped", "5 MM", Molarity, -1);
    row("a unit alone", "mL", Volume, -1);
}

void tst_NumberText::readQuantity()
{
    QFETCH(QString, text);
    QFETCH(int, dimension);
    QFETCH(double, value);
    using molvera::Unit;
    const auto d = molvera::Dimension(dimension);
    // Molarities in M, volumes in L, masses in g: the units of the molar page and the w/w box.
    const Unit bare = d == molvera::Dimension::Molarity ? Unit::Molar
                      : d == molvera::Dimension::Volume ? Unit::Litre
                                                        : Unit::Gram;
    const std::string typed = text.toStdString();
    const molvera::QuantityRead read = molvera::readQuantity(typed, d, bare, localeOf(en));
    const auto *quantity = std::get_if<molvera::Quantity>(&read);
    QCOMPARE(quantity ? exact(quantity->value) : u"-1"_s, value < 0 ? u"-1"_s : exact(value));
}

// An amount to measure, written as the instructions give it; "!" where it is below what a balance
// or a pipette measures well.
void tst_NumberText::measuredAmount_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<bool>("mass");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("written");
    QTest::newRow("two decimals from 0.1") << 0.1 << true << en << u"0.10 grams"_s;
    QTest::newRow("zero stays as it was") << 0.0 << false << en << u"0.00 mL"_s;
    QTest::newRow("milligrams") << 0.058443 << true << en << u"58.4 mg"_s;
    QTest::newRow("de milligrams") << 0.0015 << true << de << u"1,50 mg"_s;
    QTest::newRow("micrograms below a balance") << 5.8443e-6 << true << en << u"5.84 \u00B5g !"_s;
    QTest::newRow("a pipette's half microlitre") << 5e-4 << false << en << u"0.500 \u00B5L"_s;
    QTest::newRow("microlitres with a zero kept") << 0.02 << false << en << u"20.0 \u00B5L"_s;
    QTest::newRow("nanolitres") << 5e-5 << false << en << u"50.0 nL !"_s;
    QTest::newRow("rounds up to the next unit") << 0.0009996 << true << en << u"1.00 mg"_s;
}

void tst_NumberText::measuredAmount()
{
    QFETCH(double, amount);
    QFETCH(bool, mass);
    QFETCH(QString, separator);
    QFETCH(QString, written);
    const molvera::MeasuredAmount measured = molvera::measuredAmount(
        amount, mass ? molvera::Dimension::Mass : molvera::Dimension::Volume, localeOf(separator));
    QCOMPARE(text(molvera::amountText(measured, {}) + (measured.belowMeasuring ? " !" : "")),
             written);
}

QTEST_GUILESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
