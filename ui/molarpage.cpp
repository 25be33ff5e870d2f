#include "molarpage.h"

#include "choicecombobox.h"
#include "formularows.h"
#include "numberlocale.h"
#include "pagewidgets.h"

#include <calc/molarcalculation.h>
#include <print/calculationsheet.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <array>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// Twips, from the tab control's corner for the page's own controls and from the frame's corner
// for what a frame holds.
constexpr std::array PageLayout{
    TwipPlacement{u"Frame1", {120, 360, 3852, 3972}},
    TwipPlacement{u"Frame4", {4080, 360, 3492, 1092}},
    TwipPlacement{u"Frame2", {4080, 1560, 3492, 1092}},
    TwipPlacement{u"cmdCal", {4080, 2760, 3492, 372}},
    TwipPlacement{u"fraResult", {4080, 3120, 3492, 1212}},
};

constexpr std::array Frame1Layout{
    TwipPlacement{u"optCal", {120, 360, 1692, 252}},
    TwipPlacement{u"optMan", {1920, 360, 1812, 252}},
    TwipPlacement{u"Label2", {120, 840, 1092, 252}},
    TwipPlacement{u"Label8", {1800, 840, 732, 252}},
    TwipPlacement{u"Label3", {2760, 720, 852, 492}},
    TwipPlacement{u"Label4", {840, 3480, 1812, 252}},
};
// Element rows from 1200, 360 apart; the total at 3480.
constexpr int FirstRowTop = 1200;
constexpr int TotalTop = 3480;

constexpr std::array Frame4Layout{
    TwipPlacement{u"Label12", {120, 360, 1452, 252}},
    TwipPlacement{u"txtConc", {1680, 360, 732, 288}},
    TwipPlacement{u"cmbSConc", {2520, 360, 612, 288}},
    TwipPlacement{u"Label13", {120, 720, 1332, 252}},
    TwipPlacement{u"txtSG", {1680, 720, 732, 288}},
};

constexpr std::array Frame2Layout{
    TwipPlacement{u"Label5", {120, 360, 1452, 252}},
    TwipPlacement{u"txtMol", {1680, 360, 732, 288}},
    TwipPlacement{u"Label1", {2520, 360, 732, 252}},
    TwipPlacement{u"Label6", {120, 720, 1332, 252}},
    TwipPlacement{u"txtVol", {1680, 720, 732, 288}},
    TwipPlacement{u"Label7", {2520, 720, 492, 252}},
};

constexpr std::array ResultLayout{
    TwipPlacement{u"txtDesc", {120, 240, 3252, 852}},
};

// Defaults that the page starts with and that Clear restores, in the program's own notation.
constexpr QStringView DefaultMolarity = u"1";
constexpr QStringView DefaultVolume = u"1";
constexpr QStringView DefaultSpecificGravity = u"1.00";
constexpr QStringView DefaultStockConcentration = u"100";
constexpr QStringView PercentUnit = u"%";
constexpr QStringView MolarUnit = u"M";

} // namespace

MolarPage::MolarPage(const ReagentBoxes &reagent, QWidget *parent)
    : CalculatorPage({u"cmdClose"_s, u"cmdClear"_s, u"cmdPrint"_s, u"cmdExample"_s, u"cmdAbout"_s},
                     reagent, parent)
{
    setObjectName(u"MolarPage"_s);
}

void MolarPage::build()
{
    buildElementFrame();
    buildStockFrame();
    buildRequiredFrame();
    buildResult();
    setStepCaptions(true);
}

void MolarPage::buildElementFrame()
{
    m_elementFrame =
        addFrame(this, u"Frame1", QString(), onPage(placementOf(PageLayout, u"Frame1")));

    m_calculated = addOption(m_elementFrame, u"optCal", u"Calculate Mol Wt"_s,
                             placementOf(Frame1Layout, u"optCal"));
    m_manual = addOption(m_elementFrame, u"optMan", u"Enter Manual Mol Wt"_s,
                         placementOf(Frame1Layout, u"optMan"));
    setTextColor(m_calculated, DarkRed);
    setTextColor(m_manual, DarkRed);
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

    auto *element =
        addLabel(m_elementFrame, u"Label2", u"Element"_s, placementOf(Frame1Layout, u"Label2"));
    auto *number =
        addLabel(m_elementFrame, u"Label8", u"Number"_s, placementOf(Frame1Layout, u"Label8"));
    auto *weight = addLabel(m_elementFrame, u"Label3", u"Molecular Weight"_s,
                            placementOf(Frame1Layout, u"Label3"));
    weight->setWordWrap(true);
    auto *total = addLabel(m_elementFrame, u"Label4", u"Total Molecular Weight = "_s,
                           placementOf(Frame1Layout, u"Label4"));

    m_rows = addFormulaRows(
        m_elementFrame, {u"cmbEl"_s, u"cmbN"_s, u"txtWt"_s, u"txtTot"_s, FirstRowTop, TotalTop});
    element->setBuddy(m_rows->elementBox(1));
    number->setBuddy(m_rows->countBox(1));
    weight->setBuddy(m_rows->weightBox(1));
    total->setBuddy(m_rows->totalBox());
}

void MolarPage::buildStockFrame()
{
    m_stockFrame = addFrame(this, u"Frame4", QString(), onPage(placementOf(PageLayout, u"Frame4")));

    auto *concentration = addLabel(m_stockFrame, u"Label12", u"Conc of Stock Soln:"_s,
                                   placementOf(Frame4Layout, u"Label12"));
    m_stockConcentration = addTextBox(
        m_stockFrame, u"txtConc", DefaultStockConcentration.toString(),
        placementOf(Frame4Layout, u"txtConc"), u"Enter the Conc of the Stock Solution"_s);
    concentration->setBuddy(m_stockConcentration);

    auto *unit = new ChoiceComboBox(m_stockFrame);
    m_stockUnit = unit;
    m_stockUnit->setObjectName(u"cmbSConc"_s);
    m_stockUnit->setGeometry(placementOf(Frame4Layout, u"cmbSConc").toPixels());

    m_stockUnit->setInsertPolicy(QComboBox::NoInsert);
    m_stockUnit->addItems({PercentUnit.toString(), MolarUnit.toString()});
    m_stockUnit->setEditText(PercentUnit.toString());
    // Only choosing an item switches the unit; typing into the box runs nothing.
    connect(unit, &ChoiceComboBox::itemChosen, this, &MolarPage::switchStockUnit);

    auto *gravity = addLabel(m_stockFrame, u"Label13", u"Specific Gravity:"_s,
                             placementOf(Frame4Layout, u"Label13"));
    m_specificGravity = addTextBox(m_stockFrame, u"txtSG", localizedNumber(DefaultSpecificGravity),
                                   placementOf(Frame4Layout, u"txtSG"),
                                   u"Enter the Specific Gravity if required."_s);
    gravity->setBuddy(m_specificGravity);
}

void MolarPage::buildRequiredFrame()
{
    m_requiredFrame =
        addFrame(this, u"Frame2", QString(), onPage(placementOf(PageLayout, u"Frame2")));

    auto *molarity = addLabel(m_requiredFrame, u"Label5", u"Molarity Required:"_s,
                              placementOf(Frame2Layout, u"Label5"));
    m_molarity = addTextBox(m_requiredFrame, u"txtMol", DefaultMolarity.toString(),
                            placementOf(Frame2Layout, u"txtMol"), u"Enter the Molarity required"_s);
    molarity->setBuddy(m_molarity);
    addLabel(m_requiredFrame, u"Label1", u"Molar"_s, placementOf(Frame2Layout, u"Label1"));

    auto *volume = addLabel(m_requiredFrame, u"Label6", u"Volume Required:"_s,
                            placementOf(Frame2Layout, u"Label6"));
    m_volume = addTextBox(m_requiredFrame, u"txtVol", DefaultVolume.toString(),
                          placementOf(Frame2Layout, u"txtVol"),
                          u"Enter how many  Litres you wish to make"_s);
    volume->setBuddy(m_volume);
    addLabel(m_requiredFrame, u"Label7", u"Litre(s)"_s, placementOf(Frame2Layout, u"Label7"));
}

void MolarPage::buildResult()
{
    m_calculate =
        addBoldButton(this, u"cmdCal", QString(), onPage(placementOf(PageLayout, u"cmdCal")),
                      u"Click here to calculate your result"_s);
    onClicked(m_calculate, [this] { calculate(); });

    auto *frame =
        addFrame(this, u"fraResult", u"Result"_s, onPage(placementOf(PageLayout, u"fraResult")));
    frame->setVisible(false);

    // The outcome boxes start empty: whatever they hold reaches a printed sheet.
    m_outcome = {
        addHiddenBox(this, u"txtResult"),
        addMethodBox(frame, u"txtDesc", placementOf(ResultLayout, u"txtDesc")),
        frame,
        {addHiddenBox(this, u"txtD1"), addHiddenBox(this, u"txtD2"), addHiddenBox(this, u"txtD3")}};
}

QList<QWidget *> MolarPage::focusOrder(FocusSection section) const
{
    if (!isBuilt())
        return section == FocusSection::Inputs ? buttonBar()->focusOrder() : QList<QWidget *>();
    switch (section) {
    case FocusSection::Inputs:
        return m_rows->inputFocusOrder() +
               QList<QWidget *>{m_stockConcentration, m_specificGravity, m_molarity, m_volume,
                                m_calculate} +
               buttonBar()->focusOrder();
    case FocusSection::ReadOnly:
        return {m_rows->weightBox(6), m_rows->weightBox(1), m_rows->totalBox(),
                m_rows->weightBox(2), m_rows->weightBox(3), m_rows->weightBox(4),
                m_rows->weightBox(5)};
    case FocusSection::Last:
        return {m_stockUnit, m_calculated, m_manual};
    }
    return {};
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

void MolarPage::setStepCaptions(bool withElementStep)
{
    if (withElementStep) {
        m_elementFrame->setTitle(u"1. Select Elements"_s);
        m_stockFrame->setTitle(u"2. Stock Solution"_s);
        m_requiredFrame->setTitle(u"3. Required Solution"_s);
        m_calculate->setText(u"4. Calculate"_s);
    } else {
        m_stockFrame->setTitle(u"1. Stock Solution"_s);
        m_requiredFrame->setTitle(u"2. Required Solution"_s);
        m_calculate->setText(u"3. Calculate"_s);
    }
}

void MolarPage::switchStockUnit()
{
    const QString unit = m_stockUnit->currentText();
    if (unit == MolarUnit) {
        m_elementFrame->setVisible(false);
        m_specificGravity->setVisible(false);
        setStepCaptions(false);
        m_rows->totalBox()->setText(u"1"_s);
    } else if (unit == PercentUnit) {
        clear();
    }
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

    const MolarResult result = MolarCalculation::calculate(
        {total, molarity, volume, gravity, concentration, unit, formula}, userNumberLocale());

    if (std::holds_alternative<InputFailure>(result)) {
        showInputError();
    } else if (const auto *outcome = std::get_if<MolarOutcome>(&result)) {
        writeOutcome(m_outcome, outcome->resultText, outcome->methodText, outcome->printLines);
    }
    // An arithmetic failure leaves the page as it was, without a word.
}

void MolarPage::clear()
{
    m_rows->clear();
    setReagent(QString(), QString());
    m_molarity->setText(DefaultMolarity.toString());
    m_volume->setText(DefaultVolume.toString());
    m_specificGravity->setText(localizedNumber(DefaultSpecificGravity));
    m_stockConcentration->setText(DefaultStockConcentration.toString());
    m_elementFrame->setVisible(true);
    m_outcome.methodFrame->setVisible(false);
    m_specificGravity->setVisible(true);
    m_stockUnit->setCurrentIndex(m_stockUnit->findText(PercentUnit.toString()));
    setStepCaptions(true);
}

void MolarPage::example()
{
    clear();
    setReagent(u"H2SO4"_s, u"Sulphuric Acid"_s);
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

void MolarPage::print()
{
    CalculationSheet sheet;
    sheet.variant = SheetVariant::Molar;
    sheet.printLines = printLineTexts(m_outcome);
    sheet.chemicalName = reagent().name->text();
    sheet.chemicalFormula = reagentFormula();
    sheet.strength = m_molarity->text();
    sheet.strengthUnit = MolarUnit.toString();
    printSheet(sheet);
}

} // namespace molvera
