#include "reagentbook.h"

#include "bookcompletion.h"
#include "bookwindow.h"

#include <book/bookmodel.h>
#include <book/bookstore.h>
#include <book/bottle.h>
#include <ui/pages/calculatorpage.h>

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>

namespace molvera {

using namespace Qt::StringLiterals;

ReagentBook::ReagentBook(QLineEdit *formula, QLineEdit *name,
                         std::function<CalculatorPage *()> shownPage, QWidget *window)
    : QObject(window)
    , m_formula(formula)
    , m_name(name)
    , m_shownPage(std::move(shownPage))
    , m_mainWindow(window)
    , m_store(new BookStore(this))
    , m_formulaOffers(new BookModel(m_store, this))
    , m_nameOffers(new BookModel(m_store, this))
    , m_showAction(new QAction(this))
    , m_saveAction(new QAction(this))
{
    for (auto [box, offers] : {std::pair{formula, m_formulaOffers}, std::pair{name, m_nameOffers}})
        connect(new BookCompletion(box, offers), &BookCompletion::bottlePicked, this,
                &ReagentBook::use);

    m_showAction->setObjectName(u"mnuReagentBook"_s);
    //: The formula box's context menu: opens the reagent book's window.
    m_showAction->setText(tr("Reagent &Book…"));
    m_showAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    m_showAction->setShortcutContext(Qt::WindowShortcut);
    window->addAction(m_showAction);
    connect(m_showAction, &QAction::triggered, this, &ReagentBook::showWindow);

    m_saveAction->setObjectName(u"mnuSaveStock"_s);
    //: The formula box's context menu: makes a bottle of the page's stock in the reagent book.
    m_saveAction->setText(tr("&Save Stock to Book…"));
    connect(m_saveAction, &QAction::triggered, this, &ReagentBook::saveStock);
}

ReagentBook::~ReagentBook() = default;

BookWindow *ReagentBook::window() const
{
    return m_window;
}

void ReagentBook::open()
{
    if (m_store->status().state == BookState::Closed)
        m_store->open(BookStore::defaultPath());
}

void ReagentBook::showWindow()
{
    open();
    if (!m_window) {
        m_window = new BookWindow(m_store, m_mainWindow);
        connect(m_window, &BookWindow::useRequested, this, &ReagentBook::use);
        connect(m_window, &BookWindow::saveStockRequested, this, &ReagentBook::saveStock);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void ReagentBook::use(const Bottle &bottle)
{
    m_shownPage()->useBottle(bottle);
}

void ReagentBook::saveStock()
{
    CalculatorPage *page = m_shownPage();
    const std::optional<Bottle> stock = page->stockAsBottle();
    if (!stock) {
        //: The title of the box that says the page's stock cannot be saved in the reagent book.
        auto *box = new QMessageBox(QMessageBox::Information, tr("Reagent Book"),
                                    tr("The stock's strength on this page is not a number, so it "
                                       "cannot be saved as a bottle."),
                                    QMessageBox::Ok, m_mainWindow);
        box->setObjectName(u"StockNotSavedBox"_s);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
    Bottle bottle = *stock;
    const std::optional<double> typedWeight = bottle.molecularWeight;
    bottle = withFormulaFacts(bottle);
    if (!bottle.molecularWeight)
        bottle.molecularWeight = typedWeight;
    showWindow();
    m_window->saveNew(bottle);
}

} // namespace molvera
