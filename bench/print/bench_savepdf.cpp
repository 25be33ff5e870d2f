// Times Save as PDF on each page after the page's example: from the press of Save in the save
// dialog to the complete file (the file is in place once the click returns), and from choosing
// "Save as PDF…" to the dialog on screen. No printer is needed. The program's settings go to a
// scratch folder, and every PDF is written into and removed from another.
//
//   bench_savepdf [SAVES]      (20 saves per page unless given)
#include "benchwidgets.h"

#include <ui/app/application.h>
#include <ui/window/mainwindow.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;
using bench::Clock;

namespace {

struct Page
{
    const char *caption;
    int tab;
    QString name;
    QString example;
};

const std::vector<Page> Pages{
    {"Molar Solution", 0, u"MolarPage"_s, u"cmdExample"_s},
    {"% Solution", 1, u"PercentPage"_s, u"cmdEgConc"_s},
    {"Hydrate Solution", 2, u"HydratePage"_s, u"cmdHEg"_s},
};

constexpr double GoalMs = 200;

QAbstractButton *saveButton(const QFileDialog *dialog)
{
    const auto *box = dialog->findChild<QDialogButtonBox *>();
    for (QAbstractButton *button : box->buttons()) {
        if (box->buttonRole(button) == QDialogButtonBox::AcceptRole)
            return button;
    }
    qFatal("the save dialog has no Save button");
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 1;
    // Not the user's own settings: each save remembers its folder there.
    qputenv("XDG_CONFIG_HOME", scratch.filePath(u"config"_s).toLocal8Bit());

    QApplication app(argc, argv);
    molvera::setUpApplication();
    const int saves = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20;
    if (saves < 1) {
        std::fprintf(stderr, "usage: bench_savepdf [SAVES]\n");
        return 2;
    }

    molvera::MainWindow window;
    bench::showExposed(window);

    std::printf("%d saves per page, into %s\n", saves, qPrintable(scratch.path()));
    std::printf("%-18s %12s %12s %12s %14s %12s\n", "page", "first save", "save med", "save max",
                "first dialog", "dialog med");
    double worst = 0;
    for (const Page &page : Pages) {
        bench::control<QTabWidget>(&window, u"SSTab1"_s)->setCurrentIndex(page.tab);
        QCoreApplication::processEvents();
        bench::click(bench::control<QWidget>(&window, page.example));
        QCoreApplication::processEvents();
        auto *pageWidget = bench::control<QWidget>(&window, page.name);
        QAction *saveAsPdf = bench::control<QAction>(pageWidget, u"mnuSaveAsPdf"_s);

        std::vector<double> saved;
        std::vector<double> opened;
        for (int i = 0; i < saves; ++i) {
            const Clock::time_point chosen = Clock::now();
            saveAsPdf->trigger();
            auto *dialog = bench::control<QFileDialog>(&window, u"SaveAsPdfDialog"_s);
            opened.push_back(bench::msSince(chosen));

            const QString path = scratch.filePath(u"sheet %1.pdf"_s.arg(i));
            dialog->selectFile(path);
            QCoreApplication::processEvents();
            const Clock::time_point pressed = Clock::now();
            bench::click(saveButton(dialog));
            saved.push_back(bench::msSince(pressed));

            if (!bench::isCompletePdf(path) ||
                window.findChild<QMessageBox *>(u"SaveFailureBox"_s)) {
                std::fprintf(stderr, "%s: save %d did not write %s\n", page.caption, i + 1,
                             qPrintable(path));
                return 1;
            }
            QFile::remove(path);
            // The closed dialog goes away before the next one is asked for.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
        const double max = *std::max_element(saved.begin(), saved.end());
        worst = std::max(worst, max);
        std::printf("%-18s %9.1f ms %9.1f ms %9.1f ms %11.1f ms %9.1f ms\n", page.caption,
                    saved.front(), bench::median(saved), max, opened.front(),
                    bench::median(opened));
    }
    std::printf("Save pressed to file complete, worst of all saves: %.1f ms (goal under %.0f "
                "ms: %s)\n",
                worst, GoalMs, worst < GoalMs ? "met" : "missed");
    return 0;
}
