#pragma once

#include "pagebuttonbar.h"
#include "twips.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QAbstractButton;
class QLineEdit;
class QTextEdit;

namespace molvera {

class FormulaRows;
struct CalculationSheet;
struct FormulaRowsLayout;
enum class PrintStatus;

// The header boxes that all pages share: the reagent's chemical formula and chemical name.
struct ReagentBoxes
{
    QLineEdit *formula = nullptr; // txtReag
    QLineEdit *name = nullptr;    // txtName
};

// Where a page keeps the outcome of its last successful calculation.
struct OutcomeBoxes
{
    QLineEdit *result = nullptr; // never shown
    QTextEdit *method = nullptr;
    QWidget *methodFrame = nullptr;          // shown once there is a method to read
    std::array<QLineEdit *, 3> printLines{}; // never shown; printed
};

// What the three calculator pages have in common: the button column with Exit and About, the
// shared header boxes, committing a half-typed count before a button acts, the input error box,
// writing an outcome, and printing a sheet.
//
// A page's controls are laid out in twips from the tab control's corner (frames' contents from
// their frame's corner); pageRect() turns such a place into the page widget's pixels.
class CalculatorPage : public QWidget
{
    Q_OBJECT

public:
    // The parts of the window's focus order that a page contributes: its inputs and buttons,
    // then (after every page's inputs) its read-only boxes, and last its rarely used switches.
    enum class FocusSection { Inputs, ReadOnly, Last };

    using SheetPrinter = std::function<PrintStatus(const CalculationSheet &)>;

    // The tab strip ends where the pages' first frames begin; page widgets start there.
    static constexpr int PageTopTwips = 360;
    static TwipRect onPage(const TwipRect &rect) { return rect.translated(0, -PageTopTwips); }
    static QRect pageRect(const TwipRect &rect) { return onPage(rect).toPixels(); }

    CalculatorPage(const PageButtonNames &buttonNames, const ReagentBoxes &reagent,
                   QWidget *parent = nullptr);
    ~CalculatorPage() override;

    PageButtonBar *buttonBar() const { return m_buttonBar; }

    // A page may build its controls in build(), which runs when the page is first shown, so
    // that the pages behind the first cost nothing at start-up; whoever needs its controls
    // earlier calls ensureBuilt(). A page that builds in its constructor needs none of this.
    void ensureBuilt();
    bool isBuilt() const { return m_built; }

    // The page's part of the window's focus order. Before build() has run, a page that builds
    // there offers only its buttons.
    virtual QList<QWidget *> focusOrder(FocusSection section) const = 0;

    // Replaces the default printer, for tests and previews.
    void setSheetPrinter(SheetPrinter printer);

    static QString inputErrorTitle();
    static QString inputErrorText();

Q_SIGNALS:
    void exitRequested();
    void aboutRequested();
    // The page's controls exist now: the window puts them into its focus order.
    void built();

protected:
    // Creates the page's controls with their initial values; runs once.
    virtual void build() {}

    void showEvent(QShowEvent *event) override;

    virtual void clear() = 0;
    virtual void example() = 0;
    virtual void print() = 0;

    // Runs before any button of the page acts. Picture buttons take no focus and access keys do
    // not move it, so a count still being typed gets no focus-loss: commit it here.
    virtual void commitPendingEdits();

    // Runs `action` when `button` is clicked, after committing pending edits.
    void onClicked(QAbstractButton *button, std::function<void()> action);

    // Six formula rows and their total in `frame`, committed before every button action.
    FormulaRows *addFormulaRows(QWidget *frame, const FormulaRowsLayout &rowsLayout);

    const ReagentBoxes &reagent() const { return m_reagent; }
    QString reagentFormula() const;
    void setReagent(const QString &formula, const QString &name);

    // The one way bad input is reported; it does not block, the handler just ends after it.
    void showInputError();
    // Writes a successful outcome: result, method, shows the method's frame, print lines.
    static void writeOutcome(const OutcomeBoxes &boxes, const std::string &resultText,
                             const std::string &methodText,
                             const std::array<std::string, 3> &printLines);
    static std::array<QString, 3> printLineTexts(const OutcomeBoxes &boxes);
    // Prints on the default printer (or the printer set for tests); says so if nothing printed.
    void printSheet(const CalculationSheet &sheet);

private:
    void takeFocusFor(QAbstractButton *button);
    void runButton(PageButtonBar::Role role);

    ReagentBoxes m_reagent;
    PageButtonBar *m_buttonBar = nullptr;
    QList<QPointer<FormulaRows>> m_formulaRows;
    SheetPrinter m_printer;
    bool m_built = false;
};

} // namespace molvera
