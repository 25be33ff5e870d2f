#include "uitest.h"

#include <ui/pages/formularows.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFormulaRows : public QObject
{
    Q_OBJECT

private:
    void chooseElement(int row, const QString &text)
    {
        QComboBox *box = m_rows->elementBox(row);
        box->setCurrentIndex(box->findText(text));
    }
    // Types a count and leaves the box with Tab, as the user does.
    void typeCount(int row, const QString &count)
    {
        uitest::typeInto(m_rows->countBox(row), count);
        QTest::keyClick(m_rows->countBox(row), Qt::Key_Tab);
    }

    std::unique_ptr<QWidget> m_form;
    molvera::FormulaRows *m_rows = nullptr;

private Q_SLOTS:
    void initTestCase() { uitest::setUpProgram(); }
    void init()
    {
        m_form = std::make_unique<QWidget>();
        m_form->resize(300, 300);
        auto *frame = new QGroupBox(u"Elements"_s, m_form.get());
        frame->setGeometry(0, 0, 300, 300);
        m_rows = new molvera::FormulaRows({.elementPrefix = u"cmbHE",
                                           .countPrefix = u"cmbHN",
                                           .weightPrefix = u"txtHW",
                                           .totalName = u"txtHTot",
                                           .firstRowTop = 600,
                                           .totalTop = 2880},
                                          frame);
        // Something else to take the focus when a count box is left.
        (new QLineEdit(m_form.get()))->setGeometry(0, 280, 50, 19);
        QVERIFY(uitest::showActive(m_form.get()));
    }
    void cleanup()
    {
        m_form.reset();
        QLocale::setDefault(uitest::english());
    }

    void controlsNamedAndPlacedByThePage()
    {
        QCOMPARE(m_rows->elementBox(1)->objectName(), u"cmbHE1"_s);
        QCOMPARE(m_rows->countBox(6)->objectName(), u"cmbHN6"_s);
        QCOMPARE(m_rows->weightBox(3)->objectName(), u"txtHW3"_s);
        QCOMPARE(m_rows->totalBox()->objectName(), u"txtHTot"_s);
        // Row 1 at 600 twips, rows 360 apart, the total at 2880.
        QCOMPARE(m_rows->elementBox(1)->geometry(), QRect(8, 40, 97, 19));
        QCOMPARE(m_rows->countBox(2)->geometry(), QRect(120, 64, 41, 19));
        QCOMPARE(m_rows->weightBox(6)->geometry(), QRect(184, 160, 57, 19));
        QCOMPARE(m_rows->totalBox()->geometry(), QRect(184, 192, 57, 19));
    }

    void lists()
    {
        QComboBox *elements = m_rows->elementBox(4);
        QVERIFY(!elements->isEditable());
        QCOMPARE(elements->count(), 32);
        QCOMPARE(elements->itemText(0), u"Al - Aluminium"_s);
        QCOMPARE(elements->itemText(1), u"A  - Argon"_s);
        QCOMPARE(elements->itemText(31), u"Zn - Zinc"_s);
        QCOMPARE(elements->currentIndex(), -1);
        QComboBox *counts = m_rows->countBox(4);
        QVERIFY(counts->isEditable());
        QCOMPARE(counts->count(), 9);
        QCOMPARE(counts->itemText(0), u"1"_s);
        QCOMPARE(counts->itemText(8), u"9"_s);
        QCOMPARE(counts->currentText(), QString());
        QVERIFY(m_rows->weightBox(4)->isReadOnly());
        QVERIFY(m_rows->totalBox()->isReadOnly());
    }

    void typingPicksBySymbol_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("listOpen");
        QTest::addColumn<QString>("picked");
        QTest::newRow("S is Sulphur, not Silicon") << u"S"_s << false << u"S  - Sulphur"_s;
        QTest::newRow("Si is Silicon") << u"Si"_s << false << u"Si - Silicon"_s;
        QTest::newRow("C is Carbon, not Cadmium") << u"C"_s << false << u"C  - Carbon"_s;
        QTest::newRow("C in the open list too") << u"C"_s << true << u"C  - Carbon"_s;
        QTest::newRow("Cl is Chlorine") << u"Cl"_s << false << u"Cl - Chlorine"_s;
        QTest::newRow("cu in lower case") << u"cu"_s << false << u"Cu - Copper"_s;
        QTest::newRow("a name after the symbols") << u"sod"_s << false << u"Na - Sodium"_s;
    }
    void typingPicksBySymbol()
    {
        QFETCH(QString, keys);
        QFETCH(bool, listOpen);
        QFETCH(QString, picked);
        QComboBox *elements = m_rows->elementBox(2);
        elements->setFocus();
        if (listOpen)
            elements->showPopup();
        QTest::keyClicks(listOpen ? elements->view() : static_cast<QWidget *>(elements), keys);
        if (listOpen)
            QTest::keyClick(elements->view(), Qt::Key_Return);
        QCOMPARE(elements->currentText(), picked);
    }

    void typedCount_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("weight");
        const QLocale english = uitest::english();
        const QLocale german = uitest::german();
        QTest::newRow("2 from the keyboard") << english << u"2"_s << u"2.016"_s;
        QTest::newRow("2.5 rounds to even 2") << english << u"2.5"_s << u"2.016"_s;
        QTest::newRow("3.5 rounds to even 4") << english << u"3.5"_s << u"4.032"_s;
        QTest::newRow("-1 gives a negative weight") << english << u"-1"_s << u"-1.008"_s;
        QTest::newRow("40000 is out of range, 0") << english << u"40000"_s << u"0"_s;
        QTest::newRow("letters count 0") << english << u"abc"_s << u"0"_s;
        QTest::newRow("german 2,5 rounds to 2") << german << u"2,5"_s << u"2,016"_s;
        QTest::newRow("german 3 writes a comma") << german << u"3"_s << u"3,024"_s;
    }
    void typedCount()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, count);
        QFETCH(QString, weight);
        QLocale::setDefault(locale);
        chooseElement(1, u"H  - Hydrogen"_s);
        typeCount(1, count);
        QCOMPARE(m_rows->weightBox(1)->text(), weight);
        QCOMPARE(m_rows->totalBox()->text(), weight);
    }

    void pickedCountCommits()
    {
        chooseElement(2, u"Pb - Lead"_s);
        QVERIFY(uitest::chooseItem(m_rows->countBox(2), u"3"_s));
        QCOMPARE(m_rows->weightBox(2)->text(), u"621.57"_s);
        QCOMPARE(m_rows->totalBox()->text(), u"621.57"_s);
    }

    void totalAddsRowsAsShown()
    {
        chooseElement(1, u"Na - Sodium"_s);
        typeCount(1, u"1"_s);
        chooseElement(5, u"Cl - Chlorine"_s);
        typeCount(5, u"1"_s);
        QCOMPARE(m_rows->totalBox()->text(), u"58.443"_s);
    }

    void rowWithoutElementKeepsItsWeight()
    {
        typeCount(3, u"3"_s);
        QCOMPARE(m_rows->weightBox(3)->text(), QString());
        QCOMPARE(m_rows->totalBox()->text(), u"0"_s);
    }

    void openingTheListIsNotLeaving()
    {
        chooseElement(1, u"H  - Hydrogen"_s);
        QComboBox *count = m_rows->countBox(1);
        count->setFocus();
        QTest::keyClicks(count, u"7"_s);
        count->showPopup();
        QVERIFY(QTest::qWaitForWindowExposed(count->view()->window()));
        QCOMPARE(m_rows->weightBox(1)->text(), QString());
        count->hidePopup();
    }

    void commitFocusedRow()
    {
        chooseElement(4, u"O  - Oxygen"_s);
        QComboBox *count = m_rows->countBox(4);
        count->setFocus();
        QTest::keyClicks(count, u"2"_s);
        QVERIFY(m_rows->commitFocusedRow());
        QCOMPARE(m_rows->weightBox(4)->text(), u"32"_s);
        m_form->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly)->setFocus();
        QVERIFY(!m_rows->commitFocusedRow());
    }

    void setRowAndClear()
    {
        m_rows->setRow(1, u"Cu - Copper"_s, u"1"_s);
        m_rows->setRow(2, u"S  - Sulphur"_s, u"12"_s);
        QCOMPARE(m_rows->elementBox(1)->currentText(), u"Cu - Copper"_s);
        QCOMPARE(m_rows->countBox(2)->currentText(), u"12"_s);
        QCOMPARE(m_rows->countBox(2)->count(), 9);
        m_rows->commitRow(1);
        m_rows->commitRow(2);
        QCOMPARE(m_rows->totalBox()->text(), u"448.308"_s);

        m_rows->clear();
        for (int row = 1; row <= molvera::FormulaRows::RowCount; ++row) {
            QCOMPARE(m_rows->elementBox(row)->currentIndex(), -1);
            QCOMPARE(m_rows->countBox(row)->currentText(), QString());
            QCOMPARE(m_rows->weightBox(row)->text(), QString());
        }
        QCOMPARE(m_rows->totalBox()->text(), QString());
    }

    void disabledRows()
    {
        m_rows->setRowsEnabled(false);
        for (int row = 1; row <= molvera::FormulaRows::RowCount; ++row) {
            QVERIFY(!m_rows->elementBox(row)->isEnabled());
            QVERIFY(!m_rows->countBox(row)->isEnabled());
        }
        // The page's own commits still work on disabled rows.
        m_rows->setRow(1, u"O  - Oxygen"_s, u"4"_s);
        m_rows->commitRow(1);
        QCOMPARE(m_rows->totalBox()->text(), u"64"_s);
    }
};

QTEST_MAIN(TestFormulaRows)
#include "tst_formularows.moc"
