#pragma once

#include <book/bottle.h>
#include <book/bottlecheck.h>

#include <QDialog>
#include <QMap>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace molvera {

// A bottle of the reagent book, added or edited (frmBottle): every field is checked as it is
// typed, with the reason beside the field, and OK takes only a bottle the book can save. A
// molecular weight is typed only where the formula does not give one; the strength's basis says
// whether a specific gravity is asked for; the molarity the strength implies is shown as a check.
class BottleDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BottleDialog(const Bottle &bottle, QWidget *parent = nullptr);

    // The bottle as the fields now give it, with its formula's weight and waters.
    Bottle bottle() const;
    // Shows a reason that came from the book rather than from the fields (a conflict, a refusal).
    void showRefusal(const QString &message);
    // Saves over the version the book now holds: the user has seen it, and keeps these edits.
    void takeVersion(qint64 rowVersion) { m_original.rowVersion = rowVersion; }

private:
    struct Read
    {
        Bottle bottle;
        BottleProblems problems;
    };

    QLineEdit *addField(BottleField field, const QString &objectName, const QString &caption);
    Read read() const;
    void check();

    Bottle m_original;
    QMap<BottleField, QLineEdit *> m_fields;
    QMap<BottleField, QLabel *> m_reasons;
    QComboBox *m_basis = nullptr;
    QPlainTextEdit *m_note = nullptr;
    QLabel *m_facts = nullptr;   // the formula's weight and waters, the implied molarity
    QLabel *m_refusal = nullptr; // the book's own reason, if it refused
    QDialogButtonBox *m_buttons = nullptr;
    int m_row = 0;
};

} // namespace molvera
