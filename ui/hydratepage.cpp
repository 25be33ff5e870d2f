#include "hydratepage.h"

#include "formularows.h"
#include "numberlocale.h"
#include "pagewidgets.h"

#include <calc/hydratecalculation.h>
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
    TwipPlacement{u"Frame5", {120, 360, 3852, 732}},
    TwipPlacement{u"Frame8", {120, 1200, 3852, 3492}},
    TwipPlacement{u"Frame6", {4080, 360, 3492, 1092}},
    TwipPlacement{u"Frame7", {4080, 1560, 3492, 1452}},
    TwipPlacement{u"cmdHCal", {4080, 3120, 3492, 372}},
    TwipPlacement{u"Frame9", {4080, 3480, 3492, 1212}},
};

constexpr std::array Frame5Layout{
    TwipPlacement{u"opHY", {240, 360, 1572, 252}},
    TwipPlacement{u"opAN", {1920, 360, 1692, 252}},
};

constexpr std::array Frame8Layout{
    TwipPlacement{u"Label33", {120, 360, 1092, 252}},
    TwipPlacement{u"Label30", {1800, 360, 732, 252}},
    TwipPlacement{u"Label32", {2760, 120, 852, 492}},
    TwipPlacement{u"Label31", {840, 2880, 1812, 252}},
};
// Element rows from 600, 360 apart; the total at 2880.
constexpr int FirstRowTop = 600;
constexpr int TotalTop = 2880;

constexpr std::array Frame6Layout{
    TwipPlacement{u"Label24", {120, 360, 1452, 252}},
    TwipPlacement{u"txtHCon1", {1680, 360, 732, 288}},
    TwipPlacement{u"Label23", {2520, 360, 252, 252}},
    TwipPlacement{u"Label22", {120, 720, 1332, 252}},
    TwipPlacement{u"txtHH1", {1680, 720, 732, 288}},
};

constexpr std::array Frame7Layout{
    TwipPlacement{u"Label28", {240, 360, 1332, 252}},
    TwipPlacement{u"txtHCon2", {1680, 360, 732, 288}},
    TwipPlacement{u"Label25", {2520, 360, 492, 252}},
    TwipPlacement{u"Label29", {240, 720, 1332, 252}},
    TwipPlacement{u"txtHH2", {1680, 720, 732, 288}},
    TwipPlacement{u"Label27", {240, 1080, 1332, 252}},
    TwipPlacement{u"txtHVol", {1680, 1080, 732, 288}},
    TwipPlacement{u"Label26", {2520, 1080, 492, 252}},
};

constexpr std::array MethodLayout{
    TwipPlacement{u"txtHRes", {120, 240, 3252, 852}},
};

// Defaults that the page starts with and that Clear restores.
constexpr QStringView DefaultStockConcentration = u"100";
constexpr QStringView DefaultWaters = u"0";
constexpr QStringView DefaultConcentration = u"15";
constexpr QStringView DefaultVolume = u"100";

} // namespace

HydratePage::HydratePage(const ReagentBoxes &reagent, QWidget *parent)
    : CalculatorPage({u"cmdHCls"_s, u"cmdHCl"_s, u"cmdHPrnt"_s, u"cmdHEg"_s, u"cmdHAbout"_s},
                     reagent, parent)
{
    setObjectName(u"HydratePage"_s);
}

void HydratePage::build()
{
    buildTypeFrame();
    buildElementFrame();
    buildStockFrame();
    buildRequiredFrame();
    buildResult();
    m_hydrate->setChecked(true);
}

void HydratePage::buildTypeFrame()
{
    auto *frame = addFrame(this, u"Frame5", u"1. Type of Solution"_s,
                           onPage(placementOf(PageLayout, u"Frame5")));
    m_hydrate =
        addOption(frame, u"opHY", u"Hydrate Solution"_s, placementOf(Frame5Layout, u"opHY"));
    m_anhydrous =
        addOption(frame, u"opAN", u"Anhydrous Solution"_s, placementOf(Frame5Layout, u"opAN"));
    // Selecting a type, by the user or by code, sets the required waters free or to none.
    connect(m_hydrate, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            m_requiredWaters->setEnabled(true);
    });
    connect(m_anhydrous, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            setAnhydrous();
    });
}

void HydratePage::buildElementFrame()
{
    auto *frame = addFrame(this, u"Frame8", u"2. Select Elements"_s,
                           onPage(placementOf(PageLayout, u"Frame8")));

    auto *element =
        addLabel(frame, u"Label33", u"Element"_s, placementOf(Frame8Layout, u"Label33"));
    auto *number = addLabel(frame, u"Label30", u"Number"_s, placementOf(Frame8Layout, u"Label30"));
    auto *weight =
        addLabel(frame, u"Label32", u"Molecular Weight"_s, placementOf(Frame8Layout, u"Label32"));
    weight->setWordWrap(true);
    auto *total = addLabel(frame, u"Label31", u"Total Molecular Weight = "_s,
                           placementOf(Frame8Layout, u"Label31"));

    m_rows = addFormulaRows(
        frame, {u"cmbHE"_s, u"cmbHN"_s, u"txtHW"_s, u"txtHTot"_s, FirstRowTop, TotalTop});
    element->setBuddy(m_rows->elementBox(1));
    number->setBuddy(m_rows->countBox(1));
    weight->setBuddy(m_rows->weightBox(1));
    total->setBuddy(m_rows->totalBox());
}

void HydratePage::buildStockFrame()
{
    auto *frame = addFrame(this, u"Frame6", u"3. Stock Solution"_s,
                           onPage(placementOf(PageLayout, u"Frame6")));

    auto *concentration = addLabel(frame, u"Label24", u"Conc of Stock Soln:"_s,
                                   placementOf(Frame6Layout, u"Label24"));
    m_stockConcentration = addTextBox(frame, u"txtHCon1", DefaultStockConcentration.toString(),
                                      placementOf(Frame6Layout, u"txtHCon1"),
                                      u"Enter the Conc of the Stock Solution"_s);
    concentration->setBuddy(m_stockConcentration);
    addLabel(frame, u"Label23", u"%"_s, placementOf(Frame6Layout, u"Label23"));

    auto *waters =
        addLabel(frame, u"Label22", u"Number of H2O:"_s, placementOf(Frame6Layout, u"Label22"));
    m_stockWaters =
        addTextBox(frame, u"txtHH1", DefaultWaters.toString(), placementOf(Frame6Layout, u"txtHH1"),
                   u"Enter the number of H2Os in the stock solution"_s);
    waters->setBuddy(m_stockWaters);
}

void HydratePage::buildRequiredFrame()
{
    auto *frame = addFrame(this, u"Frame7", u"4. Required Solution"_s,
                           onPage(placementOf(PageLayout, u"Frame7")));

    auto *concentration =
        addLabel(frame, u"Label28", u"Conc Required:"_s, placementOf(Frame7Layout, u"Label28"));
    m_concentration =
        addTextBox(frame, u"txtHCon2", DefaultConcentration.toString(),
                   placementOf(Frame7Layout, u"txtHCon2"), u"Enter the Concentration required"_s);
    concentration->setBuddy(m_concentration);
    m_concentrationUnit =
        addLabel(frame, u"Label25", u"% w/v"_s, placementOf(Frame7Layout, u"Label25"));

    auto *waters =
        addLabel(frame, u"Label29", u"Number of H2O:"_s, placementOf(Frame7Layout, u"Label29"));
    m_requiredWaters =
        addTextBox(frame, u"txtHH2", DefaultWaters.toString(), placementOf(Frame7Layout, u"txtHH2"),
                   u"Enter the number of H2Os required for the Hydrate"_s);
    waters->setBuddy(m_requiredWaters);

    auto *volume =
        addLabel(frame, u"Label27", u"Volume Required:"_s, placementOf(Frame7Layout, u"Label27"));
    m_volume =
        addTextBox(frame, u"txtHVol", DefaultVolume.toString(),
                   placementOf(Frame7Layout, u"txtHVol"), u"Enter the amount you wish to make"_s);
    volume->setBuddy(m_volume);
    addLabel(frame, u"Label26", u"mL"_s, placementOf(Frame7Layout, u"Label26"));
}

void HydratePage::buildResult()
{
    m_calculate = addBoldButton(this, u"cmdHCal", u"5. Calculate"_s,
                                onPage(placementOf(PageLayout, u"cmdHCal")),
                                u"Click here to calculate your result"_s);
    onClicked(m_calculate, [this] { calculate(); });

    auto *frame =
        addFrame(this, u"Frame9", u"Method"_s, onPage(placementOf(PageLayout, u"Frame9")));
    frame->setVisible(false);

    // The outcome boxes start empty: whatever they hold reaches a printed sheet.
    m_outcome = {
        addHiddenBox(this, u"txtHResult"),
        addMethodBox(frame, u"txtHRes", placementOf(MethodLayout, u"txtHRes")),
        frame,
        {addHiddenBox(this, u"txtH1"), addHiddenBox(this, u"txtH2"), addHiddenBox(this, u"txtH3")}};
}

QList<QWidget *> HydratePage::focusOrder(FocusSection section) const
{
    if (!isBuilt())
        return section == FocusSection::Inputs ? buttonBar()->focusOrder() : QList<QWidget *>();
    switch (section) {
    case FocusSection::Inputs:
        return m_rows->inputFocusOrder() +
               QList<QWidget *>{m_stockConcentration, m_stockWaters, m_concentration,
                                m_requiredWaters,     m_volume,      m_calculate} +
               buttonBar()->focusOrder() + QList<QWidget *>{m_anhydrous, m_hydrate};
    case FocusSection::ReadOnly:
        return {m_rows->weightBox(1), m_rows->weightBox(2), m_rows->weightBox(3),
                m_rows->weightBox(4), m_rows->weightBox(5), m_rows->weightBox(6),
                m_rows->totalBox()};
    case FocusSection::Last:
        return {};
    }
    return {};
}

void HydratePage::setAnhydrous()
{
    // The anhydrous salt carries no water; the box shows it and cannot be changed.
    m_requiredWaters->setText(DefaultWaters.toString());
    m_requiredWaters->setEnabled(false);
}

void HydratePage::calculate()
{
    const std::string total = toUtf8(m_rows->totalBox()->text());
    const std::string stockConcentration = toUtf8(m_stockConcentration->text());
    const std::string stockWaters = toUtf8(m_stockWaters->text());
    const std::string concentration = toUtf8(m_concentration->text());
    // Read also while disabled: it then holds the anhydrous 0.
    const std::string requiredWaters = toUtf8(m_requiredWaters->text());
    const std::string volume = toUtf8(m_volume->text());
    const std::string formula = toUtf8(reagentFormula());

    const HydrateResult result = HydrateCalculation::calculate(
        {total, stockConcentration, stockWaters, concentration, requiredWaters, volume, formula},
        userNumberLocale());

    if (std::holds_alternative<InputFailure>(result)) {
        showInputError();
    } else if (const auto *outcome = std::get_if<HydrateOutcome>(&result)) {
        writeOutcome(m_outcome, outcome->resultText, outcome->methodText, outcome->printLines);
    }
    // An arithmetic failure leaves the page as it was, without a word.
}

void HydratePage::clear()
{
    m_rows->clear();
    setReagent(QString(), QString());
    m_stockConcentration->setText(DefaultStockConcentration.toString());
    m_stockWaters->setText(DefaultWaters.toString());
    m_concentration->setText(DefaultConcentration.toString());
    m_requiredWaters->setText(DefaultWaters.toString());
    m_volume->setText(DefaultVolume.toString());
    m_outcome.methodFrame->setVisible(false);
    m_hydrate->setChecked(true);
}

void HydratePage::example()
{
    // Not cleared first: rows 4 to 6 and the stock and required numbers stay as they are.
    setReagent(u"CuSO4.2H20"_s, u"Copper Sulphate"_s);
    m_rows->setRow(1, u"Cu - Copper"_s, u"1"_s);
    m_rows->commitRow(1);
    m_rows->setRow(2, u"S  - Sulphur"_s, u"1"_s);
    m_rows->commitRow(2);
    m_rows->setRow(3, u"O  - Oxygen"_s, u"4"_s);
    m_requiredWaters->setText(u"2"_s);
    m_hydrate->setChecked(true);
    m_rows->commitRow(3);
    calculate();
}

void HydratePage::print()
{
    CalculationSheet sheet;
    sheet.variant = SheetVariant::Hydrate;
    sheet.printLines = printLineTexts(m_outcome);
    sheet.chemicalName = reagent().name->text();
    sheet.chemicalFormula = reagentFormula();
    sheet.strength = m_concentration->text();
    sheet.strengthUnit = m_concentrationUnit->text();
    printSheet(sheet);
}

} // namespace molvera
