#pragma once

#include "calculatorpage.h"

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace molvera {

enum class ConcentrationType;

// The "% Solution" page: a weight-per-weight, weight-per-volume or volume-per-volume solution
// from a stock of known percent concentration and specific gravity.
class PercentPage : public CalculatorPage
{
    Q_OBJECT

public:
    explicit PercentPage(const ReagentBoxes &reagent, QWidget *parent = nullptr);

    QList<QWidget *> focusOrder(FocusSection section) const override;

protected:
    void build() override;
    void clear() override;
    void example() override;
    void print() override;

private:
    static constexpr int TypeCount = 3;

    void buildTypeFrame();
    void buildStockFrame();
    void buildRequiredFrame();
    void buildResult();

    void chooseType(int index);
    std::optional<ConcentrationType> chosenType() const;
    void calculate();

    std::array<QRadioButton *, TypeCount> m_types{}; // opWW, opWV, opVV
    bool m_clickOnChosenType = false;

    QLineEdit *m_stockConcentration = nullptr;
    QLineEdit *m_specificGravity = nullptr;

    QGroupBox *m_requiredFrame = nullptr; // Frame3
    QLineEdit *m_concentration = nullptr;
    QLabel *m_concentrationUnit = nullptr;
    QLineEdit *m_amount = nullptr;
    QLabel *m_amountUnit = nullptr;

    QPushButton *m_calculate = nullptr;
    QLineEdit *m_solvent = nullptr; // never shown
    OutcomeBoxes m_outcome;
};

} // namespace molvera
