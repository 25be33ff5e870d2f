#pragma once

#include "calculatorpage.h"

namespace molvera {

// The "Molar Solution" page: a solution of given molarity and volume, from a formula built of
// element rows (or a molecular weight typed in), and a stock given in percent or as molar.
class MolarPage : public CalculatorPage
{
    Q_OBJECT

public:
    explicit MolarPage(const ReagentBoxes &reagent, QWidget *parent = nullptr);

    bool canFillRows() const override;
    void fillRowsFromFormula() override;
    std::optional<Bottle> stockAsBottle() const override;

protected:
    void build() override;
    void calculate() override;
    void clear() override;
    void example() override;
    Strength strength() const override;
    SheetStock stock() const override;
    bool matchRowsToFormula() override;
    QString takeBottle(const Bottle &bottle) override;
    QStringList stockTexts() const override;

private:
    static std::span<const ControlRow<MolarPage>> controls();

    void setCalculatedMode();
    void setManualMode();
    void switchStockUnit();
    // Lays the page out for a stock unit, without the clearing that choosing "%" does.
    void showStockUnit(QStringView unit);
    void setStepCaptions(bool withElementStep);
    // The formula's elements into the rows, or its weight typed for it where the rows cannot hold
    // it (an element they do not offer, more than six, half waters).
    void takeFormula(const FormulaReading &reading);

    QGroupBox *m_elementFrame = nullptr;
    QRadioButton *m_calculated = nullptr;
    QRadioButton *m_manual = nullptr;
    FormulaRows *m_rows = nullptr;

    QGroupBox *m_stockFrame = nullptr;
    QLineEdit *m_stockConcentration = nullptr;
    ChoiceComboBox *m_stockUnit = nullptr;
    QLineEdit *m_specificGravity = nullptr;

    QGroupBox *m_requiredFrame = nullptr;
    QLineEdit *m_molarity = nullptr;
    QLineEdit *m_volume = nullptr;

    QPushButton *m_calculate = nullptr;
};

} // namespace molvera
