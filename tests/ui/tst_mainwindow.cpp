#include "windowtest.h"

#include <book/bookstore.h>
#include <ui/pages/calculatorpage.h>
#include <ui/window/aboutbox.h>
#include <ui/window/reagentbook.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TestMainWindow : public uitest::WindowTest
{
    Q_OBJECT

private:
    QList<molvera::AboutBox *> aboutBoxes() const
    {
        QList<molvera::AboutBox *> open;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<molvera::AboutBox *>(widget); box && box->isVisible())
                open.append(box);
        }
        return open;
    }

private Q_SLOTS:
    void init() { startWindow(); }

    void window()
    {
        QCOMPARE(m_window->objectName(), u"frmMain"_s);
        QCOMPARE(m_window->windowTitle(), u"molvera"_s);
        // 9360 by 6255 twips, fixed.
        QCOMPARE(m_window->size(), QSize(624, 417));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!m_window->windowIcon().isNull());
        QVERIFY(!m_window->windowIcon().pixmap(32, 32).isNull());
    }

    void tabs_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("exitButton");
        QTest::newRow("molar") << 0 << u"Molar Solution"_s << u"cmdClose"_s;
        QTest::newRow("percent") << 1 << u"% Solution"_s << u"cmdClose2"_s;
        QTest::newRow("hydrate") << 2 << u"Hydrate Solution"_s << u"cmdHCls"_s;
    }
    void tabs()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, exitButton);
        QCOMPARE(tabControl()->count(), 3);
        QCOMPARE(tabControl()->currentIndex(), 0);
        QCOMPARE(tabControl()->tabText(index), caption);
        // One row of equal tabs, 420 twips high.
        const QRect tab = tabControl()->tabBar()->tabRect(index);
        QCOMPARE(tab.height(), 28);
        QVERIFY(qAbs(tab.width() - tabControl()->width() / 3) <= 1);
        QCOMPARE(tab.top(), 0);
        QVERIFY(tabControl()->widget(index)->isAncestorOf(control(exitButton)));
    }

    void pageButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<int>("top");
        QTest::newRow("exit") << u"cmdClose"_s << u"E&xit"_s << u"Exit this program"_s << 480;
        QTest::newRow("clear") << u"cmdClearCon"_s << u"&Clear"_s << u"Clear this calculation"_s
                               << 1320;
        QTest::newRow("print") << u"cmdHPrnt"_s << u"&Print"_s << u"Print Instructions and Label"_s
                               << 2160;
        QTest::newRow("example") << u"cmdExample"_s << u"&Example"_s
                                 << u"Click here to view an example."_s << 3000;
        QTest::newRow("about") << u"cmdAbout2"_s << u"&About"_s
                               << u"Click here for Program Details"_s << 3840;
    }
    void pageButtons()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(int, top);
        auto *button = control<QToolButton>(name);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), toolTip);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(button->iconSize(), QSize(32, 32));
        QVERIFY(!button->icon().pixmap(32, 32).isNull());
        // 1092 by 732 twips at left 7800; tops 840 apart, measured on the page.
        QCOMPARE(button->size(), QSize(73, 49));
        const QWidget *page = button->parentWidget()->parentWidget();
        QCOMPARE(button->mapTo(page, QPoint(0, 0)).x(), 520);
        const int topOfFirst =
            control<QToolButton>(u"cmdClose"_s)->mapTo(control(u"MolarPage"_s), QPoint(0, 0)).y();
        QCOMPARE(button->mapTo(page, QPoint(0, 0)).y() - topOfFirst, (top - 480) / 15);
        // The access key is seen: without its mark the caption is drawn otherwise.
        const QImage marked = button->grab().toImage();
        button->setText(QString(caption).remove(u'&'));
        QVERIFY(button->grab().toImage() != marked);
    }

    void header_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Picture1") << u"Picture1"_s << QRect(8, 0, 32, 32);
        QTest::newRow("Label16") << u"Label16"_s << QRect(88, 8, 401, 25);
        QTest::newRow("Hoverlet1") << u"Hoverlet1"_s << QRect(520, 0, 97, 17);
        QTest::newRow("Label9") << u"Label9"_s << QRect(16, 48, 113, 17);
        QTest::newRow("txtReag") << u"txtReag"_s << QRect(16, 64, 121, 19);
        QTest::newRow("Label10") << u"Label10"_s << QRect(168, 48, 121, 17);
        QTest::newRow("txtName") << u"txtName"_s << QRect(168, 64, 249, 19);
        QTest::newRow("SSTab1") << u"SSTab1"_s << QRect(8, 88, 609, 321);
    }
    void header()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QCOMPARE(control(name)->geometry(), pixels);
    }

    void headerLink()
    {
        QWidget *link = control(u"Hoverlet1"_s);
        QCOMPARE(link->property("Caption").toString(), u"Kestrova Software"_s);
        QCOMPARE(link->property("URL").toString(), u"https://kestrova.example/"_s);
        QCOMPARE(link->toolTip(), u"Visit the Kestrova Software Home Page"_s);
        const QFont font = link->property("Font").value<QFont>();
        QVERIFY(font.bold());
        QVERIFY(font.underline());
        QCOMPARE(font.pointSizeF(), 9.75);
        QCOMPARE(link->focusPolicy(), Qt::NoFocus);
    }

    void focusOrder()
    {
        const QStringList visited = tabCycleFrom(u"txtReag"_s);
        const QStringList expected{
            u"txtReag"_s,  u"txtName"_s,  u"cmbEl1"_s,     u"cmbN1"_s,    u"cmbEl2"_s,
            u"cmbN2"_s,    u"cmbEl3"_s,   u"cmbN3"_s,      u"cmbEl4"_s,   u"cmbN4"_s,
            u"cmbEl5"_s,   u"cmbN5"_s,    u"cmbEl6"_s,     u"cmbN6"_s,    u"txtConc"_s,
            u"txtSG"_s,    u"txtMol"_s,   u"txtVol"_s,     u"cmdCal"_s,   u"cmdClose"_s,
            u"cmdClear"_s, u"cmdPrint"_s, u"cmdExample"_s, u"cmdAbout"_s, u"<tabs>"_s,
            u"txtWt6"_s,   u"txtWt1"_s,   u"txtTot"_s,     u"txtWt2"_s,   u"txtWt3"_s,
            u"txtWt4"_s,   u"txtWt5"_s,   u"cmbSConc"_s,   u"optCal"_s,   u"txtReag"_s};
        QVERIFY2(visited == expected, qPrintable(visited.join(u" ")));
    }

    void tabIntoOptionsLandsOnTheChosen_data()
    {
        // Before Tab: a button clicked, or an option chosen by code; the control Tab leaves for
        // the group. Then an arrow moves within the group and chooses.
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<Qt::Key>("arrow");
        QTest::addColumn<QString>("next");
        QTest::newRow("% page after its example: w/v, not the first option")
            << u"PercentPage"_s << u"cmdEgConc"_s << u"txtName"_s << u"opWV"_s << Qt::Key_Down
            << u"opVV"_s;
        QTest::newRow("hydrate page at start: hydrate, not anhydrous")
            << u"HydratePage"_s << QString() << u"cmdHAbout"_s << u"opHY"_s << Qt::Key_Right
            << u"opAN"_s;
        QTest::newRow("molar page, manual chosen by code")
            << u"MolarPage"_s << u"optMan"_s << u"cmbSConc"_s << u"optMan"_s << Qt::Key_Left
            << u"optCal"_s;
    }
    void tabIntoOptionsLandsOnTheChosen()
    {
        QFETCH(QString, page);
        QFETCH(QString, setUp);
        QFETCH(QString, before);
        QFETCH(QString, chosen);
        QFETCH(Qt::Key, arrow);
        QFETCH(QString, next);
        startWindow(page);
        if (auto *option = m_window->findChild<QRadioButton *>(setUp))
            option->setChecked(true);
        else if (!setUp.isEmpty())
            click(setUp);

        control(before)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(chosen));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(checked(chosen));
        QTest::keyClick(QApplication::focusWidget(), arrow);
        QCOMPARE(QApplication::focusWidget(), control(next));
        QVERIFY(checked(next));
    }

    void pageKeysFromAnyControl_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("page");
        QTest::newRow("Ctrl+Shift+Tab from the formula box, round to the last page")
            << u"txtReag"_s << QKeySequence(u"Ctrl+Shift+Backtab"_s) << 2;
        QTest::newRow("Ctrl+PageDown from the stock unit list, which stays %")
            << u"cmbSConc"_s << QKeySequence(u"Ctrl+PgDown"_s) << 1;
    }
    void pageKeysFromAnyControl()
    {
        QFETCH(QString, from);
        QFETCH(QKeySequence, keys);
        QFETCH(int, page);
        control(from)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), keys[0].key(), keys[0].keyboardModifiers());
        QCOMPARE(tabControl()->currentIndex(), page);
        QCOMPARE(control(u"cmbSConc"_s)->property("currentText").toString(), u"%"_s);
    }

    void labelsKnowTheirBoxes_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("box");
        QTest::newRow("formula") << u"Label9"_s << u"txtReag"_s;
        QTest::newRow("name") << u"Label10"_s << u"txtName"_s;
        QTest::newRow("stock") << u"Label12"_s << u"txtConc"_s;
        QTest::newRow("gravity") << u"Label13"_s << u"txtSG"_s;
        QTest::newRow("molarity") << u"Label5"_s << u"txtMol"_s;
        QTest::newRow("volume") << u"Label6"_s << u"txtVol"_s;
        QTest::newRow("total") << u"Label4"_s << u"txtTot"_s;
    }
    void labelsKnowTheirBoxes()
    {
        QFETCH(QString, label);
        QFETCH(QString, box);
        QCOMPARE(control<QLabel>(label)->buddy(), control(box));
    }

    void aboutTwiceLeavesOne_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::newRow("molar") << 0 << u"cmdAbout"_s;
        QTest::newRow("percent") << 1 << u"cmdAbout2"_s;
        QTest::newRow("hydrate") << 2 << u"cmdHAbout"_s;
    }
    void aboutTwiceLeavesOne()
    {
        QFETCH(int, page);
        QFETCH(QString, button);
        tabControl()->setCurrentIndex(page);
        click(button);
        click(button);
        QCOMPARE(aboutBoxes().size(), 1);
        QCOMPARE(m_window->aboutBox(), aboutBoxes().front());
        QVERIFY(!aboutBoxes().front()->isModal());

        // The main window still takes input while the box is open.
        QApplication::setActiveWindow(m_window.get());
        auto *formula = control<QLineEdit>(u"txtReag"_s);
        formula->setFocus();
        QTest::keyClicks(formula, u"NaCl"_s);
        QCOMPARE(formula->text(), u"NaCl"_s);
        QCOMPARE(tabControl()->currentIndex(), page);
    }

    void aboutAgainAfterClosing()
    {
        m_window->showAbout();
        QPointer<molvera::AboutBox> first = m_window->aboutBox();
        first->close();
        uitest::flushDeletes();
        QVERIFY(first.isNull());
        m_window->showAbout();
        QCOMPARE(aboutBoxes().size(), 1);
    }

    void exitClosesEverything_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("aboutOpen");
        QTest::newRow("molar, about open") << 0 << u"cmdClose"_s << true;
        QTest::newRow("molar") << 0 << u"cmdClose"_s << false;
        QTest::newRow("percent, about open") << 1 << u"cmdClose2"_s << true;
        QTest::newRow("hydrate") << 2 << u"cmdHCls"_s << false;
    }
    void exitClosesEverything()
    {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(bool, aboutOpen);
        tabControl()->setCurrentIndex(page);
        if (aboutOpen)
            m_window->showAbout();
        click(button);
        uitest::flushDeletes();
        QVERIFY(!m_window->isVisible());
        QVERIFY(aboutBoxes().isEmpty());
    }

    void titleBarCloseLeavesAboutOpen()
    {
        m_window->showAbout();
        m_window->close();
        QVERIFY(!m_window->isVisible());
        QCOMPARE(aboutBoxes().size(), 1);
    }

    void pagesBuiltWhenFirstShown()
    {
        // The first page is built with the window; a page built on first show has its
        // controls by the time it is on screen.
        QVERIFY(control<molvera::CalculatorPage>(u"MolarPage"_s)->isBuilt());
        for (int index = 1; index < 3; ++index) {
            tabControl()->setCurrentIndex(index);
            auto *page = qobject_cast<molvera::CalculatorPage *>(tabControl()->widget(index));
            QVERIFY(page->isBuilt());
            QVERIFY(page->buttonBar()->isVisible());
        }
    }

    void valuesSurviveTabSwitches()
    {
        auto *concentration = control<QLineEdit>(u"txtConc"_s);
        concentration->setText(u"55"_s);
        control<QLineEdit>(u"txtName"_s)->setText(u"Salt"_s);
        tabControl()->setCurrentIndex(1);
        QVERIFY(!concentration->isVisible());
        QVERIFY(control(u"txtName"_s)->isVisible());
        tabControl()->setCurrentIndex(2);
        tabControl()->setCurrentIndex(0);
        QCOMPARE(concentration->text(), u"55"_s);
        QCOMPARE(text(u"txtName"_s), u"Salt"_s);
    }

    void exampleSentenceNeedsNoScrolling_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("method");
        QTest::newRow("molar, four lines") << 0 << u"cmdExample"_s << u"txtDesc"_s;
        QTest::newRow("percent") << 1 << u"cmdEgConc"_s << u"txtRWW"_s;
        QTest::newRow("hydrate, four lines") << 2 << u"cmdHEg"_s << u"txtHRes"_s;
    }
    void exampleSentenceNeedsNoScrolling()
    {
        QFETCH(int, page);
        QFETCH(QString, example);
        QFETCH(QString, method);
        tabControl()->setCurrentIndex(page);
        click(example);

        auto *box = control<QTextEdit>(method);
        QVERIFY(!box->toPlainText().isEmpty());
        // The whole instruction is in view: a technician must not miss "with solvent.".
        QCOMPARE(box->verticalScrollBar()->maximum(), 0);
    }

    void onlyTheShownPageAnswersAccessKeys()
    {
        tabControl()->setCurrentIndex(1);
        tabControl()->tabBar()->setFocus();
        // The hidden molar page's Example must not run.
        uitest::pressAccessKey(Qt::Key_E);
        QVERIFY(text(u"txtReag"_s) != u"H2SO4"_s);
        QCOMPARE(text(u"txtMol"_s), u"1"_s);
        uitest::pressAccessKey(Qt::Key_A);
        QCOMPARE(aboutBoxes().size(), 1);
        // Nor does Enter in the formula box fill its rows.
        typeInto(u"txtReag"_s, u"NaCl\r"_s);
        QCOMPARE(text(u"txtTot"_s), QString());
    }

    // A bottle picked under the name box fills the page shown as far as the page can use its
    // basis, and the sheet names it while the page's stock is still the bottle's.
    void bottleFillsThePage_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("filled"); // box=text
        QTest::addColumn<QString>("refused");    // the box that says what the page cannot use
        QTest::addColumn<QString>("calculate");  // the button whose sheet names the bottle
        QTest::newRow("molar: an acid by weight, with its gravity")
            << u"MolarPage"_s << u"hydrochloric"_s
            << QStringList{u"txtReag=HCl"_s, u"txtConc=37"_s, u"txtSG=1.19"_s, u"txtTot=36.461"_s}
            << QString() << u"cmdCal"_s;
        QTest::newRow("percent: a solution by volume, as the stock's percent")
            << u"PercentPage"_s << u"ethanol 96"_s
            << QStringList{u"txtSCon=96"_s, u"txtSSG=0.807"_s} << u"BottleNotUsedBox"_s
            << QString();
        QTest::newRow("hydrate: the bottle's waters to the stock")
            << u"HydratePage"_s << u"copper"_s
            << QStringList{u"txtHCon1=98"_s, u"txtHH1=5"_s, u"txtHTot=159.604"_s} << QString()
            << u"cmdHCal"_s;
        QTest::newRow("hydrate: a solution is no solid to weigh")
            << u"HydratePage"_s << u"hydrochloric"_s << QStringList{u"txtHTot=36.461"_s}
            << u"BottleNotUsedBox"_s << QString();
    }
    void bottleFillsThePage()
    {
        QFETCH(QString, page);
        QFETCH(QString, typed);
        QFETCH(QStringList, filled);
        QFETCH(QString, refused);
        QFETCH(QString, calculate);
        startWindow(page);
        QTRY_VERIFY(m_window->reagentBook()->store()->status().canRead());
        typeInto(u"txtName"_s, typed);
        QWidget *offered = control(u"txtName"_s)->findChild<QCompleter *>()->popup();
        QTRY_VERIFY(offered->isVisible());
        QTest::keyClick(offered, Qt::Key_Down);
        QTest::keyClick(offered, Qt::Key_Return);
        for (const QString &box : filled)
            QCOMPARE(text(box.section(u'=', 0, 0)), box.section(u'=', 1));
        QCOMPARE(acknowledgeMessage(), refused);
        if (calculate.isEmpty())
            return;
        recordPrinting(page);
        click(calculate);
        QTest::keySequence(control(page), QKeySequence::Print);
        QCOMPARE(m_sheets.value(0).stock.bottle, text(u"txtName"_s));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
