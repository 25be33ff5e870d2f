#include "percentpage.h"

#include <book/bottle.h>
#include <book/starterbottles.h>
#include <calc/percentcalculation.h>
#include <print/sheettexts.h>
#include <ui/forms/numberlocale.h>

#include <QButtonGroup>

#include <array>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

constexpr CalculatorPage::Design ThisPage{
    .objectName = u"PercentPage",
    .caption = TabCaptions::Percent,
    .buttons = {u"cmdClose2", u"cmdClearCon", u"cmdPrnC", u"cmdEgConc", u"cmdAbout2"},
    .sheet = SheetVariant::Percent,
};

// Choosing a type starts the amount again at this, in the program's own notation.
constexpr QStringView DefaultAmount = u"100";

} // namespace

PercentPage::PercentPage(const ReagentBoxes &reagent, QWidget *parent)
    : CalculatorPage(ThisPage, reagent, parent)
{}

std::span<const ControlRow<PercentPage>> PercentPage::controls()
{
    using enum ControlKind;
    using enum Placement;
    using enum FocusSection;
    using P = PercentPage;
    // Twips from the tab control's corner, or from the frame's for the rows InFrame. Before a
    // type is chosen, the amount is 1 and its units those of w/w; nobody sees them, since
    // Frame3 stays hidden until then.
    // clang-format off
    static constexpr ControlRow<PercentPage> Table[] = {
    //   name          kind             placement  left  top   width height   tab          kept in                  caption or text                          tool-tip
        {u"fraCon",    Frame,           OnForm,   { 120,  600, 2172, 1332}, {},          {},                        QT_TR_NOOP("1. Type of Concentration"),  {}},
        {u"opWW",      Option,          InFrame,  { 240,  240, 1452,  252}, {Inputs, 1}, &P::m_weightPerWeight,     QT_TR_NOOP("% w/w"),                     QT_TR_NOOP("Weight per Weight Concentrations")},
        {u"opWV",      Option,          InFrame,  { 240,  600, 1332,  252}, {Inputs, 2}, &P::m_weightPerVolume,     QT_TR_NOOP("% w/v"),                     QT_TR_NOOP("Weight per Volume Concentrations")},
        {u"opVV",      Option,          InFrame,  { 240,  960, 1332,  252}, {Inputs, 3}, &P::m_volumePerVolume,     QT_TR_NOOP("% v/v"),                     QT_TR_NOOP("Volume per Volume Concentrations")},
        {u"fraStk1",   Frame,           OnForm,   {2400,  600, 4572, 1332}, {},          {},                        QT_TR_NOOP("2. Stock Solution"),         {}},
        {u"Label21",   FieldLabel,      InFrame,  { 120,  360, 1452,  252}, {},          {},                        QT_TR_NOOP("Conc of Stock Soln:"),       {}},
        {u"txtSCon",   NumberBox,       InFrame,  {1560,  360,  732,  288}, {Inputs, 4}, &P::m_stockConcentration,  "100",                                   QT_TR_NOOP("Enter the Conc of the Stock Solution")},
        {u"Label19",   Label,           InFrame,  {2400,  360,  252,  252}, {},          &P::m_stockPercent,        "%",                                     {}},
        {u"cmbSBasis", PickList,        InFrame,  {2400,  360,  972,  288}, {Inputs, 4}, &P::m_stockBasis,          {},                                      QT_TR_NOOP("Choose what the stock's percent is of: weight in weight, or grams in 100 mL"),  QT_TR_NOOP("Stock concentration basis")},
        {u"Label14",   FieldLabel,      InFrame,  { 120,  720, 1332,  252}, {},          {},                        QT_TR_NOOP("Specific Gravity:"),         {}},
        {u"txtSSG",    NumberBox,       InFrame,  {1560,  720,  732,  288}, {Inputs, 5}, &P::m_specificGravity,     "1.00",                                  QT_TR_NOOP("Enter the SG of the stock solution")},
        {u"Frame3",    Frame,           OnForm,   { 120, 2040, 3252, 1812}, {},          &P::m_requiredFrame,       QT_TR_NOOP("3. Required Solution"),      {}},
        {u"Label15",   FieldLabel,      InFrame,  { 240,  480, 1332,  252}, {},          {},                        QT_TR_NOOP("Conc Required:"),            {}},
        {u"txtCCon",   NumberBox,       InFrame,  {1680,  480,  732,  288}, {Inputs, 6}, &P::m_concentration,       "15",                                    QT_TR_NOOP("Enter the Concentration required")},
        {u"Label20",   Label,           InFrame,  {2520,  480,  492,  252}, {},          &P::m_concentrationUnit,   QT_TR_NOOP("% w/w"),                     {}},
        {u"Label17",   FieldLabel,      InFrame,  { 240,  960, 1332,  252}, {},          {},                        /*: The amount to make, in mL, or in grams for w/w: a word for an amount, not only a volume. */ QT_TR_NOOP("Volume Required:"),          {}},
        {u"txtCVol",   NumberBox,       InFrame,  {1680,  960,  732,  288}, {Inputs, 7}, &P::m_amount,              "1",                                     {}},
        {u"Label18",   Label,           InFrame,  {2520,  960,  492,  252}, {},          &P::m_amountUnit,          "mL",                                    {}},
        {u"cmdConc",   CalculateButton, OnForm,   {3480, 2160, 3492,  372}, {Inputs, 8}, {},                        QT_TR_NOOP("4. Calculate"),              QT_TR_NOOP("Click here to calculate your result")},
        {u"fraCMeth",  Frame,           OnForm,   {3480, 2640, 3492, 1212}, {},          {},                        QT_TR_NOOP("Method"),                    {}},
        {u"txtRWW",    MethodBox,       InFrame,  { 120,  240, 3252,  852}, {},          {},                        {},                                      {}},
        {u"txtCRes",   ResultBox,       OnForm,   {},                       {},          {},                        {},                                      {}},
        {u"txtCSolv",  HiddenBox,       OnForm,   {},                       {},          &P::m_solvent,             {},                                      {}},
        {u"txtC1",     PrintLine,       OnForm,   {},                       {},          {},                        {},                                      {}},
        {u"txtC2",     PrintLine,       OnForm,   {},                       {},          {},                        {},                                      {}},
        {u"txtC3",     PrintLine,       OnForm,   {},                       {},          {},                        {},                                      {}},
    };
    // clang-format on
    return Table;
}

// The three types in the order they are offered. The option's caption is also the unit written
// beside the required concentration.
struct PercentPage::TypeDesign
{
    ConcentrationType type;
    QRadioButton *PercentPage::*option;
    const char *amountUnit; // marked for translation in this class's context
    const char *amountTip;  // the amount box's tool-tip, marked the same way
};

std::span<const PercentPage::TypeDesign> PercentPage::types()
{
    // clang-format off
    static constexpr TypeDesign Types[] = {
        {ConcentrationType::WeightPerWeight, &PercentPage::m_weightPerWeight, QT_TR_NOOP("grams"),
         /*: A unit may be typed after the number: keep 2 kg as it is. */
         QT_TR_NOOP("Enter the amount you wish to make, e.g. 100 (grams) or 2 kg")},
        {ConcentrationType::WeightPerVolume, &PercentPage::m_weightPerVolume, "mL",
         /*: A unit may be typed after the number: keep 1 L as it is. */
         QT_TR_NOOP("Enter the amount you wish to make, e.g. 100 (mL) or 1 L")},
        {ConcentrationType::VolumePerVolume, &PercentPage::m_volumePerVolume, "mL",
         QT_TR_NOOP("Enter the amount you wish to make, e.g. 100 (mL) or 1 L")},
    };
    // clang-format on
    return Types;
}

// What the stock's percent may be of, in the order offered; the sheet writes them the same way.
constexpr std::array<const char *, 2> StockBases{SheetTexts::WeightPerWeightUnit,
                                                 SheetTexts::WeightPerVolumeUnit};

void PercentPage::build()
{
    addControls(this, controls());
    // Shown once a type is chosen, which also sets the units.
    m_requiredFrame->setVisible(false);
    m_amount->setToolTip(tr(types()[0].amountTip));

    // The basis list says the stock's unit, percent and what of, where the "%" stood.
    m_stockPercent->setVisible(false);
    // In the notation of the language, as the sheet writes it; the place in the list decides.
    for (const char *basis : StockBases)
        m_stockBasis->addItem(SheetTexts::tr(basis));
    // A stock in grams per volume has no density to divide by.
    connect(m_stockBasis, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_specificGravity->setVisible(index != WeightPerVolumeBasis); });

    m_types = new QButtonGroup(this);
    for (int index = 0; index < int(types().size()); ++index)
        m_types->addButton(this->*types()[index].option, index);
    // A type is chosen whenever its option becomes selected, by the user or by code, and also
    // when the user clicks the option that is already selected: each choice starts the amount
    // again at 100.
    connect(m_types, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            chooseType(index);
    });
    connect(m_types, &QButtonGroup::idPressed, this,
            [this](int index) { m_clickOnChosenType = m_types->button(index)->isChecked(); });
    connect(m_types, &QButtonGroup::idClicked, this, [this](int index) {
        if (m_clickOnChosenType)
            chooseType(index);
    });
}

void PercentPage::chooseType(int index)
{
    m_requiredFrame->setVisible(true);
    m_concentrationUnit->setText(m_types->button(index)->text());
    m_amount->setText(DefaultAmount.toString());
    m_amountUnit->setText(tr(types()[index].amountUnit));
    m_amount->setToolTip(tr(types()[index].amountTip));
}

std::optional<ConcentrationType> PercentPage::chosenType() const
{
    const int index = m_types->checkedId();
    if (index < 0)
        return std::nullopt;
    return types()[index].type;
}

void PercentPage::calculate()
{
    const std::string stockConcentration = toUtf8(m_stockConcentration->text());
    const std::string gravity = toUtf8(m_specificGravity->text());
    const std::string amount = toUtf8(m_amount->text());
    const std::string concentration = toUtf8(m_concentration->text());
    const std::string formula = toUtf8(reagentFormula());

    const PercentResult result = PercentCalculation::calculate(
        chosenType(), {stockConcentration, gravity, amount, concentration, formula, stockBasis()},
        userNumberLocale(), translatedText);
    const QList<QWidget *> inputs{m_stockConcentration, m_specificGravity, m_amount,
                                  m_concentration};
    // Only w/w has a solvent; the other types leave the last one where it was.
    if (const auto *outcome = showResult<PercentOutcome>(result, inputs);
        outcome && outcome->solventText)
        m_solvent->setText(fromUtf8(*outcome->solventText));
}

void PercentPage::clear()
{
    setReagent(QString(), QString());
    hideMethod();
    restoreNumberBoxes();
    m_stockBasis->setCurrentIndex(0);
    // The amount goes back to what a chosen type starts with, not to the 1 it started with.
    m_amount->setText(DefaultAmount.toString());
}

void PercentPage::example()
{
    setReagent(u"NaCl"_s, tr("Sodium Chloride"));
    // Selecting w/v prepares the required solution as the user's choice does; if it is already
    // selected, all that choice would change is the amount, which is set next.
    m_weightPerVolume->setChecked(true);
    m_stockConcentration->setText(u"98"_s);
    m_concentration->setText(u"20"_s);
    m_amount->setText(u"600"_s);
    calculate();
}

ConcentrationType PercentPage::stockBasis() const
{
    return m_stockBasis->currentIndex() == WeightPerVolumeBasis
               ? ConcentrationType::WeightPerVolume
               : ConcentrationType::WeightPerWeight;
}

CalculatorPage::Strength PercentPage::strength() const
{
    // Before a type is chosen, the first one's.
    return percentStrength(m_concentration->text(),
                           chosenType().value_or(ConcentrationType::WeightPerWeight));
}

QString PercentPage::takeBottle(const Bottle &bottle)
{
    ensureBuilt();
    // The stock's percent, by weight with its specific gravity (a solid's is 1) or by volume.
    int basis = 0;
    double strength = bottle.strength;
    QString unused;
    switch (bottle.basis) {
    case StockBasis::Purity:
    case StockBasis::WeightPerWeight:
        break;
    case StockBasis::VolumePerVolume:
        //: %1 is the bottle's name as the book shows it.
        unused = tr("The stock's list has no % v/v: the percent of %1 is entered as the stock's, "
                    "which serves a % v/v solution.")
                     .arg(shownName(bottle));
        break;
    case StockBasis::WeightPerVolume:
        basis = WeightPerVolumeBasis;
        break;
    case StockBasis::GramsPerLitre: // 10 g/L is 1 % w/v
        basis = WeightPerVolumeBasis;
        strength /= 10;
        break;
    case StockBasis::Molar:
        //: %1 is the bottle's name as the book shows it.
        return tr("The % page cannot use the strength of %1, a molar stock: the molar page can. "
                  "Its formula and name are filled in.")
            .arg(shownName(bottle));
    }
    m_stockBasis->setCurrentIndex(basis);
    m_stockConcentration->setText(programNumber(strength));
    m_specificGravity->setText(bottle.specificGravity ? programNumber(*bottle.specificGravity)
                                                      : localizedNumber(u"1.00"));
    return unused;
}

QStringList PercentPage::stockTexts() const
{
    return {m_stockConcentration->text(), m_stockBasis->currentText(), m_specificGravity->text()};
}

std::optional<Bottle> PercentPage::stockAsBottle() const
{
    const NumberLocale locale = userNumberLocale();
    const NumberRead strength = readNumber(toUtf8(m_stockConcentration->text()), locale);
    if (!std::holds_alternative<double>(strength))
        return std::nullopt;
    Bottle bottle;
    bottle.name = reagentName().trimmed();
    bottle.formula = reagentFormula().trimmed();
    bottle.strength = std::get<double>(strength);
    if (m_stockBasis->currentIndex() == WeightPerVolumeBasis) {
        bottle.basis = StockBasis::WeightPerVolume;
        return bottle;
    }
    // A stock of specific gravity 1 is a solid weighed at its purity.
    const NumberRead gravity = readNumber(toUtf8(m_specificGravity->text()), locale);
    if (!std::holds_alternative<double>(gravity))
        return std::nullopt;
    const double value = std::get<double>(gravity);
    bottle.basis = value == 1 ? StockBasis::Purity : StockBasis::WeightPerWeight;
    if (value != 1)
        bottle.specificGravity = value;
    return bottle;
}

SheetStock PercentPage::stock() const
{
    return percentStock(m_stockConcentration->text(), stockBasis(),
                        chosenType().value_or(ConcentrationType::WeightPerWeight),
                        m_specificGravity->text());
}

} // namespace molvera
