// The pages' Print buttons on the system's default printer. With CUPS and its PDF printer as the
// default, each sheet is read back from the PDF the printer writes; with CUPS out of reach
// (CUPS_SERVER pointing at a socket that does not exist), the page must say that nothing was
// printed and keep everything it shows.
#include "pdftext.h"
#include "windowtest.h"

#include <ui/app/translations.h>

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTranslator>

#include <algorithm>
#include <pwd.h>
#include <tuple>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The controls of one page that printing involves.
struct PageControls
{
    int tab = 0;
    QString example;
    QString print;
    QStringList printLines; // hidden boxes, printed as the instructions
    QString result;         // hidden box
    QString method;         // the sentence shown to the user
    QString strength;       // printed in the label block
};

const PageControls MolarPage{0,
                             u"cmdExample"_s,
                             u"cmdPrint"_s,
                             {u"txtD1"_s, u"txtD2"_s, u"txtD3"_s},
                             u"txtResult"_s,
                             u"txtDesc"_s,
                             u"txtMol"_s};
const PageControls PercentPage{
    1,           u"cmdEgConc"_s, u"cmdPrnC"_s, {u"txtC1"_s, u"txtC2"_s, u"txtC3"_s}, u"txtCRes"_s,
    u"txtRWW"_s, u"txtCCon"_s};
const PageControls HydratePage{2,
                               u"cmdHEg"_s,
                               u"cmdHPrnt"_s,
                               {u"txtH1"_s, u"txtH2"_s, u"txtH3"_s},
                               u"txtHResult"_s,
                               u"txtHRes"_s,
                               u"txtHCon2"_s};

// The cups-pdf printer writes into PDF/ in the home folder that the password database gives the
// printing user, whatever HOME says.
QDir printerOutput()
{
    const passwd *user = getpwuid(getuid());
    const QString home =
        user && user->pw_dir ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
    return QDir(QDir(home).filePath(u"PDF"_s));
}

// The PDFs in the printer's folder, with the time each was last written.
using PdfFiles = QHash<QString, QDateTime>;

PdfFiles pdfFiles()
{
    PdfFiles files;
    const QFileInfoList entries =
        printerOutput().entryInfoList({u"*.pdf"_s}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &entry : entries)
        files.insert(entry.filePath(), entry.lastModified());
    return files;
}

// The PDFs written since `before` was taken.
QStringList newPdfs(const PdfFiles &before)
{
    QStringList fresh;
    const PdfFiles now = pdfFiles();
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (!before.contains(it.key()) || before.value(it.key()) != it.value())
            fresh.append(it.key());
    }
    return fresh;
}

// Other programs may print on the same printer: a sheet is told from theirs by its label.
struct PrintedSheet
{
    QString path;
    QStringList lines;
};

PrintedSheet findSheet(const PdfFiles &before, const QString &reagentLine)
{
    for (const QString &path : newPdfs(before)) {
        const QStringList lines = pdftext::lines(path);
        if (lines.contains(reagentLine))
            return {path, lines};
    }
    return {};
}

// The sheet's lines as pdftotext lays them out: words of one baseline joined by one space, with
// the left edge of the line's first word.
struct WordLine
{
    QString text;
    qreal left = 0;
};

QList<WordLine> wordLines(QList<pdftext::Word> words)
{
    std::sort(words.begin(), words.end(), [](const pdftext::Word &a, const pdftext::Word &b) {
        return std::tie(a.page, a.yMax, a.xMin) < std::tie(b.page, b.yMax, b.xMin);
    });
    QList<WordLine> result;
    const pdftext::Word *lineStart = nullptr;
    for (const pdftext::Word &word : std::as_const(words)) {
        // Lines of the sheet are at least a 12 point line apart; words of one line share a
        // baseline, give or take the rounding of their boxes.
        if (lineStart && lineStart->page == word.page && qAbs(lineStart->yMax - word.yMax) < 2) {
            result.last().text += u' ' + word.text;
            continue;
        }
        lineStart = &word;
        result.append({word.text, word.xMin});
    }
    return result;
}

// The left edge of the line that reads `text`, or -1 if no line reads so.
qreal lineLeft(const QList<WordLine> &lines, const QString &text)
{
    const QString wanted = text.simplified();
    for (const WordLine &line : lines) {
        if (line.text == wanted)
            return line.left;
    }
    return -1;
}

bool printerRequired()
{
    return qEnvironmentVariable("MOLVERA_REQUIRE_PRINTER") == u"1"_s;
}

// Why the real printer cannot be used here, or nothing.
QString printerMissing()
{
    if (QPrinterInfo::defaultPrinter().isNull())
        return u"No default printer: start CUPS with its PDF printer as the default to run this"_s;
    if (pdftext::pdfToTextProgram().isEmpty())
        return u"pdftotext (poppler-utils) is not installed: the printed sheet cannot be read back"_s;
    return {};
}

// CUPS_SERVER names a local socket that is not there: libcups can reach no scheduler.
bool cupsServerUnreachable()
{
    const QString server = qEnvironmentVariable("CUPS_SERVER");
    return server.startsWith(u'/') && !QFileInfo::exists(server);
}

} // namespace

Q_DECLARE_METATYPE(PageControls)

// The window is started by each test once it knows that it can run.
class TestPagePrinting : public uitest::WindowTest
{
    Q_OBJECT

private:
    // Clicks the page's tab, then its Example button.
    void showExample(const PageControls &page)
    {
        QTabBar *tabs = tabControl()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page.tab).center());
        QCOMPARE(tabControl()->currentIndex(), page.tab);
        click(page.example);
        QVERIFY(!uitest::openMessageBox(m_window.get(), u"InputErrorBox"_s));
    }
    // Everything the page shows or keeps that a print must leave alone.
    QStringList pageState(const PageControls &page) const
    {
        return texts(page.printLines) +
               QStringList{text(page.result), control<QTextEdit>(page.method)->toPlainText(),
                           text(u"txtName"_s), text(u"txtReag"_s), text(page.strength)};
    }
    QList<QMessageBox *> openFailureBoxes() const
    {
        return uitest::openMessageBoxes(m_window.get(), u"PrintFailureBox"_s);
    }

private Q_SLOTS:

    void printsSheet_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<PageControls>("page");
        QTest::addColumn<QStringList>("instructions"); // the print lines, then the stock
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("strengthLine");
        QTest::addColumn<QStringList>("weekdays"); // Monday first
        // The program's language, and the sheet's heading, titles, label captions and date
        // pattern in it.
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("words");

        const QLocale english = uitest::english();
        const QLocale german = uitest::german();
        const QStringList englishDays{u"Monday"_s, u"Tuesday"_s,  u"Wednesday"_s, u"Thursday"_s,
                                      u"Friday"_s, u"Saturday"_s, u"Sunday"_s};
        const QStringList germanDays{u"Montag"_s,  u"Dienstag"_s, u"Mittwoch"_s, u"Donnerstag"_s,
                                     u"Freitag"_s, u"Samstag"_s,  u"Sonntag"_s};
        const QStringList englishWords{u"Your molvera Calculation"_s,
                                       u"Instructions"_s,
                                       u"Label"_s,
                                       u"Reagent: "_s,
                                       u"Formula: "_s,
                                       u"Date Prepared: "_s,
                                       u"dddd, d MMMM yyyy"_s};

        QTest::newRow("molar example: Sulphuric Acid, molarity 0.5M")
            << english << MolarPage
            << QStringList{u"To prepare 1L of a 0.5 Molar Solution of H2SO4,"_s,
                           u"Measure 27.18 mL of H2SO4 and dilute up to 1"_s,
                           u"Litre(s) with solvent."_s, u"Stock: 98.07 %, specific gravity 1.84"_s}
            << u"Sulphuric Acid"_s << u"H2SO4"_s << u"Molarity: 0.5M"_s << englishDays << u"en"_s
            << englishWords;
        QTest::newRow("percent example: Sodium Chloride, 20% w/v")
            << english << PercentPage
            << QStringList{u"To prepare 600 mL of a 20 % w/v solution of NaCl ,"_s,
                           u"Measure 122.45 grams of NaCl and dilute up to 600 mL"_s,
                           u"with solvent."_s, u"Stock: 98 %, specific gravity 1.00"_s}
            << u"Sodium Chloride"_s << u"NaCl"_s << u"Concentration: 20% w/v"_s << englishDays
            << u"en"_s << englishWords;
        QTest::newRow("hydrate example: Copper Sulphate, 15% w/v")
            << english << HydratePage
            << QStringList{u"To prepare 100mL of a 15 percent Solution of CuSO4.2H2O,"_s,
                           u"Measure 12.24 grams of CuSO4 and dilute up to 100"_s,
                           u"mL with solvent."_s, u"Stock: 100 %, Number of H2O: 0"_s}
            << u"Copper Sulphate"_s << u"CuSO4.2H2O"_s << u"Concentration: 15% w/v"_s << englishDays
            << u"en"_s << englishWords;
        QTest::newRow("percent example in German: decimal comma, German date")
            << german << PercentPage
            << QStringList{u"To prepare 600 mL of a 20 % w/v solution of NaCl ,"_s,
                           u"Measure 122,45 grams of NaCl and dilute up to 600 mL"_s,
                           u"with solvent."_s, u"Stock: 98 %, specific gravity 1,00"_s}
            << u"Sodium Chloride"_s << u"NaCl"_s << u"Concentration: 20% w/v"_s << germanDays
            << u"en"_s << englishWords;
        // The whole program in German: the worked examples' sentences and sheets.
        const QStringList germanWords{u"Ihre molvera-Berechnung"_s,
                                      u"Arbeitsanweisung"_s,
                                      u"Etikett"_s,
                                      u"Reagenz: "_s,
                                      u"Formel: "_s,
                                      u"Hergestellt am: "_s,
                                      u"dddd, d. MMMM yyyy"_s};
        QTest::newRow("molar example in German")
            << german << MolarPage
            << QStringList{u"Für 1\u00A0L einer Lösung von H2SO4 mit 0,5\u00A0mol/\u2060L:"_s,
                           u"27,18\u00A0mL H2SO4 abmessen und mit Lösungsmittel"_s,
                           u"auf 1\u00A0L auffüllen."_s,
                           u"Ausgangssubstanz: 98,07 %, Dichte 1,84"_s}
            << u"Schwefelsäure"_s << u"H2SO4"_s << u"Molarität: 0,5 mol/L"_s << germanDays
            << u"de"_s << germanWords;
    }
    void printsSheet()
    {
        QFETCH(QLocale, locale);
        QFETCH(PageControls, page);
        QFETCH(QStringList, instructions);
        QFETCH(QString, name);
        QFETCH(QString, formula);
        QFETCH(QString, strengthLine);
        QFETCH(QStringList, weekdays);
        QFETCH(QString, language);
        QFETCH(QStringList, words);

        if (const QString missing = printerMissing(); !missing.isEmpty()) {
            if (printerRequired())
                QFAIL(qPrintable(missing + u" (MOLVERA_REQUIRE_PRINTER=1)"_s));
            QSKIP(qPrintable(missing));
        }

        molvera::installTranslations(*qApp, QLocale(language));
        const auto english = qScopeGuard(
            [] { qDeleteAll(qApp->findChildren<QTranslator *>(u"molvera-translation"_s)); });
        startWindowIn(locale);
        showExample(page);
        // What the page will print is what its hidden boxes hold, and it says what the page does.
        const QStringList printLines = instructions.first(3);
        QCOMPARE(texts(page.printLines), printLines);
        // The raw text: toPlainText() would turn the no-break spaces plain.
        QCOMPARE(control<QTextEdit>(page.method)->document()->toRawText(), printLines.join(u' '));

        const PdfFiles before = pdfFiles();
        const QDate dayBefore = QDate::currentDate();
        QElapsedTimer pressed;
        pressed.start();
        click(page.print);
        // The job is with the spooler once the click returns.
        const qint64 pressToReturn = pressed.elapsed();
        const QDate dayAfter = QDate::currentDate();
        qInfo("Print: press to return %lld ms", pressToReturn);
        if (QMessageBox *box = uitest::openMessageBox(m_window.get(), u"PrintFailureBox"_s))
            QFAIL(qPrintable(u"Print failed: "_s + box->text()));
        QVERIFY2(pressToReturn < 5000, "Print kept the window busy for more than 5 s");

        const QString reagentLine = words.at(3) + name;
        PrintedSheet sheet;
        QTRY_VERIFY2_WITH_TIMEOUT(!(sheet = findSheet(before, reagentLine)).path.isEmpty(),
                                  qPrintable(u"no new PDF with \""_s + reagentLine + u"\" in "_s +
                                             printerOutput().path() + u"; new: "_s +
                                             newPdfs(before).join(u", "_s)),
                                  15000);
        const auto removeSheet = qScopeGuard([&sheet] { QFile::remove(sheet.path); });

        // Printed on the day of the press, or the next if midnight came in between.
        const QString dateCaption = words.at(5);
        QString dateLine = dateCaption + QLocale().toString(dayBefore, words.at(6));
        QDate printedOn = dayBefore;
        if (sheet.lines.value(sheet.lines.size() - 1) != dateLine) {
            dateLine = dateCaption + QLocale().toString(dayAfter, words.at(6));
            printedOn = dayAfter;
        }
        // The PDF's text has plain spaces for no-break ones, and no word joiners.
        QStringList read = instructions;
        for (QString &line : read)
            line = line.simplified().remove(u'\u2060');
        const QStringList expected =
            words.mid(0, 2) + read +
            QStringList{words.at(2), reagentLine, words.at(4) + formula, strengthLine, dateLine};
        QCOMPARE(sheet.lines, expected);
        // The weekday in the user's language, checked against names the test knows itself.
        QVERIFY2(dateLine.startsWith(dateCaption + weekdays.at(printedOn.dayOfWeek() - 1) + u','),
                 qPrintable(dateLine));
        QCOMPARE(pdftext::pageCount(sheet.path), 1);

        // Columns 10, 15 and 20: titles, then the instructions further right, the heading
        // furthest right.
        const QList<WordLine> lines = wordLines(pdftext::words(sheet.path));
        const qreal heading = lineLeft(lines, words.at(0));
        const qreal titles = lineLeft(lines, words.at(1));
        const qreal labelTitle = lineLeft(lines, words.at(2));
        QVERIFY(heading >= 0 && titles >= 0 && labelTitle >= 0);
        QVERIFY2(
            qAbs(labelTitle - titles) < 0.5,
            qPrintable(u"Instructions at %1 pt, Label at %2 pt"_s.arg(titles).arg(labelTitle)));
        const qreal firstLine = lineLeft(lines, read.first());
        for (const QString &line : std::as_const(read)) {
            const qreal left = lineLeft(lines, line);
            QVERIFY2(left >= 0, qPrintable(u"not found in the PDF's words: "_s + line));
            QVERIFY2(
                qAbs(left - firstLine) < 0.5,
                qPrintable(u"%1 starts at %2 pt, the first line at %3 pt"_s.arg(line).arg(left).arg(
                    firstLine)));
        }
        QVERIFY2(titles < firstLine && firstLine < heading,
                 qPrintable(u"Instructions at %1 pt, its lines at %2 pt, the heading at %3 pt"_s
                                .arg(titles)
                                .arg(firstLine)
                                .arg(heading)));
    }

    void noPrinter_data()
    {
        QTest::addColumn<PageControls>("page");
        QTest::addColumn<QString>("name");
        QTest::newRow("molar example") << MolarPage << u"Sulphuric Acid"_s;
        QTest::newRow("percent example") << PercentPage << u"Sodium Chloride"_s;
        QTest::newRow("hydrate example") << HydratePage << u"Copper Sulphate"_s;
    }
    void noPrinter()
    {
        QFETCH(PageControls, page);
        QFETCH(QString, name);

        if (!QPrinterInfo::defaultPrinter().isNull()) {
            if (cupsServerUnreachable())
                QFAIL("A default printer was found although CUPS_SERVER names a socket that does "
                      "not exist");
            QSKIP("There is a default printer: run with CUPS_SERVER=/nonexistent/socket to see "
                  "printing without one");
        }

        startWindowIn(uitest::english());
        showExample(page);
        const QStringList shown = pageState(page);
        QVERIFY(!shown.at(0).isEmpty());
        const PdfFiles before = pdfFiles();

        // Each press says so once; acknowledging closes the box, and the next press says it again.
        for (int press = 1; press <= 2; ++press) {
            click(page.print);
            const QList<QMessageBox *> boxes = openFailureBoxes();
            QCOMPARE(boxes.size(), 1);
            QVERIFY2(boxes.first()->text().startsWith(u"The sheet was not printed."_s),
                     qPrintable(boxes.first()->text()));
            QCOMPARE(pageState(page), shown);
            uitest::acknowledge(boxes.first());
            QVERIFY(openFailureBoxes().isEmpty());
        }

        // Longer than the PDF printer ever takes to write a sheet.
        QTest::qWait(1000);
        if (pdftext::pdfToTextProgram().isEmpty()) {
            QVERIFY2(newPdfs(before).isEmpty(), qPrintable(newPdfs(before).join(u", "_s)));
        } else {
            const PrintedSheet stray = findSheet(before, u"Reagent: "_s + name);
            QVERIFY2(stray.path.isEmpty(), qPrintable(u"printed anyway: "_s + stray.path));
        }
        QCOMPARE(pageState(page), shown);
    }
};

QTEST_MAIN(TestPagePrinting)
#include "tst_pageprinting.moc"
