#pragma once

#include "calculatorpage.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace molvera {

// The "Hydrate Solution" page: a percent w/v solution of a salt, weighed out from a stock that
// carries another number of waters of crystallisation (or none).
class HydratePage : public CalculatorPage
{
    Q_OBJECT

public:
    explicit HydratePage(const ReagentBoxes &reagent, QWidget *parent = nullptr);

    QList<QWidget *> focusOrder(FocusSection section) const override;

protected:
    void build() override;
    void clear() override;
    void example() override;
    void print() override;

private:
    void buildTypeFrame();
    void buildElementFrame();
    void buildStockFrame();
    void buildRequiredFrame();
    void buildResult();

    void setAnhydrous();
    void calculate();

    QRadioButton *m_hydrate = nullptr;   // opHY
    QRadioButton *m_anhydrous = nullptr; // opAN
    FormulaRows *m_rows = nullptr;

    QLineEdit *m_stockConcentration = nullptr;
    QLineEdit *m_stockWaters = nullptr;

    QLineEdit *m_concentration = nullptr;
    QLabel *m_concentrationUnit = nullptr;
    QLineEdit *m_requiredWaters = nullptr;
    QLineEdit *m_volume = nullptr;

    QPushButton *m_calculate = nullptr;
    OutcomeBoxes m_outcome;
};

} // namespace molvera
