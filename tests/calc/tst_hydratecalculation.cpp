#include "calctest.h"

#include <calc/hydratecalculation.h>

#include <QTest>

using namespace Qt::StringLiterals;
using namespace calctest;
using molvera::HydrateCalculation;
using molvera::HydrateOutcome;
using molvera::HydrateResult;

namespace {

// The page's boxes in the order of HydrateInputs: total, stock concentration, stock waters,
// required concentration, required waters, volume, formula.
HydrateResult calculate(const QStringList &boxes, const QString &separator)
{
    const auto t = boxTexts<7>(boxes);
    return HydrateCalculation::calculate({t[0], t[1], t[2], t[3], t[4], t[5], t[6]},
                                         localeOf(separator));
}

} // namespace

class tst_HydrateCalculation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waterWeight();
    void texts_data();
    void texts();
    void names_data();
    void names();
    void resultText_data();
    void resultText();
    void failure_data();
    void failure();
};

void tst_HydrateCalculation::waterWeight()
{
    QVERIFY(HydrateCalculation::WaterWeight == 18.016);
}

void tst_HydrateCalculation::texts_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("worked example")
        << QStringList{u"159.604"_s, u"100"_s, u"0"_s, u"15"_s, u"2"_s, u"100"_s, u"CuSO4.2H2O"_s}
        << en << u"12.24"_s
        << u"To prepare 100mL of a 15 percent Solution of CuSO4.2H2O, Measure 12.24 grams of "
           "CuSO4 and dilute up to 100 mL with solvent."_s
        << QStringList{u"To prepare 100mL of a 15 percent Solution of CuSO4.2H2O,"_s,
                       u"Measure 12.24 grams of CuSO4 and dilute up to 100"_s,
                       u"mL with solvent."_s};
    QTest::newRow("de worked example")
        << QStringList{u"159,604"_s, u"100"_s, u"0"_s, u"15"_s, u"2"_s, u"100"_s, u"CuSO4.2H2O"_s}
        << de << u"12,24"_s
        << u"To prepare 100mL of a 15 percent Solution of CuSO4.2H2O, Measure 12,24 grams of "
           "CuSO4 and dilute up to 100 mL with solvent."_s
        << QStringList{u"To prepare 100mL of a 15 percent Solution of CuSO4.2H2O,"_s,
                       u"Measure 12,24 grams of CuSO4 and dilute up to 100"_s,
                       u"mL with solvent."_s};
    QTest::newRow("weighs the pentahydrate on the shelf, not the anhydrous salt wanted")
        << QStringList{u"159.604"_s, u"100"_s, u"5"_s, u"5"_s, u"0"_s, u"200"_s, u"CuSO4"_s} << en
        << u"15.64"_s
        << u"To prepare 200mL of a 5 percent Solution of CuSO4, Measure 15.64 grams of "
           "CuSO4.5H2O and dilute up to 200 mL with solvent."_s
        << QStringList{u"To prepare 200mL of a 5 percent Solution of CuSO4,"_s,
                       u"Measure 15.64 grams of CuSO4.5H2O and dilute up to 200"_s,
                       u"mL with solvent."_s};
    QTest::newRow("the stock's one water in the separator typed")
        << QStringList{u"159.604"_s, u"100"_s, u"1"_s, u"5"_s, u"5"_s, u"100"_s, u"CuSO4·5H2O"_s}
        << en << u"3.56"_s
        << u"To prepare 100mL of a 5 percent Solution of CuSO4·5H2O, Measure 3.56 grams of "
           "CuSO4·H2O and dilute up to 100 mL with solvent."_s
        << QStringList{u"To prepare 100mL of a 5 percent Solution of CuSO4·5H2O,"_s,
                       u"Measure 3.56 grams of CuSO4·H2O and dilute up to 100"_s,
                       u"mL with solvent."_s};
    QTest::newRow("volume and concentration as typed")
        << QStringList{u"159.604"_s, u"100"_s, u"0"_s, u"15.0"_s, u"0"_s, u"100.0"_s, u"CuSO4"_s}
        << en << u"15.00"_s
        << u"To prepare 100.0mL of a 15.0 percent Solution of CuSO4, Measure 15.00 grams of "
           "CuSO4 and dilute up to 100.0 mL with solvent."_s
        << QStringList{u"To prepare 100.0mL of a 15.0 percent Solution of CuSO4,"_s,
                       u"Measure 15.00 grams of CuSO4 and dilute up to 100.0"_s,
                       u"mL with solvent."_s};
    QTest::newRow("empty formula")
        << QStringList{u"58.44"_s, u"100"_s, u"0"_s, u"15"_s, u"0"_s, u"100"_s, QString()} << en
        << u"15.00"_s
        << u"To prepare 100mL of a 15 percent Solution of , Measure 15.00 grams of  "
           "and dilute up to 100 mL with solvent."_s
        << QStringList{u"To prepare 100mL of a 15 percent Solution of ,"_s,
                       u"Measure 15.00 grams of  and dilute up to 100"_s, u"mL with solvent."_s};
}

void tst_HydrateCalculation::texts()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, separator);
    QFETCH(QString, result);
    QFETCH(QString, method);
    QFETCH(QStringList, lines);

    const HydrateResult calculated = calculate(boxes, separator);
    QVERIFY(std::holds_alternative<HydrateOutcome>(calculated));
    const HydrateOutcome &success = std::get<HydrateOutcome>(calculated);
    compareTexts(success, result, method, lines);
}

// The solution is named by the form its strength is stated for, the stock by its own waters,
// whatever waters the formula was typed with.
void tst_HydrateCalculation::names_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("stockWaters");
    QTest::addColumn<QString>("requiredWaters");
    QTest::addColumn<QString>("solution");
    QTest::addColumn<QString>("stock");
    QTest::newRow("the bottle's pentahydrate typed, the anhydrous salt wanted")
        << u"CuSO4.5H2O"_s << u"5"_s << u"0"_s << u"CuSO4"_s << u"CuSO4.5H2O"_s;
    QTest::newRow("the dihydrate wanted, in the dot typed")
        << u"CuSO4·5H2O"_s << u"5"_s << u"2"_s << u"CuSO4·2H2O"_s << u"CuSO4·5H2O"_s;
    QTest::newRow("a hemihydrate as on the bottle")
        << u"CaSO4·0.5H2O"_s << u"0.5"_s << u"0"_s << u"CaSO4"_s << u"CaSO4·0.5H2O"_s;
    QTest::newRow("no water part to rename: as typed")
        << u"CuSO4.5NH3"_s << u"5"_s << u"0"_s << u"CuSO4.5NH3"_s << u"CuSO4.5NH3"_s;
    QTest::newRow("a count not plainly written: as typed")
        << u"CuSO4"_s << u"5"_s << u"2e0"_s << u"CuSO4"_s << u"CuSO4.5H2O"_s;
    QTest::newRow("an empty formula names nothing")
        << QString() << u"5"_s << u"0"_s << QString() << QString();
}

void tst_HydrateCalculation::names()
{
    QFETCH(QString, formula);
    QFETCH(QString, stockWaters);
    QFETCH(QString, requiredWaters);
    QFETCH(QString, solution);
    QFETCH(QString, stock);

    const HydrateResult calculated = calculate(
        {u"159.604"_s, u"100"_s, stockWaters, u"15"_s, requiredWaters, u"100"_s, formula}, en);
    QVERIFY(std::holds_alternative<HydrateOutcome>(calculated));
    const HydrateOutcome &success = std::get<HydrateOutcome>(calculated);
    QCOMPARE(text(success.solutionFormula), solution);
    QVERIFY2(text(success.printLines[0]).endsWith(u" Solution of "_s + solution + u','),
             success.printLines[0].c_str());
    QVERIFY2(text(success.printLines[1]).contains(u" grams of "_s + stock + u" and "_s),
             success.printLines[1].c_str());
}

void tst_HydrateCalculation::resultText_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("result");
    QTest::addColumn<double>("mass");

    for (const QString &total : {u"58.44"_s, u"159.604"_s, u"1"_s, u"0.001"_s, u"1e6"_s}) {
        QTest::addRow("defaults with total %s", qPrintable(total))
            << QStringList{total, u"100"_s, u"0"_s, u"15"_s, u"0"_s, u"100"_s, u"X"_s} << en
            << u"15.00"_s << 15.0;
    }
    QTest::newRow("worked example")
        << QStringList{u"159.604"_s, u"100"_s, u"0"_s, u"15"_s, u"2"_s, u"100"_s, u"CuSO4"_s} << en
        << u"12.24"_s << 12.237318;
    QTest::newRow("pentahydrate stock for anhydrous")
        << QStringList{u"159.604"_s, u"100"_s, u"5"_s, u"15"_s, u"0"_s, u"100"_s, u"CuSO4"_s} << en
        << u"23.47"_s << 23.465953;
    QTest::newRow("de pentahydrate stock for anhydrous")
        << QStringList{u"159,604"_s, u"100"_s, u"5"_s, u"15"_s, u"0"_s, u"100"_s, u"CuSO4"_s} << de
        << u"23,47"_s << 23.465953;
    QTest::newRow("50 percent stock doubles")
        << QStringList{u"159.604"_s, u"50"_s, u"0"_s, u"15"_s, u"2"_s, u"100"_s, u"CuSO4"_s} << en
        << u"24.47"_s << 24.474636;
    QTest::newRow("Cr = 0") << QStringList{u"159.604"_s, u"100"_s, u"0"_s,    u"0"_s,
                                           u"2"_s,       u"100"_s, u"CuSO4"_s}
                            << en << u"0.00"_s << 0.0;
    QTest::newRow("V = 0") << QStringList{u"159.604"_s, u"100"_s, u"0"_s,    u"15"_s,
                                          u"2"_s,       u"0"_s,   u"CuSO4"_s}
                           << en << u"0.00"_s << 0.0;
    QTest::newRow("more grams than mL: no weaker stock")
        << QStringList{u"159.604"_s, u"100"_s, u"0"_s, u"150"_s, u"0"_s, u"100"_s, u"X"_s} << en
        << u"150.00"_s << 150.0;
    QTest::newRow("hemihydrate stock")
        << QStringList{u"100"_s, u"100"_s, u"0.5"_s, u"10"_s, u"0"_s, u"100"_s, u"X"_s} << en
        << u"10.90"_s << 10.9008;
    QTest::newRow("de hemihydrate stock")
        << QStringList{u"100"_s, u"100"_s, u"0,5"_s, u"10"_s, u"0"_s, u"100"_s, u"X"_s} << de
        << u"10,90"_s << 10.9008;
}

void tst_HydrateCalculation::resultText()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, separator);
    QFETCH(QString, result);
    QFETCH(double, mass);

    const HydrateResult calculated = calculate(boxes, separator);
    QVERIFY(std::holds_alternative<HydrateOutcome>(calculated));
    const HydrateOutcome &success = std::get<HydrateOutcome>(calculated);
    QCOMPARE(text(success.resultText), result);
    compareAmount(success.mass, mass);
}

void tst_HydrateCalculation::failure_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<Failure>("failure");

    const QStringList good{u"159.604"_s, u"100"_s, u"0"_s, u"15"_s, u"2"_s, u"100"_s, u"CuSO4"_s};
    const auto with = changing(good);
    enum { M, Cs, Hs, Cr, Hr, V };

    QTest::newRow("empty total") << with({{M, QString()}}) << en << Failure::Input;
    QTest::newRow("empty Cs") << with({{Cs, QString()}}) << en << Failure::Input;
    QTest::newRow("empty Hs") << with({{Hs, QString()}}) << en << Failure::Input;
    QTest::newRow("empty Cr") << with({{Cr, QString()}}) << en << Failure::Input;
    QTest::newRow("empty Hr") << with({{Hr, QString()}}) << en << Failure::Input;
    QTest::newRow("empty V") << with({{V, QString()}}) << en << Failure::Input;
    QTest::newRow("Hs not a number") << with({{Hs, u"five"_s}}) << en << Failure::Input;
    QTest::newRow("negative Hs is no count") << with({{Hs, u"-1"_s}}) << en << Failure::Input;
    QTest::newRow("negative Hr is no count") << with({{Hr, u"-0.5"_s}}) << en << Failure::Input;
    QTest::newRow("de point") << with({{M, u"159,604"_s}, {Hr, u"0.5"_s}}) << de << Failure::Input;
    QTest::newRow("total beyond range") << with({{M, u"1e999"_s}}) << en << Failure::Arithmetic;
    QTest::newRow("V beyond range") << with({{V, u"1e999"_s}}) << en << Failure::Arithmetic;

    QTest::newRow("first bad text decides: not a number before beyond range")
        << with({{M, u"abc"_s}, {Cs, u"1e999"_s}}) << en << Failure::Input;
    QTest::newRow("first bad text decides: beyond range before empty")
        << with({{Cs, u"1e999"_s}, {Hs, QString()}}) << en << Failure::Arithmetic;
    QTest::newRow("Ws overflows before an empty Cr")
        << with({{Hs, u"1e307"_s}, {Cr, QString()}}) << en << Failure::Arithmetic;
    QTest::newRow("Wr overflows before an empty V")
        << with({{Hr, u"1e307"_s}, {V, QString()}}) << en << Failure::Arithmetic;
    QTest::newRow("empty Cr before Wr overflows")
        << with({{Cr, QString()}, {Hr, u"1e307"_s}}) << en << Failure::Input;

    QTest::newRow("Cs = 0") << with({{Cs, u"0"_s}}) << en << Failure::ZeroStock;
    QTest::newRow("M + Wr = 0") << with({{M, u"-36.032"_s}, {Hr, u"2"_s}}) << en
                                << Failure::ZeroWeight;
    QTest::newRow("0/0") << with({{Cr, u"0"_s}, {Cs, u"0"_s}}) << en << Failure::ZeroStock;
    QTest::newRow("negative volume") << with({{V, u"-100"_s}}) << en << Failure::Negative;
    QTest::newRow("negative stock concentration")
        << with({{Cs, u"-100"_s}}) << en << Failure::Negative;
    QTest::newRow("Ws + M overflows")
        << with({{M, u"1.7e308"_s}, {Hs, u"5e306"_s}}) << en << Failure::Arithmetic;
    QTest::newRow("product overflows")
        << with({{Cr, u"1e300"_s}, {V, u"1e300"_s}}) << en << Failure::Arithmetic;
    QTest::newRow("quotient overflows")
        << with({{Cs, u"1e-300"_s}, {Cr, u"1e300"_s}}) << en << Failure::Arithmetic;
}

void tst_HydrateCalculation::failure()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, separator);
    QFETCH(Failure, failure);

    QVERIFY(failedWith(calculate(boxes, separator), failure));
}

QTEST_GUILESS_MAIN(tst_HydrateCalculation)
#include "tst_hydratecalculation.moc"
