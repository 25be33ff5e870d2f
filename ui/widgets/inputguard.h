#pragma once

class QComboBox;
class QWidget;

namespace molvera {

// A list whose choice changes only when the user chooses: a wheel turn over it goes on to what
// lies behind it, as if the list were not there, and gives it no focus. Choosing from the
// drop-down list, with the arrow keys or by typing stays as it is. (A QComboBox picks the next
// item on every wheel turn, and on the molar page one such pick clears the page.)
void keepChoiceFromWheel(QComboBox *list);

// A text box (QLineEdit, QTextEdit) that takes no input method text while it is read-only. Both
// apply an input method's commit even to a read-only box, which would put words or a stray
// number among the results.
void refuseInputMethodWhenReadOnly(QWidget *box);

} // namespace molvera
