#include "molarpage.h"

#include "formularows.h"

#include <book/bottle.h>
#include <book/starterbottles.h>
#include <calc/formulapanel.h>
#include <calc/formulareading.h>
#include <calc/molarcalculation.h>
#include <ui/forms/numberlocale.h>
#include <ui/widgets/choicecombobox.h>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

constexpr CalculatorPage::Design ThisPage{
    .objectName = u"MolarPage",
    .caption = TabCaptions::Molar,
    .buttons = {u"cmdClose", u"cmdClear", u"cmdPrint", u"cmdExample", u"cmdAbout"},
    .sheet = SheetVariant::Molar,
};

// Row n at 1200 + 360 × (n − 1) in Frame1. The weights and the total take the focus in an order
// of their own.
constexpr FormulaRowsLayout FormulaLayout{
    .elementPrefix = u"cmbEl",
    .countPrefix = u"cmbN",
    .weightPrefix = u"txtWt",
    .totalName = u"txtTot",
    .firstRowTop = 1200,
    .totalTop = 3480,
    .columnHeadings = {{{u"Label2", 840}, {u"Label8", 840}, {u"Label3", 720}}},
    .totalLabel = u"Label4",
    .readOnlyOrder = {6, 1, 0, 2, 3, 4, 5},
};

// The stock units, in the program's own notation: the Part's percent and molar stocks first.
constexpr QStringView PercentUnit = u"%";
constexpr QStringView MolarUnit = u"M";
constexpr QStringView MillimolarUnit = u"mM";
constexpr QStringView WeightPerVolumeUnit = u"% w/v";
constexpr QStringView GramsPerLitreUnit = u"g/L";

// A stock given by its own molarity needs no molecular weight: the rows step aside.
// "2. Stock Solution" as step `step`.
QString numberedStep(int step, const QString &caption)
{
    return QString::number(step) + caption.mid(caption.indexOf(u'.'));
}

} // namespace

MolarPage::MolarPage(const ReagentBoxes &reagent, QWidget *parent)
    : CalculatorPage(ThisPage, reagent, parent)
{}

std::span<const ControlRow<MolarPage>> MolarPage::controls()
{
    using enum ControlKind;
    using enum Placement;
    using enum FocusSection;
    using P = MolarPage;
    // Twips from the tab control's corner, or from the frame's for the rows InFrame.
    // clang-format off
    static constexpr ControlRow<MolarPage> Table[] = {
    //   name          kind             placement  left  top   width height   tab          kept in                  caption or text                      tool-tip, name for screen readers
        {u"Frame1",    Frame,           OnForm,   { 120,  360, 3852, 3972}, {},          &P::m_elementFrame,        QT_TR_NOOP("1. Select Elements"),    {}},
        {u"optCal",    DarkRedOption,   InFrame,  { 120,  360, 1692,  252}, {Last, 2},   &P::m_calculated,          QT_TR_NOOP("Calculate Mol Wt"),      {}},
        {u"optMan",    DarkRedOption,   InFrame,  {1920,  360, 1812,  252}, {Last, 3},   &P::m_manual,              QT_TR_NOOP("Enter Manual Mol Wt"),   {}},
        {u"Frame4",    Frame,           OnForm,   {4080,  360, 3492, 1092}, {},          &P::m_stockFrame,          /*: Keep the number and its full stop first: the page renumbers its steps. */ QT_TR_NOOP("2. Stock Solution"),     {}},
        {u"Label12",   FieldLabel,      InFrame,  { 120,  360, 1452,  252}, {},          {},                        QT_TR_NOOP("Conc of Stock Soln:"),   {}},
        {u"txtConc",   NumberBox,       InFrame,  {1680,  360,  732,  288}, {Inputs, 1}, &P::m_stockConcentration,  "100",                               /*: A molar stock may be typed with its unit: keep 500 mM as it is. */ QT_TR_NOOP("Enter the Conc of the Stock Solution, e.g. 98, or 500 mM for a molar stock")},
        {u"cmbSConc",  ChoiceBox,       InFrame,  {2520,  360,  852,  288}, {Last, 1},   &P::m_stockUnit,           {},                                  {},  QT_TR_NOOP("Stock concentration unit")},
        {u"Label13",   FieldLabel,      InFrame,  { 120,  720, 1332,  252}, {},          {},                        QT_TR_NOOP("Specific Gravity:"),     {}},
        {u"txtSG",     NumberBox,       InFrame,  {1680,  720,  732,  288}, {Inputs, 2}, &P::m_specificGravity,     "1.00",                              QT_TR_NOOP("Enter the Specific Gravity if required.")},
        {u"Frame2",    Frame,           OnForm,   {4080, 1560, 3492, 1092}, {},          &P::m_requiredFrame,       /*: Keep the number and its full stop first: the page renumbers its steps. */ QT_TR_NOOP("3. Required Solution"),  {}},
        {u"Label5",    FieldLabel,      InFrame,  { 120,  360, 1452,  252}, {},          {},                        QT_TR_NOOP("Molarity Required:"),    {}},
        {u"txtMol",    NumberBox,       InFrame,  {1680,  360,  732,  288}, {Inputs, 3}, &P::m_molarity,            "1",                                 /*: A unit may be typed after the number: keep 50 mM as it is (the language's decimal separator in 0.5). */ QT_TR_NOOP("Enter the molarity required, e.g. 0.5 or 50 mM")},
        {u"Label1",    Label,           InFrame,  {2520,  360,  732,  252}, {},          {},                        QT_TR_NOOP("Molar"),                 {}},
        {u"Label6",    FieldLabel,      InFrame,  { 120,  720, 1332,  252}, {},          {},                        QT_TR_NOOP("Volume Required:"),      {}},
        {u"txtVol",    NumberBox,       InFrame,  {1680,  720,  732,  288}, {Inputs, 4}, &P::m_volume,              "1",                                 /*: A unit may be typed after the number: keep 250 mL as it is. */ QT_TR_NOOP("Enter how many  Litres you wish to make, e.g. 1 or 250 mL")},
        {u"Label7",    Label,           InFrame,  {2520,  720,  492,  252}, {},          {},                        /*: After a typed number, possibly decimal: prefer the unit symbol (L) to a plural form. */ QT_TR_NOOP("Litre(s)"),              {}},
        {u"cmdCal",    CalculateButton, OnForm,   {4080, 2760, 3492,  372}, {Inputs, 5}, &P::m_calculate,           /*: Keep the number and its full stop first: the page renumbers its steps. */ QT_TR_NOOP("4. Calculate"),          QT_TR_NOOP("Click here to calculate your result")},
        {u"fraResult", Frame,           OnForm,   {4080, 3120, 3492, 1212}, {},          {},                        QT_TR_NOOP("Result"),                {}},
        {u"txtDesc",   MethodBox,       InFrame,  { 120,  240, 3252,  852}, {},          {},                        {},                                  {}},
        {u"txtResult", ResultBox,       OnForm,   {},                       {},          {},                        {},                                  {}},
        {u"txtD1",     PrintLine,       OnForm,   {},                       {},          {},                        {},                                  {}},
        {u"txtD2",     PrintLine,       OnForm,   {},                       {},          {},                        {},                                  {}},
        {u"txtD3",     PrintLine,       OnForm,   {},                       {},          {},                        {},                                  {}},
    };
    // clang-format on
    return Table;
}

void MolarPage::build()
{
    addControls(this, controls());
    m_rows = addFormulaRows(m_elementFrame, FormulaLayout);

    m_calculated->setChecked(true);
    // Selecting an option, by the user or by code, switches the mode.
    connect(m_calculated, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            setCalculatedMode();
    });
    connect(m_manual, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            setManualMode();
    });

    m_stockUnit->addItems({PercentUnit.toString(), MolarUnit.toString(), MillimolarUnit.toString(),
                           WeightPerVolumeUnit.toString(), GramsPerLitreUnit.toString()});
    m_stockUnit->setEditText(PercentUnit.toString());
    // Only choosing an item switches the unit; typing into the box runs nothing.
    connect(m_stockUnit, &ChoiceComboBox::itemChosen, this, &MolarPage::switchStockUnit);
}

void MolarPage::setCalculatedMode()
{
    m_rows->setRowsEnabled(true);
    setReadOnlyLook(m_rows->totalBox(), true);
}

void MolarPage::setManualMode()
{
    m_rows->setRowsEnabled(false);
    setReadOnlyLook(m_rows->totalBox(), false);
}

// With the element step hidden, the steps after it move up by one.
void MolarPage::setStepCaptions(bool withElementStep)
{
    const int stock = withElementStep ? 2 : 1;
    m_stockFrame->setTitle(numberedStep(stock, m_stockFrame->title()));
    m_requiredFrame->setTitle(numberedStep(stock + 1, m_requiredFrame->title()));
    m_calculate->setText(numberedStep(stock + 2, m_calculate->text()));
}

void MolarPage::switchStockUnit()
{
    // Choosing "%" starts the page again, as it always has.
    const QString unit = m_stockUnit->currentText();
    if (unit == PercentUnit)
        clear();
    else
        showStockUnit(unit);
}

void MolarPage::showStockUnit(QStringView unit)
{
    if (isMolarStock(toUtf8(unit.toString()))) {
        m_elementFrame->setVisible(false);
        m_specificGravity->setVisible(false);
        setStepCaptions(false);
        m_rows->totalBox()->setText(u"1"_s);
        return;
    }
    // Back from a molar stock, the rows give the weight again. Grams in a volume of stock need
    // the weight of the substance but not the stock's density.
    if (m_elementFrame->isHidden()) {
        m_elementFrame->setVisible(true);
        setStepCaptions(true);
        if (m_calculated->isChecked())
            m_rows->recomputeTotal();
    }
    m_specificGravity->setVisible(unit == PercentUnit);
}

void MolarPage::calculate()
{
    const std::string total = toUtf8(m_rows->totalBox()->text());
    const std::string molarity = toUtf8(m_molarity->text());
    const std::string volume = toUtf8(m_volume->text());
    const std::string gravity = toUtf8(m_specificGravity->text());
    const std::string concentration = toUtf8(m_stockConcentration->text());
    const std::string unit = toUtf8(m_stockUnit->currentText());
    const std::string formula = toUtf8(reagentFormula());

    showResult<MolarOutcome>(MolarCalculation::calculate(
                                 {total, molarity, volume, gravity, concentration, unit, formula},
                                 userNumberLocale(), translatedText),
                             {m_rows->totalBox(), m_molarity, m_volume, m_specificGravity,
                              m_stockConcentration, m_stockUnit});
}

void MolarPage::clear()
{
    m_rows->clear();
    setReagent(QString(), QString());
    restoreNumberBoxes();
    m_elementFrame->setVisible(true);
    hideMethod();
    m_specificGravity->setVisible(true);
    m_stockUnit->setCurrentIndex(m_stockUnit->findText(PercentUnit.toString()));
    setStepCaptions(true);
}

void MolarPage::example()
{
    clear();
    setReagent(u"H2SO4"_s, tr("Sulphuric Acid"));
    m_rows->setRow(1, u"H  - Hydrogen"_s, u"2"_s);
    m_rows->commitRow(1);
    m_rows->setRow(2, u"S  - Sulphur"_s, u"1"_s);
    m_rows->commitRow(2);
    m_rows->setRow(3, u"O  - Oxygen"_s, u"4"_s);
    m_molarity->setText(localizedNumber(u"0.5"));
    m_stockConcentration->setText(localizedNumber(u"98.07"));
    m_specificGravity->setText(localizedNumber(u"1.84"));
    m_rows->commitRow(3);
    calculate();
}

// Not while the stock is molar: the rows are hidden then, and the total stands at 1.
bool MolarPage::canFillRows() const
{
    return isBuilt() && !m_elementFrame->isHidden();
}

// The water of crystallisation is part of the substance weighed, and the rows count it.
void MolarPage::fillRowsFromFormula()
{
    if (!canFillRows())
        return;
    if (const std::optional<FormulaReading> reading = readReagentFormula(WaterPart::InElements))
        takeFormula(*reading);
}

void MolarPage::takeFormula(const FormulaReading &reading)
{
    if (rowsMisfit(reading)) {
        m_manual->setChecked(true);
        m_rows->totalBox()->setText(fromUtf8(formulaWeightText(reading, userNumberLocale())));
        return;
    }
    m_calculated->setChecked(true);
    m_rows->fill(reading.elements);
}

// A weight typed by hand is the user's; with the weight summed from the rows, a formula that
// reads as another substance than the rows hold fills them first. One that does not read leaves
// them as they are.
bool MolarPage::matchRowsToFormula()
{
    if (!canFillRows() || !m_calculated->isChecked())
        return true;
    const FormulaRead read = readFormula(toUtf8(reagentFormula()), WaterPart::InElements);
    const auto *reading = std::get_if<FormulaReading>(&read);
    if (!reading || (!rowsMisfit(*reading) && m_rows->hold(*reading)))
        return true;
    takeFormula(*reading);
    if (m_manual->isChecked()) {
        //: A line under the answer, after Calculate took the molecular weight from the formula
        //: box, whose formula the element rows cannot hold. Keep it short: one line of the box.
        noteForNextAnswer(tr("Molecular weight worked out from the formula."));
    } else {
        //: A line under the answer, after Calculate filled the element rows from the formula
        //: box, since they held another substance. Keep it short: one line of the box.
        noteForNextAnswer(tr("Element rows filled from the formula."));
    }
    return true;
}

QString MolarPage::takeBottle(const Bottle &bottle)
{
    QString unused;
    QString unit;
    switch (bottle.basis) {
    case StockBasis::Purity: // a solid, weighed
    case StockBasis::WeightPerWeight:
        unit = PercentUnit.toString();
        m_specificGravity->setText(bottle.specificGravity ? programNumber(*bottle.specificGravity)
                                                          : localizedNumber(u"1.00"));
        break;
    case StockBasis::WeightPerVolume:
        unit = WeightPerVolumeUnit.toString();
        break;
    case StockBasis::GramsPerLitre:
        unit = GramsPerLitreUnit.toString();
        break;
    case StockBasis::Molar:
        unit = MolarUnit.toString();
        break;
    case StockBasis::VolumePerVolume:
        //: %1 is the bottle's name as the book shows it.
        unused = tr("The molar page cannot use the strength of %1: a stock in % v/v would need "
                    "the density of the pure liquid. Its formula and name are filled in.")
                     .arg(shownName(bottle));
        break;
    }
    if (!unit.isEmpty()) {
        m_stockUnit->setCurrentIndex(m_stockUnit->findText(unit));
        showStockUnit(unit);
        m_stockConcentration->setText(programNumber(bottle.strength));
    }
    // The substance, unless the stock's own molarity makes its weight needless.
    if (!m_elementFrame->isHidden()) {
        const FormulaRead read = readFormula(toUtf8(bottle.formula), WaterPart::InElements);
        if (const auto *reading = std::get_if<FormulaReading>(&read)) {
            takeFormula(*reading);
        } else if (bottle.molecularWeight) {
            m_manual->setChecked(true);
            m_rows->totalBox()->setText(programNumber(*bottle.molecularWeight));
        }
    }
    return unused;
}

QStringList MolarPage::stockTexts() const
{
    return {m_stockConcentration->text(), m_stockUnit->currentText(), m_specificGravity->text()};
}

std::optional<Bottle> MolarPage::stockAsBottle() const
{
    const QString unit = m_stockUnit->currentText();
    Bottle bottle;
    bottle.name = reagentName().trimmed();
    bottle.formula = reagentFormula().trimmed();
    const NumberLocale locale = userNumberLocale();
    const std::string typed = toUtf8(m_stockConcentration->text());
    if (isMolarStock(toUtf8(unit))) {
        const QuantityRead read = readQuantity(
            typed, Dimension::Molarity, unit == MolarUnit ? Unit::Molar : Unit::Millimolar, locale);
        const auto *quantity = std::get_if<Quantity>(&read);
        if (!quantity)
            return std::nullopt;
        bottle.basis = StockBasis::Molar;
        bottle.strength = unit == MolarUnit
                              ? quantity->value
                              : inUnit(quantity->value, Unit::Millimolar, Unit::Molar);
        return bottle;
    }
    const NumberRead strength = readNumber(typed, locale);
    if (!std::holds_alternative<double>(strength))
        return std::nullopt;
    bottle.strength = std::get<double>(strength);
    if (unit == WeightPerVolumeUnit) {
        bottle.basis = StockBasis::WeightPerVolume;
    } else if (unit == GramsPerLitreUnit) {
        bottle.basis = StockBasis::GramsPerLitre;
    } else {
        // A percent stock of specific gravity 1 is a solid weighed at its purity.
        const NumberRead gravity = readNumber(toUtf8(m_specificGravity->text()), locale);
        if (!std::holds_alternative<double>(gravity))
            return std::nullopt;
        bottle.basis =
            std::get<double>(gravity) == 1 ? StockBasis::Purity : StockBasis::WeightPerWeight;
        if (bottle.basis == StockBasis::WeightPerWeight)
            bottle.specificGravity = std::get<double>(gravity);
    }
    // A weight typed by hand is the bottle's where its formula does not give one.
    if (m_manual->isChecked()) {
        const NumberRead weight = readNumber(toUtf8(m_rows->totalBox()->text()), locale);
        if (const double *value = std::get_if<double>(&weight))
            bottle.molecularWeight = *value;
    }
    return bottle;
}

CalculatorPage::Strength MolarPage::strength() const
{
    return molarStrength(m_molarity->text());
}

SheetStock MolarPage::stock() const
{
    return molarStock(m_stockConcentration->text(), m_stockUnit->currentText(),
                      m_specificGravity->text());
}

} // namespace molvera
