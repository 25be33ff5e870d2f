#include "mainwindow.h"

#include "aboutbox.h"
#include "hostedcontrols.h"
#include "hydratepage.h"
#include "molarpage.h"
#include "pagewidgets.h"
#include "percentpage.h"
#include "pictures.h"
#include "programinfo.h"
#include "tabcontrol.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>

#include <array>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// Twips from the corner of the client area, which is 9360 by 6255.
constexpr int ClientWidth = 9360;
constexpr int ClientHeight = 6255;
constexpr int TabHeight = 420;

constexpr std::array Layout{
    TwipPlacement{u"Picture1", {120, 0, 480, 480}},
    TwipPlacement{u"Label16", {1320, 120, 6015, 375}},
    TwipPlacement{u"Hoverlet1", {7800, 0, 1455, 255}},
    TwipPlacement{u"Label9", {240, 720, 1695, 255}},
    TwipPlacement{u"txtReag", {240, 960, 1812, 288}},
    TwipPlacement{u"Label10", {2520, 720, 1815, 255}},
    TwipPlacement{u"txtName", {2520, 960, 3732, 288}},
    TwipPlacement{u"SSTab1", {120, 1320, 9132, 4812}},
};

const QString LayoutResource = u":/layouts/frmmain.hoverlet"_s;

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

    buildHeader();
    buildPages();
    setFocusOrder();

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void MainWindow::buildHeader()
{
    auto *picture = addLabel(this, u"Picture1", QString(), placementOf(Layout, u"Picture1"));
    picture->setPixmap(programIcon().pixmap(32, 32));

    auto *title = addLabel(this, u"Label16", u"MOLVERA"_s, placementOf(Layout, u"Label16"));
    QFont titleFont(u"Comic Sans MS"_s);
    titleFont.setPointSizeF(13.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColor(title, DarkRed);

    placeHostedControl(this, LayoutResource, u"Hoverlet1", placementOf(Layout, u"Hoverlet1"),
                       u"Visit the Kestrova Software Home Page"_s);

    auto *formulaLabel =
        addLabel(this, u"Label9", u"Chemical Formula:"_s, placementOf(Layout, u"Label9"));
    m_formula = addTextBox(this, u"txtReag", QString(), placementOf(Layout, u"txtReag"),
                           u"Enter the Chemical Formula"_s);
    formulaLabel->setBuddy(m_formula);

    auto *nameLabel =
        addLabel(this, u"Label10", u"Chemical Name:"_s, placementOf(Layout, u"Label10"));
    m_name = addTextBox(this, u"txtName", QString(), placementOf(Layout, u"txtName"),
                        u"Enter the Chemical Name"_s);
    nameLabel->setBuddy(m_name);
}

void MainWindow::buildPages()
{
    m_tabs = new TabControl(TabHeight, this);
    m_tabs->setObjectName(u"SSTab1"_s);
    m_tabs->setGeometry(placementOf(Layout, u"SSTab1").toPixels());

    const ReagentBoxes reagent{m_formula, m_name};
    m_molar = new MolarPage(reagent, m_tabs);
    m_percent = new PercentPage(reagent, m_tabs);
    m_hydrate = new HydratePage(reagent, m_tabs);
    m_tabs->addTab(m_molar, u"Molar Solution"_s);
    m_tabs->addTab(m_percent, u"% Solution"_s);
    m_tabs->addTab(m_hydrate, u"Hydrate Solution"_s);
    m_tabs->setCurrentIndex(0);

    // The page shown at start is built with the window; the others when first shown, after
    // which they take their places in the focus order.
    m_molar->ensureBuilt();
    for (CalculatorPage *page : std::array<CalculatorPage *, 3>{m_molar, m_percent, m_hydrate}) {
        connect(page, &CalculatorPage::exitRequested, this, &MainWindow::exitProgram);
        connect(page, &CalculatorPage::aboutRequested, this, &MainWindow::showAbout);
        connect(page, &CalculatorPage::built, this, &MainWindow::setFocusOrder);
    }
}

void MainWindow::setFocusOrder()
{
    using Section = CalculatorPage::FocusSection;
    const std::array<const CalculatorPage *, 3> pages{m_molar, m_percent, m_hydrate};

    QList<QWidget *> order{m_formula, m_name};
    order += m_molar->focusOrder(Section::Inputs);
    order += m_percent->focusOrder(Section::Inputs);
    order += m_tabs->tabBar();
    order += m_hydrate->focusOrder(Section::Inputs);
    for (const CalculatorPage *page : pages)
        order += page->focusOrder(Section::ReadOnly);
    for (const CalculatorPage *page : pages)
        order += page->focusOrder(Section::Last);

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
