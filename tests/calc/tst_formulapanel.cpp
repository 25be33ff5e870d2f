#include "calctest.h"

#include <calc/formulapanel.h>

#include <QTest>

using namespace Qt::StringLiterals;
using namespace calctest;
using molvera::FormulaPanel;
using molvera::NumberLocale;

class tst_FormulaPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commitRow_data();
    void commitRow();
    void workedExamples_data();
    void workedExamples();
    void unchosenElementAfterClear();
    void staleWeightAfterElementChange();
    void noElementKeepsWeight();
    void commitOverwritesTypedTotal();
    void rowOutOfRange();
    void rowWithBadCount_data();
    void rowWithBadCount();
    void clear();
    void recomputeTotal_data();
    void recomputeTotal();
};

void tst_FormulaPanel::commitRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("weight");

    const QString h = u"H  - Hydrogen"_s;
    const QString o = u"O  - Oxygen"_s;
    const QString pb = u"Pb - Lead"_s;

    QTest::newRow("H x 2") << 1 << h << u"2"_s << en << u"2.016"_s;
    QTest::newRow("S x 1") << 2 << u"S  - Sulphur"_s << u"1"_s << en << u"32.064"_s;
    QTest::newRow("O x 4 without separator") << 3 << o << u"4"_s << en << u"64"_s;
    QTest::newRow("N x 1") << 4 << u"N  - Nitrogen"_s << u"1"_s << en << u"14"_s;
    QTest::newRow("O x 1") << 5 << o << u"1"_s << en << u"16"_s;
    QTest::newRow("empty count") << 6 << h << QString() << en << u"0"_s;
    QTest::newRow("count 2.5 is 2") << 1 << h << u"2.5"_s << en << u"2.016"_s;
    QTest::newRow("count 3.5 is 4") << 1 << o << u"3.5"_s << en << u"64"_s;
    QTest::newRow("count -1: negative weight") << 1 << h << u"-1"_s << en << u"-1.008"_s;
    QTest::newRow("count 40000 is 0") << 1 << h << u"40000"_s << en << u"0"_s;
    QTest::newRow("count abc is 0") << 1 << h << u"abc"_s << en << u"0"_s;
    QTest::newRow("count typed with blanks") << 1 << o << u" 3 "_s << en << u"48"_s;
    QTest::newRow("Pb x 32767: 15 digits") << 1 << pb << u"32767"_s << en << u"6788994.73"_s;
    QTest::newRow("Pb x -32768") << 1 << pb << u"-32768"_s << en << u"-6789201.92"_s;
    QTest::newRow("Cs x 7") << 1 << u"Cs - Caesium"_s << u"7"_s << en << u"930.335"_s;

    QTest::newRow("de H x 2") << 1 << h << u"2"_s << de << u"2,016"_s;
    QTest::newRow("de O x 4") << 1 << o << u"4"_s << de << u"64"_s;
    QTest::newRow("de count 2,5 is 2") << 1 << h << u"2,5"_s << de << u"2,016"_s;
    QTest::newRow("de count 3,5 is 4") << 1 << h << u"3,5"_s << de << u"4,032"_s;
    QTest::newRow("de count 2.5 is 0") << 1 << h << u"2.5"_s << de << u"0"_s;
    QTest::newRow("de Pb x 32767") << 1 << pb << u"32767"_s << de << u"6788994,73"_s;
}

// On a fresh panel, one committed row makes its weight and a total of that weight alone.
void tst_FormulaPanel::commitRow()
{
    QFETCH(int, row);
    QFETCH(QString, element);
    QFETCH(QString, count);
    QFETCH(QString, separator);
    QFETCH(QString, weight);

    FormulaPanel panel;
    panel.rows[row - 1].elementText = element.toStdString();
    panel.rows[row - 1].countText = count.toStdString();
    molvera::CommitRow(panel, row, localeOf(separator));

    QCOMPARE(text(panel.rows[row - 1].weightText), weight);
    QCOMPARE(text(panel.totalText), weight);
    for (int other = 1; other <= FormulaPanel::RowCount; ++other) {
        if (other != row)
            QVERIFY(panel.rows[other - 1].weightText.empty());
    }
}

void tst_FormulaPanel::workedExamples_data()
{
    QTest::addColumn<QStringList>("elements");
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("weights");
    QTest::addColumn<QString>("total");

    const QStringList sulphuricAcid{u"H  - Hydrogen"_s, u"S  - Sulphur"_s, u"O  - Oxygen"_s};
    const QStringList copperSulphate{u"Cu - Copper"_s, u"S  - Sulphur"_s, u"O  - Oxygen"_s};

    QTest::newRow("H2SO4") << sulphuricAcid << QStringList{u"2"_s, u"1"_s, u"4"_s} << en
                           << QStringList{u"2.016"_s, u"32.064"_s, u"64"_s} << u"98.08"_s;
    QTest::newRow("de H2SO4") << sulphuricAcid << QStringList{u"2"_s, u"1"_s, u"4"_s} << de
                              << QStringList{u"2,016"_s, u"32,064"_s, u"64"_s} << u"98,08"_s;
    QTest::newRow("CuSO4") << copperSulphate << QStringList{u"1"_s, u"1"_s, u"4"_s} << en
                           << QStringList{u"63.54"_s, u"32.064"_s, u"64"_s} << u"159.604"_s;
    QTest::newRow("de CuSO4") << copperSulphate << QStringList{u"1"_s, u"1"_s, u"4"_s} << de
                              << QStringList{u"63,54"_s, u"32,064"_s, u"64"_s} << u"159,604"_s;
}

// The page's examples set the rows from the top and commit each in turn.
void tst_FormulaPanel::workedExamples()
{
    QFETCH(QStringList, elements);
    QFETCH(QStringList, counts);
    QFETCH(QString, separator);
    QFETCH(QStringList, weights);
    QFETCH(QString, total);

    const NumberLocale locale = localeOf(separator);
    FormulaPanel panel;
    for (int i = 0; i < elements.size(); ++i) {
        panel.rows[i].elementText = elements[i].toStdString();
        panel.rows[i].countText = counts[i].toStdString();
        molvera::CommitRow(panel, i + 1, locale);
    }
    for (int i = 0; i < weights.size(); ++i)
        QCOMPARE(text(panel.rows[i].weightText), weights[i]);
    for (int i = int(weights.size()); i < FormulaPanel::RowCount; ++i)
        QVERIFY(panel.rows[i].weightText.empty());
    QCOMPARE(text(panel.totalText), total);
}

void tst_FormulaPanel::unchosenElementAfterClear()
{
    const NumberLocale locale;
    FormulaPanel panel;
    panel.rows[1] = {"H  - Hydrogen", "2", ""};
    molvera::CommitRow(panel, 2, locale);
    QCOMPARE(text(panel.totalText), u"2.016"_s);

    panel.clear();
    panel.rows[1].countText = "3";
    molvera::CommitRow(panel, 2, locale);
    QVERIFY(panel.rows[1].weightText.empty());
    QCOMPARE(text(panel.totalText), u"0"_s);
}

void tst_FormulaPanel::staleWeightAfterElementChange()
{
    const NumberLocale locale;
    FormulaPanel panel;
    panel.rows[0] = {"H  - Hydrogen", "2", ""};
    panel.rows[1] = {"O  - Oxygen", "1", ""};
    molvera::CommitRow(panel, 1, locale);
    molvera::CommitRow(panel, 2, locale);
    QCOMPARE(text(panel.totalText), u"18.016"_s);

    // Picking another element commits nothing: weight and total stay until the next commit.
    panel.rows[0].elementText = "S  - Sulphur";
    QCOMPARE(text(panel.rows[0].weightText), u"2.016"_s);
    QCOMPARE(text(panel.totalText), u"18.016"_s);

    // Nor does editing a count; committing another row leaves this one stale too.
    panel.rows[0].countText = "1";
    molvera::CommitRow(panel, 2, locale);
    QCOMPARE(text(panel.rows[0].weightText), u"2.016"_s);
    QCOMPARE(text(panel.totalText), u"18.016"_s);

    molvera::CommitRow(panel, 1, locale);
    QCOMPARE(text(panel.rows[0].weightText), u"32.064"_s);
    QCOMPARE(text(panel.totalText), u"48.064"_s);
}

void tst_FormulaPanel::noElementKeepsWeight()
{
    const NumberLocale locale;
    FormulaPanel panel;
    panel.rows[0] = {"Na - Sodium", "1", ""};
    molvera::CommitRow(panel, 1, locale);
    QCOMPARE(text(panel.rows[0].weightText), u"22.99"_s);

    // Neither emptied nor set to 0 when the row has no element of the table.
    for (const char *element : {"", "Xx - Nothing"}) {
        panel.rows[0].elementText = element;
        panel.rows[0].countText = "5";
        molvera::CommitRow(panel, 1, locale);
        QCOMPARE(text(panel.rows[0].weightText), u"22.99"_s);
        QCOMPARE(text(panel.totalText), u"22.99"_s);
    }
}

void tst_FormulaPanel::commitOverwritesTypedTotal()
{
    const NumberLocale locale;
    FormulaPanel panel;
    panel.totalText = "123.4"; // typed in the molar page's manual mode
    panel.rows[2] = {"C  - Carbon", "6", ""};
    molvera::CommitRow(panel, 3, locale);
    QCOMPARE(text(panel.totalText), u"72.066"_s);
}

void tst_FormulaPanel::rowOutOfRange()
{
    const NumberLocale locale;
    FormulaPanel panel;
    panel.rows[0] = {"H  - Hydrogen", "2", "stale"};
    panel.totalText = "typed";
    for (const int row : {0, 7, -1}) {
        molvera::CommitRow(panel, row, locale);
        QCOMPARE(text(panel.rows[0].weightText), u"stale"_s);
        QCOMPARE(text(panel.totalText), u"typed"_s);
    }
}

// A count that committing would read as 0 or round is no count of atoms; a row without an
// element has none to check.
void tst_FormulaPanel::rowWithBadCount_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("bad");
    QTest::newRow("whole") << u" 12 "_s << en << false;
    QTest::newRow("the largest") << u"32767"_s << en << false;
    QTest::newRow("whole with decimals") << u"2,0"_s << de << false;
    QTest::newRow("blanks") << u" \t"_s << en << true;
    QTest::newRow("letters") << u"a"_s << en << true;
    QTest::newRow("zero") << u"0"_s << en << true;
    QTest::newRow("a fraction") << u"1.5"_s << en << true;
    QTest::newRow("negative") << u"-1"_s << en << true;
    QTest::newRow("beyond 16 bits") << u"99999"_s << en << true;
    QTest::newRow("the other separator") << u"2.0"_s << de << true;
}

void tst_FormulaPanel::rowWithBadCount()
{
    QFETCH(QString, count);
    QFETCH(QString, separator);
    QFETCH(bool, bad);
    FormulaPanel panel;
    panel.rows[0] = {"H  - Hydrogen", "2", {}};
    panel.rows[1].countText = "x";
    panel.rows[3] = {"Na - Sodium", count.toStdString(), {}};
    QCOMPARE(panel.rowWithBadCount(localeOf(separator)), bad ? 4 : 0);
}

void tst_FormulaPanel::clear()
{
    FormulaPanel panel;
    for (int i = 0; i < FormulaPanel::RowCount; ++i)
        panel.rows[i] = {"K  - Potassium", "2", "78.2"};
    panel.totalText = "469.2";
    panel.clear();
    for (const molvera::FormulaRow &row : panel.rows) {
        QVERIFY(row.elementText.empty());
        QVERIFY(row.countText.empty());
        QVERIFY(row.weightText.empty());
    }
    QVERIFY(panel.totalText.empty());
}

void tst_FormulaPanel::recomputeTotal_data()
{
    QTest::addColumn<QStringList>("weights");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("total"); // "was" when the total keeps its previous text

    const QString e;

    QTest::newRow("all empty") << QStringList{e, e, e, e, e, e} << en << u"0"_s;
    QTest::newRow("empty rows add nothing")
        << QStringList{e, u"2.016"_s, e, u"64"_s, e, e} << en << u"66.016"_s;
    QTest::newRow("texts as displayed")
        << QStringList{u"0.1"_s, u"0.2"_s, e, e, e, e} << en << u"0.3"_s;
    QTest::newRow("all six") << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s} << en
                             << u"21"_s;
    QTest::newRow("in row order") << QStringList{u"1E+16"_s, u"1"_s, u"-1E+16"_s, e, e, e} << en
                                  << u"0"_s;
    QTest::newRow("negative total") << QStringList{u"-1.008"_s, e, e, e, e, e} << en << u"-1.008"_s;
    QTest::newRow("weight not a number")
        << QStringList{u"2.016"_s, u"abc"_s, e, e, e, e} << en << u"was"_s;
    QTest::newRow("weight beyond range")
        << QStringList{u"1e999"_s, e, e, e, e, e} << en << u"was"_s;
    QTest::newRow("blank weight") << QStringList{u" "_s, e, e, e, e, e} << en << u"was"_s;
    QTest::newRow("sum overflows")
        << QStringList{u"1e308"_s, u"1e308"_s, e, e, e, e} << en << u"was"_s;
    QTest::newRow("de weights") << QStringList{u"2,016"_s, u"32,064"_s, u"64"_s, e, e, e} << de
                                << u"98,08"_s;
    QTest::newRow("de weight with point")
        << QStringList{u"2.016"_s, e, e, e, e, e} << de << u"was"_s;
}

void tst_FormulaPanel::recomputeTotal()
{
    QFETCH(QStringList, weights);
    QFETCH(QString, separator);
    QFETCH(QString, total);

    FormulaPanel panel;
    for (int i = 0; i < FormulaPanel::RowCount; ++i)
        panel.rows[i].weightText = weights[i].toStdString();
    panel.totalText = "was";
    molvera::RecomputeTotal(panel, localeOf(separator));
    QCOMPARE(text(panel.totalText), total);
}

QTEST_GUILESS_MAIN(tst_FormulaPanel)
#include "tst_formulapanel.moc"
