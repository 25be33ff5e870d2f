#include "sheetdialogs.h"

#include <print/sheetpdf.h>

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

// Why nothing came out of the printer, in the user's words.
QString printFailureReason(PrintStatus status, const QString &printerName)
{
    const QString named =
        printerName.isEmpty() ? u"The printer"_s : u"The printer \"%1\""_s.arg(printerName);
    switch (status) {
    case PrintStatus::NoPrinter:
        return u"No default printer is set up."_s;
    case PrintStatus::PrinterStopped:
        return named + u" is stopped."_s;
    case PrintStatus::PrinterRejectsJobs:
        return named + u" does not accept jobs."_s;
    case PrintStatus::Printed:
    case PrintStatus::Failed:
        break;
    }
    return named + u" reported an error."_s;
}

void showSaveFailure(QWidget *page, const QString &path, QString reason)
{
    if (!reason.endsWith(u'.'))
        reason += u'.';
    auto *box = new QMessageBox(
        QMessageBox::Warning, u"Save as PDF"_s,
        u"The sheet was not saved as \"%1\": %2"_s.arg(QDir::toNativeSeparators(path), reason),
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
    auto *box =
        new QMessageBox(QMessageBox::Warning, u"Print"_s,
                        u"The sheet was not printed. "_s + printFailureReason(status, printerName),
                        QMessageBox::Ok, source.page);
    box->setObjectName(u"PrintFailureBox"_s);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *save = box->addButton(u"Save as PDF…"_s, QMessageBox::ActionRole);
    save->setObjectName(u"cmdSaveAsPdf"_s);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    QObject::connect(box, &QDialog::finished, source.page, [box, save, source] {
        if (box->clickedButton() == save)
            saveSheetAsPdf(source);
    });
    box->open();
}

void openPrintPreview(const PageSheet &source)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    auto printer = std::make_shared<QPrinter>(printerInfo, QPrinter::HighResolution);
    if (printerInfo.isNull())
        printer->setPageSize(QPageSize(sheetPaper(QLocale())));
    auto *dialog = new QPrintPreviewDialog(printer.get(), source.page);
    dialog->setObjectName(u"PrintPreviewDialog"_s);
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
    auto *dialog = new QFileDialog(source.page, u"Save as PDF"_s, startFolder());
    dialog->setObjectName(u"SaveAsPdfDialog"_s);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(u"PDF documents (*.pdf)"_s);
    dialog->setDefaultSuffix(u"pdf"_s);
    // The dialog itself asks before an existing file is replaced.
    dialog->selectFile(
        sheetFileName(source.sheet.chemicalFormula, source.pageName, QDate::currentDate()));
    QObject::connect(dialog, &QFileDialog::fileSelected, source.page,
                     [source](const QString &path) { writePdf(source, path); });
    dialog->open();
}

} // namespace molvera
