#pragma once

#include "calculatorpage.h"

namespace molvera {

// The "% Solution" page. For now it carries its button column, whose Exit and About work.
class PercentPage : public CalculatorPage
{
    Q_OBJECT

public:
    explicit PercentPage(const ReagentBoxes &reagent, QWidget *parent = nullptr);

    QList<QWidget *> focusOrder(FocusSection section) const override;

protected:
    void clear() override;
    void example() override;
    void print() override;
};

} // namespace molvera
