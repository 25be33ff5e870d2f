#include "refusalmessages.h"

#include "numberlocale.h"

#include <QCoreApplication>

namespace molvera {

namespace {

constexpr const char *Context = "molvera::CalculatorPage";

RefusalMessage cannotCalculate(const char *text)
{
    return {u"CalculationFailureBox",
            QCoreApplication::translate("molvera::CalculatorPage", "Cannot Calculate"),
            QCoreApplication::translate(Context, text)};
}

RefusalMessage cannotBeMade(const char *text)
{
    return {u"PreparationRefusedBox",
            QCoreApplication::translate("molvera::CalculatorPage", "Cannot Be Made"),
            QCoreApplication::translate(Context, text)};
}

} // namespace

RefusalMessage refusalMessage(const ArithmeticFailure &)
{
    return cannotCalculate(QT_TRANSLATE_NOOP("molvera::CalculatorPage",
                                             "A number is too large to calculate with. Please "
                                             "enter smaller numbers."));
}

RefusalMessage refusalMessage(const ZeroStockConcentration &)
{
    return cannotCalculate(QT_TRANSLATE_NOOP("molvera::CalculatorPage",
                                             "The stock concentration is zero, so no amount of "
                                             "the stock holds the substance. Please enter the "
                                             "concentration of the stock."));
}

RefusalMessage refusalMessage(const ZeroSpecificGravity &)
{
    return cannotCalculate(QT_TRANSLATE_NOOP("molvera::CalculatorPage",
                                             "The specific gravity of the stock is zero, so its "
                                             "volume cannot be calculated. Please enter the "
                                             "specific gravity of the stock."));
}

RefusalMessage refusalMessage(const ZeroMolecularWeight &)
{
    return cannotCalculate(QT_TRANSLATE_NOOP("molvera::CalculatorPage",
                                             "The molecular weight of the salt with the waters "
                                             "required is zero, so the amount cannot be "
                                             "calculated. Please check the formula and the "
                                             "waters."));
}

RefusalMessage refusalMessage(const WeakStock &)
{
    return cannotBeMade(QT_TRANSLATE_NOOP("molvera::CalculatorPage",
                                          "The stock is weaker than the solution wanted, so the "
                                          "solution cannot be made from it by dilution. Please "
                                          "use a stronger stock or make a weaker solution."));
}

RefusalMessage refusalMessage(const NegativeAmount &)
{
    return cannotBeMade(QT_TRANSLATE_NOOP("molvera::CalculatorPage",
                                          "An amount in the instructions would be negative, so "
                                          "they cannot be carried out. Please check the numbers "
                                          "for a minus sign."));
}

RefusalMessage refusalMessage(const FormulaRefusal &refusal)
{
    // The reading says what is wrong in the user's language already.
    return {u"FormulaRefusedBox",
            QCoreApplication::translate("molvera::CalculatorPage", "Cannot Read Formula"),
            fromUtf8(refusal.message)};
}

} // namespace molvera
