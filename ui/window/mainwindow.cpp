#include "mainwindow.h"

#include "aboutbox.h"
#include "bookwindow.h"
#include "formulaboxaction.h"
#include "reagentbook.h"

#include <ui/forms/formtable.h>
#include <ui/forms/pictures.h>
#include <ui/forms/programinfo.h>
#include <ui/pages/calculatorpage.h>
#include <ui/pages/hydratepage.h>
#include <ui/pages/molarpage.h>
#include <ui/pages/percentpage.h>

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>

#include <array>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// Twips from the corner of the client area, which is 9360 by 6255.
constexpr int ClientWidth = 9360;
constexpr int ClientHeight = 6255;

template<typename Page> CalculatorPage *makePage(const ReagentBoxes &reagent, QWidget *parent)
{
    return new Page(reagent, parent);
}

// The pages, left to right: a new page is a CalculatorPage subclass and a line here.
constexpr std::array PageMakers{
    &makePage<MolarPage>,
    &makePage<PercentPage>,
    &makePage<HydratePage>,
};

// Where the tab strip takes the focus: after the inputs and buttons of this many pages.
constexpr qsizetype TabStripAfterPages = 2;

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(ProgramTitle.toString());
    setWindowIcon(programIcon());
    setFixedSize(twipsToPixels(ClientWidth, ClientHeight));

    const QList<BuiltControl> header =
        buildControls(this, controls(), {.hostedLayout = u":/layouts/frmmain.hoverlet"_s});
    m_headerFocusOrder = focusChain(header, FocusSection::Inputs);
    addPages();
    addPageKeys();
    setFocusOrder();
    addFormulaAction();

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

MainWindow::~MainWindow() = default;

std::span<const ControlRow<MainWindow>> MainWindow::controls()
{
    using enum ControlKind;
    using enum Placement;
    using enum FocusSection;
    using P = MainWindow;
    // The header strip and the tab control, in twips from the corner of the client area.
    // clang-format off
    static constexpr ControlRow<MainWindow> Table[] = {
    //   name          kind           placement  left  top   width height   tab          kept in      caption or text                   tool-tip
        {u"Picture1",  Picture,       OnForm,   { 120,    0,  480,  480}, {},          {},            {},                               {}},
        {u"Label16",   CentredTitle,  OnForm,   {1320,  120, 6015,  375}, {},          {},            "MOLVERA",                        {}},
        {u"Hoverlet1", HostedControl, OnForm,   {7800,    0, 1455,  255}, {},          {},            {},                               QT_TR_NOOP("Visit the Kestrova Software Home Page")},
        {u"Label9",    FieldLabel,    OnForm,   { 240,  720, 1695,  255}, {},          {},            QT_TR_NOOP("Chemical Formula:"),  {}},
        {u"txtReag",   TextBox,       OnForm,   { 240,  960, 1812,  288}, {Inputs, 1}, &P::m_formula, {},                               QT_TR_NOOP("Enter the Chemical Formula")},
        {u"Label10",   FieldLabel,    OnForm,   {2520,  720, 1815,  255}, {},          {},            QT_TR_NOOP("Chemical Name:"),     {}},
        {u"txtName",   TextBox,       OnForm,   {2520,  960, 3732,  288}, {Inputs, 2}, &P::m_name,    {},                               QT_TR_NOOP("Enter the Chemical Name")},
        {u"SSTab1",    Tabs,          OnForm,   { 120, 1320, 9132, 4812}, {},          &P::m_tabs,    {},                               {}},
    };
    // clang-format on
    return Table;
}

void MainWindow::addPages()
{
    const ReagentBoxes reagent{m_formula, m_name};
    for (const auto makePage : PageMakers) {
        CalculatorPage *page = makePage(reagent, m_tabs);
        m_tabs->addTab(page, page->caption());
        connect(page, &CalculatorPage::exitRequested, this, &MainWindow::exitProgram);
        connect(page, &CalculatorPage::aboutRequested, this, &MainWindow::showAbout);
        // Pages behind the first are built when first shown; then they take their places in
        // the focus order.
        connect(page, &CalculatorPage::built, this, &MainWindow::setFocusOrder);
        m_pages.append(page);
    }
    m_tabs->setCurrentIndex(0);
    m_pages.front()->ensureBuilt();
}

// The desktop's keys for the next and the previous page, from every control of the window. The
// tab control knows them too, but hears them only when no control on the way takes them first:
// never from the header's boxes, and a list takes Ctrl+PageDown as a step to its next item (which
// on the molar page's stock unit would clear the page). The focus goes where a page change puts
// it: into the new page if it was in the old one, else it stays.
void MainWindow::addPageKeys()
{
    const auto addKeys = [this](const QList<QKeySequence> &keys, int step) {
        auto *shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, [this, step] {
            const int count = m_tabs->count();
            m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + count) % count);
        });
    };
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    // Shift+Tab arrives as Backtab.
    addKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
             QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
            -1);
}

// The formula box fills the element rows of the page shown, if it has rows.
void MainWindow::addFormulaAction()
{
    const auto shownPage = [this] {
        return static_cast<CalculatorPage *>(m_tabs->currentWidget());
    };
    auto *action =
        new FormulaBoxAction(m_formula, [shownPage] { return shownPage()->canFillRows(); });
    connect(action, &FormulaBoxAction::triggered, this,
            [shownPage] { shownPage()->fillRowsFromFormula(); });
    m_book = new ReagentBook(m_formula, m_name, shownPage, this);
    action->addMenuActions(m_book->menuActions());
}

bool MainWindow::event(QEvent *event)
{
    // The book is opened once the window has painted, so that start-up never waits for a disk.
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        QTimer::singleShot(0, m_book, &ReagentBook::open);
    }
    return QWidget::event(event);
}

// The focus order is the old form's, which technicians know: the header's boxes, then each page's
// inputs and buttons, with the tab strip after the second page's. Two parts come later on purpose:
// the read-only boxes of all pages follow every input, so that Tab takes the user through a
// calculation without stopping where nothing can be typed; and last come the switches that are
// set once and rarely changed (the molar page's stock unit and weight mode).
void MainWindow::setFocusOrder()
{
    QList<QWidget *> order = m_headerFocusOrder;
    for (qsizetype index = 0; index < m_pages.size(); ++index) {
        if (index == TabStripAfterPages)
            order += m_tabs->tabBar();
        order += m_pages[index]->focusOrder(FocusSection::Inputs);
    }
    for (const CalculatorPage *page : std::as_const(m_pages))
        order += page->focusOrder(FocusSection::ReadOnly);
    for (const CalculatorPage *page : std::as_const(m_pages))
        order += page->focusOrder(FocusSection::Last);

    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::showAbout()
{
    if (!m_about) {
        m_about = new AboutBox(this);
        // Once the main window is closed, the program ends with the last about box.
        connect(m_about, &QObject::destroyed, this, &MainWindow::quitIfNoWindowOpen,
                Qt::QueuedConnection);
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

AboutBox *MainWindow::aboutBox() const
{
    return m_about;
}

void MainWindow::exitProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    // The book's window belongs to the pages it fills, and goes with them.
    if (BookWindow *book = m_book->window())
        book->close();
    // An open about box keeps the program running until it is closed too.
    if (!m_about || !m_about->isVisible())
        QCoreApplication::quit();
}

void MainWindow::quitIfNoWindowOpen()
{
    if (!isVisible())
        QCoreApplication::quit();
}

} // namespace molvera
