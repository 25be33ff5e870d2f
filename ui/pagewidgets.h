#pragma once

#include "twips.h"

#include <QColor>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace molvera {

// Method sentences, step options and the title are written in dark red.
inline constexpr QColor DarkRed{128, 0, 0};

// The small factories that every form uses, so that controls of one kind look alike on all pages.
// Each names the control, places it in `parent` at `rect` (twips) and gives it `parent` as owner.

QLabel *addLabel(QWidget *parent, QStringView name, const QString &text, const TwipRect &rect);
QLineEdit *addTextBox(QWidget *parent, QStringView name, const QString &text, const TwipRect &rect,
                      const QString &toolTip = {});
// A read-only box in the menu colour, such as a row weight.
QLineEdit *addOutputBox(QWidget *parent, QStringView name, const TwipRect &rect);
// A box that is never shown: it keeps an outcome (a result text, a print line) for later use.
QLineEdit *addHiddenBox(QWidget *parent, QStringView name);
QGroupBox *addFrame(QWidget *parent, QStringView name, const QString &caption,
                    const TwipRect &rect);
QRadioButton *addOption(QWidget *parent, QStringView name, const QString &caption,
                        const TwipRect &rect);
QPushButton *addBoldButton(QWidget *parent, QStringView name, const QString &caption,
                           const TwipRect &rect, const QString &toolTip);
// The multi-line, read-only box that shows a method sentence: bold dark red on the menu colour.
QTextEdit *addMethodBox(QWidget *parent, QStringView name, const TwipRect &rect);
// Shows a method sentence in such a box, at the line pitch the box was laid out for.
void setMethodText(QTextEdit *box, const QString &text);

// Read-only boxes have the menu colour as background, editable ones the window colour.
void setReadOnlyLook(QLineEdit *box, bool readOnly);
void setTextColor(QWidget *widget, const QColor &color);

} // namespace molvera
