#pragma once

#include <calc/calculationresult.h>
#include <calc/formulareading.h>

#include <QString>
#include <QStringView>

namespace molvera {

// Why a calculation gave no instructions, as the page tells it in a message box: a calculation
// that cannot be computed, or a preparation that cannot be made. Results that need no word
// (an outcome, no type chosen) and the input failure, which has a box of its own, give none.
// The formula box's refusals to fill the element rows are told the same way.
struct RefusalMessage
{
    QStringView objectName; // CalculationFailureBox, PreparationRefusedBox or FormulaRefusedBox;
                            // empty for none
    QString title;
    QString text;
};

RefusalMessage refusalMessage(const ArithmeticFailure &);
RefusalMessage refusalMessage(const ZeroStockConcentration &);
RefusalMessage refusalMessage(const ZeroStockPurity &);
RefusalMessage refusalMessage(const ZeroSpecificGravity &);
RefusalMessage refusalMessage(const ZeroMolecularWeight &);
RefusalMessage refusalMessage(const StockBasisMismatch &);
RefusalMessage refusalMessage(const WeakStock &);
RefusalMessage refusalMessage(const NegativeAmount &);
// A formula that cannot be read.
RefusalMessage refusalMessage(const FormulaRefusal &refusal);
// A formula read, that the element rows cannot hold.
RefusalMessage refusalMessage(const RowsMisfit &misfit);
// What a formula refusal says, without the box.
QString formulaRefusalText(const FormulaRefusal &refusal);
template<typename Other> RefusalMessage refusalMessage(const Other &)
{
    return {};
}

} // namespace molvera
