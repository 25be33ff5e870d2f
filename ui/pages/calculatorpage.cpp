#include "calculatorpage.h"

#include "formularows.h"
#include "sheetdialogs.h"

#include <book/starterbottles.h>
#include <ui/forms/methodbox.h>
#include <ui/forms/numberlocale.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

#include <array>
#include <utility>

namespace molvera {

using namespace Qt::StringLiterals;

CalculatorPage::CalculatorPage(const Design &design, const ReagentBoxes &reagent, QWidget *parent)
    : QWidget(parent)
    , m_design(design)
    , m_reagent(reagent)
    , m_buttonBar(new PageButtonBar(design.buttons, this))
    , m_output(&printOnDefaultPrinter)
{
    m_sheet.variant = design.sheet;
    setObjectName(design.objectName.toString());
    // Pages show the button face, like the tab control around them.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    m_buttonBar->setGeometry(PageButtonBar::placement().translated(0, -PageTopTwips).toPixels());
    connect(m_buttonBar, &PageButtonBar::triggered, this, &CalculatorPage::runButton);
    addSheetActions();
}

CalculatorPage::~CalculatorPage() = default;

QString CalculatorPage::caption() const
{
    return TabCaptions::tr(m_design.caption);
}

void CalculatorPage::ensureBuilt()
{
    if (m_built)
        return;
    m_built = true;
    build();
    watchInputs();
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

void CalculatorPage::keyPressEvent(QKeyEvent *event)
{
    // Keys that the page's boxes and lists leave alone come up to the page.
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    // The window's focus, which has the keys even while the window is not the active one (as
    // after a message box, with no window manager to give the activation back).
    QWidget *focus = window()->focusWidget();
    if (!enter || !m_calculate || !isAncestorOf(focus)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A button that acts, not an option that is chosen.
    if (auto *button = qobject_cast<QAbstractButton *>(focus); button && !button->isCheckable()) {
        button->click();
        return;
    }
    // Calculate as if pressed, through its own handler; then the keyboard goes back to the box
    // the user was typing in, as with a dialog's default button. After the input error box, the
    // box it names takes the keyboard instead.
    const QPointer<QWidget> typing = focus;
    m_calculate->click();
    if (typing && window()->focusWidget() == m_calculate && typing->isVisible() &&
        typing->isEnabled())
        typing->setFocus(Qt::OtherFocusReason);
}

QList<QWidget *> CalculatorPage::focusOrder(FocusSection section) const
{
    QList<QWidget *> order;
    switch (section) {
    case FocusSection::Inputs:
        for (const FormulaRows *rows : m_formulaRows)
            order += rows->inputFocusOrder();
        order += focusChain(m_controls, FocusSection::Inputs);
        order += m_buttonBar->focusOrder();
        order += focusChain(m_controls, FocusSection::AfterButtons);
        break;
    case FocusSection::ReadOnly:
        for (const FormulaRows *rows : m_formulaRows)
            order += rows->readOnlyFocusOrder();
        order += focusChain(m_controls, FocusSection::ReadOnly);
        break;
    case FocusSection::AfterButtons:
    case FocusSection::Last:
    case FocusSection::NoStop:
        order += focusChain(m_controls, section);
        break;
    }
    return order;
}

void CalculatorPage::setSheetOutput(SheetOutput output)
{
    m_output = std::move(output);
}

void CalculatorPage::adopt(const QList<BuiltControl> &controls)
{
    m_controls += controls;
    for (const BuiltControl &control : controls) {
        switch (control.kind) {
        case ControlKind::ResultBox:
            m_result = static_cast<QLineEdit *>(control.widget);
            break;
        case ControlKind::PrintLine:
            m_printLines.append(static_cast<QLineEdit *>(control.widget));
            break;
        case ControlKind::MethodBox:
            m_method = static_cast<MethodBox *>(control.widget);
            // Its frame is shown once there is a method to read.
            m_method->parentWidget()->setVisible(false);
            break;
        case ControlKind::CalculateButton: {
            auto *button = static_cast<QAbstractButton *>(control.widget);
            m_calculate = button;
            connect(button, &QAbstractButton::clicked, this, [this, button] {
                takeFocusFor(button);
                if (!matchRowsToFormula())
                    markMethodOutOfDate();
                else if (QWidget *bad = countBoxWithBadCount())
                    showInputError(bad);
                else
                    calculate();
                // A note goes with this answer, or with none.
                m_note.clear();
            });
            break;
        }
        default:
            break;
        }
    }
    Q_ASSERT_X(m_printLines.size() <= qsizetype(std::tuple_size_v<PrintLines>), "CalculatorPage",
               "more print lines than a calculation writes");
}

// Whatever a method is worked out from: the page's boxes, options and lists, its formula rows, and
// the shared formula that the sentences quote. (The name is not in the sentences.)
void CalculatorPage::watchInputs()
{
    for (const BuiltControl &control : std::as_const(m_controls)) {
        switch (control.kind) {
        case ControlKind::TextBox:
        case ControlKind::NumberBox:
            connect(static_cast<QLineEdit *>(control.widget), &QLineEdit::textChanged, this,
                    &CalculatorPage::markMethodOutOfDate);
            break;
        case ControlKind::Option:
        case ControlKind::DarkRedOption:
            connect(static_cast<QAbstractButton *>(control.widget), &QAbstractButton::toggled, this,
                    &CalculatorPage::markMethodOutOfDate);
            break;
        case ControlKind::ChoiceBox:
        case ControlKind::PickList:
            connect(static_cast<QComboBox *>(control.widget), &QComboBox::currentTextChanged, this,
                    &CalculatorPage::markMethodOutOfDate);
            break;
        default:
            break;
        }
    }
    for (const FormulaRows *rows : std::as_const(m_formulaRows))
        connect(rows, &FormulaRows::changed, this, &CalculatorPage::markMethodOutOfDate);
    connect(m_reagent.formula, &QLineEdit::textChanged, this, &CalculatorPage::markMethodOutOfDate);
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

QString CalculatorPage::reagentName() const
{
    return m_reagent.name->text();
}

std::optional<FormulaReading> CalculatorPage::readReagentFormula(WaterPart water)
{
    const FormulaRead read = readFormula(toUtf8(reagentFormula()), water);
    if (const auto *reading = std::get_if<FormulaReading>(&read))
        return *reading;
    showRefusal(refusalMessage(std::get<FormulaRefusal>(read)));
    return std::nullopt;
}

void CalculatorPage::refuseRows(const RowsMisfit &misfit)
{
    showRefusal(refusalMessage(misfit));
}

void CalculatorPage::setLabelFormula(const QString &formula)
{
    m_sheet.chemicalFormula = formula;
}

void CalculatorPage::noteForNextAnswer(const QString &note)
{
    m_note = note;
}

void CalculatorPage::setReagent(const QString &formula, const QString &name)
{
    m_reagent.formula->setText(formula);
    m_reagent.name->setText(name);
}

void CalculatorPage::restoreNumberBoxes()
{
    for (const BuiltControl &control : std::as_const(m_controls)) {
        if (control.kind == ControlKind::NumberBox)
            static_cast<QLineEdit *>(control.widget)
                ->setText(localizedNumber(QString::fromLatin1(control.text)));
    }
}

void CalculatorPage::hideMethod()
{
    m_method->parentWidget()->setVisible(false);
    // The next method shown is a new one.
    m_method->setOutOfDate(false);
}

void CalculatorPage::markMethodOutOfDate()
{
    if (m_method && !m_method->parentWidget()->isHidden())
        m_method->setOutOfDate(true);
}

void CalculatorPage::showInputError(QWidget *unread)
{
    markMethodOutOfDate();
    //: The title of the box that says a page's input cannot be used. The space before it is kept.
    auto *box = new QMessageBox(QMessageBox::Critical, tr(" Input Error!"),
                                tr("Please correctly fill in all required text boxes!"),
                                QMessageBox::Ok, this);
    box->setObjectName(u"InputErrorBox"_s);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A box hidden with its step (the specific gravity of a molar stock) is still read, but
    // cannot be mended there.
    if (unread) {
        connect(box, &QDialog::finished, unread, [unread] {
            if (unread->isVisible() && unread->isEnabled())
                unread->setFocus(Qt::OtherFocusReason);
        });
    }
    box->open();
}

void CalculatorPage::showRefusal(const RefusalMessage &message)
{
    if (message.text.isEmpty())
        return;
    auto *box =
        new QMessageBox(QMessageBox::Warning, message.title, message.text, QMessageBox::Ok, this);
    box->setObjectName(message.objectName.toString());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void CalculatorPage::writeOutcome(const std::string &resultText, const std::string &methodText,
                                  const PrintLines &printLines)
{
    m_result->setText(fromUtf8(resultText));
    m_method->setMethod(fromUtf8(methodText), std::exchange(m_note, QString()));
    m_method->parentWidget()->setVisible(true);
    // The hidden boxes keep the print lines as they always have; the sheet prints the record.
    for (qsizetype line = 0; line < m_printLines.size(); ++line)
        m_printLines[line]->setText(fromUtf8(printLines[line]));
    m_sheet = sheetOf(printLines);
}

// Called as the outcome is written: the boxes still hold what the calculation read.
CalculationSheet CalculatorPage::sheetOf(const PrintLines &printLines) const
{
    CalculationSheet sheet = calculationSheet(m_design.sheet, printLines, m_reagent.name->text(),
                                              reagentFormula(), strength(), stock());
    if (!m_bottleName.isEmpty() && bottleStock() == m_bottleStock)
        sheet.stock.bottle = m_bottleName;
    return sheet;
}

// What the sheet compares with the bottle picked: the page's stock boxes and the formula.
QStringList CalculatorPage::bottleStock() const
{
    return stockTexts() + QStringList{reagentFormula()};
}

void CalculatorPage::useBottle(const Bottle &bottle)
{
    ensureBuilt();
    setReagent(bottle.formula, shownName(bottle));
    const QString unused = takeBottle(bottle);
    m_bottleName = shownName(bottle);
    m_bottleStock = bottleStock();
    if (unused.isEmpty())
        return;
    //: The title of the box that says what a page could not use of a bottle of the reagent book.
    auto *box = new QMessageBox(QMessageBox::Information, tr("Reagent Book"), unused,
                                QMessageBox::Ok, this);
    box->setObjectName(u"BottleNotUsedBox"_s);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void CalculatorPage::addSheetActions()
{
    struct ActionDesign
    {
        QStringView objectName;
        const char *text; // marked for translation in this class's context
        QKeySequence::StandardKey shortcut;
        SheetAction action;
    };
    // The desktop has no usual key for a preview. Saving the sheet is the only saving there is,
    // so it takes the usual key for Save.
    static constexpr std::array<ActionDesign, 3> Designs{{
        {u"mnuPrint", QT_TR_NOOP("Print"), QKeySequence::Print, SheetAction::Print},
        {u"mnuPrintPreview", QT_TR_NOOP("Print Preview…"), QKeySequence::UnknownKey,
         SheetAction::Preview},
        {u"mnuSaveAsPdf", QT_TR_NOOP("Save as PDF…"), QKeySequence::Save, SheetAction::SaveAsPdf},
    }};
    for (const ActionDesign &design : Designs) {
        auto *action = new QAction(tr(design.text), this);
        action->setObjectName(design.objectName.toString());
        action->setShortcuts(design.shortcut);
        connect(action, &QAction::triggered, this,
                [this, sheetAction = design.action] { runSheetAction(sheetAction); });
        m_sheetActions.append(action);
    }
    // The page carries the shortcuts: only the page that is shown has them.
    addActions(m_sheetActions);

    QToolButton *printButton = m_buttonBar->button(PageButtonBar::Print);
    printButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(printButton, &QWidget::customContextMenuRequested, this,
            &CalculatorPage::showPrintMenu);
}

void CalculatorPage::showPrintMenu(const QPoint &at)
{
    QToolButton *printButton = m_buttonBar->button(PageButtonBar::Print);
    if (!m_printMenu) {
        m_printMenu = new QMenu(printButton);
        m_printMenu->setObjectName(u"PrintMenu"_s);
        m_printMenu->addActions(m_sheetActions);
    }
    m_printMenu->popup(printButton->mapToGlobal(at));
}

void CalculatorPage::runSheetAction(SheetAction action)
{
    if (action == SheetAction::Print) {
        runButton(PageButtonBar::Print);
        return;
    }
    ensureBuilt();
    takeFocusFor(m_buttonBar->button(PageButtonBar::Print));
    if (action == SheetAction::Preview)
        openPrintPreview(readSheet(), m_sheetActions.at(int(SheetAction::Preview))->text());
    else
        sendSheet(action);
}

// A sheet is the record of the last calculation, which the method on show may no longer be: the
// user says which of the two the sheet should be. A method hidden by Clear asks nothing.
void CalculatorPage::sendSheet(SheetAction action)
{
    if (m_method && m_method->isOutOfDate())
        askAboutOutOfDateSheet(action);
    else
        sendLastSheet(action);
}

void CalculatorPage::askAboutOutOfDateSheet(SheetAction action)
{
    const bool printing = action == SheetAction::Print;
    QString title = tr("Print");
    if (!printing)
        //: The title of the question asked before the sheet is saved as PDF.
        title = tr("Save as PDF");
    auto *box = new QMessageBox(
        QMessageBox::Question, title,
        //: Asked before a page's sheet is printed or saved while the page shows its method out
        //: of date. The sheet is the record of the last calculation.
        tr("The answer is out of date: an entry has changed since the last calculation."),
        QMessageBox::Cancel, this);
    box->setObjectName(u"OutOfDateBox"_s);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->button(QMessageBox::Cancel)->setObjectName(u"cmdCancel"_s);
    //: Calculates with the entries as they stand, then prints or saves the new sheet.
    QPushButton *calculateFirst = box->addButton(tr("&Calculate First"), QMessageBox::AcceptRole);
    calculateFirst->setObjectName(u"cmdCalculateFirst"_s);
    //: Prints the sheet of the last calculation as it is.
    QString sendLastText = tr("&Print Last Calculation");
    if (!printing)
        //: Saves the sheet of the last calculation as it is.
        sendLastText = tr("&Save Last Calculation");
    QPushButton *sendLast = box->addButton(sendLastText, QMessageBox::ActionRole);
    sendLast->setObjectName(u"cmdSendLast"_s);
    box->setDefaultButton(calculateFirst);
    box->setEscapeButton(QMessageBox::Cancel);
    connect(box, &QDialog::finished, this, [this, box, calculateFirst, sendLast, action] {
        if (box->clickedButton() == calculateFirst) {
            // As the Calculate button does it, with its checks: a calculation that is refused or
            // cannot read its entries says so as ever, and leaves nothing new to send.
            m_calculate->click();
            if (!m_method->isOutOfDate())
                sendLastSheet(action);
        } else if (box->clickedButton() == sendLast) {
            sendLastSheet(action);
        }
    });
    box->open();
}

void CalculatorPage::sendLastSheet(SheetAction action)
{
    if (action == SheetAction::Print)
        print();
    else
        saveSheetAsPdf(readSheet());
}

// The page's last outcome with the label recorded along with it.
PageSheet CalculatorPage::readSheet()
{
    return {this, caption(), m_sheet};
}

// Prints the sheet of the last calculation; says so when nothing could be printed, and offers to
// save it as PDF instead.
void CalculatorPage::print()
{
    const PageSheet read = readSheet();
    const PrintStatus status = m_output(read.sheet);
    if (status != PrintStatus::Printed)
        showPrintFailure(read, status, QPrinterInfo::defaultPrinterName());
}

// An element picked with its count left empty, or a count that is none ("a", "1.5"), would be
// counted 0 times or rounded: a slip to mend, not a formula to calculate with.
QWidget *CalculatorPage::countBoxWithBadCount() const
{
    for (const FormulaRows *rows : m_formulaRows) {
        if (QWidget *bad = rows->countBoxWithBadCount())
            return bad;
    }
    return nullptr;
}

void CalculatorPage::commitPendingEdits()
{
    // Picture buttons take no focus and access keys do not move it, so a count still being typed
    // gets no focus-loss: it is committed here, before any button of the page acts.
    for (FormulaRows *rows : std::as_const(m_formulaRows))
        rows->commitFocusedRow();
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
    ensureBuilt();
    takeFocusFor(m_buttonBar->button(role));
    switch (role) {
    case PageButtonBar::Exit:
        Q_EMIT exitRequested();
        break;
    case PageButtonBar::Clear:
        clear();
        break;
    case PageButtonBar::Print:
        sendSheet(SheetAction::Print);
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
