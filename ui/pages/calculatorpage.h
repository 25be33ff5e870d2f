#pragma once

#include "pagebuttonbar.h"
#include "refusalmessages.h"
#include "sheetlabel.h"

#include <calc/calculationresult.h>
#include <calc/formulareading.h>
#include <print/calculationsheet.h>
#include <ui/forms/formtable.h>

#include <QCoreApplication>
#include <QList>
#include <QWidget>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <variant>

class QAbstractButton;
class QAction;
class QLineEdit;
class QMenu;

namespace molvera {

struct Bottle;
class FormulaRows;
struct FormulaRowsLayout;
class MethodBox;
struct PageSheet;

// The tabs' captions, translated in a context of their own: the same English words may stand in a
// tab and on its page ("Hydrate Solution") and read differently in another language.
class TabCaptions
{
    Q_DECLARE_TR_FUNCTIONS(molvera::TabCaptions)

public:
    //: The tab of the page for molar solutions.
    static constexpr const char *Molar = QT_TR_NOOP("Molar Solution");
    //: The tab of the page for percent solutions.
    static constexpr const char *Percent = QT_TR_NOOP("% Solution");
    //: The tab of the page for solutions of hydrates. The page's option for a hydrate has the
    //: same English words, translated on their own.
    static constexpr const char *Hydrate = QT_TR_NOOP("Hydrate Solution");
};

// The header boxes that all pages share: the reagent's chemical formula and chemical name.
struct ReagentBoxes
{
    QLineEdit *formula = nullptr; // txtReag
    QLineEdit *name = nullptr;    // txtName
};

// What the three calculator pages have in common: the button column with Exit and About, the
// shared header boxes, committing a half-typed count before a button acts, the input error box,
// the outcome of the last calculation and printing it. Besides Print, the sheet can be previewed
// and saved as PDF, from the Print button's context menu or by the page's shortcuts. A sheet is
// the record of the last successful calculation: its print lines and its whole label (name,
// formula, strength) as they stood then, so that a label never names a strength or a reagent the
// instructions were not worked out for.
//
// A page is a table of controls (formtable.h), laid out in twips from the tab control's corner
// (frames' contents from their frame's corner). The page keeps its outcome in the table's
// ResultBox, MethodBox and PrintLine rows, and its CalculateButton runs calculate().
class CalculatorPage : public QWidget
{
    Q_OBJECT

public:
    // What tells one page from another, besides its table.
    struct Design
    {
        QStringView objectName; // "MolarPage"
        const char *caption;    // the tab's caption, one of TabCaptions
        PageButtonNames buttons;
        SheetVariant sheet;
    };

    // Where Print sends a sheet: the default printer, unless a test records it instead.
    using SheetOutput = std::function<PrintStatus(const CalculationSheet &)>;

    // The tab strip ends where the pages' first frames begin; page widgets start there.
    static constexpr int PageTopTwips = 360;

    CalculatorPage(const Design &design, const ReagentBoxes &reagent, QWidget *parent = nullptr);
    ~CalculatorPage() override;

    QString caption() const;
    PageButtonBar *buttonBar() const { return m_buttonBar; }

    // A page builds its controls in build(), which runs when the page is first shown, so that the
    // pages behind the first cost nothing at start-up; whoever needs its controls earlier calls
    // ensureBuilt().
    void ensureBuilt();
    bool isBuilt() const { return m_built; }

    // The page's part of the window's focus order. For Inputs: the formula rows' boxes, the
    // table's inputs, the buttons, then the table's AfterButtons. Before build() has run, the
    // page offers only its buttons.
    QList<QWidget *> focusOrder(FocusSection section) const;

    void setSheetOutput(SheetOutput output);

    // Puts a bottle of the reagent book on the page: its formula and name in the header, its
    // substance in the element rows (or its molecular weight), and its stock where the page can
    // use its basis; a box says in one sentence what the page could not use. The answer shown is
    // out of date then, as after any change; the sheet names the bottle while the page's stock
    // is still the bottle's.
    void useBottle(const Bottle &bottle);
    // The page's stock as a bottle for the book (its basis, strength, specific gravity and
    // waters), with the header's name and the stock's formula; nothing when its strength does
    // not read.
    virtual std::optional<Bottle> stockAsBottle() const = 0;

    // Whether the page has element rows that the formula box can fill now.
    virtual bool canFillRows() const { return false; }
    // Fills the element rows from the formula box, or says why the formula cannot be read.
    virtual void fillRowsFromFormula() {}

Q_SIGNALS:
    void exitRequested();
    void aboutRequested();
    // The page's controls exist now: the window puts them into its focus order.
    void built();

protected:
    // The strength that the printed label gives.
    using Strength = SheetStrength;

    // Creates the page's controls with their initial values, by addControls(); runs once.
    virtual void build() = 0;
    virtual void calculate() = 0;
    virtual void clear() = 0;
    virtual void example() = 0;
    virtual Strength strength() const = 0;
    // The stock the calculation used, for the sheet.
    virtual SheetStock stock() const = 0;
    // Fills the page's substance and stock from a bottle whose formula and name the header holds
    // already; gives what the page could not use, in one sentence, or nothing.
    virtual QString takeBottle(const Bottle &bottle) = 0;
    // The texts that make the page's stock, to tell whether it is still a bottle's.
    virtual QStringList stockTexts() const = 0;
    // Before Calculate: makes the element rows agree with a formula the formula box holds, so
    // that the sentence and the label never name one substance and the rows weigh another.
    // False when the calculation must not go on (the page has said why).
    virtual bool matchRowsToFormula() { return true; }

    void showEvent(QShowEvent *event) override;
    // Enter (Return or the keypad's) presses a focused button, as Space does; anywhere else on
    // the page it presses Calculate, the page's answer to what has been typed.
    void keyPressEvent(QKeyEvent *event) override;

    template<typename Page> void addControls(Page *page, std::span<const ControlRow<Page>> rows)
    {
        adopt(buildControls(page, rows, {.topTwips = PageTopTwips}));
    }
    // Six formula rows and their total in `frame`, committed before every button acts.
    FormulaRows *addFormulaRows(QWidget *frame, const FormulaRowsLayout &rowsLayout);

    QString reagentFormula() const;
    QString reagentName() const;
    // The formula box read; a refusal is told in a box and gives nothing.
    std::optional<FormulaReading> readReagentFormula(WaterPart water);
    // The box that says why the element rows cannot hold a formula read.
    void refuseRows(const RowsMisfit &misfit);
    // The label of the sheet just recorded names the solution so, rather than as typed.
    void setLabelFormula(const QString &formula);
    // What the next answer says of how its inputs came about: that the rows were filled from
    // the formula box at Calculate. Shown with the next outcome only.
    void noteForNextAnswer(const QString &note);
    void setReagent(const QString &formula, const QString &name);
    // Gives every NumberBox of the table its initial text again.
    void restoreNumberBoxes();
    // Hides the method's frame; the outcome boxes keep what they hold, for printing.
    void hideMethod();

    // Shows a calculation's result: the input error box for an input failure, after which the
    // keyboard goes to the box that could not be read (`inputs` are the boxes in the order of
    // the calculation's inputs); a box that says why for a calculation that cannot be computed
    // or a preparation that cannot be made; the outcome in the outcome boxes (shown in the
    // method's frame) for success. Only an outcome changes the page. Returns the outcome, if any.
    template<typename Outcome, typename... Alternatives>
    const Outcome *showResult(const std::variant<Alternatives...> &result,
                              const QList<QWidget *> &inputs)
    {
        if (const auto *failure = std::get_if<InputFailure>(&result))
            showInputError(inputs.value(failure->input));
        showRefusal(std::visit([](const auto &kind) { return refusalMessage(kind); }, result));
        const Outcome *outcome = std::get_if<Outcome>(&result);
        if (outcome)
            writeOutcome(outcome->resultText, outcome->methodText, outcome->printLines);
        else
            markMethodOutOfDate();
        return outcome;
    }

private:
    void adopt(const QList<BuiltControl> &controls);
    void watchInputs();
    // Marks the method on show as out of date: what it was worked out from has changed, or a
    // calculation since has been refused.
    void markMethodOutOfDate();
    void writeOutcome(const std::string &resultText, const std::string &methodText,
                      const PrintLines &printLines);
    // The one way bad input is reported; it does not block, the handler just ends after it.
    // Once it is closed, `unread` (if it can) takes the keyboard focus.
    void showInputError(QWidget *unread);
    // The box that says why there are no instructions; nothing for a message without text.
    void showRefusal(const RefusalMessage &message);
    // What the Print button's context menu offers, each also on a shortcut of the page.
    enum class SheetAction { Print, Preview, SaveAsPdf };

    void addSheetActions();
    void showPrintMenu(const QPoint &at);
    void runSheetAction(SheetAction action);
    // Prints or saves the sheet; while the method on show is out of date, asks first.
    void sendSheet(SheetAction action);
    // Asks whether to calculate first, send the last calculation's sheet as it is, or neither.
    void askAboutOutOfDateSheet(SheetAction action);
    void sendLastSheet(SheetAction action);
    PageSheet readSheet();
    void print();
    // The sheet of a calculation that succeeded, as the boxes stand while its outcome is
    // written: the print lines, the label and the stock.
    CalculationSheet sheetOf(const PrintLines &printLines) const;
    QStringList bottleStock() const;
    void commitPendingEdits();
    QWidget *countBoxWithBadCount() const;
    void takeFocusFor(QAbstractButton *button);
    void runButton(PageButtonBar::Role role);

    Design m_design;
    ReagentBoxes m_reagent;
    PageButtonBar *m_buttonBar = nullptr;
    QAbstractButton *m_calculate = nullptr;
    QList<FormulaRows *> m_formulaRows;
    QList<BuiltControl> m_controls;
    QLineEdit *m_result = nullptr;
    MethodBox *m_method = nullptr;
    QList<QLineEdit *> m_printLines;
    // The sheet of the last successful calculation, assigned whole on success: what Print,
    // Print Preview and Save as PDF print. Before the first, its lines and label are empty.
    CalculationSheet m_sheet;
    QString m_note;
    // The bottle last put on the page, and its stock's texts (with the formula) as it left them.
    QString m_bottleName;
    QStringList m_bottleStock;
    SheetOutput m_output;
    QList<QAction *> m_sheetActions;
    QMenu *m_printMenu = nullptr; // made when first asked for
    bool m_built = false;
};

} // namespace molvera
