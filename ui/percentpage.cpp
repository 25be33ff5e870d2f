#include "percentpage.h"

#include "numberlocale.h"
#include "pagewidgets.h"

#include <calc/percentcalculation.h>
#include <print/calculationsheet.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// Twips, from the tab control's corner for the page's own controls and from the frame's corner
// for what a frame holds.
constexpr std::array PageLayout{
    TwipPlacement{u"fraCon", {120, 600, 2172, 1332}},
    TwipPlacement{u"fraStk1", {2400, 600, 4572, 1332}},
    TwipPlacement{u"Frame3", {120, 2040, 3252, 1812}},
    TwipPlacement{u"cmdConc", {3480, 2160, 3492, 372}},
    TwipPlacement{u"fraCMeth", {3480, 2640, 3492, 1212}},
};

constexpr std::array FraConLayout{
    TwipPlacement{u"opWW", {240, 240, 1452, 252}},
    TwipPlacement{u"opWV", {240, 600, 1332, 252}},
    TwipPlacement{u"opVV", {240, 960, 1332, 252}},
};

constexpr std::array FraStk1Layout{
    TwipPlacement{u"Label21", {120, 360, 1452, 252}},
    TwipPlacement{u"txtSCon", {1560, 360, 732, 288}},
    TwipPlacement{u"Label19", {2400, 360, 252, 252}},
    TwipPlacement{u"Label14", {120, 720, 1332, 252}},
    TwipPlacement{u"txtSSG", {1560, 720, 732, 288}},
};

constexpr std::array Frame3Layout{
    TwipPlacement{u"Label15", {240, 480, 1332, 252}},
    TwipPlacement{u"txtCCon", {1680, 480, 732, 288}},
    TwipPlacement{u"Label20", {2520, 480, 492, 252}},
    TwipPlacement{u"Label17", {240, 960, 1332, 252}},
    TwipPlacement{u"txtCVol", {1680, 960, 732, 288}},
    TwipPlacement{u"Label18", {2520, 960, 492, 252}},
};

constexpr std::array MethodLayout{
    TwipPlacement{u"txtRWW", {120, 240, 3252, 852}},
};

// The three types in the order they are offered and tested. The option's caption is also the
// unit written beside the required concentration.
struct TypeDesign
{
    ConcentrationType type;
    QStringView name;
    QStringView caption;
    QStringView toolTip;
    QStringView amountUnit;
};

constexpr std::array<TypeDesign, 3> Types{{
    {ConcentrationType::WeightPerWeight, u"opWW", u"% w/w", u"Weight per Weight Concentrations",
     u"grams"},
    {ConcentrationType::WeightPerVolume, u"opWV", u"% w/v", u"Weight per Volume Concentrations",
     u"mL"},
    {ConcentrationType::VolumePerVolume, u"opVV", u"% v/v", u"Volume per Volume Concentrations",
     u"mL"},
}};
constexpr int WeightPerVolumeIndex = 1;

// Defaults that Clear restores, in the program's own notation. Before any type is chosen the
// amount holds 1 and its units those of w/w; the frame that shows them is hidden until then.
constexpr QStringView DefaultStockConcentration = u"100";
constexpr QStringView DefaultSpecificGravity = u"1.00";
constexpr QStringView DefaultConcentration = u"15";
constexpr QStringView DefaultAmount = u"100";
constexpr QStringView InitialAmount = u"1";

} // namespace

PercentPage::PercentPage(const ReagentBoxes &reagent, QWidget *parent)
    : CalculatorPage(
          {u"cmdClose2"_s, u"cmdClearCon"_s, u"cmdPrnC"_s, u"cmdEgConc"_s, u"cmdAbout2"_s}, reagent,
          parent)
{
    static_assert(Types.size() == TypeCount);
    setObjectName(u"PercentPage"_s);
}

void PercentPage::build()
{
    buildTypeFrame();
    buildStockFrame();
    buildRequiredFrame();
    buildResult();
}

void PercentPage::buildTypeFrame()
{
    auto *frame = addFrame(this, u"fraCon", u"1. Type of Concentration"_s,
                           onPage(placementOf(PageLayout, u"fraCon")));
    for (int index = 0; index < TypeCount; ++index) {
        const TypeDesign &design = Types[index];
        QRadioButton *option = addOption(frame, design.name, design.caption.toString(),
                                         placementOf(FraConLayout, design.name));
        option->setToolTip(design.toolTip.toString());
        m_types[index] = option;

        // A type is chosen whenever its option becomes selected, by the user or by code, and
        // also when the user clicks the option that is already selected: each choice starts the
        // amount again at 100.
        connect(option, &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked)
                chooseType(index);
        });
        connect(option, &QRadioButton::pressed, this,
                [this, option] { m_clickOnChosenType = option->isChecked(); });
        connect(option, &QRadioButton::clicked, this, [this, index] {
            if (m_clickOnChosenType)
                chooseType(index);
        });
    }
}

void PercentPage::buildStockFrame()
{
    auto *frame = addFrame(this, u"fraStk1", u"2. Stock Solution"_s,
                           onPage(placementOf(PageLayout, u"fraStk1")));

    auto *concentration = addLabel(frame, u"Label21", u"Conc of Stock Soln:"_s,
                                   placementOf(FraStk1Layout, u"Label21"));
    m_stockConcentration = addTextBox(frame, u"txtSCon", DefaultStockConcentration.toString(),
                                      placementOf(FraStk1Layout, u"txtSCon"),
                                      u"Enter the Conc of the Stock Solution"_s);
    concentration->setBuddy(m_stockConcentration);
    addLabel(frame, u"Label19", u"%"_s, placementOf(FraStk1Layout, u"Label19"));

    auto *gravity =
        addLabel(frame, u"Label14", u"Specific Gravity:"_s, placementOf(FraStk1Layout, u"Label14"));
    m_specificGravity =
        addTextBox(frame, u"txtSSG", localizedNumber(DefaultSpecificGravity),
                   placementOf(FraStk1Layout, u"txtSSG"), u"Enter the SG of the stock solution"_s);
    gravity->setBuddy(m_specificGravity);
}

void PercentPage::buildRequiredFrame()
{
    m_requiredFrame = addFrame(this, u"Frame3", u"3. Required Solution"_s,
                               onPage(placementOf(PageLayout, u"Frame3")));
    // Shown once a type is chosen, which also sets the units.
    m_requiredFrame->setVisible(false);

    auto *concentration = addLabel(m_requiredFrame, u"Label15", u"Conc Required:"_s,
                                   placementOf(Frame3Layout, u"Label15"));
    m_concentration =
        addTextBox(m_requiredFrame, u"txtCCon", DefaultConcentration.toString(),
                   placementOf(Frame3Layout, u"txtCCon"), u"Enter the Concentration required"_s);
    concentration->setBuddy(m_concentration);
    m_concentrationUnit = addLabel(m_requiredFrame, u"Label20", Types[0].caption.toString(),
                                   placementOf(Frame3Layout, u"Label20"));

    auto *amount = addLabel(m_requiredFrame, u"Label17", u"Volume Required:"_s,
                            placementOf(Frame3Layout, u"Label17"));
    m_amount =
        addTextBox(m_requiredFrame, u"txtCVol", InitialAmount.toString(),
                   placementOf(Frame3Layout, u"txtCVol"), u"Enter the amount you wish to make"_s);
    amount->setBuddy(m_amount);
    m_amountUnit =
        addLabel(m_requiredFrame, u"Label18", u"mL"_s, placementOf(Frame3Layout, u"Label18"));
}

void PercentPage::buildResult()
{
    m_calculate = addBoldButton(this, u"cmdConc", u"4. Calculate"_s,
                                onPage(placementOf(PageLayout, u"cmdConc")),
                                u"Click here to calculate your result"_s);
    onClicked(m_calculate, [this] { calculate(); });

    auto *frame =
        addFrame(this, u"fraCMeth", u"Method"_s, onPage(placementOf(PageLayout, u"fraCMeth")));
    frame->setVisible(false);

    // The outcome boxes start empty: whatever they hold reaches a printed sheet.
    m_solvent = addHiddenBox(this, u"txtCSolv");
    m_outcome = {
        addHiddenBox(this, u"txtCRes"),
        addMethodBox(frame, u"txtRWW", placementOf(MethodLayout, u"txtRWW")),
        frame,
        {addHiddenBox(this, u"txtC1"), addHiddenBox(this, u"txtC2"), addHiddenBox(this, u"txtC3")}};
}

QList<QWidget *> PercentPage::focusOrder(FocusSection section) const
{
    if (section != FocusSection::Inputs)
        return {};
    if (!isBuilt())
        return buttonBar()->focusOrder();
    return QList<QWidget *>{m_types.begin(), m_types.end()} +
           QList<QWidget *>{m_stockConcentration, m_specificGravity, m_concentration, m_amount,
                            m_calculate} +
           buttonBar()->focusOrder();
}

void PercentPage::chooseType(int index)
{
    const TypeDesign &design = Types[index];
    m_requiredFrame->setVisible(true);
    m_concentrationUnit->setText(design.caption.toString());
    m_amount->setText(DefaultAmount.toString());
    m_amountUnit->setText(design.amountUnit.toString());
}

std::optional<ConcentrationType> PercentPage::chosenType() const
{
    for (int index = 0; index < TypeCount; ++index) {
        if (m_types[index]->isChecked())
            return Types[index].type;
    }
    return std::nullopt;
}

void PercentPage::calculate()
{
    const std::string stockConcentration = toUtf8(m_stockConcentration->text());
    const std::string gravity = toUtf8(m_specificGravity->text());
    const std::string amount = toUtf8(m_amount->text());
    const std::string concentration = toUtf8(m_concentration->text());
    const std::string formula = toUtf8(reagentFormula());

    const PercentResult result = PercentCalculation::calculate(
        chosenType(), {stockConcentration, gravity, amount, concentration, formula},
        userNumberLocale());

    if (std::holds_alternative<InputFailure>(result)) {
        showInputError();
    } else if (const auto *outcome = std::get_if<PercentOutcome>(&result)) {
        // Only w/w has a solvent; the other types leave the last one where it was.
        if (outcome->solventText)
            m_solvent->setText(fromUtf8(*outcome->solventText));
        writeOutcome(m_outcome, outcome->resultText, outcome->methodText, outcome->printLines);
    }
    // An arithmetic failure, or no type chosen, leaves the page as it was, without a word.
}

void PercentPage::clear()
{
    setReagent(QString(), QString());
    m_outcome.methodFrame->setVisible(false);
    m_stockConcentration->setText(DefaultStockConcentration.toString());
    m_specificGravity->setText(localizedNumber(DefaultSpecificGravity));
    m_amount->setText(DefaultAmount.toString());
    m_concentration->setText(DefaultConcentration.toString());
}

void PercentPage::example()
{
    setReagent(u"NaCl"_s, u"Sodium Chloride"_s);
    // Selecting w/v prepares the required solution as the user's choice does; if it is already
    // selected, all that choice would change is the amount, which is set next.
    m_types[WeightPerVolumeIndex]->setChecked(true);
    m_stockConcentration->setText(u"98"_s);
    m_concentration->setText(u"20"_s);
    m_amount->setText(u"600"_s);
    calculate();
}

void PercentPage::print()
{
    CalculationSheet sheet;
    sheet.variant = SheetVariant::Percent;
    sheet.printLines = printLineTexts(m_outcome);
    sheet.chemicalName = reagent().name->text();
    sheet.chemicalFormula = reagentFormula();
    sheet.strength = m_concentration->text();
    sheet.strengthUnit = m_concentrationUnit->text();
    printSheet(sheet);
}

} // namespace molvera
