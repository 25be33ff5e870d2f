#include "bottledialog.h"

#include <book/bottletexts.h>
#include <book/starterbottles.h>
#include <calc/numbertext.h>
#include <ui/forms/numberlocale.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// The bases in the order offered, as the list names them.
struct BasisChoice
{
    StockBasis basis;
    const char *text; // marked in this class's context
};
constexpr std::array<BasisChoice, 6> BasisChoices{{
    {StockBasis::Purity, QT_TRANSLATE_NOOP("molvera::BottleDialog", "% purity (a solid)")},
    {StockBasis::WeightPerWeight, QT_TRANSLATE_NOOP("molvera::BottleDialog", "% w/w")},
    {StockBasis::VolumePerVolume, QT_TRANSLATE_NOOP("molvera::BottleDialog", "% v/v")},
    {StockBasis::WeightPerVolume, QT_TRANSLATE_NOOP("molvera::BottleDialog", "% w/v")},
    {StockBasis::GramsPerLitre, QT_TRANSLATE_NOOP("molvera::BottleDialog", "g/L (mg/mL)")},
    {StockBasis::Molar, QT_TRANSLATE_NOOP("molvera::BottleDialog", "M (mol/L)")},
}};

QString shownNumber(const std::optional<double> &value)
{
    return value ? programNumber(*value) : QString();
}

} // namespace

BottleDialog::BottleDialog(const Bottle &bottle, QWidget *parent)
    : QDialog(parent)
    , m_original(bottle)
{
    setObjectName(u"frmBottle"_s);
    //: The title of the window that edits a bottle of the reagent book.
    setWindowTitle(bottle.id ? tr("Edit Bottle") : tr("New Bottle"));
    auto *grid = new QGridLayout(this);

    // A starter bottle's name as the user's language shows it.
    addField(BottleField::Name, u"txtBottleName"_s, tr("&Name:"))->setText(shownName(bottle));
    addField(BottleField::Formula, u"txtBottleFormula"_s, tr("&Formula:"))->setText(bottle.formula);
    QLineEdit *weight =
        addField(BottleField::MolecularWeight, u"txtBottleWeight"_s, tr("Molecular &weight:"));
    //: Shown in the empty molecular weight box: the formula gives it where molvera reads it.
    weight->setPlaceholderText(tr("from the formula"));
    // A weight the formula gives is not typed: it follows the formula.
    if (bottle.molecularWeight && bottle.formula.trimmed().isEmpty())
        weight->setText(shownNumber(bottle.molecularWeight));

    m_basis = new QComboBox(this);
    m_basis->setObjectName(u"cmbBottleBasis"_s);
    for (const BasisChoice &choice : BasisChoices) {
        m_basis->addItem(tr(choice.text), int(choice.basis));
        if (choice.basis == bottle.basis)
            m_basis->setCurrentIndex(m_basis->count() - 1);
    }
    auto *basisLabel = new QLabel(tr("&Basis:"), this);
    basisLabel->setBuddy(m_basis);
    grid->addWidget(basisLabel, m_row, 0);
    grid->addWidget(m_basis, m_row++, 1);

    addField(BottleField::Strength, u"txtBottleStrength"_s, tr("&Strength:"))
        ->setText(programNumber(bottle.strength));
    addField(BottleField::SpecificGravity, u"txtBottleGravity"_s, tr("Specific &gravity:"))
        ->setText(shownNumber(bottle.specificGravity));
    addField(BottleField::GravityCelsius, u"txtBottleCelsius"_s, tr("Measured &at (°C):"))
        ->setText(shownNumber(bottle.gravityCelsius));
    addField(BottleField::Cas, u"txtBottleCas"_s, tr("&CAS number:"))->setText(bottle.cas);
    addField(BottleField::Location, u"txtBottleLocation"_s, tr("Where it stan&ds:"))
        ->setText(bottle.location);
    addField(BottleField::Source, u"txtBottleSource"_s, tr("S&ource:"))->setText(bottle.source);

    m_note = new QPlainTextEdit(bottle.note, this);
    m_note->setObjectName(u"txtBottleNote"_s);
    m_note->setTabChangesFocus(true);
    m_note->setMaximumHeight(m_note->fontMetrics().lineSpacing() * 4);
    auto *noteLabel = new QLabel(tr("No&te:"), this);
    noteLabel->setBuddy(m_note);
    grid->addWidget(noteLabel, m_row, 0, Qt::AlignTop);
    grid->addWidget(m_note, m_row++, 1, 1, 2);

    m_facts = new QLabel(this);
    m_facts->setObjectName(u"lblBottleFacts"_s);
    grid->addWidget(m_facts, m_row++, 1, 1, 2);
    m_refusal = new QLabel(this);
    m_refusal->setObjectName(u"lblBottleRefusal"_s);
    m_refusal->setWordWrap(true);
    m_refusal->hide();
    grid->addWidget(m_refusal, m_row++, 0, 1, 3);

    // The fields take what they need of the width, the reasons the rest.
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 3);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    grid->addWidget(m_buttons, m_row++, 0, 1, 3);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (QLineEdit *field : std::as_const(m_fields))
        connect(field, &QLineEdit::textChanged, this, &BottleDialog::check);
    connect(m_basis, &QComboBox::currentIndexChanged, this, &BottleDialog::check);
    check();
}

QLineEdit *BottleDialog::addField(BottleField field, const QString &objectName,
                                  const QString &caption)
{
    auto *grid = static_cast<QGridLayout *>(layout());
    auto *box = new QLineEdit(this);
    box->setObjectName(objectName);
    auto *label = new QLabel(caption, this);
    label->setBuddy(box);
    // The reason beside the field, which screen readers hear as the field's description.
    auto *reason = new QLabel(this);
    reason->setObjectName(objectName.mid(3).prepend(u"lbl"_s) + u"Problem"_s);
    reason->setWordWrap(true);
    reason->setMinimumWidth(label->fontMetrics().averageCharWidth() * 44);
    box->setMinimumWidth(label->fontMetrics().averageCharWidth() * 28);
    grid->addWidget(label, m_row, 0);
    grid->addWidget(box, m_row, 1);
    grid->addWidget(reason, m_row++, 2);
    m_fields.insert(field, box);
    m_reasons.insert(field, reason);
    return box;
}

BottleDialog::Read BottleDialog::read() const
{
    Read result;
    Bottle &bottle = result.bottle;
    bottle = m_original;
    // A starter name left as shown stays the starter's, and keeps following the language.
    bottle.name = m_fields[BottleField::Name]->text().trimmed();
    if (bottle.name == shownName(m_original))
        bottle.name = m_original.name;
    bottle.formula = m_fields[BottleField::Formula]->text().trimmed();
    bottle.basis = StockBasis(m_basis->currentData().toInt());
    bottle.cas = m_fields[BottleField::Cas]->text().trimmed();
    bottle.location = m_fields[BottleField::Location]->text().trimmed();
    bottle.source = m_fields[BottleField::Source]->text().trimmed();
    bottle.note = m_note->toPlainText();
    bottle.molecularWeight.reset();
    bottle.waters = 0;

    // Numbers in the user's notation; an empty optional one is none.
    const auto number = [&](BottleField field, bool required) -> std::optional<double> {
        const QString text = m_fields[field]->text().trimmed();
        if (text.isEmpty() && !required)
            return std::nullopt;
        const NumberRead value = readNumber(toUtf8(text), userNumberLocale());
        if (const double *read = std::get_if<double>(&value))
            return *read;
        //: Beside a field of a bottle that should hold a number.
        result.problems[field] = tr("Enter a number.");
        return std::nullopt;
    };
    bottle.strength = number(BottleField::Strength, true).value_or(0);
    bottle.specificGravity = number(BottleField::SpecificGravity, false);
    bottle.gravityCelsius = number(BottleField::GravityCelsius, false);
    const std::optional<double> typedWeight = number(BottleField::MolecularWeight, false);
    bottle = withFormulaFacts(bottle);
    if (typedWeight)
        bottle.molecularWeight = typedWeight;
    // The book's own checks, where the field holds a number to check.
    const BottleProblems checked = checkBottle(bottle);
    for (auto problem = checked.begin(); problem != checked.end(); ++problem) {
        if (!result.problems.contains(problem.key()))
            result.problems.insert(problem.key(), problem.value());
    }
    return result;
}

void BottleDialog::check()
{
    const Read current = read();
    for (auto field = m_reasons.begin(); field != m_reasons.end(); ++field) {
        const QString reason = current.problems.value(field.key());
        field.value()->setText(reason);
        m_fields[field.key()]->setAccessibleDescription(reason);
    }
    // The gravity belongs to a liquid measured by weight or volume fraction.
    const bool gravity = needsSpecificGravity(current.bottle.basis);
    m_fields[BottleField::SpecificGravity]->setEnabled(gravity);
    m_fields[BottleField::GravityCelsius]->setEnabled(gravity);

    QStringList facts;
    if (current.bottle.molecularWeight)
        //: %1 is a molecular weight.
        facts << tr("Molecular weight %1").arg(programNumber(*current.bottle.molecularWeight));
    if (current.bottle.waters > 0)
        //: %1 is the number of waters of crystallisation the formula gives.
        facts << tr("Number of H2O: %1").arg(programNumber(current.bottle.waters));
    if (const QString molarity = impliedMolarityText(current.bottle); !molarity.isEmpty())
        //: %1 is a molarity such as "12.1 M": what the strength and specific gravity make.
        facts << tr("Its strength makes %1").arg(molarity);
    m_facts->setText(facts.join(u"  \u00B7  "_s));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(current.problems.isEmpty());
}

Bottle BottleDialog::bottle() const
{
    return read().bottle;
}

void BottleDialog::showRefusal(const QString &message)
{
    m_refusal->setText(message);
    m_refusal->setVisible(!message.isEmpty());
}

} // namespace molvera
