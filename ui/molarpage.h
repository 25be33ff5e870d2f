#pragma once

#include "calculatorpage.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace molvera {

// The "Molar Solution" page: a solution of given molarity and volume, from a formula built of
// element rows (or a molecular weight typed in), and a stock given in percent or as molar.
class MolarPage : public CalculatorPage
{
    Q_OBJECT

public:
    explicit MolarPage(const ReagentBoxes &reagent, QWidget *parent = nullptr);

    QList<QWidget *> focusOrder(FocusSection section) const override;

protected:
    void build() override;
    void clear() override;
    void example() override;
    void print() override;

private:
    void buildElementFrame();
    void buildStockFrame();
    void buildRequiredFrame();
    void buildResult();

    void setCalculatedMode();
    void setManualMode();
    void switchStockUnit();
    void calculate();
    void setStepCaptions(bool withElementStep);

    QGroupBox *m_elementFrame = nullptr; // Frame1
    QRadioButton *m_calculated = nullptr;
    QRadioButton *m_manual = nullptr;
    FormulaRows *m_rows = nullptr;

    QGroupBox *m_stockFrame = nullptr; // Frame4
    QLineEdit *m_stockConcentration = nullptr;
    QComboBox *m_stockUnit = nullptr;
    QLineEdit *m_specificGravity = nullptr;

    QGroupBox *m_requiredFrame = nullptr; // Frame2
    QLineEdit *m_molarity = nullptr;
    QLineEdit *m_volume = nullptr;

    QPushButton *m_calculate = nullptr;
    OutcomeBoxes m_outcome;
};

} // namespace molvera
