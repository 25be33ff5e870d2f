#include "hydratepage.h"

#include "formularows.h"

#include <book/bottle.h>
#include <book/starterbottles.h>
#include <calc/formulareading.h>
#include <calc/hydratecalculation.h>
#include <calc/hydrateformula.h>
#include <print/sheettexts.h>
#include <ui/forms/numberlocale.h>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

constexpr CalculatorPage::Design ThisPage{
    .objectName = u"HydratePage",
    .caption = TabCaptions::Hydrate,
    .buttons = {u"cmdHCls", u"cmdHCl", u"cmdHPrnt", u"cmdHEg", u"cmdHAbout"},
    .sheet = SheetVariant::Hydrate,
};

// Row n at 600 + 360 × (n − 1) in Frame8.
constexpr FormulaRowsLayout FormulaLayout{
    .elementPrefix = u"cmbHE",
    .countPrefix = u"cmbHN",
    .weightPrefix = u"txtHW",
    .totalName = u"txtHTot",
    .firstRowTop = 600,
    .totalTop = 2880,
    .columnHeadings = {{{u"Label33", 360}, {u"Label30", 360}, {u"Label32", 120}}},
    .totalLabel = u"Label31",
};

} // namespace

HydratePage::HydratePage(const ReagentBoxes &reagent, QWidget *parent)
    : CalculatorPage(ThisPage, reagent, parent)
{}

std::span<const ControlRow<HydratePage>> HydratePage::controls()
{
    using enum ControlKind;
    using enum Placement;
    using enum FocusSection;
    using P = HydratePage;
    // Twips from the tab control's corner, or from the frame's for the rows InFrame.
    // clang-format off
    static constexpr ControlRow<HydratePage> Table[] = {
    //   name           kind             placement  left  top   width height   tab                kept in                  caption or text                      tool-tip, name for screen readers
        {u"Frame5",     Frame,           OnForm,   { 120,  360, 3852,  732}, {},                {},                        QT_TR_NOOP("1. Type of Solution"),   {}},
        {u"opHY",       Option,          InFrame,  { 240,  360, 1572,  252}, {AfterButtons, 2}, &P::m_hydrate,             /*: The option for a concentration stated for the hydrate, with the number of waters below. The tab has the same English words, translated on their own. */ QT_TR_NOOP("Hydrate Solution"),      {}},
        {u"opAN",       Option,          InFrame,  {1920,  360, 1692,  252}, {AfterButtons, 1}, &P::m_anhydrous,           /*: The option for a concentration stated for the anhydrous salt, without waters: a salt, not a solution. */ QT_TR_NOOP("Anhydrous Solution"),    {}},
        {u"Frame8",     Frame,           OnForm,   { 120, 1200, 3852, 3492}, {},                &P::m_elementFrame,        QT_TR_NOOP("2. Select Elements"),    {}},
        {u"Frame6",     Frame,           OnForm,   {4080,  360, 3492, 1092}, {},                {},                        /*: The substance on the shelf, usually a solid salt: the starting substance, not a solution. */ QT_TR_NOOP("3. Stock Solution"),     {}},
        {u"Label24",    FieldLabel,      InFrame,  { 120,  360, 1452,  252}, {},                {},                        /*: The purity of the substance on the shelf (the starting substance), in percent. */ QT_TR_NOOP("Conc of Stock Soln:"),   {}},
        {u"txtHCon1",   NumberBox,       InFrame,  {1680,  360,  732,  288}, {Inputs, 1},       &P::m_stockConcentration,  "100",                               QT_TR_NOOP("Enter the Conc of the Stock Solution")},
        {u"Label23",    Label,           InFrame,  {2520,  360,  252,  252}, {},                {},                        "%",                                 {}},
        {u"Label22",    FieldLabel,      InFrame,  { 120,  720, 1332,  252}, {},                {},                        QT_TR_NOOP("Number of H2O:"),        {}},
        {u"txtHH1",     NumberBox,       InFrame,  {1680,  720,  732,  288}, {Inputs, 2},       &P::m_stockWaters,         "0",                                 /*: The substance on the shelf: the starting substance, usually a solid salt. */ QT_TR_NOOP("Enter the number of H2Os in the stock solution"),     QT_TR_NOOP("Number of H2O in the stock")},
        {u"Frame7",     Frame,           OnForm,   {4080, 1560, 3492, 1452}, {},                {},                        QT_TR_NOOP("4. Required Solution"),  {}},
        {u"Label28",    FieldLabel,      InFrame,  { 240,  360, 1332,  252}, {},                {},                        QT_TR_NOOP("Conc Required:"),        {}},
        {u"txtHCon2",   NumberBox,       InFrame,  {1680,  360,  732,  288}, {Inputs, 3},       &P::m_concentration,       "15",                                QT_TR_NOOP("Enter the Concentration required")},
        {u"Label25",    Label,           InFrame,  {2520,  360,  492,  252}, {},                {},                        QT_TR_NOOP("% w/v"),                 {}},
        {u"Label29",    FieldLabel,      InFrame,  { 240,  720, 1332,  252}, {},                {},                        QT_TR_NOOP("Number of H2O:"),        {}},
        {u"txtHH2",     NumberBox,       InFrame,  {1680,  720,  732,  288}, {Inputs, 4},       &P::m_requiredWaters,      "0",                                 QT_TR_NOOP("Enter the number of H2Os required for the Hydrate"),  QT_TR_NOOP("Number of H2O required")},
        {u"Label27",    FieldLabel,      InFrame,  { 240, 1080, 1332,  252}, {},                {},                        QT_TR_NOOP("Volume Required:"),      {}},
        {u"txtHVol",    NumberBox,       InFrame,  {1680, 1080,  732,  288}, {Inputs, 5},       &P::m_volume,              "100",                               QT_TR_NOOP("Enter the amount you wish to make")},
        {u"Label26",    Label,           InFrame,  {2520, 1080,  492,  252}, {},                {},                        "mL",                                {}},
        {u"cmdHCal",    CalculateButton, OnForm,   {4080, 3120, 3492,  372}, {Inputs, 6},       {},                        QT_TR_NOOP("5. Calculate"),          QT_TR_NOOP("Click here to calculate your result")},
        {u"Frame9",     Frame,           OnForm,   {4080, 3480, 3492, 1212}, {},                {},                        QT_TR_NOOP("Method"),                {}},
        {u"txtHRes",    MethodBox,       InFrame,  { 120,  240, 3252,  852}, {},                {},                        {},                                  {}},
        {u"txtHResult", ResultBox,       OnForm,   {},                       {},                {},                        {},                                  {}},
        {u"txtH1",      PrintLine,       OnForm,   {},                       {},                {},                        {},                                  {}},
        {u"txtH2",      PrintLine,       OnForm,   {},                       {},                {},                        {},                                  {}},
        {u"txtH3",      PrintLine,       OnForm,   {},                       {},                {},                        {},                                  {}},
    };
    // clang-format on
    return Table;
}

void HydratePage::build()
{
    addControls(this, controls());
    m_rows = addFormulaRows(m_elementFrame, FormulaLayout);

    // Selecting a type, by the user or by code, sets the required waters free or to none.
    connect(m_hydrate, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            m_requiredWaters->setEnabled(true);
    });
    connect(m_anhydrous, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            setAnhydrous();
    });
    m_hydrate->setChecked(true);
}

void HydratePage::setAnhydrous()
{
    // The anhydrous salt carries no water; the box shows it and cannot be changed.
    m_requiredWaters->setText(u"0"_s);
    m_requiredWaters->setEnabled(false);
}

void HydratePage::calculate()
{
    // The label names the solution as the sentence does, by the form its strength is stated for.
    const auto labelSolution = [this](const HydrateOutcome *outcome) {
        if (outcome)
            setLabelFormula(fromUtf8(outcome->solutionFormula));
    };
    const std::string total = toUtf8(m_rows->totalBox()->text());
    const std::string stockConcentration = toUtf8(m_stockConcentration->text());
    const std::string stockWaters = toUtf8(m_stockWaters->text());
    const std::string concentration = toUtf8(m_concentration->text());
    // Read also while disabled: it then holds the anhydrous 0.
    const std::string requiredWaters = toUtf8(m_requiredWaters->text());
    const std::string volume = toUtf8(m_volume->text());
    const std::string formula = toUtf8(reagentFormula());

    labelSolution(showResult<HydrateOutcome>(
        HydrateCalculation::calculate({total, stockConcentration, stockWaters, concentration,
                                       requiredWaters, volume, formula},
                                      userNumberLocale(), translatedText),
        {m_rows->totalBox(), m_stockConcentration, m_stockWaters, m_concentration, m_requiredWaters,
         m_volume}));
}

void HydratePage::clear()
{
    m_rows->clear();
    setReagent(QString(), QString());
    restoreNumberBoxes();
    hideMethod();
    m_hydrate->setChecked(true);
}

void HydratePage::example()
{
    // Not cleared first: rows 4 to 6 and the stock and required numbers stay as they are.
    setReagent(u"CuSO4.2H2O"_s, tr("Copper Sulphate"));
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

bool HydratePage::canFillRows() const
{
    return isBuilt();
}

// The formula typed is the stock's: the rows take the salt, the stock's box its waters.
void HydratePage::fillRowsFromFormula()
{
    if (!canFillRows())
        return;
    if (const std::optional<FormulaReading> reading = readReagentFormula(WaterPart::Apart))
        takeFormula(*reading);
}

bool HydratePage::takeFormula(const FormulaReading &reading)
{
    if (const std::optional<RowsMisfit> misfit = rowsMisfit(reading)) {
        refuseRows(*misfit);
        return false;
    }
    m_rows->fill(reading.elements);
    m_stockWaters->setText(fromUtf8(writeGeneral(reading.waters, userNumberLocale())));
    return true;
}

// Only the salt is compared: the waters typed with it are the stock's, and go to its box only
// when the rows are filled. A formula that does not read leaves the rows as they are; one the
// rows cannot hold is refused, since the rows alone give the salt's weight here.
bool HydratePage::matchRowsToFormula()
{
    const FormulaRead read = readFormula(toUtf8(reagentFormula()), WaterPart::Apart);
    const auto *reading = std::get_if<FormulaReading>(&read);
    if (!reading || (!rowsMisfit(*reading) && m_rows->hold(*reading)))
        return true;
    if (!takeFormula(*reading))
        return false;
    //: A line under the answer, after Calculate filled the element rows (and the stock's number
    //: of waters) from the formula box, since they held another salt. Keep it short: one line of
    //: the box.
    noteForNextAnswer(tr("Element rows filled from the formula."));
    return true;
}

QString HydratePage::takeBottle(const Bottle &bottle)
{
    // The salt into the rows and its waters to the stock's, whatever the basis: the rows' weight
    // is the salt's.
    const FormulaRead read = readFormula(toUtf8(bottle.formula), WaterPart::Apart);
    if (const auto *reading = std::get_if<FormulaReading>(&read); reading && !rowsMisfit(*reading))
        takeFormula(*reading);
    if (bottle.basis != StockBasis::Purity) {
        //: %1 is the bottle's name as the book shows it. The page's stock is the substance on
        //: the shelf, weighed: the starting substance.
        return tr("The hydrate page weighs a solid starting substance: the strength of %1, a "
                  "solution, cannot be used here. Its formula and name are filled in.")
            .arg(shownName(bottle));
    }
    m_stockConcentration->setText(programNumber(bottle.strength));
    m_stockWaters->setText(programNumber(bottle.waters));
    return {};
}

QStringList HydratePage::stockTexts() const
{
    return {m_stockConcentration->text(), m_stockWaters->text()};
}

std::optional<Bottle> HydratePage::stockAsBottle() const
{
    const NumberLocale locale = userNumberLocale();
    const NumberRead purity = readNumber(toUtf8(m_stockConcentration->text()), locale);
    const NumberRead waters = readNumber(toUtf8(m_stockWaters->text()), locale);
    if (!std::holds_alternative<double>(purity) || !std::holds_alternative<double>(waters))
        return std::nullopt;
    Bottle bottle;
    bottle.name = reagentName().trimmed();
    // The stock on the shelf, with its own waters, whatever the formula was typed with.
    bottle.formula = fromUtf8(withWaters(toUtf8(reagentFormula().trimmed()),
                                         toUtf8(m_stockWaters->text()), std::get<double>(waters)));
    bottle.basis = StockBasis::Purity;
    bottle.strength = std::get<double>(purity);
    bottle.waters = std::get<double>(waters);
    return bottle;
}

CalculatorPage::Strength HydratePage::strength() const
{
    return hydrateStrength(m_concentration->text());
}

SheetStock HydratePage::stock() const
{
    return hydrateStock(m_stockConcentration->text(), m_stockWaters->text());
}

} // namespace molvera
