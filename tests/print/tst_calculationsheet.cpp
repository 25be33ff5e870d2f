#include "pdfprinter.h"
#include "pdftext.h"

#include <print/calculationsheet.h>

#include <QDate>
#include <QDir>
#include <QLocale>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using molvera::CalculationSheet;
using molvera::PrintStatus;
using molvera::SheetVariant;

Q_DECLARE_METATYPE(molvera::CalculationSheet)
Q_DECLARE_METATYPE(molvera::PrintStatus)

namespace {

CalculationSheet percentExample()
{
    CalculationSheet sheet;
    sheet.variant = SheetVariant::Percent;
    sheet.printLines = {QStringLiteral("To prepare 600 mL of a 20 % w/v solution of NaCl ,"),
                        QStringLiteral("Measure 122.45 grams of NaCl and dilute up to 600 mL"),
                        QStringLiteral("with solvent.")};
    sheet.chemicalName = QStringLiteral("Sodium Chloride");
    sheet.chemicalFormula = QStringLiteral("NaCl");
    sheet.strength = QStringLiteral("20");
    sheet.strengthUnit = QStringLiteral("% w/v");
    return sheet;
}

const QDate sunday(2026, 12, 6);

} // namespace

class TestCalculationSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void sheetText_data();
    void sheetText();
    void dateLine_data();
    void dateLine();
    void longTextsWrap_data();
    void longTextsWrap();
    void columns();
    void emptyLinesBetweenSections();
    void nothingToPrintOn_data();
    void nothingToPrintOn();

private:
    PrintStatus print(const CalculationSheet &sheet, const QDate &date = sunday,
                      const QLocale &locale = QLocale(QLocale::English, QLocale::UnitedKingdom));

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_pdf;
};

void TestCalculationSheet::initTestCase()
{
    if (pdftext::pdfToTextProgram().isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the printed sheets cannot be read back");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void TestCalculationSheet::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_pdf = m_dir->filePath(QStringLiteral("sheet.pdf"));
}

PrintStatus TestCalculationSheet::print(const CalculationSheet &sheet, const QDate &date,
                                        const QLocale &locale)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, m_pdf);
    return molvera::printCalculationSheet(sheet, printer, date, locale);
}

void TestCalculationSheet::sheetText_data()
{
    QTest::addColumn<CalculationSheet>("sheet");
    QTest::addColumn<QStringList>("expected");

    const QString heading = QStringLiteral("Your molvera Calculation");
    const QString dateLine = QStringLiteral("Date Prepared: Sunday, 6 December 2026");

    QTest::newRow("percent example")
        << percentExample()
        << QStringList{heading,
                       QStringLiteral("Instructions"),
                       QStringLiteral("To prepare 600 mL of a 20 % w/v solution of NaCl ,"),
                       QStringLiteral("Measure 122.45 grams of NaCl and dilute up to 600 mL"),
                       QStringLiteral("with solvent."),
                       QStringLiteral("Label"),
                       QStringLiteral("Reagent: Sodium Chloride"),
                       QStringLiteral("Formula: NaCl"),
                       QStringLiteral("Concentration: 20% w/v"),
                       dateLine};

    CalculationSheet molar;
    molar.variant = SheetVariant::Molar;
    molar.printLines = {QStringLiteral("To prepare 1L of a 0.5 Molar Solution of H2SO4,"),
                        QStringLiteral("Measure 27.18 mL of H2SO4 and dilute up to 1"),
                        QStringLiteral("Litre(s) with solvent.")};
    molar.chemicalName = QStringLiteral("Sulphuric Acid");
    molar.chemicalFormula = QStringLiteral("H2SO4");
    molar.strength = QStringLiteral("0.5");
    molar.strengthUnit = QStringLiteral("M");
    molar.stock = {QStringLiteral("98.07"), QStringLiteral("%"), QStringLiteral("1.84"), {}};
    QTest::newRow("molar example: molarity caption, unit right after the number")
        << molar
        << QStringList{heading,
                       QStringLiteral("Instructions"),
                       molar.printLines[0],
                       molar.printLines[1],
                       molar.printLines[2],
                       QStringLiteral("Stock: 98.07 %, specific gravity 1.84"),
                       QStringLiteral("Label"),
                       QStringLiteral("Reagent: Sulphuric Acid"),
                       QStringLiteral("Formula: H2SO4"),
                       QStringLiteral("Molarity: 0.5M"),
                       dateLine};

    CalculationSheet hydrate;
    hydrate.variant = SheetVariant::Hydrate;
    hydrate.printLines = {
        QStringLiteral("To prepare 100mL of a 15 percent Solution of CuSO4.2H2O,"),
        QStringLiteral("Measure 12.24 grams of CuSO4 and dilute up to 100"),
        QStringLiteral("mL with solvent.")};
    hydrate.chemicalName = QStringLiteral("Copper Sulphate");
    hydrate.chemicalFormula = QStringLiteral("CuSO4.2H2O");
    hydrate.strength = QStringLiteral("15");
    hydrate.strengthUnit = QStringLiteral("% w/v");
    QTest::newRow("hydrate example: concentration caption")
        << hydrate
        << QStringList{heading,
                       QStringLiteral("Instructions"),
                       hydrate.printLines[0],
                       hydrate.printLines[1],
                       hydrate.printLines[2],
                       QStringLiteral("Label"),
                       QStringLiteral("Reagent: Copper Sulphate"),
                       QStringLiteral("Formula: CuSO4.2H2O"),
                       QStringLiteral("Concentration: 15% w/v"),
                       dateLine};

    CalculationSheet afterClear = percentExample();
    afterClear.chemicalName.clear();
    afterClear.chemicalFormula.clear();
    afterClear.strength = QStringLiteral("15");
    QTest::newRow("empty name and formula print nothing after their captions")
        << afterClear
        << QStringList{heading,
                       QStringLiteral("Instructions"),
                       afterClear.printLines[0],
                       afterClear.printLines[1],
                       afterClear.printLines[2],
                       QStringLiteral("Label"),
                       QStringLiteral("Reagent:"),
                       QStringLiteral("Formula:"),
                       QStringLiteral("Concentration: 15% w/v"),
                       dateLine};

    const QStringList captionsOnly{heading,
                                   QStringLiteral("Instructions"),
                                   QStringLiteral("Label"),
                                   QStringLiteral("Reagent:"),
                                   QStringLiteral("Formula:"),
                                   QStringLiteral("Molarity:"),
                                   dateLine};
    QTest::newRow("nothing filled in: captions only") << CalculationSheet{} << captionsOnly;
}

void TestCalculationSheet::sheetText()
{
    QFETCH(CalculationSheet, sheet);
    QFETCH(QStringList, expected);

    QCOMPARE(print(sheet), PrintStatus::Printed);
    QCOMPARE(pdftext::lines(m_pdf), expected);
    QCOMPARE(pdftext::pageCount(m_pdf), 1);
}

void TestCalculationSheet::dateLine_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    QTest::newRow("english: weekday, day without zero, month, year")
        << QLocale(QLocale::English, QLocale::UnitedKingdom) << QDate(2026, 12, 6)
        << QStringLiteral("Sunday, 6 December 2026");
    QTest::newRow("american english keeps the same order")
        << QLocale(QLocale::English, QLocale::UnitedStates) << QDate(2027, 1, 1)
        << QStringLiteral("Friday, 1 January 2027");
    QTest::newRow("german names") << QLocale(QLocale::German, QLocale::Germany)
                                  << QDate(2026, 12, 7)
                                  << QStringLiteral("Montag, 7 Dezember 2026");
    QTest::newRow("french names with accents")
        << QLocale(QLocale::French, QLocale::France) << QDate(2026, 2, 18)
        << QStringLiteral("mercredi, 18 février 2026");
}

void TestCalculationSheet::dateLine()
{
    QFETCH(QLocale, locale);
    QFETCH(QDate, date);
    QFETCH(QString, expected);

    QCOMPARE(print(percentExample(), date, locale), PrintStatus::Printed);
    const QStringList lines = pdftext::lines(m_pdf);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.last(), QStringLiteral("Date Prepared: ") + expected);
}

void TestCalculationSheet::longTextsWrap_data()
{
    QTest::addColumn<CalculationSheet>("sheet");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("next");

    QStringList words;
    for (int i = 1; i <= 40; ++i)
        words.append(QStringLiteral("w%1").arg(i));
    const QString longText = words.join(QLatin1Char(' '));

    CalculationSheet longName = percentExample();
    longName.chemicalName = longText;
    QTest::newRow("chemical name wider than the page: carried on under the name")
        << longName << longText << QStringLiteral("Formula: NaCl");

    CalculationSheet longLine = percentExample();
    longLine.printLines[0] = QString(120, u'W');
    QTest::newRow("word wider than the page: broken, nothing cut")
        << longLine << longLine.printLines[0] << longLine.printLines[1];

    CalculationSheet molar; // as the molar page words a formula of 29 characters
    molar.printLines = {QString(),
                        QStringLiteral("Measure 238.30 grams or mLs of "
                                       "HOCH2CH2N(CH2CH2)2NCH2CH2SO3H and dilute up to 1"),
                        QStringLiteral("Litre(s) with solvent.")};
    QTest::newRow("print line wider than the page: carried on at column 15, \"to 1\" kept")
        << molar << molar.printLines[1] << molar.printLines[2];
}

void TestCalculationSheet::longTextsWrap()
{
    QFETCH(CalculationSheet, sheet);
    QFETCH(QString, text);
    QFETCH(QString, next);

    QCOMPARE(print(sheet), PrintStatus::Printed);
    const QList<pdftext::Word> words = pdftext::words(m_pdf);
    const QString wanted = QString(text).remove(u' ');
    qsizetype at = 0;
    while (!wanted.startsWith(words.value(at).text))
        ++at;
    // The whole text, within the printable area, each line it is carried on to starting where it
    // began; then the next line of the sheet.
    QString read;
    qsizetype end = at;
    for (; end < words.size() && read.size() < wanted.size(); read += words[end++].text) {
        QCOMPARE_LE(words[end].xMax, pdftext::pageSize(m_pdf).width() - marginPoints + 0.5);
        if (end > at && words[end].yMin > words[end - 1].yMin + 1)
            QCOMPARE_LT(qAbs(words[end].xMin - words[at].xMin), 0.5);
    }
    QCOMPARE(read, wanted);
    QCOMPARE(words.value(end).text, next.section(u' ', 0, 0));
    QCOMPARE(pdftext::pageCount(m_pdf), 1);
}

void TestCalculationSheet::columns()
{
    QCOMPARE(print(percentExample()), PrintStatus::Printed);
    const QList<pdftext::Word> words = pdftext::words(m_pdf);

    const auto x = [&](const char *text) {
        const pdftext::Word word = pdftext::firstWord(words, QString::fromUtf8(text));
        if (word.text.isEmpty())
            qWarning("word %s not on the sheet", text);
        return word.xMin - marginPoints;
    };

    const qreal instructions = x("Instructions");
    const qreal label = x("Label");
    const qreal reagent = x("Reagent:");
    QVERIFY2(instructions > 0, "column 10 lies right of the printable area's edge");

    // Same font, same column.
    QCOMPARE_LT(qAbs(label - instructions), 0.5);
    for (const char *caption : {"Formula:", "Concentration:", "Date"})
        QCOMPARE_LT(qAbs(x(caption) - reagent), 0.5);

    // Columns 10 and 15 of the same font lie 9 and 14 character widths from the edge.
    QCOMPARE_LT(qAbs(reagent / label - 14.0 / 9.0), 0.01);

    // The print lines stand at column 15 of the plain font, whose characters are narrower than
    // the bold ones: right of the titles and near the captions of the label block.
    const qreal printLine = x("To");
    QCOMPARE_GT(printLine, instructions + 0.5 * (reagent - label));
    QCOMPARE_LT(qAbs(printLine - reagent), 0.25 * reagent);

    // Column 20 of the heading's larger font lies well right of column 10.
    QCOMPARE_GT(x("Your"), reagent);

    // The value follows its caption with the caption's trailing spaces between them.
    const pdftext::Word name = pdftext::firstWord(words, QStringLiteral("Sodium"));
    const pdftext::Word caption = pdftext::firstWord(words, QStringLiteral("Reagent:"));
    QCOMPARE_GT(name.xMin - caption.xMax, 6 * (caption.xMax - caption.xMin) / 8);
}

void TestCalculationSheet::emptyLinesBetweenSections()
{
    QCOMPARE(print(percentExample()), PrintStatus::Printed);
    const QList<pdftext::Word> words = pdftext::words(m_pdf);
    const auto y = [&](const char *text) {
        return pdftext::firstWord(words, QString::fromUtf8(text)).yMin;
    };

    // Everything below the heading is set in 12 points: one line of that size is half the step
    // from one caption of the label block to the next.
    const qreal line = (y("Formula:") - y("Reagent:")) / 2;
    QCOMPARE_GT(line, 10.0);
    QCOMPARE_LT(line, 20.0);

    struct Step
    {
        const char *from;
        const char *to;
        qreal lines;
    };
    const Step steps[] = {
        {"Instructions", "To", 5},     {"To", "Measure", 1},     {"Measure", "with", 1},
        {"with", "Label", 6},          {"Label", "Reagent:", 3}, {"Formula:", "Concentration:", 2},
        {"Concentration:", "Date", 2},
    };
    for (const Step &step : steps) {
        const qreal lines = (y(step.to) - y(step.from)) / line;
        QVERIFY2(qAbs(lines - step.lines) < 0.05,
                 qPrintable(QStringLiteral("%1 to %2: %3 lines")
                                .arg(QString::fromUtf8(step.from), QString::fromUtf8(step.to))
                                .arg(lines)));
    }
    QCOMPARE_LT(y("Your"), y("Instructions"));
    QCOMPARE_GT(y("Your"), 0);
}

void TestCalculationSheet::nothingToPrintOn_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<PrintStatus>("expected");

    QTest::newRow("pdf output without a file: no printer") << QString() << PrintStatus::NoPrinter;
    QTest::newRow("file in a missing folder: failed")
        << QStringLiteral("missing/sheet.pdf") << PrintStatus::Failed;
}

void TestCalculationSheet::nothingToPrintOn()
{
    QFETCH(QString, fileName);
    QFETCH(PrintStatus, expected);

    QPrinter printer(QPrinter::HighResolution);
    // An empty file name would switch the printer back to the system's printer.
    if (fileName.isEmpty())
        printer.setOutputFormat(QPrinter::PdfFormat);
    else
        setUpPdfPrinter(printer, m_dir->filePath(fileName));
    if (expected == PrintStatus::Failed)
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QCOMPARE(molvera::printCalculationSheet(percentExample(), printer, sunday,
                                            QLocale(QLocale::English)),
             expected);
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

QTEST_MAIN(TestCalculationSheet)
#include "tst_calculationsheet.moc"
