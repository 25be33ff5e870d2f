#include "reagentbook.h"

#include "bookcompletion.h"
#include "bookwindow.h"

#include <book/bookmodel.h>
#include <book/bookstore.h>
#include <book/bottle.h>
#include <book/labaddress.h>
#include <ui/pages/calculatorpage.h>

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// Where the settings keep the lab book's connection string (never with a password).
constexpr QStringView LabBookKey = u"book/lab";

} // namespace

ReagentBook::ReagentBook(QLineEdit *formula, QLineEdit *name,
                         std::function<CalculatorPage *()> shownPage, QWidget *window)
    : QObject(window)
    , m_shownPage(std::move(shownPage))
    , m_mainWindow(window)
    , m_store(new BookStore(this))
    , m_lab(new BookStore(this))
    , m_showAction(new QAction(this))
    , m_saveAction(new QAction(this))
{
    for (QLineEdit *box : {formula, name}) {
        auto *offers = new BookModel(QList{m_store, m_lab}, this);
        connect(new BookCompletion(box, offers), &BookCompletion::bottlePicked, this,
                &ReagentBook::use);
    }

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
    if (const QString lab = labConnection();
        !lab.isEmpty() && m_lab->status().state == BookState::Closed)
        m_lab->openLabInBackground(lab);
}

QString ReagentBook::labConnection()
{
    const QString fromEnvironment = BookStore::environmentLabBook();
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QSettings(u"molvera"_s, u"molvera"_s).value(LabBookKey).toString();
}

QString ReagentBook::setLabConnection(const QString &connection)
{
    const QString text = connection.trimmed();
    if (!text.isEmpty()) {
        const std::optional<LabAddress> address = LabAddress::read(text);
        if (!address)
            //: The lab book's connection string cannot be read.
            return tr("This is neither a connection string (host=… dbname=…) nor a URI "
                      "(postgresql://…).");
        if (!address->value(u"password").isEmpty())
            //: molvera keeps no passwords: libpq's own files do.
            return tr("molvera keeps no password. Leave it out, and put it in ~/.pgpass (a line "
                      "host:port:database:user:password) or a service file instead.");
    }
    QSettings(u"molvera"_s, u"molvera"_s).setValue(LabBookKey, text);
    m_lab->close();
    if (!text.isEmpty())
        m_lab->openLabInBackground(text);
    return {};
}

void ReagentBook::showWindow()
{
    open();
    if (!m_window) {
        m_window = new BookWindow(this, m_mainWindow);
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
    showWindow();
    m_window->saveNew(withFormulaFacts(*stock));
}

} // namespace molvera
