#include "pdftext.h"

#include <print/calculationsheet.h>
#include <print/sheetpdf.h>

#include <QDate>
#include <QDir>
#include <QLocale>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

molvera::CalculationSheet molarExample()
{
    return {molvera::SheetVariant::Molar,
            {QStringLiteral("To prepare 1L of a 0.5 Molar Solution of H2SO4,"),
             QStringLiteral("Measure 27.18 mL of H2SO4 and dilute up to 1"),
             QStringLiteral("Litre(s) with solvent.")},
            QStringLiteral("Sulphuric Acid"),
            QStringLiteral("H2SO4"),
            QStringLiteral("0.5"),
            QStringLiteral("M"),
            {QStringLiteral("98.07"), QStringLiteral("%"), QStringLiteral("1.84"), {}, {}}};
}

const QDate monday(2026, 12, 7);
const QLocale english(QLocale::English, QLocale::UnitedKingdom);

} // namespace

class TestSheetPdf : public QObject
{
    Q_OBJECT

public:
    enum class Obstacle { None, ReadOnlyFolder, FullDisk };
    Q_ENUM(Obstacle)

private Q_SLOTS:
    void initTestCase()
    {
        if (pdftext::pdfToTextProgram().isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the saved sheets cannot be read");
        // Open to the user nobody, as whom root's files are checked in a read-only folder.
        QVERIFY(m_dir.isValid());
        QFile::setPermissions(m_dir.path(), QFile::Permissions(0x7755));
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

        const QString saved = m_dir.filePath(QStringLiteral("saved.pdf"));
        QCOMPARE(molvera::saveSheetPdf(molarExample(), saved, monday, locale), std::nullopt);
        // What Print sends, on the same paper, with the margins that printers have here.
        const QString printed = m_dir.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(printed);
        printer.setPageSize(QPageSize(paper));
        QCOMPARE(molvera::printCalculationSheet(molarExample(), printer, monday, locale),
                 molvera::PrintStatus::Printed);

        QCOMPARE(pdftext::pageCount(saved), 1);
        QCOMPARE(pdftext::pageSize(saved), QPageSize(paper).size(QPageSize::Point));
        const QList<pdftext::Word> words = pdftext::words(saved);
        const QList<pdftext::Word> expected = pdftext::words(printed);
        QCOMPARE(words.size(), expected.size());
        for (qsizetype i = 0; i < words.size(); ++i) {
            QCOMPARE(words[i].text, expected[i].text);
            QCOMPARE_LT(qAbs(words[i].xMin - expected[i].xMin), 0.1);
            QCOMPARE_LT(qAbs(words[i].yMax - expected[i].yMax), 0.1);
        }
        QVERIFY(pdftext::lines(saved).last().endsWith(molvera::preparedDateText(monday, locale)));
    }

    void wholeOrNotAtAll_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<Obstacle>("obstacle");
        QTest::newRow("new file") << false << Obstacle::None;
        QTest::newRow("existing file replaced") << true << Obstacle::None;
        QTest::newRow("read-only folder: nothing written") << false << Obstacle::ReadOnlyFolder;
        QTest::newRow("full disk: old file kept, nothing half-written")
            << true << Obstacle::FullDisk;
    }
    void wholeOrNotAtAll()
    {
        QFETCH(bool, existing);
        QFETCH(Obstacle, obstacle);

        QTemporaryDir folder(m_dir.filePath(QStringLiteral("sheets-XXXXXX")));
        QFile::setPermissions(folder.path(), QFile::Permissions(0x7755));
        const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
        QFile file(path);
        if (existing)
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old sheet") && file.flush());
        file.close();

        // A read-only folder stops root only when files are checked as someone else, here nobody.
        // A file size limit stands in for a disk that fills up during the write.
        const QFile::Permissions open = QFile::permissions(folder.path());
        rlimit fileSize{};
        getrlimit(RLIMIT_FSIZE, &fileSize);
        if (obstacle == Obstacle::ReadOnlyFolder) {
            QFile::setPermissions(folder.path(), QFile::Permissions(0x5555));
            if (geteuid() == 0)
                setfsuid(65534);
        } else if (obstacle == Obstacle::FullDisk) {
            std::signal(SIGXFSZ, SIG_IGN); // writing past the limit fails with EFBIG instead
            const rlimit full{4096, fileSize.rlim_max};
            setrlimit(RLIMIT_FSIZE, &full);
        }
        const bool writable = QFile(folder.filePath(u"probe"_s)).open(QIODevice::WriteOnly);
        const std::optional<QString> error =
            molvera::saveSheetPdf(molarExample(), path, monday, english);
        setfsuid(geteuid());
        setrlimit(RLIMIT_FSIZE, &fileSize);
        QFile::setPermissions(folder.path(), open);
        QFile::remove(folder.filePath(u"probe"_s));
        if (obstacle == Obstacle::ReadOnlyFolder && writable)
            QSKIP("This process can write into a read-only folder here");

        QCOMPARE(error.has_value(), obstacle != Obstacle::None);
        QVERIFY(!error || !error->isEmpty());
        // No temporary or half-written file is left beside the sheet.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 existing || !error ? QStringList{QStringLiteral("sheet.pdf")} : QStringList());
        const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        QVERIFY(error ? content == (existing ? "old sheet" : "") : content.startsWith("%PDF"));
    }

    void fileName_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("expected");
        QTest::newRow("formula and ISO date") << u"H2SO4"_s << u"H2SO4 2026-12-07.pdf"_s;
        QTest::newRow("blank formula: the page's name")
            << u" "_s << u"Molar Solution 2026-12-07.pdf"_s;
        QTest::newRow("separators, other unsafe and control characters replaced")
            << u"Na2HPO4/NaH2PO4\\<1:2>*?\"|\t"_s << u"Na2HPO4_NaH2PO4__1_2______ 2026-12-07.pdf"_s;
        QTest::newRow("leading dots would hide the file")
            << u". .NaCl"_s << u"NaCl 2026-12-07.pdf"_s;
        QTest::newRow("long formula cut to fit a file name")
            << QString(300, QChar(0xC4)) << QString(100, QChar(0xC4)) + u" 2026-12-07.pdf"_s;
    }
    void fileName()
    {
        QFETCH(QString, formula);
        QFETCH(QString, expected);
        QCOMPARE(molvera::sheetFileName(formula, u"Molar Solution", monday), expected);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestSheetPdf)
#include "tst_sheetpdf.moc"
