#pragma once

#include "calculatorpage.h"

namespace molvera {

// The "Hydrate Solution" page: a percent w/v solution of a salt, weighed out from a stock that
// carries another number of waters of crystallisation (or none).
class HydratePage : public CalculatorPage
{
    Q_OBJECT

public:
    explicit HydratePage(const ReagentBoxes &reagent, QWidget *parent = nullptr);

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
    static std::span<const ControlRow<HydratePage>> controls();

    void setAnhydrous();
    // The salt into the rows and its waters into the stock's, or the box that says why the rows
    // cannot hold it; false then.
    bool takeFormula(const FormulaReading &reading);

    QRadioButton *m_hydrate = nullptr;
    QRadioButton *m_anhydrous = nullptr;
    QGroupBox *m_elementFrame = nullptr;
    FormulaRows *m_rows = nullptr;

    QLineEdit *m_stockConcentration = nullptr;
    QLineEdit *m_stockWaters = nullptr;

    QLineEdit *m_concentration = nullptr;
    QLineEdit *m_requiredWaters = nullptr;
    QLineEdit *m_volume = nullptr;
};

} // namespace molvera
