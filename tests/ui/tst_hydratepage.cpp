#include "windowtest.h"

#include <print/calculationsheet.h>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using molvera::CalculationSheet;

namespace {

// The worked example's sentence: its stock, weighed out, has no waters unless the row says so.
QString exampleMethod(const QString &mass, const QString &stock = u"CuSO4"_s)
{
    return u"To prepare 100mL of a 15 percent Solution of CuSO4.2H2O, Measure "_s + mass +
           u" grams of "_s + stock + u" and dilute up to 100 mL with solvent."_s;
}

} // namespace

class TestHydratePage : public uitest::WindowTest
{
    Q_OBJECT

private:
    QString method() const { return control<QTextEdit>(u"txtHRes"_s)->toPlainText(); }
    QStringList weights() const
    {
        return texts(
            {u"txtHW1"_s, u"txtHW2"_s, u"txtHW3"_s, u"txtHW4"_s, u"txtHW5"_s, u"txtHW6"_s});
    }
    void typeRow(int row, const QString &element, const QString &count)
    {
        WindowTest::typeRow(u"cmbHE%1"_s.arg(row), u"cmbHN%1"_s.arg(row), element, count);
    }
    void enterRow(int row, const QString &element, const QString &count)
    {
        typeRow(row, element, count);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

private Q_SLOTS:
    void init() { startWindow(u"HydratePage"_s); }

    void startState_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("expected");
        QTest::newRow("step 1") << u"Frame5"_s << "title"_ba << u"1. Type of Solution"_s;
        QTest::newRow("step 2") << u"Frame8"_s << "title"_ba << u"2. Select Elements"_s;
        QTest::newRow("step 3") << u"Frame6"_s << "title"_ba << u"3. Stock Solution"_s;
        QTest::newRow("step 4") << u"Frame7"_s << "title"_ba << u"4. Required Solution"_s;
        QTest::newRow("step 5") << u"cmdHCal"_s << "text"_ba << u"5. Calculate"_s;
        QTest::newRow("method frame") << u"Frame9"_s << "title"_ba << u"Method"_s;
        QTest::newRow("hydrate caption") << u"opHY"_s << "text"_ba << u"Hydrate Solution"_s;
        QTest::newRow("anhydrous caption") << u"opAN"_s << "text"_ba << u"Anhydrous Solution"_s;
        QTest::newRow("stock 100") << u"txtHCon1"_s << "text"_ba << u"100"_s;
        QTest::newRow("stock waters 0") << u"txtHH1"_s << "text"_ba << u"0"_s;
        QTest::newRow("stock waters tip")
            << u"txtHH1"_s << "toolTip"_ba << u"Enter the number of H2Os in the stock solution"_s;
        QTest::newRow("required 15") << u"txtHCon2"_s << "text"_ba << u"15"_s;
        QTest::newRow("required waters 0") << u"txtHH2"_s << "text"_ba << u"0"_s;
        QTest::newRow("required waters tip")
            << u"txtHH2"_s << "toolTip"_ba
            << u"Enter the number of H2Os required for the Hydrate"_s;
        QTest::newRow("volume 100") << u"txtHVol"_s << "text"_ba << u"100"_s;
        QTest::newRow("unit % w/v") << u"Label25"_s << "text"_ba << u"% w/v"_s;
        QTest::newRow("unit mL") << u"Label26"_s << "text"_ba << u"mL"_s;
        QTest::newRow("heading") << u"Label32"_s << "text"_ba << u"Molecular Weight"_s;
        QTest::newRow("total empty") << u"txtHTot"_s << "text"_ba << QString();
        QTest::newRow("count empty") << u"cmbHN1"_s << "currentText"_ba << QString();
        QTest::newRow("element unchosen") << u"cmbHE6"_s << "currentText"_ba << QString();
        QTest::newRow("element tip") << u"cmbHE2"_s << "toolTip"_ba << u"Select an Element"_s;
        QTest::newRow("hidden mass empty") << u"txtHResult"_s << "text"_ba << QString();
        QTest::newRow("print line 1 empty") << u"txtH1"_s << "text"_ba << QString();
        QTest::newRow("print line 3 empty") << u"txtH3"_s << "text"_ba << QString();
    }
    void startState()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, property);
        QFETCH(QString, expected);
        QCOMPARE(control(name)->property(property.constData()).toString(), expected);
    }

    void startModes()
    {
        QVERIFY(checked(u"opHY"_s));
        QVERIFY(!checked(u"opAN"_s));
        QVERIFY(control(u"txtHH2"_s)->isEnabled());
        QVERIFY(control<QLineEdit>(u"txtHTot"_s)->isReadOnly());
        QVERIFY(control<QLineEdit>(u"txtHW1"_s)->isReadOnly());
        QCOMPARE(control<QComboBox>(u"cmbHE1"_s)->count(), 32);
        QCOMPARE(control<QComboBox>(u"cmbHN1"_s)->count(), 9);
        QVERIFY(!control(u"Frame9"_s)->isVisible());
        QVERIFY(!control(u"txtHResult"_s)->isVisible());
        QVERIFY(!control(u"txtH2"_s)->isVisible());
    }

    void layout_data()
    {
        // Twips from the tab control's corner (the page starts 360 below it) or the frame's.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Frame5 120,360") << u"Frame5"_s << QRect(8, 0, 257, 49);
        QTest::newRow("Frame8 120,1200") << u"Frame8"_s << QRect(8, 56, 257, 233);
        QTest::newRow("Frame6 4080,360") << u"Frame6"_s << QRect(272, 0, 233, 73);
        QTest::newRow("Frame7 4080,1560") << u"Frame7"_s << QRect(272, 80, 233, 97);
        QTest::newRow("cmdHCal 4080,3120") << u"cmdHCal"_s << QRect(272, 184, 233, 25);
        QTest::newRow("Frame9 4080,3480") << u"Frame9"_s << QRect(272, 208, 233, 81);
        QTest::newRow("opAN in its frame") << u"opAN"_s << QRect(128, 24, 113, 17);
        QTest::newRow("heading in two lines") << u"Label32"_s << QRect(184, 8, 57, 33);
        QTest::newRow("row 4 at 1680") << u"cmbHE4"_s << QRect(8, 112, 97, 19);
        QTest::newRow("total at 2880") << u"txtHTot"_s << QRect(184, 192, 57, 19);
        QTest::newRow("volume third in its frame") << u"txtHVol"_s << QRect(112, 72, 49, 19);
        QTest::newRow("txtHRes in its frame") << u"txtHRes"_s << QRect(8, 16, 217, 57);
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QCOMPARE(control(name)->geometry(), pixels);
    }

    void labelsKnowTheirBoxes_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("box");
        QTest::newRow("element") << u"Label33"_s << u"cmbHE1"_s;
        QTest::newRow("number") << u"Label30"_s << u"cmbHN1"_s;
        QTest::newRow("total") << u"Label31"_s << u"txtHTot"_s;
        QTest::newRow("stock") << u"Label24"_s << u"txtHCon1"_s;
        QTest::newRow("stock waters") << u"Label22"_s << u"txtHH1"_s;
        QTest::newRow("required") << u"Label28"_s << u"txtHCon2"_s;
        QTest::newRow("required waters") << u"Label29"_s << u"txtHH2"_s;
        QTest::newRow("volume") << u"Label27"_s << u"txtHVol"_s;
    }
    void labelsKnowTheirBoxes()
    {
        QFETCH(QString, label);
        QFETCH(QString, box);
        QCOMPARE(control<QLabel>(label)->buddy(), control(box));
    }

    void focusOrder_data()
    {
        // The option group is one stop: the chosen option.
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QStringList>("expected");
        QStringList rows;
        for (int row = 1; row <= 6; ++row)
            rows << u"cmbHE"_s + QString::number(row) << u"cmbHN"_s + QString::number(row);
        const QStringList start = QStringList{u"txtReag"_s, u"txtName"_s, u"<tabs>"_s} + rows;
        const QStringList buttons{u"cmdHCal"_s,  u"cmdHCls"_s, u"cmdHCl"_s,
                                  u"cmdHPrnt"_s, u"cmdHEg"_s,  u"cmdHAbout"_s};
        const QStringList readOnly{u"txtHW1"_s, u"txtHW2"_s, u"txtHW3"_s,  u"txtHW4"_s,
                                   u"txtHW5"_s, u"txtHW6"_s, u"txtHTot"_s, u"txtReag"_s};
        const QStringList inputs{u"txtHCon1"_s, u"txtHH1"_s, u"txtHCon2"_s, u"txtHH2"_s,
                                 u"txtHVol"_s};
        QTest::newRow("at start: the chosen hydrate, not the first option")
            << QString() << start + inputs + buttons + QStringList{u"opHY"_s} + readOnly;
        QTest::newRow("hydrate clicked")
            << u"opHY"_s << start + inputs + buttons + QStringList{u"opHY"_s} + readOnly;
        QTest::newRow("anhydrous clicked: required waters skipped")
            << u"opAN"_s
            << start + QStringList{u"txtHCon1"_s, u"txtHH1"_s, u"txtHCon2"_s, u"txtHVol"_s} +
                   buttons + QStringList{u"opAN"_s} + readOnly;
    }
    void focusOrder()
    {
        QFETCH(QString, clicked);
        QFETCH(QStringList, expected);
        if (!clicked.isEmpty())
            click(clicked);
        const QStringList visited = tabCycleFrom(u"txtReag"_s);
        QVERIFY2(visited == expected, qPrintable(visited.join(u' ')));
    }

    void typeOfSolution_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QString>("waters");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("anhydrous: none, greyed") << QStringList{u"opAN"_s} << u"0"_s << false;
        QTest::newRow("back to hydrate: editable, still 0")
            << QStringList{u"opAN"_s, u"opHY"_s} << u"0"_s << true;
        QTest::newRow("hydrate clicked again: untouched")
            << QStringList{u"opHY"_s} << u"3"_s << true;
    }
    void typeOfSolution()
    {
        QFETCH(QStringList, choices);
        QFETCH(QString, waters);
        QFETCH(bool, enabled);
        typeInto(u"txtHH2"_s, u"3"_s);
        for (const QString &choice : choices)
            click(choice);
        QCOMPARE(text(u"txtHH2"_s), waters);
        QCOMPARE(control(u"txtHH2"_s)->isEnabled(), enabled);
    }

    void countCommittedBeforeAction_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("mass");
        QTest::newRow("click on Calculate") << u"click cmdHCal"_s << u"159.604"_s << u"12.24"_s;
        QTest::newRow("Alt+P access key") << u"alt P"_s << u"159.604"_s << QString();
        QTest::newRow("click on the Print picture")
            << u"click cmdHPrnt"_s << u"159.604"_s << QString();
        // The example leaves rows past the third as they are: a count typed in row 4 counts.
        QTest::newRow("Alt+E with a count typed in row 4")
            << u"alt E"_s << u"161.62"_s << u"12.27"_s;
        QTest::newRow("Return in the count box") << u"key Return"_s << u"159.604"_s << u"12.24"_s;
        QTest::newRow("keypad Enter in the count box")
            << u"key Enter"_s << u"159.604"_s << u"12.24"_s;
        QTest::newRow("Return on the focused Print picture")
            << u"key Return on Print"_s << u"159.604"_s << QString();
    }
    void countCommittedBeforeAction()
    {
        QFETCH(QString, how);
        QFETCH(QString, total);
        QFETCH(QString, mass);
        recordPrinting(u"HydratePage"_s, u"txtHTot"_s);
        if (how == u"alt E") {
            typeRow(4, u"H  - Hydrogen"_s, u"2"_s);
        } else {
            typeInto(u"txtHH2"_s, u"2"_s);
            enterRow(1, u"Cu - Copper"_s, u"1"_s);
            enterRow(2, u"S  - Sulphur"_s, u"1"_s);
            typeRow(3, u"O  - Oxygen"_s, u"4"_s);
            QCOMPARE(text(u"txtHTot"_s), u"95.604"_s);
        }
        QVERIFY(QApplication::focusWidget()->objectName().startsWith(u"cmbHN"_s));

        const bool keypad = how.endsWith(u"Enter");
        if (how.endsWith(u"on Print"))
            control(u"cmdHPrnt"_s)->setFocus();
        if (how.startsWith(u"click"))
            click(how.section(u' ', 1));
        else if (how.startsWith(u"key"))
            QTest::keyClick(QApplication::focusWidget(), keypad ? Qt::Key_Enter : Qt::Key_Return,
                            keypad ? Qt::KeypadModifier : Qt::NoModifier);
        else
            uitest::pressAccessKey(how.endsWith(u'P') ? Qt::Key_P : Qt::Key_E);

        QCOMPARE(text(u"txtHTot"_s), total);
        if (how.contains(u"Print") || how.endsWith(u'P'))
            QCOMPARE(m_totalsAtPrint, QStringList{total});
        QCOMPARE(text(u"txtHResult"_s), mass);
        QCOMPARE(control(u"Frame9"_s)->isVisible(), !mass.isEmpty());
    }

    void clearByAccessKeyIsNotUndoneByLeavingTheBox()
    {
        typeRow(2, u"S  - Sulphur"_s, u"3"_s);
        uitest::pressAccessKey(Qt::Key_C);
        QCOMPARE(text(u"txtHTot"_s), QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(text(u"txtHTot"_s), QString());
        QCOMPARE(text(u"txtHW2"_s), QString());
    }

    void example_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("rowWeights");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("mass");
        const QLocale english = uitest::english();
        const QLocale german = uitest::german();
        const QStringList three{u"63.54"_s, u"32.064"_s, u"64"_s, QString(), QString(), QString()};
        QTest::newRow("fresh page") << english << QString() << three << u"159.604"_s << u"12.24"_s;
        QTest::newRow("german decimal comma")
            << german << QString()
            << QStringList{u"63,54"_s, u"32,064"_s, u"64"_s, QString(), QString(), QString()}
            << u"159,604"_s << u"12,24"_s;
        QTest::newRow("after clear")
            << english << u"clear"_s << three << u"159.604"_s << u"12.24"_s;
        QTest::newRow("anhydrous chosen before")
            << english << u"anhydrous"_s << three << u"159.604"_s << u"12.24"_s;
        QTest::newRow("five rows in use: rows 4 and 5 kept and counted")
            << english << u"five rows"_s
            << QStringList{u"63.54"_s, u"32.064"_s, u"64"_s, u"22.99"_s, u"35.453"_s, QString()}
            << u"218.047"_s << u"12.87"_s;
        QTest::newRow("stock of 50 percent kept")
            << english << u"stock 50"_s << three << u"159.604"_s << u"24.47"_s;
    }
    void example()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, before);
        QFETCH(QStringList, rowWeights);
        QFETCH(QString, total);
        QFETCH(QString, mass);
        startWindowIn(locale, u"HydratePage"_s);
        if (before == u"clear") {
            click(u"cmdHEg"_s);
            click(u"cmdHCl"_s);
        } else if (before == u"anhydrous") {
            click(u"opAN"_s);
        } else if (before == u"five rows") {
            enterRow(1, u"Ag - Silver"_s, u"2"_s);
            enterRow(2, u"H  - Hydrogen"_s, u"1"_s);
            enterRow(3, u"N  - Nitrogen"_s, u"1"_s);
            enterRow(4, u"Na - Sodium"_s, u"1"_s);
            enterRow(5, u"Cl - Chlorine"_s, u"1"_s);
            click(u"cmdHCal"_s);
            QVERIFY(control(u"Frame9"_s)->isVisible());
        } else if (before == u"stock 50") {
            typeInto(u"txtHCon1"_s, u"50"_s);
        }

        click(u"cmdHEg"_s);

        QVERIFY(!uitest::openMessageBox(m_window.get(), u"InputErrorBox"_s));
        QCOMPARE(text(u"txtReag"_s), u"CuSO4.2H2O"_s);
        QCOMPARE(text(u"txtName"_s), u"Copper Sulphate"_s);
        QCOMPARE(control<QComboBox>(u"cmbHE1"_s)->currentText(), u"Cu - Copper"_s);
        QCOMPARE(control<QComboBox>(u"cmbHN3"_s)->currentText(), u"4"_s);
        QCOMPARE(weights(), rowWeights);
        QCOMPARE(text(u"txtHTot"_s), total);
        QVERIFY(checked(u"opHY"_s));
        QCOMPARE(text(u"txtHH2"_s), u"2"_s);
        QVERIFY(control(u"txtHH2"_s)->isEnabled());
        QCOMPARE(text(u"txtHResult"_s), mass);
        QCOMPARE(method(), exampleMethod(mass));
        QVERIFY(control(u"Frame9"_s)->isVisible());
        QCOMPARE(control(u"txtHRes"_s)->accessibleDescription(), QString()); // a new method
        QCOMPARE(text(u"txtH1"_s), u"To prepare 100mL of a 15 percent Solution of CuSO4.2H2O,"_s);
        QCOMPARE(text(u"txtH2"_s),
                 u"Measure "_s + mass + u" grams of CuSO4 and dilute up to 100"_s);
        QCOMPARE(text(u"txtH3"_s), u"mL with solvent."_s);
    }

    void formulaFillsRowsFromTheMenu()
    {
        click(u"cmdHEg"_s);
        typeInto(u"txtReag"_s, u"CaCl2·2H2O"_s);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, {});
        QApplication::sendEvent(control(u"txtReag"_s), &menuKey);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_E);
        // The salt in the rows, the example's third emptied; the waters to the stock.
        QCOMPARE(weights(), (QStringList{u"40.08"_s, u"70.906"_s, {}, {}, {}, {}}));
        QCOMPARE(texts({u"txtHTot"_s, u"txtHH1"_s, u"txtReag"_s}),
                 (QStringList{u"110.986"_s, u"2"_s, u"CaCl2·2H2O"_s}));
        // Changed without Enter: the salt fills the rows at Calculate, its waters the stock's.
        typeInto(u"txtReag"_s, u"MgSO4·7H2O"_s);
        click(u"cmdHCal"_s);
        QCOMPARE(texts({u"txtHTot"_s, u"txtHH1"_s}), (QStringList{u"120.376"_s, u"7"_s}));
        QVERIFY(method().endsWith(u"from the formula."_s));
    }

    void pentahydrateStockForAnAnhydrousSolution()
    {
        // The bottle's formula typed: the solution is named as its strength is stated.
        click(u"cmdHEg"_s);
        typeInto(u"txtReag"_s, u"CuSO4.5H2O\r"_s);
        click(u"opAN"_s);
        QVERIFY(!control(u"txtHH2"_s)->isEnabled());
        click(u"cmdHCal"_s);
        QCOMPARE(text(u"txtHResult"_s), u"23.47"_s);
        QCOMPARE(method(), u"To prepare 100mL of a 15 percent Solution of CuSO4, Measure 23.47 "
                           "grams of CuSO4.5H2O and dilute up to 100 mL with solvent."_s);
    }

    void refusedCalculation_data()
    {
        QTest::addColumn<bool>("afterExample");
        QTest::addColumn<QStringList>("edits"); // name=value
        QTest::addColumn<QString>("box");       // the message box that says why
        const QString input = u"InputErrorBox"_s;
        const QString failure = u"CalculationFailureBox"_s;
        QTest::newRow("Cs 0") << true << QStringList{u"txtHCon1=0"_s} << failure;
        QTest::newRow("beyond a double") << true << QStringList{u"txtHVol=1e999"_s} << failure;
        QTest::newRow("negative volume: cannot be made")
            << true << QStringList{u"txtHVol=-100"_s} << u"PreparationRefusedBox"_s;
        QTest::newRow("letters for the volume") << true << QStringList{u"txtHVol=full"_s} << input;
        QTest::newRow("a unit the volume cannot take")
            << true << QStringList{u"txtHVol=100 mM"_s} << input;
        QTest::newRow("empty stock waters") << true << QStringList{u"txtHH1="_s} << input;
        QTest::newRow("comma in an english locale")
            << true << QStringList{u"txtHCon2=1,5"_s} << input;
        QTest::newRow("no element chosen: empty total") << false << QStringList{} << input;
        QTest::newRow("an element with its count left empty")
            << true << QStringList{u"cmbHN3="_s, u"txtReag="_s} << input;
        QTest::newRow("a fraction for a count")
            << true << QStringList{u"cmbHN3=1.5"_s, u"txtReag="_s} << input;
        QTest::newRow("a formula the rows cannot hold")
            << true << QStringList{u"txtReag=KMnO4"_s} << u"FormulaRefusedBox"_s;
    }
    void refusedCalculation()
    {
        QFETCH(bool, afterExample);
        QFETCH(QStringList, edits);
        QFETCH(QString, box);
        if (afterExample)
            click(u"cmdHEg"_s);
        const QString mass = text(u"txtHResult"_s);
        const QString shownMethod = method();
        const QString line2 = text(u"txtH2"_s);
        for (const QString &edit : edits) {
            if (auto *combo = qobject_cast<QComboBox *>(control(edit.section(u'=', 0, 0))))
                uitest::typeInto(combo, edit.section(u'=', 1));
            else
                typeInto(edit.section(u'=', 0, 0), edit.section(u'=', 1));
        }
        click(u"cmdHCal"_s);

        QCOMPARE(acknowledgeMessage(), box);
        // The box to mend takes the keyboard.
        if (box == u"InputErrorBox" && !edits.isEmpty())
            QCOMPARE(m_window->focusWidget()->objectName(), edits.first().section(u'=', 0, 0));
        QCOMPARE(control(u"Frame9"_s)->isVisible(), afterExample);
        QCOMPARE(!control(u"txtHRes"_s)->accessibleDescription().isEmpty(), afterExample);
        QCOMPARE(text(u"txtHResult"_s), mass);
        QCOMPARE(method(), shownMethod);
        QCOMPARE(text(u"txtH2"_s), line2);
    }

    void countWithoutAnElement_data()
    {
        QTest::addColumn<QString>("requiredWaters");
        QTest::addColumn<QString>("mass"); // empty: silent
        QTest::newRow("no waters: the divisor is 0, refused") << u"0"_s << QString();
        QTest::newRow("two waters: 0.00") << u"2"_s << u"0.00"_s;
    }
    void countWithoutAnElement()
    {
        QFETCH(QString, requiredWaters);
        QFETCH(QString, mass);
        typeInto(u"txtHH2"_s, requiredWaters);
        QVERIFY(uitest::chooseItem(control<QComboBox>(u"cmbHN1"_s), u"3"_s));
        QCOMPARE(text(u"txtHW1"_s), QString());
        QCOMPARE(text(u"txtHTot"_s), u"0"_s);

        click(u"cmdHCal"_s);
        QVERIFY(!uitest::openMessageBox(m_window.get(), u"InputErrorBox"_s));
        QCOMPARE(text(u"txtHResult"_s), mass);
        QCOMPARE(control(u"Frame9"_s)->isVisible(), !mass.isEmpty());
    }

    void clear_data()
    {
        QTest::addColumn<bool>("anhydrous");
        QTest::newRow("hydrate") << false;
        QTest::newRow("anhydrous: back to hydrate") << true;
    }
    void clear()
    {
        QFETCH(bool, anhydrous);
        click(u"cmdHEg"_s);
        enterRow(6, u"Zn - Zinc"_s, u"1"_s);
        typeInto(u"txtHVol"_s, u"250"_s);
        if (anhydrous)
            click(u"opAN"_s);
        const QString line1 = text(u"txtH1"_s);
        const QString shownMethod = method();
        click(u"cmdHCl"_s);

        for (int row = 1; row <= 6; ++row) {
            QCOMPARE(control<QComboBox>(u"cmbHE"_s + QString::number(row))->currentIndex(), -1);
            QCOMPARE(control<QComboBox>(u"cmbHN"_s + QString::number(row))->currentText(),
                     QString());
        }
        QCOMPARE(weights(), QStringList(6, QString()));
        QCOMPARE(text(u"txtHTot"_s), QString());
        QCOMPARE(text(u"txtReag"_s), QString());
        QCOMPARE(text(u"txtName"_s), QString());
        QCOMPARE(text(u"txtHCon1"_s), u"100"_s);
        QCOMPARE(text(u"txtHH1"_s), u"0"_s);
        QCOMPARE(text(u"txtHCon2"_s), u"15"_s);
        QCOMPARE(text(u"txtHH2"_s), u"0"_s);
        QCOMPARE(text(u"txtHVol"_s), u"100"_s);
        QVERIFY(!control(u"Frame9"_s)->isVisible());
        QVERIFY(checked(u"opHY"_s));
        QVERIFY(control(u"txtHH2"_s)->isEnabled());
        // The last calculation stays behind the hidden frame, for printing.
        QCOMPARE(text(u"txtHResult"_s), u"12.24"_s);
        QCOMPARE(text(u"txtH1"_s), line1);
        QCOMPARE(method(), shownMethod);
    }

    void print_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("strength");
        const QStringList exampleLines{
            u"To prepare 100mL of a 15 percent Solution of CuSO4.2H2O,"_s,
            u"Measure 12.24 grams of CuSO4 and dilute up to 100"_s, u"mL with solvent."_s};
        QTest::newRow("after the example")
            << QStringList{u"cmdHEg"_s} << exampleLines << u"Copper Sulphate"_s << u"15"_s;
        QTest::newRow("after clear: the last lines under their label")
            << QStringList{u"cmdHEg"_s, u"cmdHCl"_s} << exampleLines << u"Copper Sulphate"_s
            << u"15"_s;
        QTest::newRow("before any calculation: empty lines, nothing after the captions")
            << QStringList{} << QStringList{QString(), QString(), QString()} << QString()
            << QString();
    }
    void print()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, lines);
        QFETCH(QString, name);
        QFETCH(QString, strength);
        recordPrinting(u"HydratePage"_s, u"txtHTot"_s);
        for (const QString &step : steps)
            click(step);
        uitest::pressAccessKey(Qt::Key_P);

        QCOMPARE(m_sheets.size(), 1);
        const CalculationSheet &sheet = m_sheets.front();
        QCOMPARE(sheet.variant, molvera::SheetVariant::Hydrate);
        QCOMPARE((QStringList{sheet.printLines.begin(), sheet.printLines.end()}), lines);
        QCOMPARE(sheet.chemicalName, name);
        QCOMPARE(sheet.chemicalFormula, name.isEmpty() ? QString() : u"CuSO4.2H2O"_s);
        QCOMPARE(sheet.strength, strength);
        QCOMPARE(sheet.strengthUnit, strength.isEmpty() ? QString() : u"% w/v"_s);
    }
};

QTEST_MAIN(TestHydratePage)
#include "tst_hydratepage.moc"
