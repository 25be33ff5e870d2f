#include "pdfprinter.h"
#include "pdftext.h"

#include <print/lineprinter.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using molvera::LinePrinter;
using LineEnd = molvera::SheetPrinter::LineEnd;
constexpr int NoColumn = molvera::SheetPrinter::NoColumn;

class TestLinePrinter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void columns_data();
    void columns();
    void textsFollowEachOther_data();
    void textsFollowEachOther();
    void emptyLines_data();
    void emptyLines();
    void mixedSizesShareALine();
    void pageBreak_data();
    void pageBreak();
    void applicationFontStaysOnScreen();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_pdf;
};

void TestLinePrinter::initTestCase()
{
    if (pdftext::pdfToTextProgram().isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the printed pages cannot be read back");
}

void TestLinePrinter::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_pdf = m_dir->filePath(QStringLiteral("lines.pdf"));
}

void TestLinePrinter::columns_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("widthsFromEdge");

    QTest::newRow("column 1 is the edge of the printable area") << 1 << 0;
    QTest::newRow("column 10 is nine character widths in") << 10 << 9;
    QTest::newRow("column 20 is nineteen character widths in") << 20 << 19;
    QTest::newRow("column 0 stays at the edge") << 0 << 0;
}

void TestLinePrinter::columns()
{
    QFETCH(int, column);
    QFETCH(int, widthsFromEdge);

    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, m_pdf);
    qreal widthInPoints = 0;
    {
        LinePrinter out(printer);
        QVERIFY(out.begin());
        out.setFontSize(12);
        widthInPoints = out.columnWidth() * 72 / printer.resolution();
        out.print(column, {u"Here"});
        QVERIFY(out.endDocument());
    }
    QCOMPARE_GT(widthInPoints, 3.0);

    const pdftext::Word word = pdftext::firstWord(pdftext::words(m_pdf), QStringLiteral("Here"));
    QCOMPARE(word.text, QStringLiteral("Here"));
    // Half a point allows for the glyph's side bearing; a column is some seven points wide.
    QCOMPARE_LT(qAbs(word.xMin - marginPoints - widthsFromEdge * widthInPoints), 0.5);
}

void TestLinePrinter::textsFollowEachOther_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<bool>("firstBold");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<qreal>("minGap");
    QTest::addColumn<qreal>("maxGap");

    QTest::newRow("bold text then plain text: nothing between them")
        << QStringLiteral("Bold") << true << QStringList{QStringLiteral("BoldPlain")} << 0.0 << 0.0;
    QTest::newRow("trailing spaces of a text are kept")
        << QStringLiteral("Spaced      ") << false
        << QStringList{QStringLiteral("Spaced"), QStringLiteral("Plain")} << 12.0 << 40.0;
}

void TestLinePrinter::textsFollowEachOther()
{
    QFETCH(QString, first);
    QFETCH(bool, firstBold);
    QFETCH(QStringList, words);
    QFETCH(qreal, minGap);
    QFETCH(qreal, maxGap);

    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, m_pdf);
    {
        LinePrinter out(printer);
        QVERIFY(out.begin());
        out.setFontSize(12);
        out.setBold(firstBold);
        out.print(5, {first}, LineEnd::Continue);
        out.setBold(false);
        out.print(NoColumn, {u"Plain"});
        QVERIFY(out.endDocument());
    }

    const QList<pdftext::Word> printed = pdftext::words(m_pdf);
    QStringList texts;
    for (const pdftext::Word &word : printed)
        texts.append(word.text);
    QCOMPARE(texts, words);
    if (printed.size() == 2) {
        QCOMPARE_LT(qAbs(printed[1].yMin - printed[0].yMin), 0.1);
        const qreal gap = printed[1].xMin - printed[0].xMax;
        QCOMPARE_GE(gap, minGap);
        QCOMPARE_LE(gap, maxGap);
    }
}

void TestLinePrinter::emptyLines_data()
{
    QTest::addColumn<int>("count");

    QTest::newRow("no empty line: the next line follows") << 0;
    QTest::newRow("one empty line") << 1;
    QTest::newRow("four empty lines") << 4;
}

void TestLinePrinter::emptyLines()
{
    QFETCH(int, count);

    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, m_pdf);
    {
        LinePrinter out(printer);
        QVERIFY(out.begin());
        out.setFontSize(12);
        for (const QStringView text : {u"Alpha", u"Bravo", u"Charlie"}) {
            out.print(NoColumn, {text});
            if (text.startsWith(u'A')) {
                for (int i = 0; i < count; ++i)
                    out.printEmptyLine();
            }
        }
        QVERIFY(out.endDocument());
    }

    const QList<pdftext::Word> words = pdftext::words(m_pdf);
    const auto y = [&](const char *text) {
        return pdftext::firstWord(words, QString::fromUtf8(text)).yMin;
    };
    const qreal line = y("Charlie") - y("Bravo");
    QCOMPARE_GT(line, 10.0);
    QCOMPARE_LT(qAbs((y("Bravo") - y("Alpha")) / line - (count + 1)), 0.01);
}

void TestLinePrinter::mixedSizesShareALine()
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, m_pdf);
    {
        LinePrinter out(printer);
        QVERIFY(out.begin());
        out.setFontSize(8);
        out.print(NoColumn, {u"Above"});
        out.setFontSize(24);
        out.print(NoColumn, {u"Big "}, LineEnd::Continue);
        out.setFontSize(8);
        out.print(NoColumn, {u"small"});
        out.print(NoColumn, {u"Below"});
        QVERIFY(out.endDocument());
    }

    // The line is as tall as its largest text: it overlaps neither of its neighbours.
    const QList<pdftext::Word> words = pdftext::words(m_pdf);
    const pdftext::Word above = pdftext::firstWord(words, QStringLiteral("Above"));
    const pdftext::Word big = pdftext::firstWord(words, QStringLiteral("Big"));
    const pdftext::Word small = pdftext::firstWord(words, QStringLiteral("small"));
    const pdftext::Word below = pdftext::firstWord(words, QStringLiteral("Below"));
    QCOMPARE_GE(big.yMin, above.yMax - 0.5);
    QCOMPARE_GE(below.yMin, big.yMax - 0.5);
    // Texts of one line stand on one baseline, so the small one ends above the big one's foot.
    QCOMPARE_GT(small.yMin, big.yMin);
    QCOMPARE_LE(small.yMax, big.yMax + 0.5);
}

void TestLinePrinter::pageBreak_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("pages");

    QTest::newRow("lines that fit stay on one page") << 10 << 1;
    QTest::newRow("a line past the bottom starts a new page") << 80 << 2;
    QTest::newRow("three pages of lines") << 130 << 3;
}

void TestLinePrinter::pageBreak()
{
    QFETCH(int, lineCount);
    QFETCH(int, pages);

    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, m_pdf);
    {
        LinePrinter out(printer);
        QVERIFY(out.begin());
        out.setFontSize(12);
        for (int i = 1; i <= lineCount; ++i)
            out.print(NoColumn, {QStringLiteral("line%1").arg(i)});
        QVERIFY(out.endDocument());
    }

    QCOMPARE(pdftext::pageCount(m_pdf), pages);
    const qreal paperHeight = printer.pageLayout().fullRect(QPageLayout::Point).height();
    const QList<pdftext::Word> words = pdftext::words(m_pdf);
    QCOMPARE(words.size(), lineCount);
    int page = 1;
    for (int i = 0; i < lineCount; ++i) {
        const pdftext::Word &word = words.at(i);
        QCOMPARE(word.text, QStringLiteral("line%1").arg(i + 1));
        // Every line lies inside the printable area; a new page starts at its top.
        QCOMPARE_GE(word.yMin, marginPoints - 0.1);
        QCOMPARE_LE(word.yMax, paperHeight - marginPoints + 0.1);
        if (word.page != page) {
            QCOMPARE(word.page, page + 1);
            QCOMPARE_LT(word.yMin, marginPoints + 1);
            page = word.page;
        }
    }
}

void TestLinePrinter::applicationFontStaysOnScreen()
{
    const QString pdfFonts = QStandardPaths::findExecutable(QStringLiteral("pdffonts"));
    if (pdfFonts.isEmpty())
        QSKIP("pdffonts (poppler-utils) is not installed");
    // A program's screens may use a face of their own; the sheet starts from the desktop's.
    const QFont screenFont = QGuiApplication::font();
    QGuiApplication::setFont(QFont(QStringLiteral("Nimbus Mono PS"), 8));
    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, m_pdf);
    {
        LinePrinter out(printer);
        QVERIFY(out.begin());
        out.print(NoColumn, {u"Face"});
        QVERIFY(out.endDocument());
    }
    QGuiApplication::setFont(screenFont);

    QProcess process;
    process.start(pdfFonts, {m_pdf});
    QVERIFY(process.waitForFinished(30000));
    const QString fonts = QString::fromUtf8(process.readAllStandardOutput());
    const QString general =
        QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
    QVERIFY2(!fonts.contains(QStringLiteral("NimbusMono")), qPrintable(fonts));
    QVERIFY2(fonts.contains(QString(general).remove(u' ')), qPrintable(general + u'\n' + fonts));
}

QTEST_MAIN(TestLinePrinter)
#include "tst_lineprinter.moc"
