#include "sheetdialogs.h"

#include <print/sheetpdf.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// The dialogs' texts are translated in one context of their own.
struct Dialogs
{
    Q_DECLARE_TR_FUNCTIONS(molvera::SheetDialogs)
};

// The folder of the last sheet saved is kept between runs, in ~/.config/molvera/molvera.conf.
constexpr QStringView PdfFolderKey = u"SaveAsPdf/folder";

QString rememberedFolder()
{
    return QSettings(u"molvera"_s, u"molvera"_s).value(PdfFolderKey).toString();
}

void rememberFolder(const QString &folder)
{
    QSettings(u"molvera"_s, u"molvera"_s).setValue(PdfFolderKey, folder);
}

QString startFolder()
{
    const QString remembered = rememberedFolder();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// Why nothing came out of the printer, in the user's words: one whole sentence for a printer
// without a name, one with its name.
QString printFailureReason(PrintStatus status, const QString &printerName)
{
    struct Reason
    {
        QString unnamed;
        QString named;
    };
    const auto sentence = [&printerName](const Reason &reason) {
        return printerName.isEmpty() ? reason.unnamed : reason.named.arg(printerName);
    };
    switch (status) {
    case PrintStatus::NoPrinter:
        return Dialogs::tr("No default printer is set up.");
    case PrintStatus::PrinterStopped:
        return sentence({Dialogs::tr("The printer is stopped."),
                         //: %1 is the printer's name.
                         Dialogs::tr("The printer \"%1\" is stopped.")});
    case PrintStatus::PrinterRejectsJobs:
        return sentence({Dialogs::tr("The printer does not accept jobs."),
                         //: %1 is the printer's name.
                         Dialogs::tr("The printer \"%1\" does not accept jobs.")});
    case PrintStatus::Printed:
    case PrintStatus::Failed:
        break;
    }
    return sentence({Dialogs::tr("The printer reported an error."),
                     //: %1 is the printer's name.
                     Dialogs::tr("The printer \"%1\" reported an error.")});
}

void showSaveFailure(QWidget *page, const QString &path, QString reason)
{
    if (!reason.endsWith(u'.'))
        reason += u'.';
    auto *box =
        new QMessageBox(QMessageBox::Warning, Dialogs::tr("Save as PDF"),
                        //: %1 is the file's path, %2 the reason as the system gives it, a sentence.
                        Dialogs::tr("The sheet was not saved as \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), reason),
                        QMessageBox::Ok, page);
    box->setObjectName(u"SaveFailureBox"_s);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void writePdf(const PageSheet &source, const QString &path)
{
    if (const std::optional<QString> error =
            saveSheetPdf(source.sheet, path, QDate::currentDate(), QLocale())) {
        showSaveFailure(source.page, path, *error);
        return;
    }
    rememberFolder(QFileInfo(path).absolutePath());
}

} // namespace

void showPrintFailure(const PageSheet &source, PrintStatus status, const QString &printerName)
{
    auto *box = new QMessageBox(
        QMessageBox::Warning, Dialogs::tr("Print"),
        //: %1 says why, in a whole sentence.
        Dialogs::tr("The sheet was not printed. %1").arg(printFailureReason(status, printerName)),
        QMessageBox::Ok, source.page);
    box->setObjectName(u"PrintFailureBox"_s);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *save = box->addButton(Dialogs::tr("Save as PDF…"), QMessageBox::ActionRole);
    save->setObjectName(u"cmdSaveAsPdf"_s);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    QObject::connect(box, &QDialog::finished, source.page, [box, save, source] {
        if (box->clickedButton() == save)
            saveSheetAsPdf(source);
    });
    box->open();
}

void openPrintPreview(const PageSheet &source, const QString &menuEntry)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    auto printer = std::make_shared<QPrinter>(printerInfo, QPrinter::HighResolution);
    if (printerInfo.isNull())
        printer->setPageSize(QPageSize(sheetPaper(QLocale())));
    auto *dialog = new QPrintPreviewDialog(printer.get(), source.page);
    dialog->setObjectName(u"PrintPreviewDialog"_s);
    QString title = menuEntry;
    title.remove(u'&');
    if (title.endsWith(u'\u2026'))
        title.chop(1);
    dialog->setWindowTitle(title.trimmed());
    dialog->setAttribute(Qt::WA_DeleteOnClose);

    // The dialog only borrows the printer, whose pages its preview shows until the dialog's
    // children are gone; the connection, released after them, keeps the printer until then.
    auto printed = std::make_shared<bool>(true);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [printer, printed, sheet = source.sheet](QPrinter *target) {
                         *printed =
                             printOnChosenPrinter(sheet, *target, QDate::currentDate(), QLocale());
                     });
    // The dialog is accepted only once the sheet went to the printer chosen in its print dialog.
    QObject::connect(dialog, &QDialog::accepted, source.page, [source, printed, printer] {
        if (!*printed)
            showPrintFailure(source, PrintStatus::Failed, printer->printerName());
    });
    dialog->open();
}

void saveSheetAsPdf(const PageSheet &source)
{
    auto *dialog = new QFileDialog(source.page, Dialogs::tr("Save as PDF"), startFolder());
    dialog->setObjectName(u"SaveAsPdfDialog"_s);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    //: Keep "(*.pdf)": it is the pattern the dialog filters by.
    dialog->setNameFilter(Dialogs::tr("PDF documents (*.pdf)"));
    dialog->setDefaultSuffix(u"pdf"_s);
    // The dialog itself asks before an existing file is replaced.
    dialog->selectFile(
        sheetFileName(source.sheet.chemicalFormula, source.pageName, QDate::currentDate()));
    QObject::connect(dialog, &QFileDialog::fileSelected, source.page,
                     [source](const QString &path) { writePdf(source, path); });
    dialog->open();
}

} // namespace molvera
