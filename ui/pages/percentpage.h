#pragma once

#include "calculatorpage.h"

#include <optional>

class QButtonGroup;

namespace molvera {

enum class ConcentrationType;

// The "% Solution" page: a weight-per-weight, weight-per-volume or volume-per-volume solution
// from a stock of known percent concentration and specific gravity.
class PercentPage : public CalculatorPage
{
    Q_OBJECT

public:
    explicit PercentPage(const ReagentBoxes &reagent, QWidget *parent = nullptr);

    std::optional<Bottle> stockAsBottle() const override;

protected:
    void build() override;
    void calculate() override;
    void clear() override;
    void example() override;
    Strength strength() const override;
    SheetStock stock() const override;
    QString takeBottle(const Bottle &bottle) override;
    QStringList stockTexts() const override;

private:
    struct TypeDesign;
    // The place of "% w/v" in the basis list; "% w/w" comes first.
    static constexpr int WeightPerVolumeBasis = 1;

    static std::span<const ControlRow<PercentPage>> controls();
    static std::span<const TypeDesign> types();

    void chooseType(int index);
    std::optional<ConcentrationType> chosenType() const;
    // What the stock's percent is of, as the basis list says.
    ConcentrationType stockBasis() const;

    // The type options, also in a group whose ids are their places in the page's type list.
    QRadioButton *m_weightPerWeight = nullptr;
    QRadioButton *m_weightPerVolume = nullptr;
    QRadioButton *m_volumePerVolume = nullptr;
    QButtonGroup *m_types = nullptr;
    bool m_clickOnChosenType = false;

    QLineEdit *m_stockConcentration = nullptr;
    QLabel *m_stockPercent = nullptr;
    QComboBox *m_stockBasis = nullptr;
    QLineEdit *m_specificGravity = nullptr;

    QGroupBox *m_requiredFrame = nullptr;
    QLineEdit *m_concentration = nullptr;
    QLabel *m_concentrationUnit = nullptr;
    QLineEdit *m_amount = nullptr;
    QLabel *m_amountUnit = nullptr;

    QLineEdit *m_solvent = nullptr; // never shown
};

} // namespace molvera
