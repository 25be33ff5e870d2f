#pragma once

// What the tests of the calculation core share: the conversions between Qt's strings and the
// core's, the building of input rows, and the checks of a calculation's result.

#include <calc/calculationresult.h>
#include <calc/numbertext.h>

#include <QStringList>
#include <QTest>

#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>
#include <variant>

namespace calctest {

// The decimal separators of an English and a German desktop.
inline const QString en = QStringLiteral(".");
inline const QString de = QStringLiteral(",");

inline QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

inline molvera::NumberLocale localeOf(const QString &separator)
{
    return molvera::NumberLocale{separator.toStdString()};
}

// Doubles compared exactly, shown with every digit.
inline QString exact(double value)
{
    return QString::number(value, 'g', 17);
}

// A page's boxes as the core reads them. The inputs only view these texts: keep them alive for
// the calculation.
template<std::size_t Count> std::array<std::string, Count> boxTexts(const QStringList &boxes)
{
    Q_ASSERT(boxes.size() == qsizetype(Count));
    std::array<std::string, Count> texts;
    for (std::size_t i = 0; i < Count; ++i)
        texts[i] = boxes[qsizetype(i)].toStdString();
    return texts;
}

// Builds rows from valid boxes: with({{index, value}, ...}) replaces only the boxes it names, so
// each row spoils exactly what its name says.
inline auto changing(QStringList good)
{
    return [good = std::move(good)](std::initializer_list<std::pair<int, QString>> changes) {
        QStringList boxes = good;
        for (const auto &[index, value] : changes)
            boxes[index] = value;
        return boxes;
    };
}

enum class Failure { Input, Arithmetic, ZeroStock, ZeroGravity, ZeroWeight, WeakStock, Negative };

// The Failure that each failure type is; -1 for a result's other alternatives.
template<typename T> constexpr int FailureOf = -1;
template<> inline constexpr int FailureOf<molvera::InputFailure> = int(Failure::Input);
template<> inline constexpr int FailureOf<molvera::ArithmeticFailure> = int(Failure::Arithmetic);
template<>
inline constexpr int FailureOf<molvera::ZeroStockConcentration> = int(Failure::ZeroStock);
template<> inline constexpr int FailureOf<molvera::ZeroStockPurity> = int(Failure::ZeroStock);
template<> inline constexpr int FailureOf<molvera::ZeroSpecificGravity> = int(Failure::ZeroGravity);
template<> inline constexpr int FailureOf<molvera::ZeroMolecularWeight> = int(Failure::ZeroWeight);
template<> inline constexpr int FailureOf<molvera::WeakStock> = int(Failure::WeakStock);
template<> inline constexpr int FailureOf<molvera::NegativeAmount> = int(Failure::Negative);

template<typename Result> bool failedWith(const Result &result, Failure failure)
{
    const auto kind = [](const auto &alternative) {
        return FailureOf<std::decay_t<decltype(alternative)>>;
    };
    return std::visit(kind, result) == int(failure);
}

// An outcome's result text and instructions, as the sentence and as the three printed lines.
template<typename Outcome>
void compareTexts(const Outcome &outcome, const QString &result, const QString &method,
                  const QStringList &lines)
{
    QCOMPARE(text(outcome.resultText), result);
    QCOMPARE(text(outcome.methodText), method);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(text(outcome.printLines[i]), lines[i]);
    // The same instructions: the lines joined by one space give the sentence.
    QCOMPARE(
        text(outcome.printLines[0] + ' ' + outcome.printLines[1] + ' ' + outcome.printLines[2]),
        method);
}

// The amount behind a result text: the expected values carry six decimals.
inline void compareAmount(double actual, double expected)
{
    QVERIFY2(std::abs(actual - expected) < 1e-5, qPrintable(exact(actual)));
}

} // namespace calctest

Q_DECLARE_METATYPE(calctest::Failure)
