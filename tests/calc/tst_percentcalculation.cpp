#include "calctest.h"

#include <calc/percentcalculation.h>

#include <QTest>

using namespace Qt::StringLiterals;
using namespace calctest;
using molvera::ConcentrationType;
using molvera::PercentCalculation;
using molvera::PercentOutcome;
using molvera::PercentResult;

namespace {

// In the order of PercentResult's alternatives.
enum class Expect {
    Input,
    Arithmetic,
    ZeroStock,
    ZeroGravity,
    BasisMismatch,
    Weak,
    Negative,
    NoType,
    Success
};

// A type, and " from w/v" for a stock stated in % w/v.
std::optional<ConcentrationType> typeOf(QString name)
{
    name.remove(u" from w/v"_s);
    if (name == u"w/w")
        return ConcentrationType::WeightPerWeight;
    if (name == u"w/v")
        return ConcentrationType::WeightPerVolume;
    if (name == u"v/v")
        return ConcentrationType::VolumePerVolume;
    return std::nullopt;
}

// The page's boxes in the order of PercentInputs: stock concentration, stock specific gravity,
// amount, required concentration, formula.
PercentResult calculate(const QString &type, const QStringList &boxes, const QString &separator)
{
    const auto t = boxTexts<5>(boxes);
    const ConcentrationType basis = type.endsWith(u" from w/v"_s)
                                        ? ConcentrationType::WeightPerVolume
                                        : ConcentrationType::WeightPerWeight;
    return PercentCalculation::calculate(typeOf(type), {t[0], t[1], t[2], t[3], t[4], basis},
                                         localeOf(separator));
}

} // namespace

Q_DECLARE_METATYPE(Expect)

class tst_PercentCalculation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts_data();
    void texts();
    void outcome_data();
    void outcome();
};

void tst_PercentCalculation::texts_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("solvent"); // null: no solvent text
    QTest::addColumn<QString>("method");
    QTest::addColumn<QStringList>("lines");

    const QStringList example{u"98"_s, u"1.00"_s, u"600"_s, u"20"_s, u"NaCl"_s};
    const QStringList deExample{u"98"_s, u"1,00"_s, u"600"_s, u"20"_s, u"NaCl"_s};
    const QStringList gravity{u"37"_s, u"1.19"_s, u"500"_s, u"10"_s, u"HCl"_s};

    QTest::newRow("defaults w/w")
        << u"w/w"_s << QStringList{u"100"_s, u"1.00"_s, u"100"_s, u"15"_s, u"NaCl"_s} << en
        << u"15.00"_s << u"85.00"_s
        << u"To prepare 100 grams of a 15 % w/w solution of NaCl , Measure 15.00 grams of NaCl "
           "and mix with 85.00 grams of solvent."_s
        << QStringList{u"To prepare 100 grams of a 15 % w/w solution of NaCl ,"_s,
                       u"Measure 15.00 grams of NaCl and mix with 85.00 grams"_s, u"of solvent."_s};
    QTest::newRow("example w/v")
        << u"w/v"_s << example << en << u"122.45"_s << QString()
        << u"To prepare 600 mL of a 20 % w/v solution of NaCl , Measure 122.45 grams of NaCl "
           "and dilute up to 600 mL with solvent."_s
        << QStringList{u"To prepare 600 mL of a 20 % w/v solution of NaCl ,"_s,
                       u"Measure 122.45 grams of NaCl and dilute up to 600 mL"_s,
                       u"with solvent."_s};
    QTest::newRow("example w/w")
        << u"w/w"_s << example << en << u"122.45"_s << u"477.55"_s
        << u"To prepare 600 grams of a 20 % w/w solution of NaCl , Measure 122.45 grams of NaCl "
           "and mix with 477.55 grams of solvent."_s
        << QStringList{u"To prepare 600 grams of a 20 % w/w solution of NaCl ,"_s,
                       u"Measure 122.45 grams of NaCl and mix with 477.55 grams"_s,
                       u"of solvent."_s};
    QTest::newRow("example v/v")
        << u"v/v"_s << example << en << u"122.45"_s << QString()
        << u"To prepare 600 mL of a 20 % v/v solution of NaCl , Measure 122.45 mL of NaCl "
           "and dilute up to 600 mL with solvent."_s
        << QStringList{u"To prepare 600 mL of a 20 % v/v solution of NaCl ,"_s,
                       u"Measure 122.45 mL of NaCl and dilute up to 600 mL"_s, u"with solvent."_s};
    QTest::newRow("de example w/v")
        << u"w/v"_s << deExample << de << u"122,45"_s << QString()
        << u"To prepare 600 mL of a 20 % w/v solution of NaCl , Measure 122,45 grams of NaCl "
           "and dilute up to 600 mL with solvent."_s
        << QStringList{u"To prepare 600 mL of a 20 % w/v solution of NaCl ,"_s,
                       u"Measure 122,45 grams of NaCl and dilute up to 600 mL"_s,
                       u"with solvent."_s};
    QTest::newRow("de example w/w")
        << u"w/w"_s << deExample << de << u"122,45"_s << u"477,55"_s
        << u"To prepare 600 grams of a 20 % w/w solution of NaCl , Measure 122,45 grams of NaCl "
           "and mix with 477,55 grams of solvent."_s
        << QStringList{u"To prepare 600 grams of a 20 % w/w solution of NaCl ,"_s,
                       u"Measure 122,45 grams of NaCl and mix with 477,55 grams"_s,
                       u"of solvent."_s};
    QTest::newRow("w/w by weight: the gravity plays no part")
        << u"w/w"_s << gravity << en << u"135.14"_s << u"364.86"_s
        << u"To prepare 500 grams of a 10 % w/w solution of HCl , Measure 135.14 grams of HCl "
           "and mix with 364.86 grams of solvent."_s
        << QStringList{u"To prepare 500 grams of a 10 % w/w solution of HCl ,"_s,
                       u"Measure 135.14 grams of HCl and mix with 364.86 grams"_s,
                       u"of solvent."_s};
    QTest::newRow("w/v of a liquid stock: mL")
        << u"w/v"_s << QStringList{u"37"_s, u"1.19"_s, u"200"_s, u"5"_s, u"HCl"_s} << en
        << u"22.71"_s << QString()
        << u"To prepare 200 mL of a 5 % w/v solution of HCl , Measure 22.71 mL of HCl "
           "and dilute up to 200 mL with solvent."_s
        << QStringList{u"To prepare 200 mL of a 5 % w/v solution of HCl ,"_s,
                       u"Measure 22.71 mL of HCl and dilute up to 200 mL"_s, u"with solvent."_s};
    QTest::newRow("v/v needs no density")
        << u"v/v"_s << QStringList{u"96"_s, u"0.807"_s, u"100"_s, u"70"_s, u"EtOH"_s} << en
        << u"72.92"_s << QString()
        << u"To prepare 100 mL of a 70 % v/v solution of EtOH , Measure 72.92 mL of EtOH "
           "and dilute up to 100 mL with solvent."_s
        << QStringList{u"To prepare 100 mL of a 70 % v/v solution of EtOH ,"_s,
                       u"Measure 72.92 mL of EtOH and dilute up to 100 mL"_s, u"with solvent."_s};
    // The hidden solvent box keeps the result text's rule; the sentence weighs in milligrams.
    QTest::newRow("de too little for two decimals: milligrams, stock and solvent")
        << u"w/w"_s << QStringList{u"100"_s, u"1,00"_s, u"0,006"_s, u"50"_s, u"NaCl"_s} << de
        << u"0,00"_s << u"0,01"_s
        << u"To prepare 0,006 grams of a 50 % w/w solution of NaCl , Measure 3,00 mg of NaCl "
           "and mix with 3,00 mg of solvent."_s
        << QStringList{u"To prepare 0,006 grams of a 50 % w/w solution of NaCl ,"_s,
                       u"Measure 3,00 mg of NaCl and mix with 3,00 mg"_s, u"of solvent."_s};
    QTest::newRow("a w/v stock diluted by volume alone")
        << u"w/v from w/v"_s << QStringList{u"20"_s, u"1.07"_s, u"100"_s, u"0.9"_s, u"NaCl"_s} << en
        << u"4.50"_s << QString()
        << u"To prepare 100 mL of a 0.9 % w/v solution of NaCl , Measure 4.50 mL of NaCl and "
           "dilute up to 100 mL with solvent."_s
        << QStringList{u"To prepare 100 mL of a 0.9 % w/v solution of NaCl ,"_s,
                       u"Measure 4.50 mL of NaCl and dilute up to 100 mL"_s, u"with solvent."_s};
    QTest::newRow("w/w: no solvent where only the rounded stock exceeds the amount")
        << u"w/w"_s << QStringList{u"100"_s, u"1.00"_s, u"6.659"_s, u"99.94"_s, u"NaCl"_s} << en
        << u"6.66"_s << u"0.00"_s
        << u"To prepare 6.659 grams of a 99.94 % w/w solution of NaCl , Measure 6.66 grams of "
           "NaCl and mix with 0.00 grams of solvent."_s
        << QStringList{u"To prepare 6.659 grams of a 99.94 % w/w solution of NaCl ,"_s,
                       u"Measure 6.66 grams of NaCl and mix with 0.00 grams"_s, u"of solvent."_s};
    QTest::newRow("amount as typed")
        << u"w/v"_s << QStringList{u"98"_s, u"1.00"_s, u"600.0"_s, u"20"_s, u"NaCl"_s} << en
        << u"122.45"_s << QString()
        << u"To prepare 600.0 mL of a 20 % w/v solution of NaCl , Measure 122.45 grams of NaCl "
           "and dilute up to 600.0 mL with solvent."_s
        << QStringList{u"To prepare 600.0 mL of a 20 % w/v solution of NaCl ,"_s,
                       u"Measure 122.45 grams of NaCl and dilute up to 600.0 mL"_s,
                       u"with solvent."_s};
    QTest::newRow("empty formula")
        << u"v/v"_s << QStringList{u"98"_s, u"1.00"_s, u"600"_s, u"20"_s, QString()} << en
        << u"122.45"_s << QString()
        << u"To prepare 600 mL of a 20 % v/v solution of  , Measure 122.45 mL of  "
           "and dilute up to 600 mL with solvent."_s
        << QStringList{u"To prepare 600 mL of a 20 % v/v solution of  ,"_s,
                       u"Measure 122.45 mL of  and dilute up to 600 mL"_s, u"with solvent."_s};
}

void tst_PercentCalculation::texts()
{
    QFETCH(QString, type);
    QFETCH(QStringList, boxes);
    QFETCH(QString, separator);
    QFETCH(QString, result);
    QFETCH(QString, solvent);
    QFETCH(QString, method);
    QFETCH(QStringList, lines);

    const PercentResult outcome = calculate(type, boxes, separator);
    QVERIFY(std::holds_alternative<PercentOutcome>(outcome));
    const PercentOutcome &success = std::get<PercentOutcome>(outcome);
    QCOMPARE(success.solventText.has_value(), !solvent.isNull());
    if (success.solventText)
        QCOMPARE(text(*success.solventText), solvent);
    compareTexts(success, result, method, lines);
}

void tst_PercentCalculation::outcome_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<Expect>("expect");

    const QStringList good{u"98"_s, u"1.00"_s, u"600"_s, u"20"_s, u"NaCl"_s};
    const auto with = changing(good);
    enum { S, G, V, C };

    QTest::newRow("no type") << QString() << good << en << Expect::NoType;
    QTest::newRow("no type, S = 0") << QString() << with({{S, u"0"_s}}) << en << Expect::NoType;
    QTest::newRow("no type, empty S") << QString() << with({{S, QString()}}) << en << Expect::Input;
    QTest::newRow("no type, empty C") << QString() << with({{C, QString()}}) << en << Expect::Input;
    QTest::newRow("no type, S beyond range")
        << QString() << with({{S, u"1e999"_s}}) << en << Expect::Arithmetic;

    for (const QString &type : {u"w/w"_s, u"w/v"_s, u"v/v"_s}) {
        const QByteArray t = type.toUtf8();
        QTest::addRow("%s empty S", t.data())
            << type << with({{S, QString()}}) << en << Expect::Input;
        QTest::addRow("%s empty G", t.data())
            << type << with({{G, QString()}}) << en << Expect::Input;
        QTest::addRow("%s empty V", t.data())
            << type << with({{V, QString()}}) << en << Expect::Input;
        QTest::addRow("%s empty C", t.data())
            << type << with({{C, QString()}}) << en << Expect::Input;
        QTest::addRow("%s C not a number", t.data())
            << type << with({{C, u"20%"_s}}) << en << Expect::Input;
        QTest::addRow("%s V beyond range", t.data())
            << type << with({{V, u"1e999"_s}}) << en << Expect::Arithmetic;
        QTest::addRow("%s S = 0", t.data())
            << type << with({{S, u"0"_s}}) << en << Expect::ZeroStock;
        QTest::addRow("%s G = 0", t.data())
            << type << with({{G, u"0"_s}}) << en
            << (type == u"w/v" ? Expect::ZeroGravity : Expect::Success);
        QTest::addRow("%s 0/0", t.data())
            << type << with({{C, u"0"_s}, {S, u"0"_s}}) << en << Expect::ZeroStock;
        QTest::addRow("%s stock weaker than wanted", t.data())
            << type << with({{S, u"10"_s}, {G, u"1.05"_s}}) << en << Expect::Weak;
        QTest::addRow("%s stock as strong as wanted", t.data())
            << type << with({{S, u"70"_s}, {C, u"70"_s}, {V, u"500"_s}}) << en << Expect::Success;
        QTest::addRow("%s negative amount", t.data())
            << type << with({{V, u"-100"_s}}) << en << Expect::Negative;
        QTest::addRow("%s negative concentration", t.data())
            << type << with({{C, u"-20"_s}}) << en << Expect::Negative;
        QTest::addRow("%s overflow", t.data())
            << type << with({{C, u"1e300"_s}, {V, u"1e300"_s}}) << en << Expect::Arithmetic;
        QTest::addRow("%s empty before beyond range", t.data())
            << type << with({{G, QString()}, {V, u"1e999"_s}}) << en << Expect::Input;
        QTest::addRow("%s beyond range before empty", t.data())
            << type << with({{G, u"1e999"_s}, {V, QString()}}) << en << Expect::Arithmetic;
        QTest::addRow("%s de point", t.data())
            << type << with({{G, u"1.00"_s}}) << de << Expect::Input;
    }

    QTest::newRow("w/v: a pure solid is never weaker than its solution")
        << u"w/v"_s << with({{S, u"100"_s}, {C, u"120"_s}}) << en << Expect::Success;
    QTest::newRow("w/v: a solid at its real purity is never weaker either")
        << u"w/v"_s << with({{S, u"98"_s}, {C, u"120"_s}}) << en << Expect::Success;
    QTest::newRow("a w/v stock for a w/w solution")
        << u"w/w from w/v"_s << good << en << Expect::BasisMismatch;
    QTest::newRow("a w/v stock weaker, whatever its gravity")
        << u"w/v from w/v"_s << with({{S, u"10"_s}, {G, u"1"_s}}) << en << Expect::Weak;
    QTest::newRow("w/w: a pure solid is weaker than 120 %")
        << u"w/w"_s << with({{S, u"100"_s}, {C, u"120"_s}}) << en << Expect::Weak;

    // Near the largest double: a negative amount is refused before any solvent is worked out,
    // and a w/w result too large to read back (its 15 digits round beyond it) is too large.
    QTest::newRow("w/w negative before its solvent")
        << u"w/w"_s << QStringList{u"100"_s, u"-1"_s, u"-1.7976931348623157e308"_s, u"50"_s, u"X"_s}
        << en << Expect::Negative;
    QTest::newRow("w/v without solvent")
        << u"w/v"_s << QStringList{u"100"_s, u"-1"_s, u"-1.7976931348623157e308"_s, u"50"_s, u"X"_s}
        << en << Expect::Negative;
    QTest::newRow("w/w result beyond reading back")
        << u"w/w"_s << QStringList{u"100"_s, u"1"_s, u"1.7976931348623157e308"_s, u"100"_s, u"X"_s}
        << en << Expect::Arithmetic;
}

void tst_PercentCalculation::outcome()
{
    QFETCH(QString, type);
    QFETCH(QStringList, boxes);
    QFETCH(QString, separator);
    QFETCH(Expect, expect);

    const PercentResult result = calculate(type, boxes, separator);
    QCOMPARE(result.index(), std::size_t(expect));
}

QTEST_GUILESS_MAIN(tst_PercentCalculation)
#include "tst_percentcalculation.moc"
