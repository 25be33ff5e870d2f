#include "refusalmessages.h"

#include <ui/forms/numberlocale.h>

#include <QCoreApplication>
#include <QStringList>

#include <iterator>

namespace molvera {

namespace {

// The boxes' titles and texts, in a context of their own.
struct Refusals
{
    Q_DECLARE_TR_FUNCTIONS(molvera::RefusalMessages)
};

RefusalMessage cannotCalculate(const QString &text)
{
    return {u"CalculationFailureBox", Refusals::tr("Cannot Calculate"), text};
}

RefusalMessage cannotBeMade(const QString &text)
{
    return {u"PreparationRefusedBox", Refusals::tr("Cannot Be Made"), text};
}

} // namespace

RefusalMessage refusalMessage(const ArithmeticFailure &)
{
    return cannotCalculate(Refusals::tr("A number is too large to calculate with. Please "
                                        "enter smaller numbers."));
}

RefusalMessage refusalMessage(const ZeroStockConcentration &)
{
    return cannotCalculate(Refusals::tr("The stock concentration is zero, so no amount of "
                                        "the stock holds the substance. Please enter the "
                                        "concentration of the stock."));
}

RefusalMessage refusalMessage(const ZeroStockPurity &)
{
    //: The hydrate page's stock is the substance on the shelf, usually a solid salt: the starting
    //: substance, whose purity in percent is typed beside "Conc of Stock Soln:".
    return cannotCalculate(Refusals::tr("The purity of the starting substance is zero, so no "
                                        "amount of it holds the salt. Please enter its purity in "
                                        "percent."));
}

RefusalMessage refusalMessage(const ZeroSpecificGravity &)
{
    return cannotCalculate(Refusals::tr("The specific gravity of the stock is zero, so its "
                                        "volume cannot be calculated. Please enter the "
                                        "specific gravity of the stock."));
}

RefusalMessage refusalMessage(const ZeroMolecularWeight &)
{
    return cannotCalculate(Refusals::tr("The molecular weight of the salt with the waters "
                                        "required is zero, so the amount cannot be "
                                        "calculated. Please check the formula and the "
                                        "waters."));
}

RefusalMessage refusalMessage(const StockBasisMismatch &)
{
    //: "% w/v", "% w/w" and "% v/v" as the page's lists and options write them.
    return cannotBeMade(Refusals::tr("A stock in % w/v says how many grams are in a volume of "
                                     "it, not what fraction of its weight or volume they are, "
                                     "so a % w/w or % v/v solution cannot be worked out from it. "
                                     "Please give the stock in % w/w with its specific gravity, "
                                     "or make a % w/v solution."));
}

RefusalMessage refusalMessage(const WeakStock &)
{
    return cannotBeMade(Refusals::tr("The stock is weaker than the solution wanted, so the "
                                     "solution cannot be made from it by dilution. Please "
                                     "use a stronger stock or make a weaker solution."));
}

RefusalMessage refusalMessage(const NegativeAmount &)
{
    return cannotBeMade(Refusals::tr("An amount in the instructions would be negative, so "
                                     "they cannot be carried out. Please check the numbers "
                                     "for a minus sign."));
}

// What the formula reader refuses, each with the parts of the formula it points at. The quotation
// marks are the language's own; formulas, symbols, brackets and counts inside them are never
// translated.
QString formulaRefusalText(const FormulaRefusal &refusal)
{
    // clang-format off
    static constexpr const char *Texts[] = {
        //: The formula box is empty.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "There is no formula to read."),
        //: %1 is what was typed as an element symbol, such as Xy. Use the language's quotation marks.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "“%1” is not the symbol of an element."),
        //: %1 is an element symbol, such as Tc. Use the language's quotation marks.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "“%1” has no standard atomic weight, so the formula's weight cannot be worked out."),
        //: %1 is a symbol typed in small letters (na), %2 the symbol as it is written (Na). Use the language's quotation marks.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "“%1” is not an element symbol: a symbol begins with a capital letter, as in “%2”."),
        //: %1 is an element symbol. A count box holds at most 32767: write the number as the language groups its digits.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "The formula has more than 32767 atoms of “%1”."),
        //: %1 is the formula as typed, such as Ca(OH. Use the language's quotation marks.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "A bracket is not closed after “%1”."),
        //: %1 is a closing bracket, ) or ], %2 the formula before it. Use the language's quotation marks.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "“%1” after “%2” closes a bracket that was not opened."),
        //: %1 is a closing bracket, ) or ], %2 the formula before it, %3 the other kind of opening bracket.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "“%1” after “%2” closes a bracket opened with “%3”."),
        //: %1 is a number as typed, %2 the formula before it. Write 32767 as the language groups its digits.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "“%1” after “%2” is not a count from 1 to 32767."),
        //: %1 is a number with a fraction, such as 1.5, %2 the formula before it.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "“%1” after “%2” is a fraction: a count in a formula is a whole number."),
        //: %1 is a count, %2 the formula before it, with a blank between them.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "The count “%1” after “%2” is set apart by a blank: a count follows its symbol or bracket directly."),
        //: %1 is what was typed first: a character or a number.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "“%1” cannot stand at the start of a formula."),
        //: %1 is a character or a number as typed, %2 the formula before it.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "“%1” cannot stand after “%2”."),
        //: %1 is a hydrate dot such as "." or "·", %2 the formula before it. 5H2O is a formula: keep it.
        QT_TRANSLATE_NOOP("molvera::RefusalMessages", "“%1” after “%2” must begin a water of crystallisation at the end of the formula, such as 5H2O."),
    };
    // clang-format on
    static_assert(std::size(Texts) == std::size_t(FormulaFault::NotWater) + 1,
                  "a text for every fault");
    QString text = Refusals::tr(Texts[int(refusal.fault)]);
    // One pass, so that a place that itself holds "%2" stays as typed.
    QStringList places;
    for (const std::string &place : refusal.places)
        places.append(fromUtf8(place));
    switch (places.size()) {
    case 0:
        return text;
    case 1:
        return text.arg(places[0]);
    case 2:
        return text.arg(places[0], places[1]);
    default:
        return text.arg(places[0], places[1], places[2]);
    }
}

RefusalMessage refusalMessage(const FormulaRefusal &refusal)
{
    return {u"FormulaRefusedBox", Refusals::tr("Cannot Read Formula"), formulaRefusalText(refusal)};
}

RefusalMessage refusalMessage(const RowsMisfit &misfit)
{
    const QString symbol = fromUtf8(misfit.symbol);
    QString text;
    switch (misfit.reason) {
    case RowsMisfit::Reason::NotListed:
        //: %1 is an element symbol. The rows' element lists offer 32 elements.
        text = Refusals::tr("The element rows cannot hold this formula: “%1” is not one of the "
                            "elements they offer.")
                   .arg(symbol);
        break;
    case RowsMisfit::Reason::MoreThanSix:
        //: %1 is the symbol of the seventh different element.
        text = Refusals::tr("The element rows cannot hold this formula: it has more than six "
                            "elements, and “%1” is the seventh.")
                   .arg(symbol);
        break;
    case RowsMisfit::Reason::Fractional:
        //: %1 is an element symbol whose count in the formula is a fraction (half waters).
        text = Refusals::tr("The element rows cannot hold this formula: the count of “%1” is "
                            "not a whole number.")
                   .arg(symbol);
        break;
    }
    return {u"FormulaRefusedBox", Refusals::tr("Cannot Read Formula"), text};
}

} // namespace molvera
