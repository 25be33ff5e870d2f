#include "calctest.h"

#include <calc/formulareading.h>
#include <calc/numbertext.h>
#include <calc/periodictable.h>

class tst_FormulaReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A reading as its elements with their counts, "+" the waters, "=" the molecular weight and,
    // where the element rows cannot hold it, "!" why; or the refusal's fault and places.
    void readFormula_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<bool>("apart"); // the water apart, not among the elements
        QTest::addColumn<QString>("read");
        const auto row = [](const char *name, const char *formula, bool apart, const char *read) {
            QTest::newRow(name) << QString::fromUtf8(formula) << apart << QString::fromUtf8(read);
        };
        row("repeats merged, first seen first", "CH3COOH", false, "C2 H4 O2 +0 =60.054");
        row("nested brackets multiply", "K4[Fe(CN)6]", false, "K4 Fe1 C6 N6 +0 =368.313");
        row("blanks between parts", " Ca ( OH )2 ", false, "Ca1 O2 H2 +0 =74.096");
        row("A is the lists' argon", "ArA2", false, "Ar3 +0 =119.85");
        row("H20 without a separator", "H20", false, "H20 +0 =20.16");
        row("water in the substance", "Na2CO3*10H2O", false, "Na2 C1 O13 H20 +10 =286.151");
        row("water apart, digit zero", "CuSO4.H20", true, "Cu1 S1 O4 +1 =159.604");
        row("a hemihydrate's decimal point is no hydrate dot", "CaSO4·0.5H2O", true,
            "Ca1 S1 O4 +0.5 =136.144");
        row("half a water as ½, among the elements", "CaSO4·½H2O", false,
            "Ca1 S1 O4.5 H1 +0.5 =145.152 !Fractional O");
        row("other dots and pasted subscripts", "CuSO₄∙5H₂O", true, "Cu1 S1 O4 +5 =159.604");
        row("a bullet", "MgSO4•7H2O", true, "Mg1 S1 O4 +7 =120.376");
        row("a blank before the water", "Na2S 9H2O", true, "Na2 S1 +9 =78.044");
        row("every element with a weight", "KMnO4", false, "K1 Mn1 O4 +0 =158.038 !NotListed Mn");
        row("strontium", "SrCl2", false, "Sr1 Cl2 +0 =158.526 !NotListed Sr");
        row("seven elements with the water's H", "AlBaCaCdCsLi·H2O", false,
            "Al1 Ba1 Ca1 Cd1 Cs1 Li1 H2 O1 +1 =474.66 !MoreThanSix H");
        row("empty", "  ", false, "NoFormula");
        row("no standard weight", "TcO2", false, "NoStandardWeight: Tc");
        row("not a symbol", "XyO4", false, "UnknownElement: Xy");
        row("small letters", "nacl", false, "SmallLetter: na | Na");
        row("not closed", "Ca(OH·2H2O", true, "NotClosed: Ca(OH");
        row("not opened", "NaCl)", false, "NotOpened: ) | NaCl");
        row("two kinds", "Ca(OH]2", false, "OtherBracket: ] | Ca(OH | (");
        row("count 0", "H0", false, "BadCount: 0 | H");
        row("a fraction for a whole count", "H1.5", false, "FractionalCount: 1.5 | H");
        row("a count set apart", "Na2S 9", false, "CountApart: 9 | Na2S");
        row("atoms beyond 16 bits", "(H2)16384", false, "TooManyAtoms: H");
        row("not water", "CuSO4.5NH3", false, "NotWater: . | CuSO4");
        row("quoted by its end", "C6H12O6C6H12O6C6H12O6C6H12O6(", false,
            "NotClosed: …O6C6H12O6C6H12O6C6H12O6(");
    }
    void readFormula()
    {
        QFETCH(QString, formula);
        QFETCH(bool, apart);
        QFETCH(QString, read);
        using namespace molvera;
        static constexpr const char *Faults[] = {
            "NoFormula",  "UnknownElement", "NoStandardWeight", "SmallLetter", "TooManyAtoms",
            "NotClosed",  "NotOpened",      "OtherBracket",     "BadCount",    "FractionalCount",
            "CountApart", "NotAtStart",     "NotAfter",         "NotWater"};
        static constexpr const char *Misfits[] = {"NotListed", "MoreThanSix", "Fractional"};
        const NumberLocale point;
        const FormulaRead result = molvera::readFormula(
            formula.toStdString(), apart ? WaterPart::Apart : WaterPart::InElements);
        std::string shown;
        if (const auto *reading = std::get_if<FormulaReading>(&result)) {
            for (const auto &[element, count] : reading->elements)
                shown += std::string(element->symbol) + writeGeneral(count, point) + ' ';
            shown += '+' + writeGeneral(reading->waters, point) + " =" +
                     writeGeneral(molecularWeight(*reading), point);
            if (const std::optional<RowsMisfit> misfit = rowsMisfit(*reading))
                shown += std::string(" !") + Misfits[int(misfit->reason)] + ' ' + misfit->symbol;
        } else {
            const FormulaRefusal &refusal = std::get<FormulaRefusal>(result);
            shown = Faults[int(refusal.fault)];
            for (std::size_t i = 0; i < refusal.places.size(); ++i)
                shown += (i ? " | " : ": ") + refusal.places[i];
        }
        QCOMPARE(calctest::text(shown), read);
    }
};

QTEST_GUILESS_MAIN(tst_FormulaReading)
#include "tst_formulareading.moc"
