#include <print/calculationsheet.h>
#include <print/sheetprinter.h>

#include <QTest>

using molvera::CalculationSheet;
using molvera::SheetPrinter;
using molvera::SheetVariant;

Q_DECLARE_METATYPE(molvera::CalculationSheet)

namespace {

// Writes down every operation a sheet asks of its printer, one string each, and keeps the font
// state they leave behind.
class RecordingPrinter final : public SheetPrinter
{
public:
    void setFontSize(int points) override
    {
        operations.append(QStringLiteral("size %1").arg(points));
        fontSize = points;
    }
    void setBold(bool on) override
    {
        operations.append(on ? QStringLiteral("bold on") : QStringLiteral("bold off"));
        bold = on;
    }
    void setUnderline(bool on) override
    {
        operations.append(on ? QStringLiteral("underline on") : QStringLiteral("underline off"));
        underline = on;
    }
    void print(int column, std::initializer_list<QStringView> texts, LineEnd end) override
    {
        QString operation = column == NoColumn ? QString() : QStringLiteral("@%1 ").arg(column);
        for (const QStringView text : texts)
            operation += u'[' + text + u']';
        operation += end == LineEnd::End ? QStringLiteral(" end") : QStringLiteral(" continue");
        operations.append(operation);
        if (end == LineEnd::End)
            ++lines;
    }
    void printEmptyLine() override
    {
        operations.append(QStringLiteral("empty line"));
        ++lines;
    }
    // Every character one column wide, as on a line printer.
    qreal columnsOf(QStringView text) const override { return qreal(text.size()); }
    bool endDocument() override
    {
        operations.append(QStringLiteral("end document"));
        return true;
    }

    QStringList operations;
    int lines = 0;
    int fontSize = 0;
    bool bold = false;
    bool underline = false;
};

QStringList repeated(const QString &operation, int count)
{
    QStringList result;
    for (int i = 0; i < count; ++i)
        result.append(operation);
    return result;
}

// The operations of a whole sheet; only the texts differ from one sheet to another.
QStringList sheetOperations(const QStringList &printLines, const QString &name,
                            const QString &formula, const QString &strengthCaption,
                            const QString &strength, const QString &date, const QString &stock = {})
{
    const QString empty = QStringLiteral("empty line");
    QStringList ops = repeated(empty, 3);
    ops << QStringLiteral("bold on") << QStringLiteral("size 16")
        << QStringLiteral("@20 [Your molvera Calculation] end");
    ops << repeated(empty, 3);
    ops << QStringLiteral("size 12") << QStringLiteral("underline on")
        << QStringLiteral("@10 [Instructions] end") << QStringLiteral("underline off")
        << QStringLiteral("bold off");
    ops << repeated(empty, 4);
    for (const QString &line : printLines)
        ops << QStringLiteral("@15 [%1] end").arg(line);
    ops << empty << (stock.isEmpty() ? empty : QStringLiteral("@15 [%1] end").arg(stock));
    ops << repeated(empty, 3);
    ops << QStringLiteral("bold on") << QStringLiteral("underline on")
        << QStringLiteral("@10 [Label] end") << QStringLiteral("underline off");
    ops << repeated(empty, 2);
    ops << QStringLiteral("@15 [Reagent:            ] continue") << QStringLiteral("bold off")
        << QStringLiteral("[%1] end").arg(name) << empty;
    ops << QStringLiteral("bold on") << QStringLiteral("@15 [Formula:            ] continue")
        << QStringLiteral("bold off") << QStringLiteral("[%1] end").arg(formula) << empty;
    ops << QStringLiteral("bold on") << QStringLiteral("@15 [%1] continue").arg(strengthCaption)
        << QStringLiteral("bold off") << QStringLiteral("[%1] end").arg(strength) << empty;
    ops << QStringLiteral("bold on") << QStringLiteral("@15 [Date Prepared:   ] continue")
        << QStringLiteral("bold off") << QStringLiteral("[%1] end").arg(date) << empty;
    return ops;
}

CalculationSheet sheetFor(SheetVariant variant, const QString &strength, const QString &unit)
{
    CalculationSheet sheet;
    sheet.variant = variant;
    sheet.printLines = {QStringLiteral("line one"), QStringLiteral("line two"),
                        QStringLiteral("line three")};
    sheet.chemicalName = QStringLiteral("Sodium Chloride");
    sheet.chemicalFormula = QStringLiteral("NaCl");
    sheet.strength = strength;
    sheet.strengthUnit = unit;
    return sheet;
}

} // namespace

class TestSheetOperations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void operations_data();
    void operations();
    void stateAfterTheSheet();
};

void TestSheetOperations::operations_data()
{
    QTest::addColumn<CalculationSheet>("sheet");
    QTest::addColumn<QStringList>("expected");

    const QString date = QStringLiteral("Monday, 7 December 2026");
    const QStringList lines{QStringLiteral("line one"), QStringLiteral("line two"),
                            QStringLiteral("line three")};
    const QString name = QStringLiteral("Sodium Chloride");
    const QString formula = QStringLiteral("NaCl");
    const QString molarity = QStringLiteral("Molarity:             ");
    const QString concentration = QStringLiteral("Concentration:   ");

    CalculationSheet molar =
        sheetFor(SheetVariant::Molar, QStringLiteral("0.5"), QStringLiteral("M"));
    molar.stock = {QStringLiteral("98.07"), QStringLiteral("%"), QStringLiteral("1.84"), {}};
    QTest::newRow("molar: molarity caption, M right after the number; stock with its gravity")
        << molar
        << sheetOperations(lines, name, formula, molarity, QStringLiteral("0.5M"), date,
                           QStringLiteral("Stock: 98.07 %, specific gravity 1.84"));
    CalculationSheet percent =
        sheetFor(SheetVariant::Percent, QStringLiteral("20"), QStringLiteral("% w/v"));
    percent.stock = {QStringLiteral("10"), QStringLiteral("%"), {}, {}}; // gravity unused
    QTest::newRow("percent: concentration caption, unit caption right after the number")
        << percent
        << sheetOperations(lines, name, formula, concentration, QStringLiteral("20% w/v"), date,
                           QStringLiteral("Stock: 10 %"));
    CalculationSheet hydrate =
        sheetFor(SheetVariant::Hydrate, QStringLiteral("15"), QStringLiteral("% w/v"));
    hydrate.stock = {QStringLiteral("100"), QStringLiteral("%"), {}, QStringLiteral("5")};
    QTest::newRow("hydrate: concentration caption; stock with its waters")
        << hydrate
        << sheetOperations(lines, name, formula, concentration, QStringLiteral("15% w/v"), date,
                           QStringLiteral("Stock: 100 %, Number of H2O: 5"));

    CalculationSheet cleared =
        sheetFor(SheetVariant::Percent, QStringLiteral("15"), QStringLiteral("% w/w"));
    cleared.chemicalName.clear();
    cleared.chemicalFormula.clear();
    QTest::newRow("empty name and formula are printed as nothing")
        << cleared
        << sheetOperations(lines, QString(), QString(), concentration, QStringLiteral("15% w/w"),
                           date);

    CalculationSheet comma =
        sheetFor(SheetVariant::Molar, QStringLiteral("0,5"), QStringLiteral("M"));
    comma.printLines = {QStringLiteral("Measure 27,18 grams"), QString(), QString()};
    QTest::newRow("texts print as they stand: comma, empty print lines")
        << comma
        << sheetOperations({comma.printLines[0], QString(), QString()}, name, formula, molarity,
                           QStringLiteral("0,5M"), date);
}

void TestSheetOperations::operations()
{
    QFETCH(CalculationSheet, sheet);
    QFETCH(QStringList, expected);

    RecordingPrinter out;
    molvera::printSheetLines(out, sheet, u"Monday, 7 December 2026");

    // Compared operation by operation, so that a failure names the first one that differs.
    for (qsizetype i = 0; i < std::min(out.operations.size(), expected.size()); ++i)
        QCOMPARE(out.operations.at(i), expected.at(i));
    QCOMPARE(out.operations.size(), expected.size());
    QCOMPARE(out.lines, 31);
}

void TestSheetOperations::stateAfterTheSheet()
{
    RecordingPrinter out;
    molvera::printSheetLines(
        out, sheetFor(SheetVariant::Molar, QStringLiteral("1"), QStringLiteral("M")),
        u"Monday, 7 December 2026");

    // The sheet leaves the document open for whoever ends it, and the font at 12 points, plain.
    QVERIFY(!out.operations.contains(QStringLiteral("end document")));
    QCOMPARE(out.fontSize, 12);
    QCOMPARE(out.bold, false);
    QCOMPARE(out.underline, false);
}

QTEST_APPLESS_MAIN(TestSheetOperations)
#include "tst_sheetoperations.moc"
