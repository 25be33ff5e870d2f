#pragma once

#include <QComboBox>

namespace molvera {

// An editable combo box that tells a chosen item from typed text. QComboBox reports typed text
// that matches an item as activated when the box is left, Enter is pressed or the list is
// opened; here only picking from the list or stepping with the arrow keys counts as choosing.
class ChoiceComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ChoiceComboBox(QWidget *parent = nullptr);

Q_SIGNALS:
    void itemChosen(int index);

private:
    bool m_typed = false;
};

} // namespace molvera
