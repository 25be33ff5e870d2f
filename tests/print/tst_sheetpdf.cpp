#include "pdftext.h"
#include "writeprotection.h"

#include <print/calculationsheet.h>
#include <print/sheetpdf.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using molvera::CalculationSheet;

namespace {

CalculationSheet molarExample()
{
    CalculationSheet sheet;
    sheet.variant = molvera::SheetVariant::Molar;
    sheet.printLines = {QStringLiteral("To prepare 1L of a 0.5 Molar Solution of H2SO4,"),
                        QStringLiteral("Measure 27.18 grams or mLs of H2SO4 and dilute up to 1"),
                        QStringLiteral("Litre(s) with solvent.")};
    sheet.chemicalName = QStringLiteral("Sulphuric Acid");
    sheet.chemicalFormula = QStringLiteral("H2SO4");
    sheet.strength = QStringLiteral("0.5");
    sheet.strengthUnit = QStringLiteral("M");
    return sheet;
}

const QDate monday(2026, 12, 7);
const QLocale english(QLocale::English, QLocale::UnitedKingdom);
const QByteArray oldContent("a sheet saved before");

// Files may not grow beyond `bytes` while it lives: a disk that fills up during the write.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        // Writing past the limit fails with EFBIG instead of ending the process.
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_before{};
    void (*m_handler)(int) = nullptr;
};

} // namespace

class TestSheetPdf : public QObject
{
    Q_OBJECT

public:
    enum class Obstacle { None, ReadOnlyFolder, DiskFull };
    Q_ENUM(Obstacle)

private Q_SLOTS:
    void initTestCase()
    {
        if (pdftext::pdfToTextProgram().isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the saved sheets cannot be read");
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        // Open to the user nobody, whom WriteProtection checks files as when run by root.
        QFile::setPermissions(m_dir->path(), QFile::Permissions(0x7755));
    }

    void sameSheetAsPrinted_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QPageSize::PageSizeId>("paper");

        QTest::newRow("US English measures in US units: Letter")
            << QLocale(QLocale::English, QLocale::UnitedStates) << QPageSize::Letter;
        QTest::newRow("German: A4, German date")
            << QLocale(QLocale::German, QLocale::Germany) << QPageSize::A4;
        QTest::newRow("British English, imperial but not US: A4") << english << QPageSize::A4;
    }
    void sameSheetAsPrinted()
    {
        QFETCH(QLocale, locale);
        QFETCH(QPageSize::PageSizeId, paper);

        const QString saved = m_dir->filePath(QStringLiteral("saved.pdf"));
        QCOMPARE(molvera::saveSheetPdf(molarExample(), saved, monday, locale), std::nullopt);

        // What Print sends, on the same paper: the printers' margins are Qt's default ones.
        const QString printed = m_dir->filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        printer.setPageSize(QPageSize(paper));
        QCOMPARE(molvera::printCalculationSheet(molarExample(), printer, monday, locale),
                 molvera::PrintStatus::Printed);

        QCOMPARE(pdftext::pageCount(saved), 1);
        QCOMPARE(pdftext::pageSize(saved), QPageSize(paper).size(QPageSize::Point));
        const QList<pdftext::Word> savedWords = pdftext::words(saved);
        const QList<pdftext::Word> printedWords = pdftext::words(printed);
        QCOMPARE(savedWords.size(), printedWords.size());
        QVERIFY(savedWords.size() > 30);
        for (qsizetype i = 0; i < savedWords.size(); ++i) {
            const pdftext::Word &word = savedWords.at(i);
            const pdftext::Word &expected = printedWords.at(i);
            QCOMPARE(word.text, expected.text);
            QCOMPARE_LT(qAbs(word.xMin - expected.xMin), 0.1);
            QCOMPARE_LT(qAbs(word.yMax - expected.yMax), 0.1);
        }
        QCOMPARE(pdftext::lines(saved).last(),
                 QStringLiteral("Date Prepared: ") + molvera::preparedDateText(monday, locale));
    }

    void writtenWholeOrNotAtAll_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<Obstacle>("obstacle");

        QTest::newRow("new file") << false << Obstacle::None;
        QTest::newRow("existing file replaced") << true << Obstacle::None;
        QTest::newRow("read-only folder: nothing written") << false << Obstacle::ReadOnlyFolder;
        QTest::newRow("read-only folder: existing file kept") << true << Obstacle::ReadOnlyFolder;
        QTest::newRow("disk full while writing: existing file kept, no partial file")
            << true << Obstacle::DiskFull;
    }
    void writtenWholeOrNotAtAll()
    {
        QFETCH(bool, existing);
        QFETCH(Obstacle, obstacle);

        const QString folder = m_dir->filePath(QStringLiteral("sheets"));
        QVERIFY(QDir().mkdir(folder));
        const QString path = QDir(folder).filePath(QStringLiteral("H2SO4 2026-12-07.pdf"));
        if (existing) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(oldContent);
        }

        std::optional<QString> error;
        switch (obstacle) {
        case Obstacle::None:
            error = molvera::saveSheetPdf(molarExample(), path, monday, english);
            break;
        case Obstacle::ReadOnlyFolder: {
            const WriteProtection protection(folder);
            if (!protection.holds())
                QSKIP("This process can write into any folder here");
            error = molvera::saveSheetPdf(molarExample(), path, monday, english);
            break;
        }
        case Obstacle::DiskFull: {
            const FileSizeLimit limit(4096);
            error = molvera::saveSheetPdf(molarExample(), path, monday, english);
            break;
        }
        }

        QCOMPARE(error.has_value(), obstacle != Obstacle::None);
        if (error)
            QVERIFY2(!error->isEmpty(), "a failure must say what went wrong");
        // Whatever happened, no temporary or half-written file is left beside the sheet.
        const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(files,
                 existing || !error ? QStringList{QFileInfo(path).fileName()} : QStringList());
        if (error && existing) {
            QFile kept(path);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), oldContent);
        } else if (!error) {
            QCOMPARE(pdftext::lines(path).value(0), QStringLiteral("Your molvera Calculation"));
        }
    }

    void fileName_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("pageName");
        QTest::addColumn<QString>("expected");

        QTest::newRow("formula and ISO date")
            << QStringLiteral("H2SO4") << QStringLiteral("Molar Solution")
            << QStringLiteral("H2SO4 2026-12-07.pdf");
        QTest::newRow("no formula: the page's name") << QString() << QStringLiteral("% Solution")
                                                     << QStringLiteral("% Solution 2026-12-07.pdf");
        QTest::newRow("blank formula counts as none")
            << QStringLiteral("  ") << QStringLiteral("Hydrate Solution")
            << QStringLiteral("Hydrate Solution 2026-12-07.pdf");
        QTest::newRow("folder separators and other unsafe characters replaced")
            << QStringLiteral("Na2HPO4/NaH2PO4\\<1:2>*?\"|") << QString()
            << QStringLiteral("Na2HPO4_NaH2PO4__1_2_____ 2026-12-07.pdf");
        QTest::newRow("control characters replaced")
            << QStringLiteral("CuSO4\t5H2O\n") << QString()
            << QStringLiteral("CuSO4_5H2O_ 2026-12-07.pdf");
        QTest::newRow("leading dots would hide the file")
            << QStringLiteral(". .NaCl") << QString() << QStringLiteral("NaCl 2026-12-07.pdf");
        QTest::newRow("only dots: the page's name")
            << QStringLiteral("..") << QStringLiteral("Molar Solution")
            << QStringLiteral("Molar Solution 2026-12-07.pdf");
        QTest::newRow("very long formula cut to fit a file name")
            << QString(300, QChar(0x00C4)) << QString()
            << QString(100, QChar(0x00C4)) + QStringLiteral(" 2026-12-07.pdf");
    }
    void fileName()
    {
        QFETCH(QString, formula);
        QFETCH(QString, pageName);
        QFETCH(QString, expected);

        QCOMPARE(molvera::sheetFileName(formula, pageName, monday), expected);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestSheetPdf)
#include "tst_sheetpdf.moc"
