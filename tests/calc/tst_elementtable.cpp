#include <calc/elementtable.h>
#include <calc/periodictable.h>

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using molvera::ElementEntry;
using molvera::ElementTable;

class tst_ElementTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void size();
    void entries_data();
    void entries();
    void lookup_data();
    void lookup();
    void standardWeightsAsPublished();
};

void tst_ElementTable::size()
{
    QCOMPARE(ElementTable::entries().size(), std::size_t(32));
}

void tst_ElementTable::entries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("displayText");
    QTest::addColumn<double>("atomicWeight");

    // The whole table, in its order: by English name, with the program's own weights.
    const struct
    {
        const char *text;
        double weight;
    } expected[] = {
        {"Al - Aluminium", 26.98}, {"A  - Argon", 39.95},      {"Ba - Barium", 137.34},
        {"B  - Boron", 10.81},     {"Br - Bromine", 79.91},    {"Cd - Cadmium", 112.4},
        {"Cs - Caesium", 132.905}, {"Ca - Calcium", 40.08},    {"C  - Carbon", 12.011},
        {"Cl - Chlorine", 35.453}, {"Cr - Chromium", 51.996},  {"Co - Cobalt", 58.933},
        {"Cu - Copper", 63.54},    {"F  - Fluorine", 18.998},  {"H  - Hydrogen", 1.008},
        {"I  - Iodine", 126.904},  {"Fe - Iron", 55.847},      {"Pb - Lead", 207.19},
        {"Li - Lithium", 6.939},   {"Mg - Magnesium", 24.312}, {"Ni - Nickel", 58.71},
        {"N  - Nitrogen", 14},     {"O  - Oxygen", 16},        {"P  - Phosphous", 30.97},
        {"K  - Potassium", 39.1},  {"Si - Silicon", 28.09},    {"Ag - Silver", 107.87},
        {"Na - Sodium", 22.99},    {"S  - Sulphur", 32.064},   {"Sn - Tin", 118.69},
        {"W  - Tungsten", 183.85}, {"Zn - Zinc", 65.37},
    };
    int index = 0;
    for (const auto &entry : expected) {
        QTest::addRow("%d %s", index + 1, entry.text)
            << index << QString::fromUtf8(entry.text) << entry.weight;
        ++index;
    }
}

void tst_ElementTable::entries()
{
    QFETCH(int, index);
    QFETCH(QString, displayText);
    QFETCH(double, atomicWeight);

    const ElementEntry &entry = ElementTable::entries()[index];
    QCOMPARE(QString::fromUtf8(entry.displayText.data(), qsizetype(entry.displayText.size())),
             displayText);
    QVERIFY(entry.atomicWeight == atomicWeight); // the decimal constant exactly
    // The lists show the display texts; a translation changes the name alone.
    const auto translator = [](const char *, const char *name) {
        return "<" + std::string(name) + ">";
    };
    QCOMPARE(QString::fromStdString(ElementTable::listTexts()[index]), displayText);
    QCOMPARE(QString::fromStdString(ElementTable::listTexts(translator)[index]),
             displayText.left(5) + u'<' + displayText.mid(5) + u'>');
}

void tst_ElementTable::lookup_data()
{
    QTest::addColumn<QString>("displayText");
    QTest::addColumn<int>("index"); // -1: none

    QTest::newRow("first") << u"Al - Aluminium"_s << 0;
    QTest::newRow("last") << u"Zn - Zinc"_s << 31;
    QTest::newRow("one-letter symbol") << u"H  - Hydrogen"_s << 14;
    QTest::newRow("iron after iodine") << u"Fe - Iron"_s << 16;
    QTest::newRow("argon as A") << u"A  - Argon"_s << 1;
    QTest::newRow("Phosphous as spelled") << u"P  - Phosphous"_s << 23;
    QTest::newRow("nothing chosen") << QString() << -1;
    QTest::newRow("one space after H") << u"H - Hydrogen"_s << -1;
    QTest::newRow("lower case") << u"h  - hydrogen"_s << -1;
    QTest::newRow("trailing blank") << u"H  - Hydrogen "_s << -1;
    QTest::newRow("symbol only") << u"H"_s << -1;
    QTest::newRow("Phosphorus corrected") << u"P  - Phosphorus"_s << -1;
    QTest::newRow("Ar for argon") << u"Ar - Argon"_s << -1;
}

void tst_ElementTable::lookup()
{
    QFETCH(QString, displayText);
    QFETCH(int, index);

    const ElementEntry *entry = ElementTable::lookup(displayText.toStdString());
    if (index < 0) {
        QCOMPARE(entry, nullptr);
    } else {
        QCOMPARE(entry, &ElementTable::entries()[index]);
    }
}

// The formulas' table against the published abridged weights it was written from: every element
// that has one, with that weight, and no weight for any other.
void tst_ElementTable::standardWeightsAsPublished()
{
    QFile source(QStringLiteral(MOLVERA_SHARED_DATA "/standard-atomic-weights.csv"));
    if (!source.open(QIODevice::ReadOnly))
        QSKIP("the published table is not beside the project");
    int published = 0;
    while (!source.atEnd()) {
        const QList<QByteArray> fields = source.readLine().trimmed().split(',');
        bool number = false;
        const int z = fields.value(0).toInt(&number);
        if (!number)
            continue; // the source and column lines
        const molvera::ChemicalElement &element = molvera::PeriodicTable::elements()[z - 1];
        QCOMPARE(QByteArray(element.symbol.data(), qsizetype(element.symbol.size())), fields[1]);
        QCOMPARE(element.standardWeight, fields[3].toDouble());
        ++published;
    }
    int weighed = 0;
    for (const molvera::ChemicalElement &element : molvera::PeriodicTable::elements())
        weighed += element.hasStandardWeight();
    QCOMPARE(weighed, published);
}

QTEST_GUILESS_MAIN(tst_ElementTable)
#include "tst_elementtable.moc"
