// Times the Print button of each page on the system's default printer, after the page's example:
// from the press to the moment the click returns (Qt's CUPS engine has handed the job to the
// spooler by then), and from the press to the PDF that a cups-pdf printer writes. Each press
// waits for its PDF before the next, and every PDF it made is removed again.
//
//   bench_print [PRESSES]      (20 presses per page unless given)
#include "benchwidgets.h"

#include <ui/app/application.h>
#include <ui/window/mainwindow.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <pwd.h>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;
using bench::click;
using bench::Clock;
using bench::control;
using bench::median;
using bench::msSince;

namespace {

struct Page
{
    const char *caption;
    int tab;
    QString example;
    QString print;
    QString firstPrintLine;
};

const std::vector<Page> Pages{
    {"Molar Solution", 0, u"cmdExample"_s, u"cmdPrint"_s, u"txtD1"_s},
    {"% Solution", 1, u"cmdEgConc"_s, u"cmdPrnC"_s, u"txtC1"_s},
    {"Hydrate Solution", 2, u"cmdHEg"_s, u"cmdHPrnt"_s, u"txtH1"_s},
};

constexpr auto PdfTimeout = std::chrono::seconds(15);
constexpr unsigned long PollMs = 2;

// cups-pdf writes into PDF/ of the printing user's home folder from the password database.
QDir printerOutput()
{
    const passwd *user = getpwuid(getuid());
    const QString home =
        user && user->pw_dir ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
    return QDir(QDir(home).filePath(u"PDF"_s));
}

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

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

bool failureBoxOpen(const QWidget *window)
{
    const auto boxes = window->findChildren<QMessageBox *>(u"PrintFailureBox"_s);
    return std::any_of(boxes.begin(), boxes.end(),
                       [](QMessageBox *box) { return box->isVisible(); });
}

// Waits for the new PDF that carries this sheet; returns milliseconds from `pressed` to the
// moment it was first seen whole, and its path. PDFs of other print jobs are passed over.
std::optional<std::pair<double, QString>>
waitForSheet(const PdfFiles &before, Clock::time_point pressed, const QString &marker)
{
    QHash<QString, bool> judged; // path -> carries the sheet
    while (Clock::now() - pressed < PdfTimeout) {
        const PdfFiles now = pdfFiles();
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            if (judged.contains(it.key()) ||
                (before.contains(it.key()) && before.value(it.key()) == it.value()))
                continue;
            if (!bench::isCompletePdf(it.key()))
                continue;
            const double seen = msSince(pressed);
            const bool ours = pdfText(it.key()).contains(marker);
            judged.insert(it.key(), ours);
            if (ours)
                return std::pair{seen, it.key()};
        }
        QCoreApplication::processEvents();
        QThread::msleep(PollMs);
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    molvera::setUpApplication();

    const int presses = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20;
    if (presses < 1) {
        std::fprintf(stderr, "usage: bench_print [PRESSES]\n");
        return 2;
    }
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {
        std::fprintf(stderr, "pdftotext (poppler-utils) is needed to recognise the sheets\n");
        return 1;
    }

    molvera::MainWindow window;
    bench::showExposed(window);

    // The printer is not asked for before the first press, so that the first press pays for
    // loading the print support as the user's first press does. Without a printer the page
    // opens its failure box, which ends the run.
    std::printf("%d presses per page, sheets from %s\n", presses,
                qPrintable(printerOutput().path()));
    std::printf("%-18s %12s %12s %12s %14s %12s\n", "page", "first press", "return med",
                "return max", "PDF med", "PDF max");

    bool allArrived = true;
    double worstReturn = 0;
    for (const Page &page : Pages) {
        control<QTabWidget>(&window, u"SSTab1"_s)->setCurrentIndex(page.tab);
        QCoreApplication::processEvents();
        click(control<QWidget>(&window, page.example));
        QCoreApplication::processEvents();
        QWidget *print = control<QWidget>(&window, page.print);
        const QString marker = u"Reagent: "_s + control<QLineEdit>(&window, u"txtName"_s)->text();
        const QString firstLine = control<QLineEdit>(&window, page.firstPrintLine)->text();

        std::vector<double> returned;
        std::vector<double> arrived;
        for (int press = 0; press < presses; ++press) {
            const PdfFiles before = pdfFiles();
            const Clock::time_point pressed = Clock::now();
            click(print);
            returned.push_back(msSince(pressed));
            if (failureBoxOpen(&window)) {
                std::fprintf(stderr,
                             "%s: the page says the sheet was not printed (is there a default "
                             "printer?)\n",
                             page.caption);
                return 1;
            }
            const auto sheet = waitForSheet(before, pressed, marker);
            if (!sheet || !pdfText(sheet->second).contains(firstLine.simplified())) {
                std::fprintf(stderr, "%s: press %d: no PDF of the sheet within %lld s\n",
                             page.caption, press + 1, static_cast<long long>(PdfTimeout.count()));
                allArrived = false;
                continue;
            }
            arrived.push_back(sheet->first);
            QFile::remove(sheet->second);
        }

        const double maxReturn = *std::max_element(returned.begin(), returned.end());
        worstReturn = std::max(worstReturn, maxReturn);
        std::printf("%-18s %9.1f ms %9.1f ms %9.1f ms", page.caption, returned.front(),
                    median(returned), maxReturn);
        if (arrived.empty())
            std::printf(" %14s %12s\n", "none", "none");
        else
            std::printf(" %11.1f ms %9.1f ms\n", median(arrived),
                        *std::max_element(arrived.begin(), arrived.end()));
    }
    std::printf("default printer: %s\n", qPrintable(QPrinterInfo::defaultPrinterName()));
    std::printf("press to spooler, worst of all presses: %.1f ms (goal under 500 ms: %s)\n",
                worstReturn, worstReturn < 500 ? "met" : "missed");
    return allArrived ? 0 : 1;
}
