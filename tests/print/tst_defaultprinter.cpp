#include "pdftext.h"

#include <print/calculationsheet.h>

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrinterInfo>
#include <QProcess>
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
    void queueThatWouldNotPrint_data();
    void queueThatWouldNotPrint();

private:
    // Skips the test, or fails it where the test command has promised a printer.
    static bool printerMissing(const char *why);
};

namespace {

// Runs a CUPS administration command; false when it cannot be run or refuses.
bool runCups(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QString runCupsOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// A PDF queue of its own, made for one test and deleted after it.
class ScratchQueue
{
public:
    explicit ScratchQueue(const QString &name)
        : m_name(name)
    {
        m_made =
            runCups(QStringLiteral("lpadmin"),
                    {QStringLiteral("-p"), name, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
                     QStringLiteral("-m"), QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"),
                     QStringLiteral("-E")});
    }
    ~ScratchQueue()
    {
        if (m_made) {
            runCups(QStringLiteral("cancel"), {QStringLiteral("-a"), m_name});
            runCups(QStringLiteral("lpadmin"), {QStringLiteral("-x"), m_name});
        }
    }
    ScratchQueue(const ScratchQueue &) = delete;
    ScratchQueue &operator=(const ScratchQueue &) = delete;

    bool made() const { return m_made; }

private:
    QString m_name;
    bool m_made = false;
};

} // namespace

bool TestDefaultPrinter::printerMissing(const char *why)
{
    if (qEnvironmentVariable("MOLVERA_REQUIRE_PRINTER") == QLatin1String("1")) {
        QTest::qFail(why, __FILE__, __LINE__);
        return true;
    }
    QTest::qSkip(why, __FILE__, __LINE__);
    return true;
}

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
    if (QPrinterInfo::defaultPrinter().isNull()) {
        printerMissing("No default printer: start CUPS with its PDF printer as the default");
        return;
    }
    if (pdftext::pdfToTextProgram().isEmpty()) {
        printerMissing("pdftotext (poppler-utils) is not installed: the sheet cannot be read back");
        return;
    }

    // The PDF printer writes every job into ~/PDF; the unique name tells this job from others.
    // Upper case, because the face joins "ff" and "fi" into ligatures that pdftotext cannot read;
    // short enough for the label's line, which would wrap a whole UUID.
    const QString name = QStringLiteral("Sodium Chloride ") +
                         QUuid::createUuid().toString(QUuid::Id128).left(12).toUpper();
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

void TestDefaultPrinter::queueThatWouldNotPrint_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<PrintStatus>("expected");

    // A stopped queue would hold the sheet until someone starts it; one that rejects jobs would
    // drop it, while the platform's printing reports success.
    QTest::newRow("stopped queue") << QStringLiteral("cupsdisable") << PrintStatus::PrinterStopped;
    QTest::newRow("queue rejecting jobs")
        << QStringLiteral("cupsreject") << PrintStatus::PrinterRejectsJobs;
}

void TestDefaultPrinter::queueThatWouldNotPrint()
{
    QFETCH(QString, command);
    QFETCH(PrintStatus, expected);

    const QString name = QStringLiteral("molvera-test-%1").arg(QCoreApplication::applicationPid());
    const ScratchQueue queue(name);
    if (!queue.made() || !runCups(command, {name})) {
        printerMissing("Cannot set up a CUPS queue here (is cupsd running, may we administer it?)");
        return;
    }
    const QPrinterInfo printer = QPrinterInfo::printerInfo(name);
    QVERIFY(!printer.isNull());

    QCOMPARE(molvera::printOnPrinter(CalculationSheet{}, printer), expected);
    // Nothing was handed to the queue.
    QCOMPARE(runCupsOutput(QStringLiteral("lpstat"), {QStringLiteral("-o"), name}), QString());
}

QTEST_MAIN(TestDefaultPrinter)
#include "tst_defaultprinter.moc"
