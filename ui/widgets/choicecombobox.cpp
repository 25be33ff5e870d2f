#include "choicecombobox.h"

#include <QCompleter>
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
    // No completion: the lists are a handful of short items, and the default completer is one
    // of the dearest parts of building the window. A completer without a model completes
    // nothing and keeps QComboBox from making its default one.
    edit->setCompleter(new QCompleter(edit));
    setLineEdit(edit);
    connect(edit, &QLineEdit::returnPressed, this, [this] { m_typed = false; });
    connect(edit, &QLineEdit::editingFinished, this, [this] { m_typed = false; });

    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!m_typed)
            Q_EMIT itemChosen(index);
    });
}

} // namespace molvera
