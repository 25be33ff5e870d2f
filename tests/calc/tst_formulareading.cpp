#include "calctest.h"

#include <calc/elementtable.h>
#include <calc/formulareading.h>

class tst_FormulaReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A reading as its elements with their counts, then "+" and the waters; or the refusal.
    void readFormula_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<bool>("apart"); // the water apart, not among the elements
        QTest::addColumn<QString>("read");
        const auto row = [](const char *name, const char *formula, bool apart, const char *read) {
            QTest::newRow(name) << QString::fromUtf8(formula) << apart << QString::fromUtf8(read);
        };
        row("repeats merged, first seen first", "CH3COOH", false, "C2 H4 O2 +0");
        row("nested brackets multiply", "K4[Fe(CN)6]", false, "K4 Fe1 C6 N6 +0");
        row("blanks between parts", " Ca ( OH ) 2 ", false, "Ca1 O2 H2 +0");
        row("Ar is Argon too", "ArA2", false, "A3 +0");
        row("H20 without a separator", "H20", false, "H20 +0");
        row("water in the substance", "Na2CO3*10H2O", false, "Na2 C1 O13 H20 +10");
        row("water apart, digit zero", "CuSO4.H20", true, "Cu1 S1 O4 +1");
        row("six and the water apart", "AlBaCaCdCsLi·H2O", true, "Al1 Ba1 Ca1 Cd1 Cs1 Li1 +1");
        row("six and the water's H", "AlBaCaCdCsLi·H2O", false,
            "The formula has more than six elements: H is the seventh.");
        row("empty", "  ", false, "There is no formula to read.");
        row("unknown", "KMnO4", false, "Mn is not one of the elements molvera knows.");
        row("not closed", "Ca(OH·2H2O", true, "A bracket is not closed after Ca(OH.");
        row("not opened", "NaCl)", false, ") after NaCl closes a bracket that was not opened.");
        row("two kinds", "Ca(OH]2", false, "] after Ca(OH closes a bracket opened with (.");
        row("count 0", "H0", false, "0 after H is not a count from 1 to 32767.");
        row("a second count", "CuSO4 5H2O", false, "5 cannot stand after CuSO4.");
        row("atoms beyond 16 bits", "(H2)16384", false,
            "The formula has more than 32767 atoms of H.");
        row("not water", "CuSO4.5NH3", false,
            ". after CuSO4 must begin a water of crystallisation at the end of the formula, such "
            "as 5H2O.");
        row("quoted by its end", "C6H12O6C6H12O6C6H12O6C6H12O6(", false,
            "A bracket is not closed after …O6C6H12O6C6H12O6C6H12O6(.");
    }
    void readFormula()
    {
        QFETCH(QString, formula);
        QFETCH(bool, apart);
        QFETCH(QString, read);
        using enum molvera::WaterPart;
        const auto result = molvera::readFormula(formula.toStdString(), apart ? Apart : InElements);
        const auto *reading = std::get_if<molvera::FormulaReading>(&result);
        std::string shown;
        for (const auto &[element, count] :
             reading ? reading->elements : decltype(reading->elements)())
            shown += std::string(element->symbol) + std::to_string(count) + ' ';
        shown += reading ? '+' + std::to_string(reading->waters) : std::get<0>(result).message;
        QCOMPARE(calctest::text(shown), read);
    }
};

QTEST_GUILESS_MAIN(tst_FormulaReading)
#include "tst_formulareading.moc"
