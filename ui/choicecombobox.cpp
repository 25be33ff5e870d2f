#include "choicecombobox.h"

#include <QLineEdit>

namespace molvera {

ChoiceComboBox::ChoiceComboBox(QWidget *parent)
    : QComboBox(parent)
{
    auto *edit = new QLineEdit(this);
    // Connected before the combo box's own handlers, which report a typed match as activated,
    // and reset after them.
    connect(edit, &QLineEdit::returnPressed, this, [this] { m_typed = true; });
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_typed = true; });
    setLineEdit(edit);
    connect(edit, &QLineEdit::returnPressed, this, [this] { m_typed = false; });
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_typed = false; });

    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!m_typed)
            Q_EMIT itemChosen(index);
    });
}

} // namespace molvera
