#include "windowtest.h"

#include <print/calculationsheet.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using molvera::CalculationSheet;

namespace {

const QString ExampleMethod =
    u"To prepare 600 mL of a 20 % w/v solution of NaCl , Measure 122.45 grams of NaCl and dilute "
    "up to 600 mL with solvent."_s;

} // namespace

class TestPercentPage : public uitest::WindowTest
{
    Q_OBJECT

private:
    QString method() const { return control<QTextEdit>(u"txtRWW"_s)->toPlainText(); }
    // name=value pairs; boxes of a hidden frame cannot be typed into, so their text is set.
    void setTexts(const QStringList &edits)
    {
        for (const QString &edit : edits)
            control<QLineEdit>(edit.section(u'=', 0, 0))->setText(edit.section(u'=', 1));
    }

private Q_SLOTS:
    void init() { startWindow(u"PercentPage"_s); }

    void startState_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("expected");
        QTest::newRow("step 1") << u"fraCon"_s << "title"_ba << u"1. Type of Concentration"_s;
        QTest::newRow("step 2") << u"fraStk1"_s << "title"_ba << u"2. Stock Solution"_s;
        QTest::newRow("step 3") << u"Frame3"_s << "title"_ba << u"3. Required Solution"_s;
        QTest::newRow("step 4") << u"cmdConc"_s << "text"_ba << u"4. Calculate"_s;
        QTest::newRow("method frame") << u"fraCMeth"_s << "title"_ba << u"Method"_s;
        QTest::newRow("w/w caption") << u"opWW"_s << "text"_ba << u"% w/w"_s;
        QTest::newRow("w/v tip") << u"opWV"_s << "toolTip"_ba
                                 << u"Weight per Volume Concentrations"_s;
        QTest::newRow("v/v tip") << u"opVV"_s << "toolTip"_ba
                                 << u"Volume per Volume Concentrations"_s;
        QTest::newRow("stock concentration 100") << u"txtSCon"_s << "text"_ba << u"100"_s;
        QTest::newRow("stock tip")
            << u"txtSCon"_s << "toolTip"_ba << u"Enter the Conc of the Stock Solution"_s;
        QTest::newRow("specific gravity 1.00") << u"txtSSG"_s << "text"_ba << u"1.00"_s;
        QTest::newRow("gravity tip")
            << u"txtSSG"_s << "toolTip"_ba << u"Enter the SG of the stock solution"_s;
        QTest::newRow("concentration 15") << u"txtCCon"_s << "text"_ba << u"15"_s;
        QTest::newRow("amount tip with its units")
            << u"txtCVol"_s << "toolTip"_ba
            << u"Enter the amount you wish to make, e.g. 100 (grams) or 2 kg"_s;
        QTest::newRow("percent sign") << u"Label19"_s << "text"_ba << u"%"_s;
        QTest::newRow("calculate tip")
            << u"cmdConc"_s << "toolTip"_ba << u"Click here to calculate your result"_s;
        QTest::newRow("hidden result empty") << u"txtCRes"_s << "text"_ba << QString();
        QTest::newRow("hidden solvent empty") << u"txtCSolv"_s << "text"_ba << QString();
        QTest::newRow("print line 1 empty") << u"txtC1"_s << "text"_ba << QString();
        QTest::newRow("print line 3 empty") << u"txtC3"_s << "text"_ba << QString();
        QTest::newRow("method empty") << u"txtRWW"_s << "plainText"_ba << QString();
    }
    void startState()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, property);
        QFETCH(QString, expected);
        QCOMPARE(control(name)->property(property.constData()).toString(), expected);
    }

    void startsWithoutAType()
    {
        QVERIFY(!checked(u"opWW"_s));
        QVERIFY(!checked(u"opWV"_s));
        QVERIFY(!checked(u"opVV"_s));
        QVERIFY(control(u"fraCon"_s)->isVisible());
        QVERIFY(control(u"fraStk1"_s)->isVisible());
        QVERIFY(control(u"cmdConc"_s)->isVisible());
        QVERIFY(!control(u"Frame3"_s)->isVisible());
        QVERIFY(!control(u"fraCMeth"_s)->isVisible());
        for (const QString &name : {u"txtCRes"_s, u"txtCSolv"_s, u"txtC1"_s, u"txtC2"_s})
            QVERIFY2(!control(name)->isVisible(), qPrintable(name));
    }

    void layout_data()
    {
        // Twips from the tab control's corner (the page starts 360 below it) or the frame's.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("fraCon 120,600") << u"fraCon"_s << QRect(8, 16, 145, 89);
        QTest::newRow("fraStk1 2400,600") << u"fraStk1"_s << QRect(160, 16, 305, 89);
        QTest::newRow("Frame3 120,2040") << u"Frame3"_s << QRect(8, 112, 217, 121);
        QTest::newRow("cmdConc 3480,2160") << u"cmdConc"_s << QRect(232, 120, 233, 25);
        QTest::newRow("fraCMeth 3480,2640") << u"fraCMeth"_s << QRect(232, 152, 233, 81);
        QTest::newRow("opWV in its frame") << u"opWV"_s << QRect(16, 40, 89, 17);
        QTest::newRow("txtSSG in its frame") << u"txtSSG"_s << QRect(104, 48, 49, 19);
        QTest::newRow("Label20 in its frame") << u"Label20"_s << QRect(168, 32, 33, 17);
        QTest::newRow("txtRWW in its frame") << u"txtRWW"_s << QRect(8, 16, 217, 57);
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
        QTest::newRow("stock") << u"Label21"_s << u"txtSCon"_s;
        QTest::newRow("gravity") << u"Label14"_s << u"txtSSG"_s;
        QTest::newRow("concentration") << u"Label15"_s << u"txtCCon"_s;
        QTest::newRow("amount") << u"Label17"_s << u"txtCVol"_s;
    }
    void labelsKnowTheirBoxes()
    {
        QFETCH(QString, label);
        QFETCH(QString, box);
        QCOMPARE(control<QLabel>(label)->buddy(), control(box));
    }

    void focusOrder_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("expected");
        const QStringList buttons{u"cmdConc"_s,   u"cmdClose2"_s, u"cmdClearCon"_s, u"cmdPrnC"_s,
                                  u"cmdEgConc"_s, u"cmdAbout2"_s, u"<tabs>"_s,      u"txtReag"_s};
        QTest::newRow("no type: the first option, no required solution")
            << QString()
            << QStringList{u"txtReag"_s, u"txtName"_s,   u"opWW"_s,
                           u"txtSCon"_s, u"cmbSBasis"_s, u"txtSSG"_s} +
                   buttons;
        QTest::newRow("w/v chosen: its option, then the required solution")
            << u"opWV"_s
            << QStringList{u"txtReag"_s,   u"txtName"_s, u"opWV"_s,    u"txtSCon"_s,
                           u"cmbSBasis"_s, u"txtSSG"_s,  u"txtCCon"_s, u"txtCVol"_s} +
                   buttons;
    }
    void focusOrder()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, expected);
        if (!type.isEmpty())
            click(type);
        const QStringList visited = tabCycleFrom(u"txtReag"_s);
        QVERIFY2(visited == expected, qPrintable(visited.join(u' ')));
    }

    void calculateWithoutAType_data()
    {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<bool>("errorBox");
        QTest::newRow("valid numbers: nothing happens") << QStringList{} << false;
        QTest::newRow("zero stock concentration: nothing happens")
            << QStringList{u"txtSCon=0"_s} << false;
        QTest::newRow("empty stock concentration: the error box")
            << QStringList{u"txtSCon="_s} << true;
        QTest::newRow("letters for the gravity: the error box")
            << QStringList{u"txtSSG=heavy"_s} << true;
        QTest::newRow("hidden concentration emptied: the error box")
            << QStringList{u"txtCCon="_s} << true;
    }
    void calculateWithoutAType()
    {
        QFETCH(QStringList, edits);
        QFETCH(bool, errorBox);
        control<QLineEdit>(u"txtReag"_s)->setText(u"NaCl"_s);
        setTexts(edits);
        click(u"cmdConc"_s);

        QCOMPARE(acknowledgeInputError(), errorBox);
        QVERIFY(!control(u"Frame3"_s)->isVisible());
        QVERIFY(!control(u"fraCMeth"_s)->isVisible());
        QCOMPARE(text(u"txtCRes"_s), QString());
        QCOMPARE(text(u"txtC1"_s), QString());
        QCOMPARE(method(), QString());
    }

    void choosingAType_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("amountUnit");
        QTest::newRow("w/w, amount in grams") << u"opWW"_s << u"% w/w"_s << u"grams"_s;
        QTest::newRow("w/v, amount in mL") << u"opWV"_s << u"% w/v"_s << u"mL"_s;
        QTest::newRow("v/v, amount in mL") << u"opVV"_s << u"% v/v"_s << u"mL"_s;
    }
    void choosingAType()
    {
        QFETCH(QString, option);
        QFETCH(QString, unit);
        QFETCH(QString, amountUnit);
        control<QLineEdit>(u"txtCCon"_s)->setText(u"12.5"_s);
        click(option);

        QVERIFY(checked(option));
        QVERIFY(control(u"Frame3"_s)->isVisible());
        QCOMPARE(control<QLabel>(u"Label20"_s)->text(), unit);
        QCOMPARE(control<QLabel>(u"Label18"_s)->text(), amountUnit);
        QCOMPARE(text(u"txtCVol"_s), u"100"_s);
        QCOMPARE(text(u"txtCCon"_s), u"12.5"_s);
        QVERIFY(!control(u"fraCMeth"_s)->isVisible());
    }

    void everyChoiceResetsTheAmount_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("expectedType");
        QTest::addColumn<QString>("expectedUnit");
        QTest::newRow("click on another type") << u"click opWW"_s << u"opWW"_s << u"grams"_s;
        QTest::newRow("click on the type already chosen")
            << u"click opWV"_s << u"opWV"_s << u"mL"_s;
        QTest::newRow("space on the type already chosen") << u"space"_s << u"opWV"_s << u"mL"_s;
        QTest::newRow("arrow key to the next type") << u"down"_s << u"opVV"_s << u"mL"_s;
        QTest::newRow("selected by code") << u"code opWW"_s << u"opWW"_s << u"grams"_s;
    }
    void everyChoiceResetsTheAmount()
    {
        QFETCH(QString, how);
        QFETCH(QString, expectedType);
        QFETCH(QString, expectedUnit);
        click(u"opWV"_s);
        typeInto(u"txtCVol"_s, u"250"_s);
        QCOMPARE(text(u"txtCVol"_s), u"250"_s);

        const QString target = how.section(u' ', 1);
        if (how.startsWith(u"click")) {
            click(target);
        } else if (how.startsWith(u"code")) {
            control<QRadioButton>(target)->setChecked(true);
        } else {
            control(u"opWV"_s)->setFocus();
            QTest::keyClick(control(u"opWV"_s), how == u"space" ? Qt::Key_Space : Qt::Key_Down);
        }

        QVERIFY(checked(expectedType));
        QCOMPARE(text(u"txtCVol"_s), u"100"_s);
        QCOMPARE(control<QLabel>(u"Label18"_s)->text(), expectedUnit);
    }

    void choosingATypeKeepsTheLastMethod()
    {
        click(u"cmdEgConc"_s);
        click(u"opWW"_s);
        QVERIFY(control(u"fraCMeth"_s)->isVisible());
        QCOMPARE(method(), ExampleMethod);
        QCOMPARE(text(u"txtCRes"_s), u"122.45"_s);
        QCOMPARE(control<QLabel>(u"Label20"_s)->text(), u"% w/w"_s);
    }

    void calculate_data()
    {
        QTest::addColumn<QString>("option");
        // stock, gravity, amount, concentration, and the stock's basis where it is not w/w
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("solvent");
        QTest::addColumn<QString>("sentence");
        const QStringList example{u"98"_s, u"1.00"_s, u"600"_s, u"20"_s};
        QTest::newRow("w/w, solvent to mix with")
            << u"opWW"_s << example << u"122.45"_s << u"477.55"_s
            << u"To prepare 600 grams of a 20 % w/w solution of NaCl , Measure 122.45 grams of "
               "NaCl and mix with 477.55 grams of solvent."_s;
        QTest::newRow("w/v, dilute up to the volume")
            << u"opWV"_s << example << u"122.45"_s << QString() << ExampleMethod;
        QTest::newRow("v/v, stock measured in mL")
            << u"opVV"_s << example << u"122.45"_s << QString()
            << u"To prepare 600 mL of a 20 % v/v solution of NaCl , Measure 122.45 mL of NaCl and "
               "dilute up to 600 mL with solvent."_s;
        QTest::newRow("w/w, weighed whatever the gravity")
            << u"opWW"_s << QStringList{u"37"_s, u"1.19"_s, u"500"_s, u"10"_s} << u"135.14"_s
            << u"364.86"_s
            << u"To prepare 500 grams of a 10 % w/w solution of NaCl , Measure 135.14 grams of "
               "NaCl and mix with 364.86 grams of solvent."_s;
        QTest::newRow("amount quoted as typed")
            << u"opWV"_s << QStringList{u"98"_s, u"1.00"_s, u"600.0"_s, u"20"_s} << u"122.45"_s
            << QString()
            << u"To prepare 600.0 mL of a 20 % w/v solution of NaCl , Measure 122.45 grams of "
               "NaCl and dilute up to 600.0 mL with solvent."_s;
        QTest::newRow("a w/v stock diluted by volume, with a unit typed")
            << u"opWV"_s << QStringList{u"20"_s, u"1.07"_s, u"0.1 L"_s, u"0.9"_s, u"% w/v"_s}
            << u"4.50"_s << QString()
            << u"To prepare 0.1 L of a 0.9 % w/v solution of NaCl , Measure 4.50 mL of NaCl and "
               "dilute up to 0.1 L with solvent."_s;
    }
    void calculate()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, inputs);
        QFETCH(QString, result);
        QFETCH(QString, solvent);
        QFETCH(QString, sentence);
        click(option);
        typeInto(u"txtReag"_s, u"NaCl"_s);
        typeInto(u"txtSCon"_s, inputs[0]);
        typeInto(u"txtSSG"_s, inputs[1]);
        typeInto(u"txtCVol"_s, inputs[2]);
        typeInto(u"txtCCon"_s, inputs[3]);
        if (inputs.size() > 4) {
            auto *basis = control<QComboBox>(u"cmbSBasis"_s);
            QTest::keyClick(basis, Qt::Key_Down); // the list's next item: "% w/v"
            QCOMPARE(basis->currentText(), inputs[4]);
            QVERIFY(!control(u"txtSSG"_s)->isVisible());
        }
        click(u"cmdConc"_s);

        QVERIFY(!uitest::openMessageBox(m_window.get(), u"InputErrorBox"_s));
        QCOMPARE(text(u"txtCRes"_s), result);
        QCOMPARE(text(u"txtCSolv"_s), solvent);
        QCOMPARE(method(), sentence);
        QVERIFY(control(u"fraCMeth"_s)->isVisible());
        // The three print lines are the sentence, in order.
        QVERIFY(text(u"txtC1"_s).endsWith(u" ,"_s));
        QCOMPARE(text(u"txtC1"_s) + u' ' + text(u"txtC2"_s) + u' ' + text(u"txtC3"_s), sentence);
    }

    void otherTypesKeepTheLastSolvent()
    {
        click(u"opWW"_s);
        click(u"cmdConc"_s);
        QCOMPARE(text(u"txtCSolv"_s), u"85.00"_s);
        QCOMPARE(text(u"txtC3"_s), u"of solvent."_s);

        click(u"opWV"_s);
        typeInto(u"txtCCon"_s, u"20"_s);
        click(u"cmdConc"_s);
        QCOMPARE(text(u"txtCRes"_s), u"20.00"_s);
        QCOMPARE(text(u"txtCSolv"_s), u"85.00"_s);
        QCOMPARE(text(u"txtC3"_s), u"with solvent."_s);
        QVERIFY(!method().contains(u"85.00"_s));
    }

    void refusedCalculation_data()
    {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("box"); // the message box that says why, if any
        const QString failure = u"CalculationFailureBox"_s;
        QTest::newRow("stronger than the stock: cannot be made")
            << QStringList{u"txtCCon=99"_s} << u"PreparationRefusedBox"_s;
        QTest::newRow("zero stock concentration") << QStringList{u"txtSCon=0"_s} << failure;
        QTest::newRow("beyond a double") << QStringList{u"txtCVol=1e999"_s} << failure;
        QTest::newRow("empty concentration") << QStringList{u"txtCCon="_s} << u"InputErrorBox"_s;
        QTest::newRow("letters for the amount")
            << QStringList{u"txtCVol=lots"_s} << u"InputErrorBox"_s;
        QTest::newRow("comma in an english locale")
            << QStringList{u"txtSSG=1,19"_s} << u"InputErrorBox"_s;
    }
    void refusedCalculation()
    {
        QFETCH(QStringList, edits);
        QFETCH(QString, box);
        recordPrinting(u"PercentPage"_s);
        click(u"cmdEgConc"_s);
        click(u"opWW"_s);
        setTexts(edits);
        click(u"cmdConc"_s);

        QCOMPARE(acknowledgeMessage(), box);
        // The box that could not be read is the one to mend; it has the focus once the window is
        // active again.
        if (box == u"InputErrorBox")
            QCOMPARE(m_window->focusWidget(), control(edits[0].section(u'=', 0, 0)));
        // Everything of the example stays, the w/v lines included.
        QVERIFY(control(u"fraCMeth"_s)->isVisible());
        QCOMPARE(method(), ExampleMethod);
        QCOMPARE(text(u"txtCRes"_s), u"122.45"_s);
        QCOMPARE(text(u"txtCSolv"_s), QString());
        QCOMPARE(text(u"txtC3"_s), u"with solvent."_s);
    }

    void clear_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("after the example") << u"example"_s;
        QTest::newRow("with no type chosen") << QString();
    }
    void clear()
    {
        QFETCH(QString, before);
        const bool example = before == u"example";
        if (example)
            click(u"cmdEgConc"_s);
        else
            setTexts({u"txtReag=NaCl"_s, u"txtName=Salt"_s, u"txtSSG=1.19"_s});
        const QString line2 = text(u"txtC2"_s);
        uitest::pressAccessKey(Qt::Key_C);

        QCOMPARE(text(u"txtReag"_s), QString());
        QCOMPARE(text(u"txtName"_s), QString());
        QCOMPARE(text(u"txtSCon"_s), u"100"_s);
        QCOMPARE(text(u"txtSSG"_s), u"1.00"_s);
        QCOMPARE(text(u"txtCVol"_s), u"100"_s);
        QCOMPARE(text(u"txtCCon"_s), u"15"_s);
        QVERIFY(!control(u"fraCMeth"_s)->isVisible());
        // The type, its frame and units, and the last outcome stay.
        QCOMPARE(checked(u"opWV"_s), example);
        QCOMPARE(control(u"Frame3"_s)->isVisible(), example);
        QCOMPARE(control<QLabel>(u"Label20"_s)->text(), example ? u"% w/v"_s : u"% w/w"_s);
        QCOMPARE(method(), example ? ExampleMethod : QString());
        QCOMPARE(text(u"txtCRes"_s), example ? u"122.45"_s : QString());
        QCOMPARE(text(u"txtC2"_s), line2);
    }

    void clearEmptiesTheFormulaOfEveryPage()
    {
        click(u"cmdEgConc"_s);
        click(u"cmdClearCon"_s);
        tabControl()->setCurrentIndex(0);
        QVERIFY(control(u"txtReag"_s)->isVisible());
        QCOMPARE(text(u"txtReag"_s), QString());
    }

    void example_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("before");  // a type chosen first, or empty
        QTest::addColumn<QString>("gravity"); // typed before the example, or null for the default
        QTest::addColumn<QString>("expectedGravity");
        QTest::addColumn<bool>("errorBox");
        QTest::addColumn<QString>("result"); // empty: no outcome
        const QLocale english = uitest::english();
        const QLocale german = uitest::german();
        QTest::newRow("fresh page")
            << english << QString() << QString() << u"1.00"_s << false << u"122.45"_s;
        QTest::newRow("german decimal comma")
            << german << QString() << QString() << u"1,00"_s << false << u"122,45"_s;
        QTest::newRow("after w/w was chosen")
            << english << u"opWW"_s << QString() << u"1.00"_s << false << u"122.45"_s;
        QTest::newRow("gravity 1.19 left in the box")
            << english << QString() << u"1.19"_s << u"1.19"_s << false << u"102.90"_s;
        QTest::newRow("german gravity 1,19")
            << german << QString() << u"1,19"_s << u"1,19"_s << false << u"102,90"_s;
        QTest::newRow("empty gravity: error box, method not updated")
            << english << QString() << u""_s << QString() << true << QString();
        QTest::newRow("letters for the gravity: error box")
            << english << u"opVV"_s << u"x"_s << u"x"_s << true << QString();
        QTest::newRow("zero gravity: values filled, nothing else")
            << english << QString() << u"0"_s << u"0"_s << false << QString();
    }
    void example()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, before);
        QFETCH(QString, gravity);
        QFETCH(QString, expectedGravity);
        QFETCH(bool, errorBox);
        QFETCH(QString, result);
        startWindowIn(locale, u"PercentPage"_s);
        if (!before.isEmpty())
            click(before);
        if (!gravity.isNull())
            control<QLineEdit>(u"txtSSG"_s)->setText(gravity);

        click(u"cmdEgConc"_s);

        QCOMPARE(acknowledgeInputError(), errorBox);
        QCOMPARE(text(u"txtReag"_s), u"NaCl"_s);
        QCOMPARE(text(u"txtName"_s), u"Sodium Chloride"_s);
        QVERIFY(checked(u"opWV"_s));
        QVERIFY(control(u"Frame3"_s)->isVisible());
        QCOMPARE(control<QLabel>(u"Label20"_s)->text(), u"% w/v"_s);
        QCOMPARE(control<QLabel>(u"Label18"_s)->text(), u"mL"_s);
        QCOMPARE(text(u"txtSCon"_s), u"98"_s);
        QCOMPARE(text(u"txtCCon"_s), u"20"_s);
        QCOMPARE(text(u"txtCVol"_s), u"600"_s);
        QCOMPARE(text(u"txtSSG"_s), expectedGravity);

        QCOMPARE(text(u"txtCRes"_s), result);
        QCOMPARE(control(u"fraCMeth"_s)->isVisible(), !result.isEmpty());
        if (result.isEmpty()) {
            QCOMPARE(method(), QString());
            QCOMPARE(text(u"txtC1"_s), QString());
            return;
        }
        // A stock with a gravity other than 1 is a liquid, measured by volume.
        const QString unit = gravity.isNull() ? u" grams"_s : u" mL"_s;
        QCOMPARE(method(), u"To prepare 600 mL of a 20 % w/v solution of NaCl , Measure "_s +
                               result + unit + u" of NaCl and dilute up to 600 mL with solvent."_s);
        QCOMPARE(text(u"txtC1"_s), u"To prepare 600 mL of a 20 % w/v solution of NaCl ,"_s);
        QCOMPARE(text(u"txtC2"_s),
                 u"Measure "_s + result + unit + u" of NaCl and dilute up to 600 mL"_s);
        QCOMPARE(text(u"txtC3"_s), u"with solvent."_s);
    }

    void print_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("strength");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<bool>("outOfDate"); // the method on show, while the sheet stays
        QTest::addColumn<QString>("answer"); // to the question Print asks first, if it asks
        const QStringList exampleLines{u"To prepare 600 mL of a 20 % w/v solution of NaCl ,"_s,
                                       u"Measure 122.45 grams of NaCl and dilute up to 600 mL"_s,
                                       u"with solvent."_s};
        QTest::newRow("after the example")
            << QStringList{u"cmdEgConc"_s} << exampleLines << u"Sodium Chloride"_s << u"NaCl"_s
            << u"20"_s << u"% w/v"_s << false << QString();
        QTest::newRow("after clear: the last calculation's lines under its label")
            << QStringList{u"cmdEgConc"_s, u"cmdClearCon"_s} << exampleLines << u"Sodium Chloride"_s
            << u"NaCl"_s << u"20"_s << u"% w/v"_s << false << QString();
        QTest::newRow("concentration changed without calculating: the calculated one")
            << QStringList{u"cmdEgConc"_s, u"txtCCon=25"_s} << exampleLines << u"Sodium Chloride"_s
            << u"NaCl"_s << u"20"_s << u"% w/v"_s << true << u"cmdSendLast"_s;
        QTest::newRow("reagent typed after calculating: waits for the next Calculate")
            << QStringList{u"cmdEgConc"_s, u"txtReag=HCl"_s, u"txtName=Hydrochloric Acid"_s,
                           u"opWW"_s}
            << exampleLines << u"Sodium Chloride"_s << u"NaCl"_s << u"20"_s << u"% w/v"_s << true
            << u"cmdSendLast"_s;
        QStringList withKCl = exampleLines;
        withKCl.replaceInStrings(u"NaCl"_s, u"KCl"_s);
        QTest::newRow("formula changed, calculated first: the new calculation's sheet")
            << QStringList{u"cmdEgConc"_s, u"txtReag=KCl"_s} << withKCl << u"Sodium Chloride"_s
            << u"KCl"_s << u"20"_s << u"% w/v"_s << false << u"cmdCalculateFirst"_s;
        QTest::newRow("calculated first, but not readable: nothing printed")
            << QStringList{u"cmdEgConc"_s, u"txtCCon=x"_s} << QStringList() << QString()
            << QString() << QString() << QString() << true << u"cmdCalculateFirst"_s;
        QTest::newRow("question cancelled: nothing printed")
            << QStringList{u"cmdEgConc"_s, u"txtCCon=25"_s} << QStringList() << QString()
            << QString() << QString() << QString() << true << u"cmdCancel"_s;
        QTest::newRow("before any calculation: empty lines, nothing after the captions")
            << QStringList{u"opVV"_s} << QStringList{QString(), QString(), QString()} << QString()
            << QString() << QString() << QString() << false << QString();
    }
    void print()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, lines);
        QFETCH(QString, name);
        QFETCH(QString, formula);
        QFETCH(QString, strength);
        QFETCH(QString, unit);
        QFETCH(bool, outOfDate);
        QFETCH(QString, answer);
        recordPrinting(u"PercentPage"_s);
        for (const QString &step : steps) {
            if (step.contains(u'='))
                setTexts({step});
            else
                click(step);
        }
        click(u"cmdPrnC"_s);
        QCOMPARE(uitest::openMessageBoxes(m_window.get(), u"OutOfDateBox"_s).size(),
                 answer.isEmpty() ? 0 : 1);
        if (!answer.isEmpty())
            click(answer);

        QCOMPARE(!control(u"txtRWW"_s)->accessibleDescription().isEmpty(), outOfDate);
        QCOMPARE(m_sheets.size(), lines.isEmpty() ? 0 : 1);
        if (lines.isEmpty())
            return;
        const CalculationSheet &sheet = m_sheets.front();
        QCOMPARE(sheet.variant, molvera::SheetVariant::Percent);
        QCOMPARE((QStringList{sheet.printLines.begin(), sheet.printLines.end()}), lines);
        QCOMPARE(sheet.chemicalName, name);
        QCOMPARE(sheet.chemicalFormula, formula);
        QCOMPARE(sheet.strength, strength);
        QCOMPARE(sheet.strengthUnit, unit);
    }
};

QTEST_MAIN(TestPercentPage)
#include "tst_percentpage.moc"
