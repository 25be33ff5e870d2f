#include "calctest.h"

#include <calc/molarcalculation.h>

#include <QTest>

using namespace Qt::StringLiterals;
using namespace calctest;
using molvera::MolarCalculation;
using molvera::MolarOutcome;
using molvera::MolarResult;

namespace {

// The page's boxes in the order of MolarInputs: total, molarity, volume, specific gravity,
// stock concentration, stock unit, formula.
MolarResult calculate(const QStringList &boxes, const QString &separator,
                      const molvera::TextTranslator &translator = {})
{
    const auto t = boxTexts<7>(boxes);
    return MolarCalculation::calculate({t[0], t[1], t[2], t[3], t[4], t[5], t[6]},
                                       localeOf(separator), translator);
}

} // namespace

class tst_MolarCalculation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts_data();
    void texts();
    void translatedTexts();
    void resultText_data();
    void resultText();
    void failure_data();
    void failure();
};

void tst_MolarCalculation::texts_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("worked example")
        << QStringList{u"98.08"_s, u"0.5"_s, u"1"_s, u"1.84"_s, u"98.07"_s, u"%"_s, u"H2SO4"_s}
        << en << u"27.18"_s
        << u"To prepare 1L of a 0.5 Molar Solution of H2SO4, Measure 27.18 mL of H2SO4 "
           "and dilute up to 1 Litre(s) with solvent."_s
        << QStringList{u"To prepare 1L of a 0.5 Molar Solution of H2SO4,"_s,
                       u"Measure 27.18 mL of H2SO4 and dilute up to 1"_s,
                       u"Litre(s) with solvent."_s};
    QTest::newRow("de worked example")
        << QStringList{u"98,08"_s, u"0,5"_s, u"1"_s, u"1,84"_s, u"98,07"_s, u"%"_s, u"H2SO4"_s}
        << de << u"27,18"_s
        << u"To prepare 1L of a 0,5 Molar Solution of H2SO4, Measure 27,18 mL of H2SO4 "
           "and dilute up to 1 Litre(s) with solvent."_s
        << QStringList{u"To prepare 1L of a 0,5 Molar Solution of H2SO4,"_s,
                       u"Measure 27,18 mL of H2SO4 and dilute up to 1"_s,
                       u"Litre(s) with solvent."_s};
    QTest::newRow("volume and molarity as typed")
        << QStringList{u"58.44"_s, u".5"_s, u"2.0"_s, u"1.00"_s, u"100"_s, u"%"_s, u"NaCl"_s} << en
        << u"58.44"_s
        << u"To prepare 2.0L of a .5 Molar Solution of NaCl, Measure 58.44 grams or mLs of NaCl "
           "and dilute up to 2.0 Litre(s) with solvent."_s
        << QStringList{u"To prepare 2.0L of a .5 Molar Solution of NaCl,"_s,
                       u"Measure 58.44 grams or mLs of NaCl and dilute up to 2.0"_s,
                       u"Litre(s) with solvent."_s};
    QTest::newRow("molar stock")
        << QStringList{u"98.08"_s, u"0.5"_s, u"1"_s, u"1.84"_s, u"10"_s, u"M"_s, u"HCl"_s} << en
        << u"50.00"_s
        << u"To prepare 1L of a 0.5 Molar Solution of HCl, Measure 50.00 mL of HCl "
           "and dilute up to 1 Litre(s) with solvent."_s
        << QStringList{u"To prepare 1L of a 0.5 Molar Solution of HCl,"_s,
                       u"Measure 50.00 mL of HCl and dilute up to 1"_s,
                       u"Litre(s) with solvent."_s};
    QTest::newRow("units typed with the numbers say every quantity's own")
        << QStringList{u"121.132"_s, u"50 mM"_s, u"250mL"_s, u"1.00"_s, u"100"_s, u"%"_s, u"Tris"_s}
        << en << u"1.51"_s
        << u"To prepare 250 mL of a 50 mM Solution of Tris, Measure 1.51 grams of Tris and "
           "dilute up to 250 mL with solvent."_s
        << QStringList{u"To prepare 250 mL of a 50 mM Solution of Tris,"_s,
                       u"Measure 1.51 grams of Tris and dilute up to 250 mL"_s, u"with solvent."_s};
    QTest::newRow("too little for a balance: micrograms, and a stronger solution first")
        << QStringList{u"58.443"_s, u"10 uM"_s, u"10 mL"_s, u"1.00"_s, u"100"_s, u"%"_s, u"NaCl"_s}
        << en << u"0.00"_s
        << u"To prepare 10 mL of a 10 µM Solution of NaCl, Measure 5.84 µg of NaCl and dilute up "
           "to 10 mL with solvent. So little cannot be measured well: make a more concentrated "
           "solution first and dilute it."_s
        << QStringList{u"To prepare 10 mL of a 10 µM Solution of NaCl,"_s,
                       u"Measure 5.84 µg of NaCl and dilute up to 10 mL"_s,
                       u"with solvent. So little cannot be measured well: make a more "
                       "concentrated solution first and dilute it."_s};
    QTest::newRow("empty formula")
        << QStringList{u"98.08"_s, u"1"_s, u"1"_s, u"1.00"_s, u"100"_s, u"%"_s, QString()} << en
        << u"98.08"_s
        << u"To prepare 1L of a 1 Molar Solution of , Measure 98.08 grams or mLs of  "
           "and dilute up to 1 Litre(s) with solvent."_s
        << QStringList{u"To prepare 1L of a 1 Molar Solution of ,"_s,
                       u"Measure 98.08 grams or mLs of  and dilute up to 1"_s,
                       u"Litre(s) with solvent."_s};
}

void tst_MolarCalculation::texts()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, separator);
    QFETCH(QString, result);
    QFETCH(QString, method);
    QFETCH(QStringList, lines);

    const MolarResult calculated = calculate(boxes, separator);
    QVERIFY(std::holds_alternative<MolarOutcome>(calculated));
    const MolarOutcome &success = std::get<MolarOutcome>(calculated);
    compareTexts(success, result, method, lines);
}

void tst_MolarCalculation::translatedTexts()
{
    // A translation may reorder the places and break the lines elsewhere; a formula holding a
    // place's marker stays as typed.
    QStringList contexts;
    const MolarResult result =
        calculate({u"98.08"_s, u"0.5"_s, u"1"_s, u"1.84"_s, u"98.07"_s, u"%"_s, u"%1"_s}, en,
                  [&contexts](const char *context, const char *) {
                      contexts.append(QString::fromUtf8(context));
                      return std::string("%4 of %3\nfor %2 M,\n%1 L");
                  });
    compareTexts(std::get<MolarOutcome>(result), u"27.18"_s, u"27.18 of %1 for 0.5 M, 1 L"_s,
                 {u"27.18 of %1"_s, u"for 0.5 M,"_s, u"1 L"_s});
    QCOMPARE(contexts, QStringList{u"molvera::MolarCalculation"_s});
}

void tst_MolarCalculation::resultText_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("result");
    QTest::addColumn<double>("amount");

    QTest::newRow("worked example")
        << QStringList{u"98.08"_s, u"0.5"_s, u"1"_s, u"1.84"_s, u"98.07"_s, u"%"_s, u"H2SO4"_s}
        << en << u"27.18"_s << 27.176677;
    QTest::newRow("defaults give the total")
        << QStringList{u"98.08"_s, u"1"_s, u"1"_s, u"1.00"_s, u"100"_s, u"%"_s, u"H2SO4"_s} << en
        << u"98.08"_s << 98.08;
    QTest::newRow("M: total and gravity play no part")
        << QStringList{u"12345"_s, u"0.5"_s, u"1"_s, u"0"_s, u"10"_s, u"M"_s, u"HCl"_s} << en
        << u"50.00"_s << 50.0;
    QTest::newRow("M: negative gravity too")
        << QStringList{u"0"_s, u"0.5"_s, u"1"_s, u"-7"_s, u"10"_s, u"M"_s, u"HCl"_s} << en
        << u"50.00"_s << 50.0;
    QTest::newRow("a pure solid is never weaker than its solution: 7 M CsCl")
        << QStringList{u"168.36"_s, u"7"_s, u"1"_s, u"1"_s, u"100"_s, u"%"_s, u"CsCl"_s} << en
        << u"1178.52"_s << 1178.52;
    QTest::newRow("a solid weighed at its real purity is no weaker stock: 99.9 % CsCl")
        << QStringList{u"168.36"_s, u"7"_s, u"1"_s, u"1.00"_s, u"99.9"_s, u"%"_s, u"CsCl"_s} << en
        << u"1179.70"_s << 1179.699700;
    QTest::newRow("85 % w/w stock, unchanged route")
        << QStringList{u"97.994"_s, u"1"_s, u"500 mL"_s, u"1.71"_s, u"85"_s, u"%"_s, u"H3PO4"_s}
        << en << u"33.71"_s << 33.709667;
    QTest::newRow("20 % w/v stock holds 10·C/MW mol/L")
        << QStringList{u"58.443"_s, u"0.154"_s, u"500 mL"_s, u"1"_s, u"20"_s, u"% w/v"_s, u"X"_s}
        << en << u"22.50"_s << 22.500555;
    QTest::newRow("g/L stock holds C/MW mol/L")
        << QStringList{u"400"_s, u"50 µM"_s, u"10 mL"_s, u"1"_s, u"10"_s, u"g/L"_s, u"X"_s} << en
        << u"0.02"_s << 0.02;
    QTest::newRow("a molar stock in mM, a molarity in mM")
        << QStringList{u"1"_s, u"1 mM"_s, u"500 µL"_s, u"1"_s, u"1000"_s, u"mM"_s, u"X"_s} << en
        << u"0.00"_s << 0.0005;
    QTest::newRow("zero volume") << QStringList{u"98.08"_s, u"0.5"_s, u"0"_s,    u"1.84"_s,
                                                u"98.07"_s, u"%"_s,   u"H2SO4"_s}
                                 << en << u"0.00"_s << 0.0;
    QTest::newRow("negative zero amount")
        << QStringList{u"98.08"_s, u"-0"_s, u"1"_s, u"1"_s, u"100"_s, u"%"_s, u"X"_s} << en
        << u"0.00"_s << 0.0;
    QTest::newRow("blanks around numbers")
        << QStringList{u" 98.08 "_s, u"\t0.5"_s, u"1 "_s,   u" 1.84"_s,
                       u"98.07 "_s,  u"%"_s,     u"H2SO4"_s}
        << en << u"27.18"_s << 27.176677;
    QTest::newRow("exponent") << QStringList{u"9.808e1"_s, u"5E-1"_s, u"1"_s,    u"1.84"_s,
                                             u"98.07"_s,   u"%"_s,    u"H2SO4"_s}
                              << en << u"27.18"_s << 27.176677;
    QTest::newRow("de worked example")
        << QStringList{u"98,08"_s, u"0,5"_s, u"1"_s, u"1,84"_s, u"98,07"_s, u"%"_s, u"H2SO4"_s}
        << de << u"27,18"_s << 27.176677;
    QTest::newRow("de molar stock")
        << QStringList{u"98,08"_s, u"0,5"_s, u"1"_s, u"1,84"_s, u"10"_s, u"M"_s, u"HCl"_s} << de
        << u"50,00"_s << 50.0;
}

void tst_MolarCalculation::resultText()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, separator);
    QFETCH(QString, result);
    QFETCH(double, amount);

    const MolarResult calculated = calculate(boxes, separator);
    QVERIFY(std::holds_alternative<MolarOutcome>(calculated));
    const MolarOutcome &success = std::get<MolarOutcome>(calculated);
    QCOMPARE(text(success.resultText), result);
    compareAmount(success.amount, amount);
}

void tst_MolarCalculation::failure_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<Failure>("failure");

    // Valid boxes are the worked example's; each row spoils some of them.
    const QStringList good{u"98.08"_s, u"0.5"_s, u"1"_s, u"1.84"_s, u"98.07"_s, u"%"_s, u"H2SO4"_s};
    const auto with = changing(good);
    enum { M, R, V, G, C, Unit };

    QTest::newRow("empty total") << with({{M, QString()}}) << en << Failure::Input;
    QTest::newRow("empty molarity") << with({{R, QString()}}) << en << Failure::Input;
    QTest::newRow("empty volume") << with({{V, QString()}}) << en << Failure::Input;
    QTest::newRow("empty gravity") << with({{G, QString()}}) << en << Failure::Input;
    QTest::newRow("empty concentration") << with({{C, QString()}}) << en << Failure::Input;
    QTest::newRow("empty gravity with M")
        << with({{G, QString()}, {Unit, u"M"_s}}) << en << Failure::Input;
    QTest::newRow("total not a number") << with({{M, u"abc"_s}}) << en << Failure::Input;
    QTest::newRow("volume with grouping") << with({{V, u"1,000"_s}}) << en << Failure::Input;
    QTest::newRow("de point") << with({{M, u"98,08"_s}, {R, u"0.5"_s}}) << de << Failure::Input;
    QTest::newRow("total beyond range") << with({{M, u"1e999"_s}}) << en << Failure::Arithmetic;
    QTest::newRow("gravity beyond range") << with({{G, u"-1e999"_s}}) << en << Failure::Arithmetic;

    QTest::newRow("first bad text decides: empty before beyond range")
        << with({{R, QString()}, {V, u"1e999"_s}}) << en << Failure::Input;
    QTest::newRow("first bad text decides: beyond range before empty")
        << with({{R, u"1e999"_s}, {V, QString()}}) << en << Failure::Arithmetic;
    QTest::newRow("first bad text decides: beyond range before not a number")
        << with({{M, u"1e999"_s}, {C, u"x"_s}}) << en << Failure::Arithmetic;

    QTest::newRow("% with C = 0") << with({{C, u"0"_s}}) << en << Failure::ZeroStock;
    QTest::newRow("% with G = 0") << with({{G, u"0"_s}}) << en << Failure::ZeroGravity;
    QTest::newRow("M with C = 0") << with({{C, u"0"_s}, {Unit, u"M"_s}}) << en
                                  << Failure::ZeroStock;
    QTest::newRow("% 0/0") << with({{M, u"0"_s}, {C, u"0"_s}}) << en << Failure::ZeroStock;
    QTest::newRow("M 0/0") << with({{R, u"0"_s}, {C, u"0"_s}, {Unit, u"M"_s}}) << en
                           << Failure::ZeroStock;
    QTest::newRow("negative molarity") << with({{R, u"-0.5"_s}}) << en << Failure::Negative;
    QTest::newRow("negative volume") << with({{V, u"-1"_s}}) << en << Failure::Negative;
    QTest::newRow("% stock weaker: more than a litre for a litre")
        << with({{R, u"20"_s}}) << en << Failure::WeakStock;
    QTest::newRow("% liquid stock weaker: 5 M HCl from 10 % of gravity 1.05")
        << with({{M, u"36.46"_s}, {R, u"5"_s}, {G, u"1.05"_s}, {C, u"10"_s}}) << en
        << Failure::WeakStock;
    QTest::newRow("M stock weaker than the molarity")
        << with({{C, u"0.25"_s}, {Unit, u"M"_s}}) << en << Failure::WeakStock;
    QTest::newRow("w/v stock weaker, as every liquid")
        << with({{C, u"0.5"_s}, {Unit, u"% w/v"_s}}) << en << Failure::WeakStock;
    QTest::newRow("a volume's unit for the molarity")
        << with({{R, u"5 mL"_s}}) << en << Failure::Input;
    QTest::newRow("a unit mistyped") << with({{V, u"5 MM"_s}}) << en << Failure::Input;
    QTest::newRow("product overflows")
        << with({{M, u"1e200"_s}, {R, u"1e200"_s}}) << en << Failure::Arithmetic;
    QTest::newRow("quotient overflows")
        << with({{M, u"1e300"_s}, {C, u"1e-300"_s}}) << en << Failure::Arithmetic;
    QTest::newRow("C/100 underflows to 0") << with({{C, u"1e-323"_s}}) << en << Failure::Arithmetic;
    QTest::newRow("M overflows in x 1000")
        << with({{R, u"1e306"_s}, {C, u"1"_s}, {Unit, u"M"_s}}) << en << Failure::Arithmetic;

    QTest::newRow("unit lower-case m") << with({{Unit, u"m"_s}}) << en << Failure::Input;
    QTest::newRow("unit empty") << with({{Unit, QString()}}) << en << Failure::Input;
    QTest::newRow("unit with blank") << with({{Unit, u" %"_s}}) << en << Failure::Input;
    QTest::newRow("unit word") << with({{Unit, u"Molar"_s}}) << en << Failure::Input;
    QTest::newRow("bad unit before arithmetic")
        << with({{Unit, u"x"_s}, {C, u"0"_s}}) << en << Failure::Input;
    QTest::newRow("numbers before unit")
        << with({{Unit, u"x"_s}, {G, u"1e999"_s}}) << en << Failure::Arithmetic;
}

void tst_MolarCalculation::failure()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, separator);
    QFETCH(Failure, failure);

    QVERIFY(failedWith(calculate(boxes, separator), failure));
}

QTEST_GUILESS_MAIN(tst_MolarCalculation)
#include "tst_molarcalculation.moc"
