#include "pdftext.h"

#include <print/calculationsheet.h>

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrinterInfo>
#include <QTest>
#include <QUuid>

using molvera::CalculationSheet;
using molvera::PrintStatus;

Q_DECLARE_METATYPE(molvera::PrintStatus)

class TestDefaultPrinter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void noPrinter_data();
    void noPrinter();
    void printsOnDefaultPrinter();
};

void TestDefaultPrinter::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void TestDefaultPrinter::noPrinter_data()
{
    QTest::addColumn<QPrinterInfo>("printer");

    QTest::newRow("no printer at all") << QPrinterInfo();
    QTest::newRow("a queue that does not exist")
        << QPrinterInfo::printerInfo(QStringLiteral("molvera-no-such-queue"));
}

void TestDefaultPrinter::noPrinter()
{
    QFETCH(QPrinterInfo, printer);

    QCOMPARE(molvera::printOnPrinter(CalculationSheet{}, printer), PrintStatus::NoPrinter);
}

void TestDefaultPrinter::printsOnDefaultPrinter()
{
    if (QPrinterInfo::defaultPrinter().isNull())
        QSKIP("No default printer: start CUPS with its PDF printer as the default to run this");
    if (pdftext::pdfToTextProgram().isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the printed sheet cannot be read back");

    // The PDF printer writes every job into ~/PDF; the unique name tells this job from others.
    const QString name = QStringLiteral("Sodium Chloride ") + QUuid::createUuid().toString();
    CalculationSheet sheet;
    sheet.variant = molvera::SheetVariant::Percent;
    sheet.printLines = {QStringLiteral("To prepare 600 mL of a 20 % w/v solution of NaCl ,"),
                        QStringLiteral("Measure 122.45 grams of NaCl and dilute up to 600 mL"),
                        QStringLiteral("with solvent.")};
    sheet.chemicalName = name;
    sheet.chemicalFormula = QStringLiteral("NaCl");
    sheet.strength = QStringLiteral("20");
    sheet.strengthUnit = QStringLiteral("% w/v");

    const QDir out(QDir::home().filePath(QStringLiteral("PDF")));
    const QDateTime start = QDateTime::currentDateTime().addSecs(-2);
    const QDate today = QDate::currentDate();
    QCOMPARE(molvera::printOnDefaultPrinter(sheet), PrintStatus::Printed);

    QString printed;
    QStringList lines;
    const auto findSheet = [&] {
        const QFileInfoList files =
            out.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
        for (const QFileInfo &file : files) {
            if (file.lastModified() < start)
                break;
            const QStringList text = pdftext::lines(file.filePath());
            if (text.contains(QStringLiteral("Reagent: ") + name)) {
                printed = file.filePath();
                lines = text;
                return true;
            }
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(findSheet(), 10000);
    QFile::remove(printed);

    QCOMPARE(lines.value(0), QStringLiteral("Your molvera Calculation"));
    QCOMPARE(lines.value(2), sheet.printLines[0]);
    QCOMPARE(lines.value(8), QStringLiteral("Concentration: 20% w/v"));
    // Dated the day it was printed, in the user's locale.
    const QStringList dated = {QStringLiteral("Date Prepared: ") +
                                   molvera::preparedDateText(today, QLocale()),
                               QStringLiteral("Date Prepared: ") +
                                   molvera::preparedDateText(QDate::currentDate(), QLocale())};
    QVERIFY2(dated.contains(lines.value(9)), qPrintable(lines.value(9)));
}

QTEST_MAIN(TestDefaultPrinter)
#include "tst_defaultprinter.moc"
