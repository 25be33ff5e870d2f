#include "invariants.h"

#include "widgetpath.h"

#include <calc/numbertext.h>
#include <ui/window/aboutbox.h>
#include <ui/pages/calculatorpage.h>
#include <ui/widgets/choicecombobox.h>
#include <ui/window/mainwindow.h>
#include <ui/forms/numberlocale.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>

#include <array>
#include <cstdio>
#include <utility>

namespace monkey {

using namespace Qt::StringLiterals;

namespace {

// Each page's Calculate button, its outcome boxes (result, method, print lines) and the number
// boxes that Clear and Example fill in.
struct PageBoxes
{
    QStringView page;
    QStringView calculate;
    std::array<QStringView, 5> outcome;
    std::array<QStringView, 5> numbers;
};

// clang-format off
constexpr std::array<PageBoxes, 3> Pages{{
    {u"MolarPage", u"cmdCal", {u"txtResult", u"txtDesc", u"txtD1", u"txtD2", u"txtD3"},
     {u"txtConc", u"txtSG", u"txtMol", u"txtVol", {}}},
    {u"PercentPage", u"cmdConc", {u"txtCRes", u"txtRWW", u"txtC1", u"txtC2", u"txtC3"},
     {u"txtSCon", u"txtSSG", u"txtCCon", u"txtCVol", {}}},
    {u"HydratePage", u"cmdHCal", {u"txtHResult", u"txtHRes", u"txtH1", u"txtH2", u"txtH3"},
     {u"txtHCon1", u"txtHH1", u"txtHCon2", u"txtHH2", u"txtHVol"}},
}};

// Qt's warnings that say only what the offscreen platform cannot do, not a misuse by the
// program.
constexpr QStringView PlatformNoise[] = {
    // No pointer or keyboard grab on offscreen; Qt still routes both to the popup or grabber.
    u"This plugin does not support grabbing the mouse",
    u"This plugin does not support grabbing the keyboard",
    // No stacking order on offscreen: raising a window (a popup, the about box) means nothing.
    u"This plugin does not support raise()",
    // Without a printer the preview's printer writes PDF, and Qt's own preview still offers its
    // page set-up, then warns that it does not work for such a printer.
    u"QPageSetupDialog: Cannot be used on non-native printers",
    // Fixed-size windows pass their size hints to a window manager that offscreen lacks.
    u"This plugin does not support propagateSizeHints()",
};
// clang-format on

// A box's text; a page not built yet has no boxes, which counts as empty.
QString textOf(const QWidget *box)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    if (const auto *edit = qobject_cast<const QTextEdit *>(box))
        return edit->toPlainText();
    return {};
}

// The outcome boxes' texts, and whether the method is shown (Clear hides it).
QStringList outcomeOf(const PageBoxes &boxes, const QHash<QString, QWidget *> &named)
{
    QStringList texts;
    for (const QStringView name : boxes.outcome)
        texts.append(textOf(named.value(name.toString())));
    const QWidget *method = named.value(boxes.outcome[1].toString());
    texts.append(method && !method->parentWidget()->isHidden() ? u"shown"_s : u"hidden"_s);
    return texts;
}

bool readsAsNumber(const QString &text)
{
    return std::holds_alternative<double>(
        molvera::readNumber(molvera::toUtf8(text), molvera::userNumberLocale()));
}

// Qt's message handler is a plain function: what it records has to live outside any object.
QStringList &warningLog()
{
    static QStringList log;
    return log;
}

void logWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    for (const QStringView noise : PlatformNoise) {
        if (message.contains(noise))
            return;
    }
    warningLog().append(message);
}

QList<QWidget *> visibleWindows()
{
    QList<QWidget *> windows;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->windowType() != Qt::ToolTip)
            windows.append(top);
    }
    return windows;
}

} // namespace

void Invariants::installWarningLog()
{
    qInstallMessageHandler(&logWarning);
}

QStringList Invariants::takeWarnings()
{
    return std::exchange(warningLog(), {});
}

Invariants::Invariants()
{
    molvera::MainWindow reference;
    for (auto *page : reference.findChildren<molvera::CalculatorPage *>())
        page->ensureBuilt();
    for (const QWidget *widget : reference.findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_"))
            continue;
        const molvera::CalculatorPage *page = nullptr;
        for (const QWidget *up = widget; up && !page; up = up->parentWidget())
            page = qobject_cast<const molvera::CalculatorPage *>(up);
        m_pageOfName.insert(name, page ? page->objectName() : QString());
    }
    m_windowSize = reference.size();
}

void Invariants::watch(molvera::MainWindow *window)
{
    m_window = window;
    for (auto *page : window->findChildren<molvera::CalculatorPage *>()) {
        connect(page->buttonBar(), &molvera::PageButtonBar::triggered, this,
                [this, page](molvera::PageButtonBar::Role role) {
                    if (role == molvera::PageButtonBar::Clear)
                        m_ran[page->objectName()] |= Cleared;
                    else if (role == molvera::PageButtonBar::Example)
                        m_ran[page->objectName()] |= Example;
                });
        if (page->isBuilt())
            watchPage(page);
        else
            connect(page, &molvera::CalculatorPage::built, this, [this, page] { watchPage(page); });
    }
}

void Invariants::watchPage(QWidget *page)
{
    for (const PageBoxes &boxes : Pages) {
        if (page->objectName() != boxes.page)
            continue;
        if (auto *button = page->findChild<QAbstractButton *>(boxes.calculate.toString()))
            connect(button, &QAbstractButton::clicked, this,
                    [this, page] { m_ran[page->objectName()] |= Calculated; });
    }
    // Choosing % as the molar page's stock unit clears the page; a wheel turn chooses nothing.
    if (auto *unit = page->findChild<molvera::ChoiceComboBox *>(u"cmbSConc"_s))
        connect(unit, &molvera::ChoiceComboBox::itemChosen, this, [this, page, unit](int index) {
            if (unit->itemText(index) == u"%" && m_actionKind != ActionKind::Wheel)
                m_ran[page->objectName()] |= Cleared;
        });
}

QString Invariants::mainState() const
{
    QStringList state;
    for (const QLineEdit *box : m_window->findChildren<QLineEdit *>())
        state.append(box->text());
    for (const QRadioButton *option : m_window->findChildren<QRadioButton *>())
        state.append(option->isChecked() ? u"x"_s : u"o"_s);
    if (const auto *tabs = m_window->findChild<QTabWidget *>(u"SSTab1"_s))
        state.append(QString::number(tabs->currentIndex()));
    return state.join(u'\x1f');
}

QHash<QString, QWidget *> Invariants::namedWidgets() const
{
    QHash<QString, QWidget *> named;
    for (QWidget *widget : m_window->findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty())
            named.insert(widget->objectName(), widget);
    }
    return named;
}

void Invariants::before(const Action &action)
{
    m_actionKind = action.kind;
    const QHash<QString, QWidget *> named = namedWidgets();
    m_ran.clear();
    m_outcomes.clear();
    for (const PageBoxes &boxes : Pages) {
        const QStringList texts = outcomeOf(boxes, named);
        m_outcomes.insert(boxes.page.toString(), texts.join(u'\x1f'));
    }
    m_inputErrorsBefore = int(m_window->findChildren<QMessageBox *>(u"InputErrorBox"_s).size());
    m_modalBefore = QApplication::activeModalWidget();
    m_modalWasMessage = qobject_cast<QMessageBox *>(m_modalBefore.data()) != nullptr;
    m_mainStateBefore = mainState();
    m_readOnlyTexts.clear();
    for (const QLineEdit *box : m_window->findChildren<QLineEdit *>()) {
        if (box->isReadOnly())
            m_readOnlyTexts.insert(box, box->text());
    }
}

QString Invariants::after(const Action &action)
{
    if (const QStringList warnings = takeWarnings(); !warnings.isEmpty())
        return u"Qt warned: "_s + warnings.join(u" | "_s);
    if (!m_window)
        return {};
    if (m_window->size() != m_windowSize || m_window->minimumSize() != m_window->maximumSize())
        return u"the main window's size changed to %1x%2"_s.arg(m_window->width())
            .arg(m_window->height());
    const QHash<QString, QWidget *> named = namedWidgets();
    for (auto it = m_pageOfName.cbegin(); it != m_pageOfName.cend(); ++it) {
        const auto *page = qobject_cast<molvera::CalculatorPage *>(named.value(it.value()));
        if ((it.value().isEmpty() || (page && page->isBuilt())) && !named.contains(it.key()))
            return u"the control %1 is gone"_s.arg(it.key());
    }
    qsizetype aboutBoxes = 0;
    for (const QWidget *window : visibleWindows())
        aboutBoxes += qobject_cast<const molvera::AboutBox *>(window) ? 1 : 0;
    if (aboutBoxes > 1)
        return u"%1 about boxes are open"_s.arg(aboutBoxes);
    // Keys must never go to a box the user cannot see or use.
    if (const QWidget *focus = QApplication::focusWidget();
        focus && focus->window() == m_window && (!focus->isVisible() || !focus->isEnabled()))
        return u"the keyboard focus is on %1, which is hidden or disabled"_s.arg(
            pathOf(focus, m_window));
    for (const QString &failure :
         {checkModalBoxes(action), checkBlocked(action), checkOutcomes(), checkNumbers()}) {
        if (!failure.isEmpty())
            return failure;
    }
    return {};
}

QString Invariants::checkModalBoxes(const Action &action) const
{
    qsizetype modal = 0;
    for (const QWidget *window : visibleWindows())
        modal += window->isModal() ? 1 : 0;
    if (modal > 1)
        return u"%1 modal boxes are open at once"_s.arg(modal);
    // A message box answered with Return, Escape, its close button or one of its buttons closes.
    const bool answered =
        (action.kind == ActionKind::Key &&
         (action.key == Qt::Key_Return || action.key == Qt::Key_Escape) &&
         action.modifiers == Qt::NoModifier) ||
        (action.target.startsWith(u"modal/") &&
         (action.kind == ActionKind::Close ||
          (action.kind == ActionKind::Click && action.target.contains(u"QPushButton"))));
    if (m_modalWasMessage && answered && m_modalBefore && m_modalBefore->isVisible())
        return u"the message box %1 was answered but is still open"_s.arg(
            m_modalBefore->objectName());
    return {};
}

QString Invariants::checkBlocked(const Action &action) const
{
    const bool mouse = action.kind == ActionKind::Click || action.kind == ActionKind::DoubleClick ||
                       action.kind == ActionKind::RightClick || action.kind == ActionKind::Wheel;
    if (!m_modalBefore || !mouse || !action.target.startsWith(u"main/"))
        return {};
    if (mainState() != m_mainStateBefore)
        return u"a click at the main window behind a modal box changed it"_s;
    return {};
}

QString Invariants::checkOutcomes() const
{
    const QHash<QString, QWidget *> named = namedWidgets();
    for (const PageBoxes &boxes : Pages) {
        const QString page = boxes.page.toString();
        const QStringList texts = outcomeOf(boxes, named);
        if (texts.join(u'\x1f') == m_outcomes.value(page))
            continue;
        const int ran = m_ran.value(page);
        const int inputErrors =
            int(m_window->findChildren<QMessageBox *>(u"InputErrorBox"_s).size());
        const bool calculated = (ran & Calculated) && inputErrors <= m_inputErrorsBefore;
        if (!calculated && !(ran & (Cleared | Example)))
            return u"the outcome of %1 changed without Calculate, Example or Clear"_s.arg(page);
    }
    return {};
}

QString Invariants::checkNumbers() const
{
    // What the program writes: the weights and totals (read-only boxes whose text changed), the
    // results, and the number boxes that Clear just filled in.
    for (const QLineEdit *box : m_window->findChildren<QLineEdit *>()) {
        const auto before = m_readOnlyTexts.constFind(box);
        if (box->isReadOnly() && before != m_readOnlyTexts.cend() && *before != box->text() &&
            !box->text().isEmpty() && !readsAsNumber(box->text()))
            return u"%1 shows \"%2\", not a number here"_s.arg(box->objectName(),
                                                               escapeText(box->text()));
    }
    for (const PageBoxes &boxes : Pages) {
        const bool filled = m_ran.value(boxes.page.toString()) & Cleared;
        QList<QStringView> names{boxes.outcome.front()};
        if (filled)
            names += QList<QStringView>(boxes.numbers.begin(), boxes.numbers.end());
        for (const QStringView name : names) {
            if (name.isEmpty())
                continue;
            const auto *box = m_window->findChild<QLineEdit *>(name.toString());
            if (box && !box->text().isEmpty() && !readsAsNumber(box->text()))
                return u"%1 holds \"%2\", not a number here"_s.arg(name, escapeText(box->text()));
        }
    }
    return {};
}

QString Invariants::afterExit() const
{
    if (const QList<QWidget *> open = visibleWindows(); !open.isEmpty())
        return u"%1 is still open after the program ended"_s.arg(
            open.front()->objectName().isEmpty()
                ? QLatin1StringView(open.front()->metaObject()->className())
                : open.front()->objectName());
    return {};
}

} // namespace monkey
