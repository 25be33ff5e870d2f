#include "windowtest.h"

#include <print/calculationsheet.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using molvera::CalculationSheet;
using molvera::PrintStatus;

class TestMolarPage : public uitest::WindowTest
{
    Q_OBJECT

private:
    void typeRow(int row, const QString &element, const QString &count)
    {
        WindowTest::typeRow(u"cmbEl%1"_s.arg(row), u"cmbN%1"_s.arg(row), element, count);
    }

private Q_SLOTS:
    // No tab chosen: the molar page must be the one the window starts on.
    void init() { startWindow(); }

    void startState_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("expected");
        QTest::newRow("stock concentration 100") << u"txtConc"_s << "text"_ba << u"100"_s;
        QTest::newRow("specific gravity 1.00") << u"txtSG"_s << "text"_ba << u"1.00"_s;
        QTest::newRow("molarity 1") << u"txtMol"_s << "text"_ba << u"1"_s;
        QTest::newRow("volume 1") << u"txtVol"_s << "text"_ba << u"1"_s;
        QTest::newRow("stock unit %") << u"cmbSConc"_s << "currentText"_ba << u"%"_s;
        QTest::newRow("total empty") << u"txtTot"_s << "text"_ba << QString();
        QTest::newRow("count box empty") << u"cmbN1"_s << "currentText"_ba << QString();
        QTest::newRow("element unchosen") << u"cmbEl6"_s << "currentText"_ba << QString();
        QTest::newRow("hidden result empty") << u"txtResult"_s << "text"_ba << QString();
        QTest::newRow("print line 1 empty") << u"txtD1"_s << "text"_ba << QString();
        QTest::newRow("print line 3 empty") << u"txtD3"_s << "text"_ba << QString();
        QTest::newRow("step 1") << u"Frame1"_s << "title"_ba << u"1. Select Elements"_s;
        QTest::newRow("step 2") << u"Frame4"_s << "title"_ba << u"2. Stock Solution"_s;
        QTest::newRow("step 3") << u"Frame2"_s << "title"_ba << u"3. Required Solution"_s;
        QTest::newRow("step 4") << u"cmdCal"_s << "text"_ba << u"4. Calculate"_s;
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
        QCOMPARE(control<QTabWidget>(u"SSTab1"_s)->currentIndex(), 0);
        QVERIFY(checked(u"optCal"_s));
        QVERIFY(control<QLineEdit>(u"txtTot"_s)->isReadOnly());
        QVERIFY(control(u"cmbEl1"_s)->isEnabled());
        QVERIFY(control(u"cmbN6"_s)->isEnabled());
        QCOMPARE(control<QComboBox>(u"cmbEl1"_s)->currentIndex(), -1);
        QVERIFY(!control(u"fraResult"_s)->isVisible());
        QVERIFY(!control(u"txtResult"_s)->isVisible());
    }

    void example_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("manual");
        QTest::addColumn<QStringList>("weights");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("molarity");
        const QLocale english = uitest::english();
        const QLocale german = uitest::german();
        QTest::newRow("english") << english << false
                                 << QStringList{u"2.016"_s, u"32.064"_s, u"64"_s} << u"98.08"_s
                                 << u"27.18"_s << u"0.5"_s;
        QTest::newRow("german decimal comma")
            << german << false << QStringList{u"2,016"_s, u"32,064"_s, u"64"_s} << u"98,08"_s
            << u"27,18"_s << u"0,5"_s;
        QTest::newRow("manual mode, typed total replaced")
            << english << true << QStringList{u"2.016"_s, u"32.064"_s, u"64"_s} << u"98.08"_s
            << u"27.18"_s << u"0.5"_s;
    }
    void example()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, manual);
        QFETCH(QStringList, weights);
        QFETCH(QString, total);
        QFETCH(QString, result);
        QFETCH(QString, molarity);

        // The window is built in the locale, as the program starts in the user's.
        startWindowIn(locale);
        if (manual) {
            click(u"optMan"_s);
            typeInto(u"txtTot"_s, u"58.44"_s);
        }

        click(u"cmdExample"_s);

        QCOMPARE(text(u"txtReag"_s), u"H2SO4"_s);
        QCOMPARE(text(u"txtName"_s), u"Sulphuric Acid"_s);
        QCOMPARE(texts({u"txtWt1"_s, u"txtWt2"_s, u"txtWt3"_s}), weights);
        QCOMPARE(text(u"txtTot"_s), total);
        QCOMPARE(text(u"txtMol"_s), molarity);
        QCOMPARE(text(u"txtResult"_s), result);
        const QString sentence = u"To prepare 1L of a "_s + molarity +
                                 u" Molar Solution of H2SO4, Measure "_s + result +
                                 u" mL of H2SO4 and dilute up to 1 Litre(s) with solvent."_s;
        QCOMPARE(control<QTextEdit>(u"txtDesc"_s)->toPlainText(), sentence);
        QVERIFY(control(u"fraResult"_s)->isVisible());
        QCOMPARE(text(u"txtD1"_s),
                 u"To prepare 1L of a "_s + molarity + u" Molar Solution of H2SO4,"_s);
        QCOMPARE(text(u"txtD2"_s), u"Measure "_s + result + u" mL of H2SO4 and dilute up to 1"_s);
        QCOMPARE(text(u"txtD3"_s), u"Litre(s) with solvent."_s);
        QCOMPARE(checked(u"optMan"_s), manual);
        QVERIFY(!uitest::openMessageBox(m_window.get(), u"InputErrorBox"_s));
    }

    void molarStock()
    {
        QVERIFY(uitest::chooseItem(control<QComboBox>(u"cmbSConc"_s), u"M"_s));
        QVERIFY(!control(u"Frame1"_s)->isVisible());
        QVERIFY(!control(u"txtSG"_s)->isVisible());
        QVERIFY(control(u"Label13"_s)->isVisible());
        QCOMPARE(control<QGroupBox>(u"Frame4"_s)->title(), u"1. Stock Solution"_s);
        QCOMPARE(control<QGroupBox>(u"Frame2"_s)->title(), u"2. Required Solution"_s);
        QCOMPARE(control<QPushButton>(u"cmdCal"_s)->text(), u"3. Calculate"_s);
        QCOMPARE(text(u"txtTot"_s), u"1"_s);

        typeInto(u"txtConc"_s, u"10"_s);
        typeInto(u"txtMol"_s, u"0.5"_s);
        click(u"cmdCal"_s);
        QCOMPARE(text(u"txtResult"_s), u"50.00"_s);
        QVERIFY(control(u"fraResult"_s)->isVisible());
    }

    // A stock in grams per volume keeps the rows for the weight, and needs no gravity.
    void stockInPercentWeightPerVolume()
    {
        typeInto(u"txtReag"_s, u"NaCl\r"_s);
        QVERIFY(uitest::chooseItem(control<QComboBox>(u"cmbSConc"_s), u"% w/v"_s));
        QVERIFY(control(u"Frame1"_s)->isVisible());
        QVERIFY(!control(u"txtSG"_s)->isVisible());
        typeInto(u"txtConc"_s, u"20"_s);
        typeInto(u"txtMol"_s, u"154 mM"_s);
        typeInto(u"txtVol"_s, u"500 mL"_s);
        click(u"cmdCal"_s);
        QCOMPARE(control<QTextEdit>(u"txtDesc"_s)->toPlainText(),
                 u"To prepare 500 mL of a 154 mM Solution of NaCl, Measure 22.50 mL of NaCl and "
                 "dilute up to 500 mL with solvent."_s);
    }

    void choosingPercentClears_data()
    {
        QTest::addColumn<bool>("fromMolar");
        QTest::newRow("after the molar layout") << true;
        QTest::newRow("while already percent") << false;
    }
    void choosingPercentClears()
    {
        QFETCH(bool, fromMolar);
        click(u"cmdExample"_s);
        auto *unit = control<QComboBox>(u"cmbSConc"_s);
        if (fromMolar)
            QVERIFY(uitest::chooseItem(unit, u"M"_s));
        QVERIFY(uitest::chooseItem(unit, u"%"_s));

        QCOMPARE(text(u"txtReag"_s), QString());
        QCOMPARE(text(u"txtName"_s), QString());
        QCOMPARE(text(u"txtTot"_s), QString());
        QCOMPARE(text(u"txtMol"_s), u"1"_s);
        QCOMPARE(unit->currentText(), u"%"_s);
        QVERIFY(control(u"Frame1"_s)->isVisible());
        QVERIFY(control(u"txtSG"_s)->isVisible());
        QVERIFY(!control(u"fraResult"_s)->isVisible());
        QCOMPARE(control<QGroupBox>(u"Frame4"_s)->title(), u"2. Stock Solution"_s);
        QCOMPARE(control<QPushButton>(u"cmdCal"_s)->text(), u"4. Calculate"_s);
    }

    void typingAUnitRunsNothing()
    {
        auto *unit = control<QComboBox>(u"cmbSConc"_s);
        uitest::typeInto(unit, u"M"_s);
        QTest::keyClick(unit, Qt::Key_Tab);
        QVERIFY(control(u"Frame1"_s)->isVisible());
        QCOMPARE(text(u"txtTot"_s), QString());
    }

    void refusedCalculation_data()
    {
        QTest::addColumn<QStringList>("edits"); // name=value, applied in order
        QTest::addColumn<QString>("box");       // the message box that says why
        const QString input = u"InputErrorBox"_s;
        const QString failure = u"CalculationFailureBox"_s;
        QTest::newRow("empty total") << QStringList{} << input;
        QTest::newRow("letters for molarity")
            << QStringList{u"txtTot=98.08"_s, u"txtMol=half"_s} << input;
        QTest::newRow("unknown unit typed")
            << QStringList{u"txtTot=98.08"_s, u"cmbSConc=m"_s} << input;
        QTest::newRow("comma in an english locale") << QStringList{u"txtTot=98,08"_s} << input;
        QTest::newRow("zero stock concentration")
            << QStringList{u"txtTot=98.08"_s, u"txtConc=0"_s} << failure;
        QTest::newRow("zero specific gravity")
            << QStringList{u"txtTot=98.08"_s, u"txtSG=0"_s} << failure;
        QTest::newRow("beyond a double")
            << QStringList{u"txtTot=98.08"_s, u"txtVol=1e999"_s} << failure;
    }
    void refusedCalculation()
    {
        QFETCH(QStringList, edits);
        QFETCH(QString, box);
        click(u"optMan"_s);
        for (const QString &edit : edits) {
            const QString name = edit.section(u'=', 0, 0);
            const QString value = edit.section(u'=', 1);
            if (auto *combo = qobject_cast<QComboBox *>(control(name))) {
                // Typed, so that no completion may turn "m" into the unit "M".
                uitest::typeInto(combo, value);
                QCOMPARE(combo->currentText(), value);
            } else
                typeInto(name, value);
        }
        click(u"cmdCal"_s);

        QCOMPARE(acknowledgeMessage(), box);
        // The box that could not be read (the total, if nothing else) takes the focus.
        if (box == u"InputErrorBox")
            QCOMPARE(m_window->focusWidget()->objectName(),
                     edits.value(edits.size() - 1, u"txtTot"_s).section(u'=', 0, 0));
        QVERIFY(!control(u"fraResult"_s)->isVisible());
        QCOMPARE(text(u"txtResult"_s), QString());
        QCOMPARE(text(u"txtD1"_s), QString());
    }

    void formulaFillsRowsOnEnter()
    {
        click(u"cmdExample"_s);
        click(u"optMan"_s);
        typeInto(u"txtReag"_s, u"MgCl2·6H2O\r"_s);
        // The water counted, and the rows' sum chosen again.
        QCOMPARE(texts({u"txtWt1"_s, u"txtWt2"_s, u"txtWt3"_s, u"txtWt4"_s, u"txtTot"_s}),
                 (QStringList{u"24.312"_s, u"70.906"_s, u"12.096"_s, u"96"_s, u"203.314"_s}));
        QVERIFY(checked(u"optCal"_s));
        // One that cannot be read is refused, and nothing changes.
        typeInto(u"txtReag"_s, u"Ca(OH\r"_s);
        QCOMPARE(acknowledgeMessage(), u"FormulaRefusedBox"_s);
        QCOMPARE(text(u"txtTot"_s), u"203.314"_s);
        // Changed without Enter, the formula fills the rows at Calculate, and the answer says so.
        typeInto(u"txtReag"_s, u"KCl"_s);
        click(u"cmdCal"_s);
        QCOMPARE(texts({u"txtWt1"_s, u"txtWt2"_s, u"txtWt3"_s, u"txtTot"_s}),
                 (QStringList{u"39.1"_s, u"35.453"_s, {}, u"74.553"_s}));
        QVERIFY(control<QTextEdit>(u"txtDesc"_s)->toPlainText().endsWith(u"from the formula."_s));
        // One the rows cannot hold gives its weight by hand.
        typeInto(u"txtReag"_s, u"KMnO4\r"_s);
        QVERIFY(checked(u"optMan"_s));
        QCOMPARE(text(u"txtTot"_s), u"158.038"_s);
    }

    void manualMode()
    {
        click(u"optMan"_s);
        QVERIFY(!control(u"cmbEl3"_s)->isEnabled());
        QVERIFY(!control(u"cmbN3"_s)->isEnabled());
        QVERIFY(!control<QLineEdit>(u"txtTot"_s)->isReadOnly());
        typeInto(u"txtTot"_s, u"58.44"_s);
        click(u"cmdCal"_s);
        QCOMPARE(text(u"txtResult"_s), u"58.44"_s);

        // Back to calculated: the typed total stays until a row is committed.
        click(u"optCal"_s);
        QVERIFY(control<QLineEdit>(u"txtTot"_s)->isReadOnly());
        QVERIFY(control(u"cmbEl3"_s)->isEnabled());
        QCOMPARE(text(u"txtTot"_s), u"58.44"_s);
        typeRow(1, u"Na - Sodium"_s, u"1"_s);
        QTest::keyClick(control(u"cmbN1"_s), Qt::Key_Tab);
        QCOMPARE(text(u"txtTot"_s), u"22.99"_s);
    }

    void clear_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::newRow("calculated mode") << false;
        QTest::newRow("manual mode") << true;
    }
    void clear()
    {
        QFETCH(bool, manual);
        click(u"cmdExample"_s);
        if (manual)
            click(u"optMan"_s);
        const QString lastLine = text(u"txtD2"_s);
        uitest::pressAccessKey(Qt::Key_C);

        QCOMPARE(control<QComboBox>(u"cmbEl1"_s)->currentIndex(), -1);
        QCOMPARE(control<QComboBox>(u"cmbN1"_s)->currentText(), QString());
        QCOMPARE(text(u"txtWt3"_s), QString());
        QCOMPARE(text(u"txtTot"_s), QString());
        QCOMPARE(text(u"txtReag"_s), QString());
        QCOMPARE(text(u"txtConc"_s), u"100"_s);
        QCOMPARE(text(u"txtSG"_s), u"1.00"_s);
        QCOMPARE(text(u"txtMol"_s), u"1"_s);
        QVERIFY(!control(u"fraResult"_s)->isVisible());
        // The mode and the last calculation's lines stay.
        QCOMPARE(checked(u"optMan"_s), manual);
        QCOMPARE(control<QLineEdit>(u"txtTot"_s)->isReadOnly(), !manual);
        QCOMPARE(control(u"cmbEl1"_s)->isEnabled(), !manual);
        QCOMPARE(text(u"txtD2"_s), lastLine);
    }

    void countCommittedBeforeAction_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("click on Calculate") << u"click cmdCal"_s;
        QTest::newRow("click on the Print picture") << u"click cmdPrint"_s;
        QTest::newRow("Alt+P access key") << u"alt P"_s;
        QTest::newRow("leaving the box with Tab") << u"tab"_s;
    }
    void countCommittedBeforeAction()
    {
        QFETCH(QString, how);
        recordPrinting(u"MolarPage"_s, u"txtTot"_s);
        typeRow(1, u"H  - Hydrogen"_s, u"2"_s);
        QVERIFY(control(u"cmbN1"_s)->hasFocus());
        QCOMPARE(text(u"txtTot"_s), QString());

        if (how == u"click cmdCal") {
            click(u"cmdCal"_s);
            QCOMPARE(text(u"txtResult"_s), u"2.02"_s);
        } else if (how == u"click cmdPrint") {
            click(u"cmdPrint"_s);
            QCOMPARE(m_totalsAtPrint, QStringList{u"2.016"_s});
        } else if (how == u"alt P") {
            uitest::pressAccessKey(Qt::Key_P);
            QCOMPARE(m_totalsAtPrint, QStringList{u"2.016"_s});
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(text(u"txtWt1"_s), u"2.016"_s);
        QCOMPARE(text(u"txtTot"_s), u"2.016"_s);
    }

    void clearByAccessKeyIsNotUndoneByLeavingTheBox()
    {
        typeRow(1, u"H  - Hydrogen"_s, u"2"_s);
        uitest::pressAccessKey(Qt::Key_C);
        QCOMPARE(text(u"txtTot"_s), QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(text(u"txtTot"_s), QString());
        QCOMPARE(text(u"txtWt1"_s), QString());
    }

    void elementChangeWaitsForCommit()
    {
        auto *count = control<QComboBox>(u"cmbN2"_s);
        control<QComboBox>(u"cmbEl2"_s)
            ->setCurrentIndex(control<QComboBox>(u"cmbEl2"_s)->findText(u"N  - Nitrogen"_s));
        QVERIFY(uitest::chooseItem(count, u"1"_s));
        QCOMPARE(text(u"txtWt2"_s), u"14"_s);
        QVERIFY(uitest::chooseItem(control<QComboBox>(u"cmbEl2"_s), u"O  - Oxygen"_s));
        QCOMPARE(text(u"txtWt2"_s), u"14"_s);
        QCOMPARE(text(u"txtTot"_s), u"14"_s);
        QVERIFY(uitest::chooseItem(count, u"1"_s));
        QCOMPARE(text(u"txtWt2"_s), u"16"_s);
        QCOMPARE(text(u"txtTot"_s), u"16"_s);
    }

    void print_data()
    {
        QTest::addColumn<bool>("calculated");
        QTest::addColumn<PrintStatus>("status");
        QTest::addColumn<QString>("reason"); // the message's last words; none: no message
        QTest::newRow("after the example") << true << PrintStatus::Printed << QString();
        QTest::newRow("before any calculation") << false << PrintStatus::Printed << QString();
        QTest::newRow("no printer is said")
            << true << PrintStatus::NoPrinter << u"No default printer is set up."_s;
        QTest::newRow("stopped printer is said")
            << true << PrintStatus::PrinterStopped << u" is stopped."_s;
        QTest::newRow("printer turning jobs away is said")
            << true << PrintStatus::PrinterRejectsJobs << u" does not accept jobs."_s;
        QTest::newRow("printer failure is said")
            << true << PrintStatus::Failed << u" reported an error."_s;
    }
    void print()
    {
        QFETCH(bool, calculated);
        QFETCH(PrintStatus, status);
        QFETCH(QString, reason);
        recordPrinting(u"MolarPage"_s, u"txtTot"_s, status);
        if (calculated)
            click(u"cmdExample"_s);
        click(u"cmdPrint"_s);

        QCOMPARE(m_sheets.size(), 1);
        const CalculationSheet &sheet = m_sheets.front();
        QCOMPARE(sheet.variant, molvera::SheetVariant::Molar);
        QCOMPARE(sheet.printLines[0], text(u"txtD1"_s));
        QCOMPARE(sheet.printLines[1], text(u"txtD2"_s));
        QCOMPARE(sheet.printLines[2], text(u"txtD3"_s));
        QCOMPARE(sheet.printLines[0].isEmpty(), !calculated);
        QCOMPARE(sheet.chemicalName, calculated ? u"Sulphuric Acid"_s : QString());
        QCOMPARE(sheet.chemicalFormula, calculated ? u"H2SO4"_s : QString());
        QCOMPARE(sheet.strength, calculated ? u"0.5"_s : QString());
        QCOMPARE(sheet.strengthUnit, calculated ? u"M"_s : QString());

        QMessageBox *box = uitest::openMessageBox(m_window.get(), u"PrintFailureBox"_s);
        QCOMPARE(box != nullptr, !reason.isEmpty());
        if (box) {
            QVERIFY2(box->text().startsWith(u"The sheet was not printed. "_s),
                     qPrintable(box->text()));
            QVERIFY2(box->text().endsWith(reason), qPrintable(box->text()));
            uitest::acknowledge(box);
        }
    }
};

QTEST_MAIN(TestMolarPage)
#include "tst_molarpage.moc"
