#include "calculatorpage.h"

#include "formularows.h"
#include "numberlocale.h"
#include "pagewidgets.h"

#include <print/calculationsheet.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QShowEvent>
#include <QTextEdit>
#include <QToolButton>

namespace molvera {

using namespace Qt::StringLiterals;

CalculatorPage::CalculatorPage(const PageButtonNames &buttonNames, const ReagentBoxes &reagent,
                               QWidget *parent)
    : QWidget(parent)
    , m_reagent(reagent)
    , m_buttonBar(new PageButtonBar(buttonNames, this))
    , m_printer(&printOnDefaultPrinter)
{
    // Pages show the button face, like the tab control around them.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    m_buttonBar->setGeometry(pageRect(PageButtonBar::placement()));
    connect(m_buttonBar, &PageButtonBar::triggered, this, &CalculatorPage::runButton);
}

CalculatorPage::~CalculatorPage() = default;

void CalculatorPage::ensureBuilt()
{
    if (m_built)
        return;
    m_built = true;
    build();
    // Controls made for a page that is already on screen must be shown by hand; those that a
    // page hides on purpose stay hidden.
    if (isVisible()) {
        for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !child->testAttribute(Qt::WA_WState_ExplicitShowHide))
                child->show();
        }
    }
    Q_EMIT built();
}

void CalculatorPage::showEvent(QShowEvent *event)
{
    ensureBuilt();
    QWidget::showEvent(event);
}

void CalculatorPage::setSheetPrinter(SheetPrinter printer)
{
    m_printer = std::move(printer);
}

QString CalculatorPage::inputErrorTitle()
{
    return u" Input Error!"_s;
}

QString CalculatorPage::inputErrorText()
{
    return u"Please correctly fill in all required text boxes!"_s;
}

void CalculatorPage::commitPendingEdits()
{
    for (const QPointer<FormulaRows> &rows : std::as_const(m_formulaRows)) {
        if (rows)
            rows->commitFocusedRow();
    }
}

void CalculatorPage::onClicked(QAbstractButton *button, std::function<void()> action)
{
    connect(button, &QAbstractButton::clicked, this, [this, button, action = std::move(action)] {
        takeFocusFor(button);
        action();
    });
}

FormulaRows *CalculatorPage::addFormulaRows(QWidget *frame, const FormulaRowsLayout &rowsLayout)
{
    auto *rows = new FormulaRows(rowsLayout, frame);
    m_formulaRows.append(rows);
    return rows;
}

QString CalculatorPage::reagentFormula() const
{
    return m_reagent.formula->text();
}

void CalculatorPage::setReagent(const QString &formula, const QString &name)
{
    m_reagent.formula->setText(formula);
    m_reagent.name->setText(name);
}

void CalculatorPage::showInputError()
{
    auto *box = new QMessageBox(QMessageBox::Critical, inputErrorTitle(), inputErrorText(),
                                QMessageBox::Ok, this);
    box->setObjectName(u"InputErrorBox"_s);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void CalculatorPage::writeOutcome(const OutcomeBoxes &boxes, const std::string &resultText,
                                  const std::string &methodText,
                                  const std::array<std::string, 3> &printLines)
{
    boxes.result->setText(fromUtf8(resultText));
    setMethodText(boxes.method, fromUtf8(methodText));
    boxes.methodFrame->setVisible(true);
    for (std::size_t line = 0; line < printLines.size(); ++line)
        boxes.printLines[line]->setText(fromUtf8(printLines[line]));
}

std::array<QString, 3> CalculatorPage::printLineTexts(const OutcomeBoxes &boxes)
{
    return {boxes.printLines[0]->text(), boxes.printLines[1]->text(), boxes.printLines[2]->text()};
}

namespace {

// Why nothing came out of the printer, in the user's words.
QString printFailureReason(PrintStatus status)
{
    const QString printer = QPrinterInfo::defaultPrinterName();
    const QString named =
        printer.isEmpty() ? u"The printer"_s : u"The printer \"%1\""_s.arg(printer);
    switch (status) {
    case PrintStatus::NoPrinter:
        return u"No default printer is set up."_s;
    case PrintStatus::PrinterStopped:
        return named + u" is stopped."_s;
    case PrintStatus::PrinterRejectsJobs:
        return named + u" does not accept jobs."_s;
    case PrintStatus::Printed:
    case PrintStatus::Failed:
        break;
    }
    return named + u" reported an error."_s;
}

} // namespace

void CalculatorPage::printSheet(const CalculationSheet &sheet)
{
    const PrintStatus status = m_printer(sheet);
    if (status == PrintStatus::Printed)
        return;
    auto *box = new QMessageBox(QMessageBox::Warning, u"Print"_s,
                                u"The sheet was not printed. "_s + printFailureReason(status),
                                QMessageBox::Ok, this);
    box->setObjectName(u"PrintFailureBox"_s);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void CalculatorPage::takeFocusFor(QAbstractButton *button)
{
    commitPendingEdits();
    // The pressed button takes the focus, as the platform's buttons did: the box being left
    // then sees its normal focus-loss, and a count box that was just emptied by Clear is not
    // committed again later when the user moves on.
    button->setFocus(Qt::OtherFocusReason);
}

void CalculatorPage::runButton(PageButtonBar::Role role)
{
    takeFocusFor(m_buttonBar->button(role));
    switch (role) {
    case PageButtonBar::Exit:
        Q_EMIT exitRequested();
        break;
    case PageButtonBar::Clear:
        clear();
        break;
    case PageButtonBar::Print:
        print();
        break;
    case PageButtonBar::Example:
        example();
        break;
    case PageButtonBar::About:
        Q_EMIT aboutRequested();
        break;
    }
}

} // namespace molvera
